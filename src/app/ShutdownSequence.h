#pragma once

namespace quorrin {

class DebugLogWriter;
class ErrorReporter;
class Settings;
class MainView;
struct MainState;

// procTerminate: saves the Zone folder, the Zone Names, the mode, the counters, the window geometry and the
// version, then makes the final log write, which marks the run as ended normally.
class ShutdownSequence
{
public:
    ShutdownSequence(MainState& state, MainView& view, Settings& settings, DebugLogWriter& logWriter,
                     ErrorReporter& errors);

    void procTerminate();

private:
    void saveSteps();

    MainState& state_;
    MainView& view_;
    Settings& settings_;
    DebugLogWriter& logWriter_;
    ErrorReporter& errors_;
};

} // namespace quorrin
