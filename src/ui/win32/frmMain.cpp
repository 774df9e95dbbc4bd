#include "ui/win32/frmMain.h"

#include "ui/win32/BusyPointer.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/resource.h"
#include "ui/win32/Win32Menu.h"
#include "ui/win32/Win32Text.h"
#include "ui/win32/WindowGeometry.h"
#include "ui/WindowLayouts.h"

#include <commctrl.h>

namespace quorrin::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"QuorrinMain";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

BOOL CALLBACK closeMessageBox(HWND window, LPARAM)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    // The system's message boxes and pickers are dialogs of this class; a close answers them with Cancel.
    if (std::wstring_view(name) == L"#32770" && IsWindowVisible(window))
        PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

} // namespace

frmMain::frmMain(const Services& services)
    : core_(std::make_unique<MainWindowCore>(services, *this)),
      sourceFriends_(core_->state.SourceListZoneNames, true),
      targetFriends_(core_->state.TargetListZoneNames, false)
{
    create();
}

frmMain::~frmMain()
{
    core_->state.DebugList.setAppendListener({});
}

void frmMain::create()
{
    const ui::WindowLayout& layout = ui::frmMainLayout();
    menu_ = buildMenuBar(layout);
    WindowOptions options;
    options.windowClass = kWindowClass;
    options.style = kWindowStyle;
    options.icon = IDI_QUORRIN;
    options.keyboard = true;
    options.menu = menu_;
    options.custom = [this](const ui::ControlRow& row, HWND parent, const RECT& pixels, int id) {
        return makeCustomControl(row, parent, pixels, id);
    };
    Win32Window::create(layout, options);
    setFirstFocus("BtnTransfer");
    for (FriendsListView* list : {&sourceFriends_, &targetFriends_})
        list->setColours(toColorRef(ui::kGreyBackground), toColorRef(ui::kGreyText));

    statusBar_.create(hwnd(), fonts().windowFont(), dpi());

    for (MainPart part : {MainPart::SourceList, MainPart::TargetList, MainPart::SourceListZoneNames,
                          MainPart::TargetListZoneNames, MainPart::Counters, MainPart::Mode})
        stateChanged(part);
    core_->state.DebugList.setAppendListener([this](std::size_t) { syncDebugList(); });
}

HWND frmMain::makeCustomControl(const ui::ControlRow& row, HWND parent, const RECT& pixels, int id)
{
    if (row.name == "SourceListZoneNames")
        return sourceFriends_.create(parent, pixels, id);
    if (row.name == "TargetListZoneNames")
        return targetFriends_.create(parent, pixels, id);
    return nullptr;
}

LRESULT frmMain::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY: {
        LRESULT result = 0;
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (sourceFriends_.handleNotify(header, result) || targetFriends_.handleNotify(header, result))
            return result;
        break;
    }
    case FriendsListView::kApplyReload:
        for (FriendsListView* list : {&sourceFriends_, &targetFriends_})
            if (list->hwnd() == reinterpret_cast<HWND>(lParam))
                list->applyReload();
        return 0;
    case WM_TIMER:
        if (wParam == kTimer1)
            core_->Timer1_Timer();
        else if (wParam == kClock)
            statusBar_.updateClock();
        return 0;
    case WM_SIZE:
        statusBar_.layout();
        return 0;
    case WM_CLOSE:
        requestClose(CloseReason::User);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
            requestClose(CloseReason::SessionEnd);
        return 0;
    case WM_DESTROY:
        if (endsMessageLoop)
            PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return byDefault(message, wParam, lParam);
}

void frmMain::onCommand(int id, int code)
{
    if (const Command command = commandOf(id); command != Command::None && code == 0) {
        run(command);
        return;
    }
    const ui::ControlRow* row = controls().rowOf(id);
    if (!row)
        return;
    if (row->name == "BtnTransfer" && code == BN_CLICKED) {
        core_->BtnTransfer_Click();
    } else if (row->name == "SourceList" || row->name == "TargetList") {
        const bool source = row->name == "SourceList";
        HWND box = controls().get(row->name);
        if (code == CBN_SELENDOK) {
            const int index = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
            if (index >= 0)
                source ? core_->SourceList_Click(index) : core_->TargetList_Click(index);
        } else if (code == CBN_EDITCHANGE) {
            (source ? core_->state.SourceList : core_->state.TargetList).selected = -1;
        }
    }
}

void frmMain::run(Command command)
{
    switch (command) {
    case Command::FileExit:
        requestClose(CloseReason::User);
        return;
    case Command::TipOfTheDay:
        if (onTipRequested)
            onTipRequested();
        return;
    case Command::HelpAbout:
        if (onAboutRequested)
            onAboutRequested();
        return;
    default:
        core_->menu().run(command);
        stateChanged(MainPart::Mode);
        return;
    }
}

void frmMain::Form_Load()
{
    // The window may have been made a while before (hidden, while the splash window waited): its clock, its
    // timer and its focus start with its start-up.
    started_ = true;
    SetTimer(hwnd(), kClock, 1000, nullptr);
    statusBar_.updateClock();
    setTimer1Enabled(true);
    SetFocus(control("BtnTransfer"));
    loading_ = true;
    core_->Form_Load();
    loading_ = false;
    if (closePending_)
        requestClose(CloseReason::SessionEnd);
}

