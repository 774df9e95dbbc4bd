#include "settings/WineRegistryFile.h"

#include <gtest/gtest.h>

namespace quorrin::test {

namespace {

const std::string kHeader = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n";

auto fields(const WineRegValue& value)
{
    return std::tie(value.name, value.type, value.quoted, value.text, value.bytes);
}

} // namespace

// The lines around the values, some as a hand edit might leave them: keys match ignoring case and keep their
// first spelling, the last value of a name counts, a hex value goes on in the next line.
TEST(WineRegistryFile, ReadsKeysAsWineserverWritesThem)
{
    const auto file = WineRegistryFile::parse(kHeader + "#arch=win64\n\n"
                                                        "[Software\\\\Zone] 1733400000\r\n"
                                                        "#time=1db47a0c3a0f2e4\n#class=\"Zone\"\n"
                                                        "\"Path\"=\"first\"\n"
                                                        "[software\\\\ZONE]\n"
                                                        "\"PATH\"=\"last\"\n\"Blob\"=hex:01,\\\n  ff\n"
                                                        "[Brackets \\[1\\]] 1733400000\n#link\n");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->arch(), WineArch::Win64);
    ASSERT_EQ(file->keys().size(), 2u);
    EXPECT_EQ(file->keys()[0].path, u"Software\\Zone");
    EXPECT_EQ(file->keys()[0].values.size(), 2u);
    EXPECT_EQ(file->keys()[1].path, u"Brackets [1]");
    ASSERT_TRUE(file->findValue(u"SOFTWARE\\zone", u"path"));
    EXPECT_EQ(file->findValue(u"SOFTWARE\\zone", u"path")->text, u"last");
    EXPECT_EQ(file->findValue(u"Software\\Zone", u"Blob")->bytes, "\x01\xff");
    EXPECT_EQ(file->findValue(u"Software\\Zone", u"Missing"), nullptr);
}

TEST(WineRegistryFile, ReadsEveryKindOfValue)
{
    // clang-format off
    const std::pair<std::string, WineRegValue> cases[] = {
        // \x takes up to four digits: four before a hex digit, as Wine writes them, fewer before others.
        {"\"V\"=\"C:\\\\Z\\xf6ne\\x03a9b\\\"\\t\"", {u"V", 1, true, u"C:\\Z\u00f6ne\u03a9b\"\t", {}}},
        {"\"V\"=\"\\a\\b\\e\\f\\n\\r\\v\\[\\]\"", {u"V", 1, true, u"\a\b\x1b\f\n\r\v[]", {}}},
        {"\"V\"=str(2):\"%ProgramFiles%\\\\Zone\"", {u"V", 2, true, u"%ProgramFiles%\\Zone", {}}},
        {"\"V\"=str(7):\"a\\0b\\101\\0\"", {u"V", 7, true, std::u16string(u"a\0bA\0", 5), {}}},
        {"\"V\"=\"Z\xc3\xb6ne \xf0\x9f\x8e\xb2\"", {u"V", 1, true, u"Z\u00f6ne \U0001F3B2", {}}},
        {"\"V\"=\"\"", {u"V", 1, true, {}, {}}},
        {"@=\"default\"", {u"", 1, true, u"default", {}}},
        {"\"V\"=dword:0000000a", {u"V", 4, false, {}, std::string{10, 0, 0, 0}}},
        {"\"V\"=hex:01,02,03,ff", {u"V", 3, false, {}, std::string{1, 2, 3, '\xff'}}},
        {"\"V\"=hex(6):5c,00", {u"V", 6, false, {}, std::string{0x5c, 0}}},
        {"\"V\"=hex(ffff0007):", {u"V", 0xffff0007, false, {}, {}}},
    };
    // clang-format on
    for (const auto& [line, expected] : cases) {
        const auto file = WineRegistryFile::parse(kHeader + "[K]\n" + line + "\n");
        ASSERT_TRUE(file && file->keys().size() == 1 && file->keys()[0].values.size() == 1) << line;
        EXPECT_EQ(fields(file->keys()[0].values[0]), fields(expected)) << line;
    }
}

TEST(WineRegistryFile, AnyLineItCannotReadMakesTheWholeFileUnusable)
{
    // clang-format off
    for (const std::string body : {
             // strings: not ended, an escape Wine does not write, \x without a digit, a raw control
             // character, a byte that is no UTF-8, text after the value, str(N) without its colon or broken
             "[K]\n\"P\"=\"Zone\n", "[K]\n\"P\"=\"C:\\q\"\n", "[K]\n\"P\"=\"\\x\"\n", "[K]\n\"P\"=\"a\tb\"\n",
             "[K]\n\"P\"=\"Z\xf6ne\"\n", "[K]\n\"P\"=\"Zone\" x\n", "[K]\n\"P\"=str(2)\"x\"\n",
             "[K]\n\"P\"=str(hex:00\n",
             // dwords: no digits, more than 32 bits, no hex digit; hex: half a byte, no byte, no comma,
             // continued at the end of the file or into the next key, hex(N without ")"; no such kind
             "[K]\n\"N\"=dword:\n", "[K]\n\"N\"=dword:123456789\n", "[K]\n\"N\"=dword:0000000g\n",
             "[K]\n\"B\"=hex:0\n", "[K]\n\"B\"=hex:01,,02\n", "[K]\n\"B\"=hex:01 02\n",
             "[K]\n\"B\"=hex:01,\\\n", "[K]\n\"B\"=hex:01,\\\n[L]\n", "[K]\n\"B\"=hex(7:00\n",
             "[K]\n\"B\"=binary:00\n",
             // keys: a time that is no number, no "]", an empty part of the path; a value before any key;
             // no such arch, the arch after a key; a line of no kind
             "[K] 17x\n", "[K\n", "[A\\\\\\\\B]\n", "[A\\\\]\n", "\"P\"=\"C:\\\\Zone\"\n",
             "#arch=win16\n", "[K]\n#arch=win32\n", "[K]\nPath=x\n"})
        EXPECT_FALSE(WineRegistryFile::parse(kHeader + body)) << body;
    // clang-format on
    for (const std::string text : {"WINE REGISTRY Version 1\n[K]\n", "REGEDIT4\n[K]\n", ""})
        EXPECT_FALSE(WineRegistryFile::parse(text)) << text;
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
