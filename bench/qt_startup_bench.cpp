// The program's start as the user sees it: from the moment the caller started this process (passed in
// microseconds of the real-time clock) until the main window is shown, through the same Program, settings
// store and file system as main.cpp, on the offscreen platform. Prints, in milliseconds:
//   startup_ms        that time, less the splash window's wait
//   to_splash_ms      of it, the part until the splash window's timer is started: loading, Qt, the splash
//   main_window_ms    of it, the part from the timer's end until the main window is shown: its start-up
//   splash_wait_ms    the splash window's 3 s, as Qt's coarse timer kept them
// and how many message boxes came up (each answered Ok; a start-up on good settings shows none). The main
// window is then closed as the user closes it, so the next start finds a clean exit.
// With --empty it shows an empty window instead, with the same libraries loaded: the floor of any Qt program
// here, printed as startup_ms.
//
// usage: QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=... quorrin_qt_startup_bench [--empty]
// STARTED_MICROSECONDS
#include "AnsweringDialogs.h"
#include "platform/Dialogs.h"
#include "platform/FileSearch.h"
#include "platform/FileSystem.h"
#include "platform/LargePages.h"
#include "settings/DefaultRegistryBackend.h"
#include "settings/Global.h"
#include "settings/Settings.h"
#include "ui/qt/frmMain.h"
#include "ui/qt/Program.h"
#include "ui/qt/QtShell.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <string_view>

namespace {

using quorrin::bench::AnsweringDialogs;

long long nowMicroseconds()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

double ms(long long microseconds)
{
    return static_cast<double>(microseconds) / 1000.0;
}

// Notes when the splash window's timer fires and when the watched window is first shown, and closes it then.
class ShownWatcher final : public QObject
{
public:
    explicit ShownWatcher(bool anyWindow) : anyWindow_(anyWindow) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer && firedAt < 0 && watched->objectName() == "tmrSplash")
            firedAt = nowMicroseconds();
        auto* window =
            anyWindow_ ? qobject_cast<QWidget*>(watched) : qobject_cast<quorrin::frmMain*>(watched);
        if (window && window->isWindow() && event->type() == QEvent::Show && shownAt < 0) {
            shownAt = nowMicroseconds();
            QTimer::singleShot(0, window, [window] { window->close(); });
        }
        return false;
    }
    long long firedAt = -1;
    long long shownAt = -1;

private:
    bool anyWindow_;
};

int emptyWindow(long long started, QApplication& app, ShownWatcher& watcher)
{
    QWidget window;
    window.show();
    const int status = app.exec();
    std::printf("startup_ms %.1f\n", ms(watcher.shownAt - started));
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool empty = argc == 3 && std::string_view(argv[1]) == "--empty";
    if (argc != 2 + empty) {
        std::fprintf(stderr, "usage: %s [--empty] STARTED_MICROSECONDS\n", argv[0]);
        return 2;
    }
    const long long started = std::atoll(argv[1 + empty]);
    quorrin::useLargePagesForHeap();
    QApplication app(argc, argv);
    ShownWatcher watcher(empty);
    app.installEventFilter(&watcher);
    QTimer::singleShot(20000, &app, [] {
        std::fprintf(stderr, "no window was shown within 20 s\n");
        QCoreApplication::exit(1);
    });
    if (empty)
        return emptyWindow(started, app, watcher);

    const auto registry = quorrin::createDefaultRegistryBackend();
    quorrin::Global store(*registry);
    quorrin::Settings settings(store);
    AnsweringDialogs dialogs;
    quorrin::QtShell shell;
    const auto files = quorrin::createLocalFileSystem();
    const auto search = quorrin::createFileSearch();
    const quorrin::Services services{settings, dialogs, shell, *files, *search, std::string()};

    quorrin::Program program(services);
    program.start(); // ends with the splash window's timer started
    const long long waitFrom = nowMicroseconds();
    const int status = QApplication::exec();
    if (watcher.shownAt < 0 || watcher.firedAt < 0)
        return 1;
    const long long wait = watcher.firedAt - waitFrom;
    std::printf("startup_ms %.1f\nto_splash_ms %.1f\nmain_window_ms %.1f\nsplash_wait_ms %.1f\nboxes %d\n",
                ms(watcher.shownAt - started - wait), ms(waitFrom - started),
                ms(watcher.shownAt - watcher.firedAt), ms(wait), dialogs.boxes);
    return status;
}