void frmMain::requestClose(CloseReason reason)
{
    // Before its start-up the window is only made (hidden, while the splash window waits), not yet the
    // program's: a close then comes from another program asking every window to close, or from the session
    // ending, and nothing of a window that never loaded is saved over the settings.
    if (!started_)
        return;
    // A close that arrives while the start-up is still running (the session ends while a start-up box or the
    // folder picker is open) waits for the start-up to end, so the saving comes after everything the start-up
    // writes; the open box is answered with its close.
    if (loading_) {
        closePending_ = true;
        EnumThreadWindows(GetCurrentThreadId(), closeMessageBox, 0);
        return;
    }
    if (unloaded_)
        return;
    unloaded_ = true;
    // Closing is never refused: the saving runs, then every other window of the program goes with this one.
    core_->Form_QueryUnload();
    setTimer1Enabled(false);
    KillTimer(hwnd(), kClock);
    if (onClosing)
        onClosing(reason);
    DestroyWindow(hwnd());
}

void frmMain::setTimer1Enabled(bool enabled)
{
    // Enabling a running timer leaves its count alone.
    if (enabled == timer1Running_)
        return;
    timer1Running_ = enabled;
    if (enabled)
        SetTimer(hwnd(), kTimer1, ui::kTimer1Interval, nullptr);
    else
        KillTimer(hwnd(), kTimer1);
}

void frmMain::setBusyPointer(bool on)
{
    win32::setBusyPointer(on);
}

double frmMain::windowProperty(WindowProperty property) const
{
    return windowTwips(hwnd(), property, dpi());
}

void frmMain::setWindowProperty(WindowProperty property, double twips)
{
    setWindowTwips(hwnd(), property, twips, dpi());
}

void frmMain::renderZoneBox(HWND box, const ZoneNameBox& data, std::string_view prompt)
{
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (const std::string& name : data.items)
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fromAnsi(name).c_str()));
    const bool valid = data.selected >= 0 && static_cast<std::size_t>(data.selected) < data.items.size();
    SendMessageW(box, CB_SETCURSEL, valid ? static_cast<WPARAM>(data.selected) : static_cast<WPARAM>(-1), 0);
    if (!valid)
        SetWindowTextW(box, fromAnsi(prompt).c_str());
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
}

void frmMain::syncDebugList()
{
    HWND list = controls().get("DebugList");
    const DiagnosticLog& log = core_->state.DebugList;
    for (; debugLinesShown_ < log.size(); ++debugLinesShown_)
        SendMessageW(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(fromAnsi(log.at(debugLinesShown_)).c_str()));
}

void frmMain::stateChanged(MainPart part)
{
    const MainState& state = core_->state;
    switch (part) {
    case MainPart::SourceList:
        renderZoneBox(controls().get("SourceList"), state.SourceList, ui::kSourcePrompt);
        break;
    case MainPart::TargetList:
        renderZoneBox(controls().get("TargetList"), state.TargetList, ui::kTargetPrompt);
        break;
    case MainPart::SourceListZoneNames:
        sourceFriends_.reload();
        break;
    case MainPart::TargetListZoneNames:
        targetFriends_.reload();
        break;
    case MainPart::Counters:
        SetWindowTextW(controls().get("Label3"), fromAnsi(state.Label3Caption).c_str());
        SetWindowTextW(controls().get("Label5"), fromAnsi(state.Label5Caption).c_str());
        break;
    case MainPart::Mode:
        setChecked(menu_, Command::NormalMode, state.mnuNormalChecked);
        setChecked(menu_, Command::DeveloperMode, state.mnuDeveloperChecked);
        ShowWindow(controls().get("DebugList"), state.DebugListVisible ? SW_SHOWNA : SW_HIDE);
        break;
    case MainPart::DebugList:
        syncDebugList();
        break;
    }
}

void frmMain::redraw(MainPart part)
{
    const auto now = [](HWND control) {
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    switch (part) {
    case MainPart::SourceList:
        now(controls().get("SourceList"));
        break;
    case MainPart::TargetList:
        now(controls().get("TargetList"));
        break;
    case MainPart::SourceListZoneNames:
        sourceFriends_.applyReload();
        now(sourceFriends_.hwnd());
        break;
    case MainPart::TargetListZoneNames:
        targetFriends_.applyReload();
        now(targetFriends_.hwnd());
        break;
    case MainPart::Counters:
        now(controls().get("Label3"));
        now(controls().get("Label5"));
        break;
    case MainPart::Mode:
    case MainPart::DebugList:
        now(controls().get("DebugList"));
        break;
    }
}

void frmMain::moveSplashOutOfView()
{
    // Once the splash window is closed there is nothing to move.
    if (!splash_ || !IsWindow(splash_))
        return;
    RECT outer;
    GetWindowRect(splash_, &outer);
    const int width = outer.right - outer.left;
    SetWindowPos(splash_, nullptr, -width * 11 / 10, outer.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace quorrin::win32
