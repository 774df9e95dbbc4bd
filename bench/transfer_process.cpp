// One transfer as a whole process, through the core code the windows run: read the source and the target
// Friends.txt, choose the checked source friends the target lacks, and rewrite the target with its backup.
// scripts/bench times it from outside, start-up included. With --phases it prints how long each step took
// inside, in microseconds, marked by the log lines the steps write.
#include "base/DiagnosticLog.h"
#include "BenchLists.h"
#include "friends/FriendsFile.h"
#include "friends/TransferLines.h"
#include "platform/FileSystem.h"
#include "platform/LargePages.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The diagnostic log, with the moment the backup step began and ended.
class TimedLog final : public quorrin::LogSink
{
public:
    void add(std::string entry) override
    {
        if (entry == "Backing up Target File")
            backupStart = Clock::now();
        else if (entry == "Opening Target File")
            backupEnd = Clock::now();
        log_.add(std::move(entry));
    }
    Clock::time_point backupStart;
    Clock::time_point backupEnd;

private:
    quorrin::DiagnosticLog log_;
};

long long microseconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(to - from).count();
}

} // namespace

int main(int argc, char** argv)
{
    using namespace quorrin;
    useLargePagesForHeap(); // as the program's own main does
    const bool phases = argc == 4 && std::string_view(argv[1]) == "--phases";
    if (argc != 3 + phases) {
        std::fprintf(stderr, "usage: %s [--phases] SOURCE TARGET\n", argv[0]);
        return 2;
    }
    const char* const sourcePath = argv[1 + phases];
    const char* const targetPath = argv[2 + phases];
    try {
        const Clock::time_point start = Clock::now();
        const auto files = createLocalFileSystem();
        TimedLog log;
        FriendsEntries source;
        FriendsEntries target;
        if (!readFriendsFile(*files, sourcePath, log, source) ||
            !readFriendsFile(*files, targetPath, log, target)) {
            std::fprintf(stderr, "a friends list could not be read\n");
            return 1;
        }
        const Clock::time_point read = Clock::now();
        std::vector<bool> checked(source.size());
        for (std::size_t i = 0; i < checked.size(); ++i)
            checked[i] = bench::isChecked(i);

        std::vector<std::string_view> lines;
        TransferLines transfer(lines);
        transfer.addChosen(source, checked, target, log);
        transfer.addTargetAndTags(target, log);
        writeWithBackup(*files, targetPath, lines, log);
        const Clock::time_point written = Clock::now();
        if (phases)
            std::printf("read %lld plan %lld backup %lld write %lld\n", microseconds(start, read),
                        microseconds(read, log.backupStart), microseconds(log.backupStart, log.backupEnd),
                        microseconds(log.backupEnd, written));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "transfer failed: %s\n", error.what());
        return 1;
    }
    return 0;
}
