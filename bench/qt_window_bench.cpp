// The main window at the largest lists, on real widgets (the offscreen platform): how long each action takes
// from the user's input until the window shows its result painted, and the memory both full lists add to an
// idle window. The windows are built as the window tests build them, message boxes answered by the test
// fakes. Prints one "name value" line per figure (milliseconds, the median of the runs; megabytes).
//
// usage: quorrin_qt_bench SOURCE TARGET [RUNS]   (two lists made by quorrin_bench_lists)
#include "BenchLists.h"
#include "BenchTiming.h"
#include "friends/FriendsListFormat.h"
#include "platform/LargePages.h"
#include "support/CoreWorld.h"
#include "ui/qt/frmMain.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

namespace quorrin {
namespace {

using bench::medianMs;
using bench::timeIt;

std::string readAll(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Resident memory of this process, from the kernel's own count.
double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
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
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }

    template<typename T = QWidget>
    T* find(const char* name)
    {
        return window.findChild<T*>(QLatin1String(name));
    }
    // Lets every posted event (delayed layouts, updates) run, then paints `widget` now.
    static void settleAndPaint(QWidget* widget)
    {
        QCoreApplication::processEvents();
        widget->repaint();
    }
    void pick(const char* box, int position) { emit find<QComboBox>(box)->activated(position); }

    std::string targetBytes;
    frmMain window{services()};
};

double qtNowMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

MessageBoxRequest question(std::size_t count)
{
    return {"Are you sure you want to add " + std::to_string(count) +
                " Items (Duplicated items are filtered out) to Target's Zone Friends List ? ",
            "Question", MessageIcon::None, MessageButtons::OkCancel};
}

int run(const char* sourcePath, const char* targetPath, int runs)
{
    Bench b(readAll(sourcePath), readAll(targetPath));
    auto* sourceList = b.find<QListView>("SourceListZoneNames");
    auto* targetList = b.find<QListView>("TargetListZoneNames");
    const auto none = [] {};

    // Memory: the idle window, then both lists full and painted.
    Bench::settleAndPaint(&b.window);
    const double idle = residentMegabytes();
    b.pick("SourceList", 0);
    b.pick("TargetList", 2);
    Bench::settleAndPaint(&b.window);
    const double full = residentMegabytes();
    const std::size_t entries = b.window.state().SourceListZoneNames.size();

    const double pick = timeIt(runs, qtNowMs, none, [&] {
        b.pick("SourceList", 0);
        Bench::settleAndPaint(sourceList);
    });

    // A check box in the middle of the full list, toggled with the space bar as a user does.
    sourceList->setCurrentIndex(sourceList->model()->index(static_cast<int>(entries / 2), 0));
    sourceList->scrollTo(sourceList->currentIndex());
    Bench::settleAndPaint(sourceList);
    const double toggle = timeIt(runs, qtNowMs, none, [&] {
        QTest::keyClick(sourceList, Qt::Key_Space);
        Bench::settleAndPaint(sourceList);
    });

    // The transfer: from the button press until the target's list, read again, is painted. Every run starts
    // from the same target file and the same check marks.
    std::size_t chosen = 0;
    for (std::size_t i = 0, checked = 0; i < entries; ++i)
        chosen += bench::isChecked(i) && !bench::isInTarget(checked++);
    const double transfer = timeIt(
        runs, qtNowMs,
        [&] {
            b.writeFriends("Target", b.targetBytes);
            b.pick("TargetList", 1);
            b.window.state().TotalNameMoves = 0; // the 16-bit counter would overflow after a few runs
            auto& checks = b.window.state().SourceListZoneNames.checked;
            for (std::size_t i = 0; i < checks.size(); ++i)
                checks[i] = bench::isChecked(i);
            b.dialogs.expectMessage(question(chosen), MessageResult::Ok);
            b.dialogs.expectMessage({"Transfer Complete. FriendsList Updated", "Done",
                                     MessageIcon::Information, MessageButtons::Ok});
            Bench::settleAndPaint(&b.window);
        },
        [&] {
            QTest::mouseClick(b.find<QPushButton>("BtnTransfer"), Qt::LeftButton);
            Bench::settleAndPaint(targetList);
        });
    const bool transferred = b.window.state().TargetListZoneNames.size() == entries - 5;

    // The modes, with a log of as many lines as a list takes.
    DiagnosticLog& log = b.window.state().DebugList;
    for (std::size_t line = log.size(); line < kMaxFriendsEntries; ++line)
        log.add("Filler line " + std::to_string(line));
    Bench::settleAndPaint(&b.window);
    std::vector<double> developer;
    std::vector<double> normal;
    for (int run = 0; run < runs; ++run) {
        for (auto [item, ms] : {std::pair{"mnuDeveloper", &developer}, std::pair{"mnuNormal", &normal}}) {
            QElapsedTimer clock;
            clock.start();
            b.find<QAction>(item)->trigger();
            Bench::settleAndPaint(&b.window);
            ms->push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        }
    }

    std::printf("entries %zu\npick_ms %.2f\ntoggle_ms %.2f\ntransfer_ms %.2f\ndeveloper_mode_ms %.2f\n"
                "normal_mode_ms %.2f\nlists_added_mb %.2f\n",
                entries, pick, toggle, transfer, medianMs(developer), medianMs(normal), full - idle);
    if (!transferred) {
        std::fprintf(stderr, "the transfer did not show the target's new list\n");
        return 1;
    }
    return 0;
}

} // namespace
} // namespace quorrin

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SOURCE TARGET [RUNS]\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    quorrin::useLargePagesForHeap(); // as main.cpp does
    QApplication app(argc, argv);
    return quorrin::run(argv[1], argv[2], argc > 3 ? std::max(1, std::atoi(argv[3])) : 7);
}
