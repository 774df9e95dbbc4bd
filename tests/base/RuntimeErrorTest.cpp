#include "base/RuntimeError.h"

#include "app/ErrorReporter.h"
#include "base/DiagnosticLog.h"
#include "support/FakeDialogs.h"
#include "support/FakeMainView.h"

#include <gtest/gtest.h>
#include <new>
#include <stdexcept>
#include <tuple>

namespace quorrin {
namespace {

template<typename Raise>
RuntimeError trapped(Raise raise)
{
    try {
        raise();
    } catch (...) {
        return toRuntimeError(std::current_exception());
    }
    return RuntimeError(0, "", "nothing raised");
}

TEST(RuntimeErrorTest, TrappedErrorsGetANumberSourceAndDescription)
{
    const auto fields = [](const RuntimeError& e) {
        return std::tuple(e.number(), e.source(), e.description());
    };
    using Fields = std::tuple<std::int32_t, std::string, std::string>;
    EXPECT_EQ(fields(trapped([] { throw RuntimeError(ErrorNumber::PathFileAccessError); })),
              Fields(75, "Quorrin", "Path/File access error"));
    EXPECT_EQ(fields(trapped([] { throw RuntimeError(429, "Shell", ""); })), Fields(429, "Shell", ""));
    EXPECT_EQ(fields(trapped([] { throw std::bad_alloc(); })), Fields(7, "Quorrin", "Out of memory"));
    EXPECT_EQ(fields(trapped([] { throw std::runtime_error("stream broke"); })),
              Fields(57, "Quorrin", "stream broke"));
    EXPECT_EQ(fields(trapped([] { throw 42; })), Fields(57, "Quorrin", "Device I/O error"));
    EXPECT_EQ(errorDescription(999), "");
}

TEST(ErrorReporterTest, LogsOneEntryThenShowsTheBox)
{
    // The window, the error, then the log entry and the box's text.
    const std::tuple<ErrorReporter::Window, RuntimeError, std::string, std::string> cases[] = {
        // Line breaks of the description stay inside the one entry.
        {ErrorReporter::Window::Main, RuntimeError(57, "Quorrin", "first\r\nsecond"),
         "Ooops this is bad : Error Nr : 57 in Quorrin\rfirst\r\nsecond",
         "Error Nr. 57 in Quorrin\rfirst\r\nsecond\r\rPlease Send Debuglog.txt to "
         "bugs@quorrin.example.net\r\r"},
        {ErrorReporter::Window::Splash, RuntimeError(-5, "Shell", ""),
         "Oops This is bad : Error Nr : -5 in Shell\r",
         "Error Nr. -5 in Shell\r\r\rPlease Send Debuglog.txt to bugs@quorrin.example.net\r\r"},
    };
    for (const auto& [window, error, entry, boxText] : cases) {
        DiagnosticLog log;
        test::FakeDialogs dialogs;
        test::FakeMainView view;
        dialogs.onMessage = [&](const MessageBoxRequest&) {
            EXPECT_EQ(view.splashMoves, 1);
            EXPECT_EQ(log.entries(), std::vector<std::string>{entry});
        };
        dialogs.expectMessage({boxText, "OOoops", MessageIcon::Critical, MessageButtons::Ok});
        ErrorReporter(window, log, dialogs, view).procError(error);
        EXPECT_EQ(log.size(), 1u);
    }
}

} // namespace
} // namespace quorrin
