#include "lifecycle/RuntimeError.h"

#include "lifecycle/Int16.h"

#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

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
    auto expectError = [](const RuntimeError& e, std::int32_t number, const std::string& source,
                          const std::string& description) {
        EXPECT_EQ(e.number(), number);
        EXPECT_EQ(e.source(), source);
        EXPECT_EQ(e.description(), description);
    };
    expectError(trapped([] { throw RuntimeError(ErrorNumber::PathFileAccessError); }), 75, "Quorrin",
                "Path/File access error");
    expectError(trapped([] { throw RuntimeError(429, "Shell", ""); }), 429, "Shell", "");
    expectError(trapped([] { throw std::bad_alloc(); }), 7, "Quorrin", "Out of memory");
    expectError(trapped([] { throw std::runtime_error("stream broke"); }), 57, "Quorrin", "stream broke");
    expectError(trapped([] { throw 42; }), 57, "Quorrin", "Device I/O error");
    EXPECT_EQ(errorDescription(999), "");
}

TEST(Int16Test, LeavingTheRangeRaisesOverflow)
{
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_EQ(addInt16(32766, 1), 32767);
    EXPECT_EQ(trapped([] { toInt16(32768); }).number(), 6);
    EXPECT_EQ(trapped([] { toInt16(-32769); }).number(), 6);
    EXPECT_EQ(trapped([] { addInt16(32767, 1); }).description(), "Overflow");
}

} // namespace
} // namespace quorrin
