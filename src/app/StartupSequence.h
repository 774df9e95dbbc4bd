#pragma once

namespace quorrin {

class DebugLogWriter;
class Dialogs;
class ErrorReporter;
class Global;
class MainView;
class ZoneNameDiscovery;
struct MainState;

// The main window's load: restores preferences and counters, notices a crashed previous run, finds the Zone
// folder (asking once when it must) and lists the Zone Names. Narrated step by step, the log file rewritten
// after nearly every step so that a crash during start-up leaves a current Debuglog.txt.
class StartupSequence
{
public:
    StartupSequence(MainState& state, MainView& view, Global& store, Dialogs& dialogs,
                    DebugLogWriter& logWriter, ErrorReporter& errors, ZoneNameDiscovery& discovery);

    void Form_Load();

private:
    void resetAfterVersionChange();
    void restoreMode();
    void restoreCounters();
    void restoreWindow();
    bool findZoneFolder(); // false when the start-up ends after asking for the folder
    void log(const char* entry);
    void writeLog();

    MainState& state_;
    MainView& view_;
    Global& store_;
    Dialogs& dialogs_;
    DebugLogWriter& logWriter_;
    ErrorReporter& errors_;
    ZoneNameDiscovery& discovery_;
};

} // namespace quorrin
