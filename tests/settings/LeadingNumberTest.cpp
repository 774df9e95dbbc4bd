#include "settings/LeadingNumber.h"

#include "base/RuntimeError.h"

#include <gtest/gtest.h>

namespace quorrin::test {

TEST(LeadingNumber, TakesTheNumberATextStartsWith)
{
    const std::pair<std::string, double> cases[] = {
        {" 12abc", 12}, {"1.5", 1.5},   {"abc", 0}, {"", 0},    {"-3", -3},     {"\t+7.25x", 7.25},
        {".5", 0.5},    {"1.2.3", 1.2}, {"- 4", 0}, {"1e5", 1}, {"8265", 8265},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(leadingNumber(text), number) << '"' << text << '"';
}

TEST(LeadingNumber, CountersRoundHalvesToEvenAndStayIn16Bits)
{
    const std::pair<std::string, int> cases[] = {
        {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"2.51", 3}, {"32767", 32767}, {"-32768.5", -32768}, {"", 0},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(counterFromText(text), number) << '"' << text << '"';

    for (const std::string& text :
         {std::string("40000"), std::string("32767.5"), std::string("-32769"), std::string(400, '9')}) {
        try {
            counterFromText(text);
            ADD_FAILURE() << "no overflow for " << text;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 6);
        }
    }
}

} // namespace quorrin::test
