#include "lifecycle/ErrorReporter.h"

#include "lifecycle/DiagnosticLog.h"
#include "lifecycle/RuntimeError.h"
#include "support/FakeDialogs.h"
#include "support/FakeMainView.h"

#include <gtest/gtest.h>

namespace quorrin {
namespace {

TEST(ErrorReporterTest, LogsOneEntryThenShowsTheBox)
{
    struct Case
    {
        ErrorReporter::Window window;
        RuntimeError error;
        std::string entry;
        std::string boxText;
    };
    const Case cases[] = {
        // Line breaks of the description stay inside the one entry.
        {ErrorReporter::Window::Main, RuntimeError(57, "Quorrin", "first\r\nsecond"),
         "Ooops this is bad : Error Nr : 57 in Quorrin\rfirst\r\nsecond",
         "Error Nr. 57 in Quorrin\rfirst\r\nsecond\r\rPlease Send Debuglog.txt to "
         "bugs@quorrin.example.net\r\r"},
        {ErrorReporter::Window::Splash, RuntimeError(-5, "Shell", ""),
         "Oops This is bad : Error Nr : -5 in Shell\r",
         "Error Nr. -5 in Shell\r\r\rPlease Send Debuglog.txt to bugs@quorrin.example.net\r\r"},
    };
    for (const Case& c : cases) {
        DiagnosticLog log;
        test::FakeDialogs dialogs;
        test::FakeMainView view;
        dialogs.onMessage = [&](const MessageBoxRequest&) {
            EXPECT_EQ(view.splashMoves, 1);
            EXPECT_EQ(log.entries(), std::vector<std::string>{c.entry});
        };
        dialogs.expectMessage({c.boxText, "OOoops", MessageIcon::Critical, MessageButtons::Ok});
        ErrorReporter(c.window, log, dialogs, view).procError(c.error);
        EXPECT_EQ(log.size(), 1u);
    }
}

} // namespace
} // namespace quorrin
