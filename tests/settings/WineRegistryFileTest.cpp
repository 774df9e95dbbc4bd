#include "settings/WineRegistryFile.h"

#include <gtest/gtest.h>

namespace quorrin::test {

namespace {

const std::string kHeader = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n";

// Every kind of line wineserver writes, some as a hand edit might leave them.
const std::string kEveryKind = kHeader + "#arch=win64\n"
                                         "\n"
                                         "[Software\\\\Zone\\\\Setup] 1733400000\r\n"
                                         "#time=1db47a0c3a0f2e4\n"
                                         "#class=\"Zone\"\n"
                                         "\"Empty\"=\"first\"\n"
                                         "\"Escaped\"=\"C:\\\\Z\\xf6ne \\x03a9b \\\"Q\\\"\\t\"\n"
                                         "\"Expand\"=str(2):\"%ProgramFiles%\\\\Zone\"\n"
                                         "\"Multi\"=str(7):\"a\\0b\\101\\0\"\n"
                                         "\"Raw\"=\"Z\xc3\xb6ne \xf0\x9f\x8e\xb2\"\n"
                                         "\"Count\"=dword:0000000a\n"
                                         "@=\"default\"\n"
                                         "\"Blob\"=hex:01,02,\\\n"
                                         "  03,ff\n"
                                         "\"Typed\"=hex(ffff0007):\n"
                                         "\"EMPTY\"=\"\"\n"
                                         "[software\\\\ZONE\\\\setup]\n"
                                         "\"More\"=\"x\"\n"
                                         "[Software\\\\Brackets \\[1\\]] 1733400000\n"
                                         "#link\n"
                                         "\"SymbolicLinkValue\"=hex(6):5c,00\n";

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (const int value : values)
        out += static_cast<char>(value);
    return out;
}

} // namespace

TEST(WineRegistryFile, ReadsEveryKindOfValue)
{
    const auto file = WineRegistryFile::parse(kEveryKind);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->arch(), WineArch::Win64);
    ASSERT_EQ(file->keys().size(), 2u);
    EXPECT_EQ(file->keys()[0].path, u"Software\\Zone\\Setup"); // spelled as first created
    EXPECT_EQ(file->keys()[1].path, u"Software\\Brackets [1]");

    struct Expected
    {
        std::u16string key, name;
        std::uint32_t type;
        bool quoted;
        std::u16string text;
        std::string bytes;
    };
    // clang-format off
    const Expected table[] = {
        // \x takes up to four digits: four before a hex digit, as Wine writes them, fewer before anything else.
        {u"SOFTWARE\\zone\\SETUP", u"ESCAPED", 1, true, u"C:\\Z\u00f6ne \u03a9b \"Q\"\t", {}},
        {u"Software\\Zone\\Setup", u"Expand",  2, true, u"%ProgramFiles%\\Zone", {}},
        {u"Software\\Zone\\Setup", u"Multi",   7, true, std::u16string(u"a\0bA\0", 5), {}},
        {u"Software\\Zone\\Setup", u"Raw",     1, true, u"Z\u00f6ne \U0001F3B2", {}},
        {u"Software\\Zone\\Setup", u"Count",   4, false, {}, bytes({10, 0, 0, 0})},
        {u"Software\\Zone\\Setup", u"",        1, true, u"default", {}},
        {u"Software\\Zone\\Setup", u"Blob",    3, false, {}, bytes({1, 2, 3, 0xff})},
        {u"Software\\Zone\\Setup", u"Typed",   0xffff0007, false, {}, {}},
        {u"Software\\Zone\\Setup", u"Empty",   1, true, {}, {}}, // the last of a name counts
        {u"Software\\Zone\\Setup", u"More",    1, true, u"x", {}},
        {u"Software\\Brackets [1]", u"SymbolicLinkValue", 6, false, {}, bytes({0x5c, 0})},
    };
    // clang-format on
    for (const auto& row : table) {
        const WineRegValue* value = file->findValue(row.key, row.name);
        ASSERT_TRUE(value) << std::string(row.name.begin(), row.name.end());
        EXPECT_EQ(value->type, row.type);
        EXPECT_EQ(value->quoted, row.quoted);
        EXPECT_EQ(value->text, row.text);
        EXPECT_EQ(value->bytes, row.bytes);
    }
    EXPECT_EQ(file->findValue(u"Software\\Zone", u"Path"), nullptr);
}

