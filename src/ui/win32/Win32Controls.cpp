#include "ui/win32/Win32Controls.h"

#include "ui/win32/Win32Images.h"
#include "ui/win32/Win32Text.h"

#include <algorithm>
#include <commctrl.h>
#include <stdexcept>

namespace quorrin::win32 {

namespace {

constexpr wchar_t kPictureClass[] = L"QuorrinPicture";
constexpr wchar_t kFrameClass[] = L"QuorrinFrame";

// What a picture box draws: its picture over its own background.
struct PictureData
{
    HBITMAP bitmap = nullptr;
    SIZE size{};
    bool centred = false;
    HBRUSH background = nullptr;
};

std::wstring wide(std::string_view text)
{
    return fromAnsi(text);
}

constexpr wchar_t kFontProperty[] = L"QuorrinFont";

// Picture boxes and frames hold controls of their own; what those report goes on to the window, which
// handles every control of its table. They keep the font they are given, as every control does.
LRESULT forwardToParent(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFONT:
        SetPropW(hwnd, kFontProperty, reinterpret_cast<HANDLE>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(GetPropW(hwnd, kFontProperty));
    case WM_NCDESTROY:
        RemovePropW(hwnd, kFontProperty);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_DRAWITEM:
        return SendMessageW(GetParent(hwnd), message, wParam, lParam);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK pictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* data = reinterpret_cast<PictureData*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, data && data->background ? data->background : GetSysColorBrush(COLOR_BTNFACE));
        if (data && data->bitmap) {
            HDC memory = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(memory, data->bitmap);
            const int x = data->centred ? (client.right - data->size.cx) / 2 : 0;
            const int y = data->centred ? (client.bottom - data->size.cy) / 2 : 0;
            BitBlt(dc, x, y, data->size.cx, data->size.cy, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
            DeleteDC(memory);
        }
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_NCDESTROY:
        if (data) {
            DeleteObject(data->bitmap);
            DeleteObject(data->background);
            delete data;
        }
        return forwardToParent(hwnd, message, wParam, lParam);
    default:
        return forwardToParent(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return forwardToParent(hwnd, message, wParam, lParam);
}

struct ClassAndStyle
{
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

ClassAndStyle classOf(const ui::ControlRow& row)
{
    switch (row.kind) {
    case ui::ControlKind::Label:
        return {L"STATIC", static_cast<DWORD>(SS_NOPREFIX | (row.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP)), 0};
    case ui::ControlKind::LinkLabel:
        return {L"STATIC", SS_NOPREFIX | SS_NOTIFY | SS_LEFTNOWORDWRAP, 0};
    case ui::ControlKind::Picture:
        return {kPictureClass, WS_TABSTOP | WS_CLIPCHILDREN, 0};
    case ui::ControlKind::PushButton:
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ui::ControlKind::CheckBox:
        return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ui::ControlKind::TextBox:
        return {L"EDIT", WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, 0};
    case ui::ControlKind::ComboBox:
        return {WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    case ui::ControlKind::CheckList:
    case ui::ControlKind::List:
        return {L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, WS_EX_CLIENTEDGE};
    case ui::ControlKind::TabStrip:
        return {WC_TABCONTROLW, WS_TABSTOP | TCS_TOOLTIPS | WS_CLIPSIBLINGS, 0};
    case ui::ControlKind::Frame:
        return {kFrameClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    }
    throw std::logic_error("unknown control kind");
}

// A drop-down combo box is as tall as its box and its open list together; the box keeps its own height.
constexpr int kDropDownPixels = 200;

HWND makeControl(HWND parent, const ui::ControlRow& row, const RECT& pixels, int id, ColourTable& colours)
{
    ClassAndStyle kind = classOf(row);
    // A control without a tab place (the about box's pictures) is never reached by Tab.
    if (row.tabIndex == ui::kNoTab)
        kind.style &= ~static_cast<DWORD>(WS_TABSTOP);
    int height = pixels.bottom - pixels.top;
    if (row.kind == ui::ControlKind::ComboBox)
        height += kDropDownPixels;
    const std::wstring caption = row.kind == ui::ControlKind::ComboBox ? std::wstring() : wide(row.caption);
    HWND hwnd = CreateWindowExW(kind.exStyle, kind.windowClass, caption.c_str(), WS_CHILD | kind.style,
                                pixels.left, pixels.top, pixels.right - pixels.left, height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                nullptr);
    if (!hwnd)
        throw std::runtime_error("cannot create control " + std::string(row.name));
    if (row.kind == ui::ControlKind::Picture) {
        auto* data = new PictureData;
        data->centred = row.imageCentred;
        const COLORREF background = colours.background(row.colours);
        data->background = CreateSolidBrush(background);
        if (!row.image.empty())
            data->bitmap = loadPicture(row.image, background, &data->size);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
    }
    if (row.kind == ui::ControlKind::ComboBox)
        SetWindowTextW(hwnd, wide(row.caption).c_str());
    return hwnd;
}

void addTabs(HWND strip, const ui::WindowLayout& layout)
{
    int index = 0;
    for (const ui::TabRow& tab : layout.tabs) {
        std::wstring caption = wide(tab.caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(strip, TCM_INSERTITEMW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
    }
}

void addToolTip(HWND toolTips, HWND owner, HWND control, const std::wstring& text)
{
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Tab moves the focus in the order of the windows' z-order, so the focusable controls are put in the order
// of their tab indexes.
void orderTabs(const Win32Controls& built)
{
    std::vector<BuiltControl> order;
    for (const BuiltControl& control : built.all())
        if (control.row->tabIndex != ui::kNoTab && ui::takesFocus(control.row->kind))
            order.push_back(control);
    std::ranges::stable_sort(order, {}, [](const BuiltControl& c) { return c.row->tabIndex; });
    HWND previous = HWND_TOP;
    for (const BuiltControl& control : order) {
        if (GetParent(control.hwnd) != GetParent(order.front().hwnd))
            continue; // a control inside a picture box or frame keeps its place there
        SetWindowPos(control.hwnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control.hwnd;
    }
}

} // namespace

std::vector<HWND> Win32Controls::tabOrder() const
{
    std::vector<const BuiltControl*> order;
    for (const BuiltControl& control : controls_)
        if (control.row->tabIndex != ui::kNoTab && ui::takesFocus(control.row->kind))
            order.push_back(&control);
    std::ranges::stable_sort(order, {}, [](const BuiltControl* c) { return c->row->tabIndex; });
    std::vector<HWND> windows;
    for (const BuiltControl* control : order)
        windows.push_back(control->hwnd);
    return windows;
}

HWND Win32Controls::get(std::string_view name) const
{
    if (HWND found = find(name))
        return found;
    throw std::out_of_range("no control " + std::string(name));
}

HWND Win32Controls::find(std::string_view name) const
{
    for (const BuiltControl& control : controls_)
        if (control.row->name == name)
            return control.hwnd;
    return nullptr;
}

int Win32Controls::idOf(std::string_view name) const
{
    for (const BuiltControl& control : controls_)
        if (control.row->name == name)
            return control.id;
    throw std::out_of_range("no control " + std::string(name));
}

const ui::ControlRow* Win32Controls::rowOf(int id) const
{
    for (const BuiltControl& control : controls_)
        if (control.id == id)
            return control.row;
    return nullptr;
}

void registerControlClasses()
{
    static const bool registered = [] {
        WNDCLASSEXW picture{};
        picture.cbSize = sizeof(picture);
        picture.lpfnWndProc = pictureProc;
        picture.hInstance = GetModuleHandleW(nullptr);
        picture.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        picture.lpszClassName = kPictureClass;
        RegisterClassExW(&picture);
        WNDCLASSEXW frame = picture;
        frame.lpfnWndProc = frameProc;
        frame.lpszClassName = kFrameClass;
        RegisterClassExW(&frame);
        return true;
    }();
    (void)registered;
}

Win32Controls buildControls(HWND window, const ui::WindowLayout& layout, int dpi, FontCache& fonts,
                            ColourTable& colours, const CustomControl& custom)
{
    registerControlClasses();
    Win32Controls built;
    HWND toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
    built.setToolTips(toolTips);
    int id = kFirstControlId;
    for (const ui::ControlRow& row : layout.controls) {
        HWND parent = row.parent.empty() ? window : built.get(row.parent);
        const RECT pixels = toPixels(row.rect, dpi);
        HWND hwnd = custom ? custom(row, parent, pixels, id) : nullptr;
        if (!hwnd)
            hwnd = makeControl(parent, row, pixels, id, colours);
        SendMessageW(hwnd, WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts.font(row.font, row.kind == ui::ControlKind::LinkLabel)),
                     FALSE);
        colours.set(hwnd, row.colours);
        if (row.kind == ui::ControlKind::LinkLabel)
            colours.setLink(hwnd);
        if (row.kind == ui::ControlKind::TabStrip)
            addTabs(hwnd, layout);
        if (!row.toolTip.empty()) {
            const std::wstring tip = wide(row.toolTip);
            addToolTip(toolTips, window, hwnd, tip);
            COMBOBOXINFO box{};
            box.cbSize = sizeof(box);
            if (row.kind == ui::ControlKind::ComboBox && GetComboBoxInfo(hwnd, &box) && box.hwndItem)
                addToolTip(toolTips, window, box.hwndItem, tip);
        }
        if (row.visible)
            ShowWindow(hwnd, SW_SHOWNA);
        built.add({&row, hwnd, id++});
    }
    orderTabs(built);
    return built;
}

std::wstring windowText(HWND control)
{
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
    return text;
}

} // namespace quorrin::win32
