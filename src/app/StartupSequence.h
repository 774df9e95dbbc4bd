#pragma once

#include <string>

namespace quorrin {

class DebugLogWriter;
class Dialogs;
class ErrorReporter;
class MainView;
class Settings;
class ZoneNameDiscovery;
struct MainState;

// The main window's load: restores preferences and counters, notices a crashed previous run, finds the Zone
// folder (asking once when it must) and lists the Zone Names. Narrated step by step, the log file rewritten
// after nearly every step so that a crash during start-up leaves a current Debuglog.txt.
class StartupSequence
{
public:
    StartupSequence(MainState& state, MainView& view, Settings& settings, Dialogs& dialogs,
                    DebugLogWriter& logWriter, ErrorReporter& errors, ZoneNameDiscovery& discovery);

    void Form_Load();

private:
    void resetAfterVersionChange();
    void restoreMode();
    void restoreCounters();
    void restoreWindow();
    // False when the start-up ends after asking for the folder; else `foundValue` is the folder value read.
    bool findZoneFolder(std::string& foundValue);
    void log(const char* entry);
    void writeLog();

    MainState& state_;
    MainView& view_;
    Settings& settings_;
    Dialogs& dialogs_;
    DebugLogWriter& logWriter_;
    ErrorReporter& errors_;
    ZoneNameDiscovery& discovery_;
};

} // namespace quorrin
