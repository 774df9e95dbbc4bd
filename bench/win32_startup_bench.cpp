// The Win32 program's start as the user sees it, under Wine: from the moment the caller started this process
// (passed in microseconds of the real-time clock) until the main window is shown and painted, through the
// same win32::Program, registry and file system as main.cpp. The main window counts as painted when the
// splash window's timer, having shown it, destroys the splash. Prints, in milliseconds:
//   startup_ms        that time, less the splash window's wait
//   to_splash_ms      of it, the part until the splash window's timer is started: loading, the splash
//   main_window_ms    of it, the part from the timer's end until the main window is painted: its start-up
//   splash_wait_ms    the splash window's 3 s, as the system's timer kept them
// then idle_mb, the working set once the start-up has settled (GetProcessMemoryInfo, which Wine fills from
// the kernel's resident count, VmRSS, of the process), how many message boxes came up (each answered Ok; a
// start-up on good settings shows none) and how many Zone Names the main window lists. The main window is
// then closed as the user closes it, so the next start finds a clean exit. With --empty it shows a plain
// window and runs its message loop instead, nothing of Quorrin started: the floor of any Win32 program here,
// printed as startup_ms and idle_mb.
//
// usage: quorrin_win32_startup_bench [--empty] STARTED_MICROSECONDS
#include "AnsweringDialogs.h"
#include "platform/Dialogs.h"
#include "platform/FileSearch.h"
#include "platform/FileSystem.h"
#include "platform/Win32Shell.h"
#include "settings/DefaultRegistryBackend.h"
#include "settings/Global.h"
#include "settings/Settings.h"
#include "ui/win32/frmMain.h"
#include "ui/win32/frmSplash.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Program.h"
#include "ui/win32/Win32Dialogs.h"
#include "Win32WorkingSet.h"

#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <objbase.h>
#include <optional>
#include <psapi.h>
#include <string_view>
#include <windows.h>

namespace {

using quorrin::bench::workingSetMegabytes;

using quorrin::bench::AnsweringDialogs;

// The real-time clock in microseconds since 1970, as the caller's clock counts them.
long long nowMicroseconds()
{
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<long long>(ticks / 10) - 11644473600000000LL; // from 1601 in 100 ns steps
}

double ms(long long microseconds)
{
    return static_cast<double>(microseconds) / 1000.0;
}

bool hasClass(HWND window, const wchar_t* name)
{
    wchar_t found[64] = {};
    return window && GetClassNameW(window, found, 64) > 0 && std::wcscmp(found, name) == 0;
}

// Runs every message waiting, as the program's loop runs it: what the start-up left to do.
void settle()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) { // for the loop that follows
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (!quorrin::win32::translateKeyboardMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// The moment the splash window is destroyed, once its timer has shown the main window.
long long splashGoneAt = -1;

LRESULT CALLBACK watchSplash(int code, WPARAM wParam, LPARAM lParam)
{
    const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent.message == WM_DESTROY && splashGoneAt < 0 &&
        hasClass(sent.hwnd, L"QuorrinSplash"))
        splashGoneAt = nowMicroseconds();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK emptyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The watchdog's thread timer: a start that shows no window within 20 s ends with an error.
UINT_PTR watchdog = 0;

bool watchdogFired(const MSG& message)
{
    if (message.message != WM_TIMER || message.hwnd || message.wParam != watchdog)
        return false;
    std::fprintf(stderr, "no window was shown within 20 s\n");
    return true;
}

int emptyWindow(long long started)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = emptyWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"QuorrinBenchEmpty";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Empty", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 640, 480, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) {
        std::fprintf(stderr, "the plain window could not be made\n");
        return 1;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    const long long shownAt = nowMicroseconds();
    settle();
    const std::optional<double> idle = workingSetMegabytes();
    DestroyWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    std::printf("startup_ms %.1f\n", ms(shownAt - started));
    if (!idle) {
        std::fprintf(stderr, "GetProcessMemoryInfo gave no working set\n");
        return 1;
    }
    std::printf("idle_mb %.2f\n", *idle);
    return 0;
}

int program(long long started)
{
    // As main.cpp starts: the common controls, COM on this thread.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES |
                                                        ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                        ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    const auto registry = quorrin::createDefaultRegistryBackend();
    quorrin::Global store(*registry);
    quorrin::Settings settings(store);
    AnsweringDialogs dialogs;
    quorrin::win32::Win32Dialogs
        ownerOnly; // the Program sets the folder picker's owner on it; it shows nothing
    quorrin::Win32Shell shell;
    const auto files = quorrin::createLocalFileSystem();
    const auto search = quorrin::createFileSearch();
    const quorrin::Services services{settings, dialogs, shell, *files, *search, std::string()};

    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, watchSplash, nullptr, GetCurrentThreadId());
    quorrin::win32::Program run(services, ownerOnly);
    run.start(); // ends with the splash window's timer started
    const long long waitFrom = nowMicroseconds();

    long long firedAt = -1;
    std::optional<double> idle;
    std::size_t zoneNames = 0;
    bool failed = false;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (watchdogFired(message)) {
            failed = true;
            break;
        }
        const bool splashTimer = firedAt < 0 && message.message == WM_TIMER &&
                                 message.wParam == quorrin::win32::frmSplash::kTimer &&
                                 hasClass(message.hwnd, L"QuorrinSplash");
        if (splashTimer)
            firedAt = nowMicroseconds();
        if (!quorrin::win32::translateKeyboardMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        quorrin::win32::frmMain* window = run.mainWindow();
        if (splashTimer && window && !window->isUnloaded()) {
            // The start-up is over: what it left queued runs, then the idle program is weighed and closed.
            settle();
            idle = workingSetMegabytes();
            zoneNames = window->state().SourceList.items.size();
            PostMessageW(window->hwnd(), WM_CLOSE, 0, 0);
        }
    }
    UnhookWindowsHookEx(hook);
    CoUninitialize();
    if (failed || firedAt < 0 || splashGoneAt < 0) {
        std::fprintf(stderr, "the main window was not shown from the splash window's timer\n");
        return 1;
    }
    const long long wait = firedAt - waitFrom;
    std::printf("startup_ms %.1f\nto_splash_ms %.1f\nmain_window_ms %.1f\nsplash_wait_ms %.1f\nboxes %d\n"
                "zone_names %zu\n",
                ms(splashGoneAt - started - wait), ms(waitFrom - started), ms(splashGoneAt - firedAt),
                ms(wait), dialogs.boxes, zoneNames);
    if (!idle) {
        std::fprintf(stderr, "GetProcessMemoryInfo gave no working set\n");
        return 1;
    }
    std::printf("idle_mb %.2f\n", *idle);
    return 0;
}

} // namespace

// A Windows program like quorrin.exe (no console); Wine hands it the caller's output all the same.
int main(int argc, char* argv[])
{
    const bool empty = argc == 3 && std::string_view(argv[1]) == "--empty";
    if (argc != 2 + empty) {
        std::fprintf(stderr, "usage: %s [--empty] STARTED_MICROSECONDS\n", argv[0]);
        return 2;
    }
    const long long started = std::atoll(argv[1 + empty]);
    watchdog = SetTimer(nullptr, 0, 20000, nullptr);
    const int status = empty ? emptyWindow(started) : program(started);
    std::fflush(stdout);
    return status;
}