TEST(WineRegistryFile, AnyLineItCannotReadMakesTheWholeFileUnusable)
{
    for (const std::string body : {
             "[K]\n\"Path\"=\"C:\\\\Zone\n",     // the string does not end
             "\"Path\"=\"C:\\\\Zone\"\n",        // a value before any key
             "[K]\n\"Path\"=\"C:\\q\"\n",        // an escape Wine does not write
             "[K]\n\"Path\"=\"\\x\"\n",          // \x without a digit
             "[K]\n\"Path\"=\"a\tb\"\n",         // a raw control character
             "[K]\n\"Path\"=\"Z\xf6ne\"\n",      // a plain byte that is no UTF-8
             "[K]\n\"Path\"=\"C:\\\\Zone\" x\n", // something after the value
             "[K]\n\"Path\"=str(2)\"x\"\n",      // str(N) without its colon
             "[K]\n\"Path\"=str(hex:00\n",       // a broken str( that would read as hex
             "[K]\n\"N\"=dword:\n",
             "[K]\n\"N\"=dword:123456789\n", // more than 32 bits
             "[K]\n\"N\"=dword:0000000g\n",
             "[K]\n\"B\"=hex:0\n", // half a byte
             "[K]\n\"B\"=hex:01,,02\n",
             "[K]\n\"B\"=hex:01 02\n",
             "[K]\n\"B\"=hex:01,\\\n",      // a continuation at the end of the file
             "[K]\n\"B\"=hex:01,\\\n[L]\n", // a continuation into the next key
             "[K]\n\"B\"=hex(7:00\n",
             "[K]\n\"B\"=binary:00\n", // no such kind
             "[K] 17x\n",              // a key's time that is no number
             "[K\n",                   // the header does not end
             "[A\\\\\\\\B]\n",         // an empty part of a key's path
             "[A\\\\]\n",
             "#arch=win16\n",
             "[K]\n#arch=win32\n", // the prefix's arch after a key
             "[K]\nPath=x\n",      // a line of no kind
         }) {
        EXPECT_FALSE(WineRegistryFile::parse(kHeader + body)) << body;
    }
    EXPECT_FALSE(WineRegistryFile::parse("WINE REGISTRY Version 1\n[K]\n"));
    EXPECT_FALSE(WineRegistryFile::parse("REGEDIT4\n[K]\n"));
    EXPECT_FALSE(WineRegistryFile::parse(""));
}

TEST(WineRegistryFile, A32BitProgramSeesWow6432NodeFirstExceptInA32BitPrefix)
{
    const std::string keys = "[Software\\\\Wow6432Node\\\\Zone] 1\n\"Path\"=\"32\"\n"
                             "[Software\\\\Zone] 1\n\"Path\"=\"plain\"\n\"Only\"=\"plain\"\n";
    for (const auto& [arch, path] :
         {std::pair{"#arch=win64\n", u"32"}, {"", u"32"}, {"#arch=win32\n", u"plain"}}) {
        const auto file = WineRegistryFile::parse(kHeader + arch + keys);
        ASSERT_TRUE(file) << arch;
        EXPECT_EQ(file->find32BitValue(u"SOFTWARE\\Zone", u"Path")->text, path) << arch;
        EXPECT_EQ(file->find32BitValue(u"Software\\Zone", u"Only")->text, u"plain") << arch;
    }
}

} // namespace quorrin::test
