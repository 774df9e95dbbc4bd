#include "app/FriendsReader.h"

#include "app/MainState.h"
#include "base/Paths.h"
#include "base/RuntimeError.h"
#include "friends/LineReader.h"
#include "platform/FileSystem.h"
#include "support/FailingFileSystem.h"
#include "support/FakeMainView.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

namespace quorrin {
namespace {

using Lines = std::vector<std::string>;
const Lines kNotice{"Friends.txt is damaged", "This will be repaired", "Automatically"};

struct World
{
    World() { state.ZonePath = zone.str(); }
    std::string path(const std::string& name) const
    {
        return zone.str() + kPathSeparator + name + kPathSeparator + "Friends.txt";
    }
    Lines readSource(const std::string& bytes)
    {
        zone.write("Ace/Friends.txt", bytes);
        reader.ReadFriendsList("Ace", Side::Source);
        const FriendsEntries& read = state.SourceListZoneNames.entries;
        return Lines(read.begin(), read.end());
    }

    test::TempDir zone;
    MainState state;
    test::FakeMainView view;
    std::unique_ptr<FileSystem> disk = createLocalFileSystem();
    FriendsReader reader{state, view, *disk};
};

TEST(FriendsReader, readsEveryKindOfFile)
{
    const std::pair<const char*, Lines> cases[] = {
        {"friends-only-tags-and-blanks.txt", {}},
        {"friends-entries-under-watcher-tags.txt", {"Alpha", "Bravo", "Charlie", "Alpha"}},
        {"friends-tags-wrong-case.txt",
         {" [Friends]", "[friends]", "[#Watchers Allowed] ", "[#WATCHERS NOT ALLOWED]", "   "}},
        {"friends-tag-twice.txt", {"Delta"}},
        {"friends-no-trailing-crlf.txt", {"Echo", "Foxtrot"}},
        {"friends-lone-lf.txt", {"Golf", "Hotel", "India"}},
        {"friends-lone-cr.txt", {"Juliet", "Kilo", "Lima"}},
        {"friends-8bit-names.txt", {"M\xfcller", "\x80\x9f\xa0\xff"}},
        {"friends-nul-inside-line.txt", {std::string("No\0vember", 9), std::string(1, '\0')}},
    };
    for (const auto& [file, expected] : cases) {
        SCOPED_TRACE(file);
        World w;
        EXPECT_EQ(w.readSource(test::readTestData(file)), expected);
        EXPECT_EQ(w.state.SourceListZoneNames.checked, std::vector<bool>(expected.size(), true));
        EXPECT_EQ(w.state.DebugList.entries().end()[-2],
                  "Found :" + std::to_string(expected.size()) + " Friends");
        EXPECT_FALSE(w.state.SourceListZoneNames.lastReadFailed);
    }
}

// The reader's own log entries of a good read are checked through the transfer's log (TransferTests.cpp).
TEST(FriendsReader, aPickReadsThatSidesListAndAFolderWithoutFileShowsTheNotice)
{
    World w;
    w.zone.write("Ace/Friends.txt", "[Friends]\r\nBob\r\n");
    w.zone.write("Bee/other.txt", "");
    w.state.SourceList = w.state.TargetList = {{"Ace", "Bee"}, 0};
    w.reader.SourceList_Click();
    const auto& log = w.state.DebugList.entries();
    EXPECT_EQ(log.at(0), "Source Item Selected : Ace");
    EXPECT_EQ(log.at(1), "Clearing SourceListZoneNames");
    EXPECT_EQ(w.state.SourceListZoneNames.entries, FriendsEntries{"Bob"});
    EXPECT_EQ(w.view.timer1History, (std::vector<bool>{false, true}));
    EXPECT_EQ(w.view.changes.back(), MainPart::SourceListZoneNames);
    EXPECT_TRUE(w.state.TargetListZoneNames.entries.empty());

    const std::size_t before = log.size();
    w.state.TargetList.selected = 1;
    w.reader.TargetList_Click();
    EXPECT_EQ(Lines(log.begin() + static_cast<std::ptrdiff_t>(before), log.end()),
              (Lines{"Target Item Selected : Bee", "Clearing TargetListZoneNames",
                     "Scanning for Friends @ " + w.path("Bee"), "Opening Friends List",
                     "Possible Damaged File Found"}));
    EXPECT_EQ(w.state.TargetListZoneNames.checked, std::vector<bool>(3, false)) << "the notice is no friend";

    w.state.TargetList.selected = -1; // no name: the handler clears the list, the reader does nothing
    w.reader.TargetList_Click();
    EXPECT_EQ(log.size(), before + 7);
    EXPECT_TRUE(w.state.TargetListZoneNames.entries.empty());
    EXPECT_EQ(w.view.timer1History.size(), 4u);
}

TEST(FriendsReader, acceptsAtMost32767Entries)
{
    for (int entries : {32767, 32768}) {
        std::string bytes = "[Friends]\r\n";
        for (int i = 0; i < entries; ++i)
            bytes += "Friend" + std::to_string(i) + "\r\n";
        World w;
        const Lines read = w.readSource(bytes);
        const bool fits = entries == 32767; // the 32,768th entry is never added
        EXPECT_EQ(read.size(), fits ? 32767u : 32767u + 3);
        EXPECT_EQ(w.state.DebugList.entries().back(),
                  fits ? "Closing Friends List" : "Possible Damaged File Found");
        EXPECT_EQ(w.state.SourceListZoneNames.checked[0], fits);
    }
}

// A disk whose Friends.txt breaks after 100,000 good bytes; `open` tells whether the file is still open.
struct BrokenDisk : test::FailingFileSystem
{
    struct File : std::stringbuf, std::istream
    {
        File(std::string good, bool& isOpen)
            : std::stringbuf(std::move(good)), std::istream(this), open(isOpen)
        {
            open = true;
        }
        ~File() override { open = false; }
        std::stringbuf::int_type underflow() override { throw std::runtime_error("disk gone"); }
        bool& open;
    };
    std::unique_ptr<std::istream> openForReading(const std::string&) override
    {
        std::string good;
        for (int i = 0; good.size() < 100000; ++i)
            good += "Friend" + std::to_string(i) + "\r\n";
        return std::make_unique<File>(good, open);
    }
    bool open = false;
};

TEST(FriendsReader, aReadFailingMidwayKeepsWhatWasReadAndClosesTheFile)
{
    MainState state;
    test::FakeMainView view;
    BrokenDisk disk;
    FriendsReader(state, view, disk).ReadFriendsList("Ace", Side::Source);
    const FriendsEntries& read = state.SourceListZoneNames.entries;
    ASSERT_GE(read.size(), 4u);
    EXPECT_EQ(Lines(std::next(read.begin(), static_cast<std::ptrdiff_t>(read.size() - 3)), read.end()),
              kNotice);
    EXPECT_EQ(read[read.size() - 4], "Friend" + std::to_string(read.size() - 4)); // no cut line before it
    EXPECT_EQ(state.SourceListZoneNames.checked, std::vector<bool>(read.size(), false));
    EXPECT_EQ(state.DebugList.entries().back(), "Possible Damaged File Found");
    EXPECT_FALSE(disk.open);
}

TEST(LineReader, findsLineEndsAmongControlAnd8BitBytesAtEveryChunkBorder)
{
    // Lines of every length around one byte close to CR and LF (below 14, or sharing their low bits), with
    // every kind of line end, after the mixes of CR and LF that end one line and make an empty one.
    const std::string nearLineEnds("\t\0\x0c\x0e\x8a\x8d\xff", 7);
    const char* const ends[] = {"\r\n", "\n", "\r"};
    Lines written{"a", "", "b", "", "c", "", "d"};
    std::string bytes = "a\r\n\r\nb\r\r\nc\n\rd\r\n";
    for (std::size_t length = 1; length <= 20; ++length) {
        for (const char near : nearLineEnds) {
            std::string line(length, 'a');
            line[length / 2] = near;
            bytes += line + ends[written.size() % 3];
            written.push_back(line);
        }
    }
    const std::pair<std::string, Lines> cases[] = {
        {"", {}}, {"\r\n", {""}}, {"ab\r", {"ab"}}, {bytes, written}};
    for (const auto& [input, expected] : cases) {
        for (std::size_t chunk : {1, 2, 3, 5, 7, 8, 9, 16, 65536}) {
            SCOPED_TRACE(::testing::Message() << input.size() << " bytes in chunks of " << chunk);
            std::istringstream in(input);
            LineReader reader(in, chunk);
            Lines read;
            for (std::string_view line; reader.readLine(line);)
                read.emplace_back(line);
            EXPECT_EQ(read, expected);
        }
    }
}

TEST(LineReader, refusesAnEndlessLine)
{
    std::istringstream endless(std::string(LineReader::kMaxLineLength + 1, 'x'));
    std::string_view line;
    EXPECT_THROW(LineReader(endless).readLine(line), RuntimeError);
}

} // namespace
} // namespace quorrin
