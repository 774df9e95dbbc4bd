#include "app/ErrorReporter.h"

#include "app/MainView.h"
#include "base/Contacts.h"
#include "base/DiagnosticLog.h"
#include "base/RuntimeError.h"
#include "platform/Dialogs.h"

namespace quorrin {

ErrorReporter::ErrorReporter(Window window, DiagnosticLog& log, Dialogs& dialogs, MainView& view)
    : ErrorReporter(window, log, dialogs, [&view] { view.moveSplashOutOfView(); })
{}

ErrorReporter::ErrorReporter(Window window, DiagnosticLog& log, Dialogs& dialogs,
                             std::function<void()> moveSplashOutOfView)
    : window_(window), log_(log), dialogs_(dialogs), moveSplashOutOfView_(std::move(moveSplashOutOfView))
{}

void ErrorReporter::procError(std::int32_t number, const std::string& source, const std::string& description)
{
    moveSplashOutOfView_();

    const std::string where = std::to_string(number) + " in " + source + "\r" + description;
    // One entry, also when the description holds line breaks of its own.
    log_.add(
        (window_ == Window::Main ? "Ooops this is bad : Error Nr : " : "Oops This is bad : Error Nr : ") +
        where);

    dialogs_.showMessage({"Error Nr. " + where + "\r\r" + "Please Send Debuglog.txt to " +
                              std::string(contacts::maintainerMail) + "\r\r",
                          "OOoops", MessageIcon::Critical, MessageButtons::Ok});
}

void ErrorReporter::procError(const RuntimeError& error)
{
    procError(error.number(), error.source(), error.description());
}

} // namespace quorrin
