// The Win32 main window at the largest lists, under Wine's null graphics driver: how long each action takes
// from the user's input until the window shows its result painted, and the memory both full lists add to an
// idle window. The window is built as the window tests build it, message boxes answered by the test fakes;
// input goes through the same message handling as the program's loop. Memory is the working set that
// GetProcessMemoryInfo reports, which Wine takes from the kernel's resident count (VmRSS) of the process.
// Prints one "name value" line per figure (milliseconds, the median of the runs; megabytes); a figure that
// cannot be measured is left out and said on stderr.
//
// usage: quorrin_win32_bench SOURCE TARGET [RUNS]   (two lists made by quorrin_bench_lists)
#include "BenchLists.h"
#include "BenchTiming.h"
#include "friends/FriendsListFormat.h"
#include "support/CoreWorld.h"
#include "ui/win32/frmMain.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Win32Menu.h"
#include "Win32WorkingSet.h"

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <objbase.h>
#include <optional>
#include <psapi.h>
#include <string>
#include <tuple>
#include <vector>
#include <windows.h>

namespace quorrin::win32 {
namespace {

using quorrin::bench::workingSetMegabytes;

using bench::medianMs;
using bench::timeIt;

std::string readAll(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

double nowMs()
{
    static const double perMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) / perMs;
}

// Runs every message waiting (posted input, timers, pending paints) as the program's loop runs it.
void settle()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!translateKeyboardMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// Lets every waiting message run, then paints `window` and its children now, whole.
void settleAndPaint(HWND window)
{
    settle();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

struct Bench : test::TestServices
{
    Bench(const std::string& source, const std::string& target) : targetBytes(target)
    {
        writeFriends("Source", source);
        writeFriends("Target", target);
        writeFriends("Full", source); // a second list of 32,767 entries, for the memory figure
        window.state().ZonePath = zone();
        window.state().SourceList.items = window.state().TargetList.items = {"Source", "Target", "Full"};
        window.stateChanged(MainPart::SourceList);
        window.stateChanged(MainPart::TargetList);
        ShowWindow(window.hwnd(), SW_SHOWNORMAL);
        UpdateWindow(window.hwnd());
    }

    HWND control(std::string_view name) const { return window.control(name); }
    // A pick as the combo box reports it: the selection moves, then the pick is confirmed.
    void pick(std::string_view box, int position)
    {
        SendMessageW(control(box), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(window.controls().idOf(box), CBN_SELENDOK),
                     reinterpret_cast<LPARAM>(control(box)));
    }
    void chooseMenu(Command item) const
    {
        SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(menuId(item), 0), 0);
    }

    std::string targetBytes;
    frmMain window{services()};
};

MessageBoxRequest question(std::size_t count)
{
    return {"Are you sure you want to add " + std::to_string(count) +
                " Items (Duplicated items are filtered out) to Target's Zone Friends List ? ",
            "Question", MessageIcon::None, MessageButtons::OkCancel};
}

int run(const char* sourcePath, const char* targetPath, int runs)
{
    Bench b(readAll(sourcePath), readAll(targetPath));
    HWND sourceList = b.control("SourceListZoneNames");
    HWND targetList = b.control("TargetListZoneNames");
    const auto none = [] {};
    int status = 0;
    const auto fail = [&status](const char* what) {
        std::fprintf(stderr, "%s\n", what);
        status = 1;
    };

    // Memory: the idle window, then both lists full and painted.
    settleAndPaint(b.window.hwnd());
    const std::optional<double> idle = workingSetMegabytes();
    b.pick("SourceList", 0);
    b.pick("TargetList", 2);
    settleAndPaint(b.window.hwnd());
    const std::optional<double> full = workingSetMegabytes();
    const std::size_t entries = b.window.state().SourceListZoneNames.size();
    if (entries != b.window.state().TargetListZoneNames.size() || entries < 2)
        fail("the two full lists were not read");

    const double pick = timeIt(runs, nowMs, none, [&] {
        b.pick("SourceList", 0);
        settleAndPaint(sourceList);
    });

    // A check box in the middle of the full list, toggled with the space bar as a user does: the key goes to
    // the focused list view through the message queue.
    const auto middle = static_cast<int>(entries / 2);
    SetFocus(sourceList);
    LVITEMW focus{};
    focus.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    focus.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageW(sourceList, LVM_SETITEMSTATE, static_cast<WPARAM>(middle), reinterpret_cast<LPARAM>(&focus));
    SendMessageW(sourceList, LVM_ENSUREVISIBLE, static_cast<WPARAM>(middle), FALSE);
    settleAndPaint(sourceList);
    const auto& checks = b.window.state().SourceListZoneNames.checked;
    const bool checkedBefore = checks[static_cast<std::size_t>(middle)];
    int toggles = 0;
    const double toggle = timeIt(runs, nowMs, none, [&] {
        const UINT scan = MapVirtualKeyW(VK_SPACE, MAPVK_VK_TO_VSC);
        PostMessageW(sourceList, WM_KEYDOWN, VK_SPACE, static_cast<LPARAM>(1 | (scan << 16)));
        PostMessageW(sourceList, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
        settleAndPaint(sourceList);
        ++toggles;
    });
    if (checks[static_cast<std::size_t>(middle)] != (checkedBefore != (toggles % 2 == 1)))
        fail("the space bar did not toggle the check box once each time");

    // The transfer: from the button press until the target's list, read again, is painted. Every run starts
    // from the same target file and the same check marks.
    std::size_t chosen = 0;
    for (std::size_t i = 0, checked = 0; i < entries; ++i)
        chosen += bench::isChecked(i) && !bench::isInTarget(checked++);
    const double transfer = timeIt(
        runs, nowMs,
        [&] {
            b.writeFriends("Target", b.targetBytes);
            b.pick("TargetList", 1);
            b.window.state().TotalNameMoves = 0; // the 16-bit counter would overflow after a few runs
            auto& marks = b.window.state().SourceListZoneNames.checked;
            for (std::size_t i = 0; i < marks.size(); ++i)
                marks[i] = bench::isChecked(i);
            b.dialogs.expectMessage(question(chosen), MessageResult::Ok);
            b.dialogs.expectMessage({"Transfer Complete. FriendsList Updated", "Done",
                                     MessageIcon::Information, MessageButtons::Ok});
            settleAndPaint(b.window.hwnd());
        },
        [&] {
            SendMessageW(b.control("BtnTransfer"), BM_CLICK, 0, 0);
            settleAndPaint(targetList);
        });
    if (b.window.state().TargetListZoneNames.size() != entries - 5 ||
        SendMessageW(targetList, LVM_GETITEMCOUNT, 0, 0) != static_cast<LRESULT>(entries - 5))
        fail("the transfer did not show the target's new list");

    // The modes, with a log of as many lines as a list takes.
    DiagnosticLog& log = b.window.state().DebugList;
    for (std::size_t line = log.size(); line < kMaxFriendsEntries; ++line)
        log.add("Filler line " + std::to_string(line));
    settleAndPaint(b.window.hwnd());
    HWND debugList = b.control("DebugList");
    std::vector<double> developer;
    std::vector<double> normal;
    bool switched = SendMessageW(debugList, LB_GETCOUNT, 0, 0) == static_cast<LRESULT>(log.size());
    for (int round = 0; round < runs; ++round) {
        for (auto [item, ms, shown] : {std::tuple{Command::DeveloperMode, &developer, true},
                                       std::tuple{Command::NormalMode, &normal, false}}) {
            const double from = nowMs();
            b.chooseMenu(item);
            settleAndPaint(b.window.hwnd());
            ms->push_back(nowMs() - from);
            switched = switched && (IsWindowVisible(debugList) != FALSE) == shown;
        }
    }
    if (!switched)
        fail("the modes did not show and hide the full log");

    // What one call into the Wine server costs here: a look into the empty message queue is one. Every action
    // above makes many, so their times follow this one.
    std::vector<double> lookMs;
    for (int round = 0; round < runs; ++round) {
        MSG message;
        const double from = nowMs();
        for (int look = 0; look < 100; ++look)
            PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
        lookMs.push_back(nowMs() - from);
    }

    std::printf("entries %zu\nserver_call_us %.1f\npick_ms %.2f\ntoggle_ms %.2f\ntransfer_ms "
                "%.2f\ndeveloper_mode_ms %.2f\n"
                "normal_mode_ms %.2f\n",
                entries, medianMs(lookMs) * 10, pick, toggle, transfer, medianMs(developer),
                medianMs(normal));
    if (idle && full)
        std::printf("lists_added_mb %.2f\n", *full - *idle);
    else
        fail("GetProcessMemoryInfo gave no working set");
    return status;
}

} // namespace
} // namespace quorrin::win32

// The program's own start-up around the window: the common controls and COM.
int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SOURCE TARGET [RUNS]\n", argv[0]);
        return 2;
    }
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES |
                                                        ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                        ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int status = quorrin::win32::run(argv[1], argv[2], argc > 3 ? std::max(1, std::atoi(argv[3])) : 7);
    CoUninitialize();
    std::fflush(stdout);
    return status;
}
