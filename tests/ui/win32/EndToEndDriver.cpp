// Drives a running quorrin.exe as a user would, through the messages its controls send: while the splash
// window shows, asks every window of the program to close, as `taskkill` does (the program must go on);
// closes the tip of the day, picks a source and a target Zone Name, presses Transfer, answers the two boxes
// with OK and exits by the close box. Prints each box's text; exits non-zero when a step does not happen in
// time.
#include "ui/win32/Win32Controls.h"
#include "ui/WindowLayouts.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <windows.h>

namespace {

using namespace quorrin;

template<typename Found>
auto waitFor(const char* what, Found find)
{
    for (int waited = 0; waited < 30000; waited += 50) {
        if (auto found = find())
            return found;
        Sleep(50);
    }
    std::fprintf(stderr, "timed out waiting for %s\n", what);
    std::exit(2);
}

HWND shownMainWindow()
{
    HWND main = FindWindowW(L"QuorrinMain", nullptr);
    return main && IsWindowVisible(main) ? main : nullptr;
}

// The main window's control `name`, by its identifier.
HWND controlOf(HWND main, std::string_view name)
{
    const auto& rows = ui::frmMainLayout().controls;
    const auto row = std::ranges::find(rows, name, &ui::ControlRow::name);
    return GetDlgItem(main, win32::kFirstControlId + static_cast<int>(row - rows.begin()));
}

// Answers the next message box of the program (a dialog of the system's class) with OK and prints its text.
void answerBox(DWORD process)
{
    HWND box = waitFor("a message box", [process] {
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"#32770", nullptr));)
            if (DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner) && owner == process && IsWindowVisible(w))
                return w;
        return HWND{};
    });
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text)); // the text of a message box is the static of this id
    std::printf("box: %s\n", text);
    std::fflush(stdout);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    waitFor("the box to close", [box] { return !IsWindow(box); });
}

// While the splash window shows (its first second, long before its timer opens the main window), posts
// WM_CLOSE a few times to every top-level window of the program's own classes, hidden ones too, as taskkill
// without /f does. (It also closes the system's helper windows, such as a combo box's drop-down list, which
// breaks any program's controls; those are left alone here.) Only the user's own close of the main window
// ends the program.
void askToCloseDuringTheSplash()
{
    // A driver that starts late (a busy machine) may find the main window already there: nothing to ask then.
    HWND splash = nullptr;
    waitFor("the splash or the main window", [&splash] {
        splash = FindWindowW(L"QuorrinSplash", nullptr);
        return splash ? IsWindowVisible(splash) != FALSE : shownMainWindow() != nullptr;
    });
    for (int asked = 0; splash && asked < 10 && IsWindowVisible(splash) && !shownMainWindow(); ++asked) {
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, nullptr, nullptr));) {
            wchar_t name[32] = {};
            GetClassNameW(w, name, 32);
            if (std::wstring_view(name).starts_with(L"Quorrin"))
                PostMessageW(w, WM_CLOSE, 0, 0);
        }
        Sleep(100);
    }
}

void pick(HWND main, std::string_view box, const wchar_t* name)
{
    HWND combo = controlOf(main, box);
    SendMessageW(
        combo, CB_SETCURSEL,
        SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name)), 0);
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(combo));
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: EndToEndDriver SOURCE TARGET\n");
        return 1;
    }
    askToCloseDuringTheSplash();
    HWND main = waitFor("the main window", shownMainWindow);
    DWORD process = 0;
    GetWindowThreadProcessId(main, &process);
    HWND tip = waitFor("the tip of the day", [] { return FindWindowW(nullptr, L"Tip of the Day"); });
    HWND ok = waitFor("the tip's OK button", [tip] { return FindWindowExW(tip, nullptr, L"Button", L"OK"); });
    PostMessageW(ok, BM_CLICK, 0, 0);
    waitFor("the tip to close", [tip] { return !IsWindow(tip); });

    pick(main, "SourceList", argv[1]);
    pick(main, "TargetList", argv[2]);
    PostMessageW(controlOf(main, "BtnTransfer"), BM_CLICK, 0, 0);
    answerBox(process); // the question
    answerBox(process); // done
    PostMessageW(main, WM_CLOSE, 0, 0);
    waitFor("the main window to close", [main] { return !IsWindow(main); });
    return 0;
}
