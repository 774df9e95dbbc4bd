#include "base/DiagnosticLog.h"
#include "friends/TransferLines.h"
#include "platform/FileSystem.h"
#include "support/GeneratedFriends.h"

#include <exception>
#include <string_view>
#include <vector>

// The transfer the kill test interrupts: the core write with backup that the windows run, on the machine's
// file system, of a full list (32,767 lines) into the Friends.txt given.
int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    try {
        quorrin::DiagnosticLog log;
        const auto lines = quorrin::test::friendsLines("NewFriend", 32762);
        const std::vector<std::string_view> views(lines.begin(), lines.end());
        quorrin::writeWithBackup(*quorrin::createLocalFileSystem(), argv[1], views, log);
    } catch (const std::exception&) {
        return 1;
    }
    return 0;
}
