// Drives a running quorrin.exe as a user would, through the messages its controls send: closes the tip of
// the day, picks a source and a target Zone Name, presses Transfer, answers the two boxes with OK and exits
// by the close box. Prints each box's text; exits non-zero when a step does not happen in time.
#include "ui/win32/Win32Controls.h"
#include "ui/WindowLayouts.h"

#include <cstdio>
#include <string>
#include <windows.h>

namespace {

using namespace quorrin;

constexpr DWORD kPatienceMs = 30000;

template<typename Found>
auto waitFor(const char* what, Found find)
{
    for (DWORD waited = 0; waited < kPatienceMs; waited += 50) {
        if (auto found = find())
            return found;
        Sleep(50);
    }
    std::fprintf(stderr, "timed out waiting for %s\n", what);
    std::exit(2);
}

int controlId(std::string_view name)
{
    int id = win32::kFirstControlId;
    for (const ui::ControlRow& row : ui::frmMainLayout().controls) {
        if (row.name == name)
            return id;
        ++id;
    }
    return 0;
}

struct BoxSearch
{
    DWORD process;
    HWND box;
};

BOOL CALLBACK findBox(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<BoxSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (process == search.process && std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
        search.box = window;
        return FALSE;
    }
    return TRUE;
}

// Answers the next message box of the program with OK and prints its text.
void answerBox(DWORD process)
{
    HWND box = waitFor("a message box", [process] {
        BoxSearch search{process, nullptr};
        EnumWindows(findBox, reinterpret_cast<LPARAM>(&search));
        return search.box;
    });
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text)); // the text of a message box is the static of this id
    std::printf("box: %s\n", text);
    std::fflush(stdout);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    waitFor("the box to close", [box] { return !IsWindow(box); });
}

void pick(HWND main, std::string_view box, const wchar_t* name)
{
    const int id = controlId(box);
    HWND combo = GetDlgItem(main, id);
    const LRESULT index =
        SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    if (index < 0) {
        std::fprintf(stderr, "%.*s has no name %ls\n", static_cast<int>(box.size()), box.data(), name);
        std::exit(3);
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), reinterpret_cast<LPARAM>(combo));
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: EndToEndDriver SOURCE TARGET\n");
        return 1;
    }
    HWND main = waitFor("the main window", [] {
        HWND found = FindWindowW(L"QuorrinMain", nullptr);
        return found && IsWindowVisible(found) ? found : nullptr;
    });
    DWORD process = 0;
    GetWindowThreadProcessId(main, &process);
    HWND tip = waitFor("the tip of the day", [] { return FindWindowW(nullptr, L"Tip of the Day"); });
    HWND ok = waitFor("the tip's OK button", [tip] { return FindWindowExW(tip, nullptr, L"Button", L"OK"); });
    PostMessageW(ok, BM_CLICK, 0, 0);
    waitFor("the tip to close", [tip] { return !IsWindow(tip); });

    pick(main, "SourceList", argv[1]);
    pick(main, "TargetList", argv[2]);
    PostMessageW(GetDlgItem(main, controlId("BtnTransfer")), BM_CLICK, 0, 0);
    answerBox(process); // the question
    answerBox(process); // done
    PostMessageW(main, WM_CLOSE, 0, 0);
    waitFor("the main window to close", [main] { return !IsWindow(main); });
    return 0;
}
