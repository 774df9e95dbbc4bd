#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace quorrin {

class DiagnosticLog;
class Dialogs;
class MainView;
class RuntimeError;

// procError: the one way trapped errors are reported, as a log entry and a message box. The main window and
// the splash window each have one; they differ only in the wording of the log entry.
class ErrorReporter
{
public:
    enum class Window
    {
        Main,   // "Ooops this is bad : ..."
        Splash, // "Oops This is bad : ..."
    };

    ErrorReporter(Window window, DiagnosticLog& log, Dialogs& dialogs, MainView& view);
    // `moveSplashOutOfView` runs first at every report, so the splash window never covers the error box.
    ErrorReporter(Window window, DiagnosticLog& log, Dialogs& dialogs,
                  std::function<void()> moveSplashOutOfView);

    void procError(std::int32_t number, const std::string& source, const std::string& description);
    void procError(const RuntimeError& error);

private:
    Window window_;
    DiagnosticLog& log_;
    Dialogs& dialogs_;
    std::function<void()> moveSplashOutOfView_;
};

} // namespace quorrin
