#include "platform/BrowseForFolder_win.h"
#include "platform/Win32Shell.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace quorrin {
namespace {

// Window, message, first parameter, and the text the second one points at.
using Sent = std::tuple<HWND, UINT, WPARAM, std::string>;
std::vector<Sent> sent;

LRESULT WINAPI recordMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    sent.emplace_back(window, message, wParam, reinterpret_cast<LPCSTR>(lParam));
    return 1;
}

TEST(BrowseForFolder, theRequestAndTheCallbackPreselectTheInitialFolder)
{
    const MessageSink previous = setBrowseMessageSink(&recordMessage);
    const auto owner = reinterpret_cast<HWND>(std::uintptr_t{0x1234});
    const std::string title = "Please select the Zone Friends Folder once.";
    for (const std::string& folder :
         {std::string(), std::string("C:\\Zone\\Andr\xE9"), std::string(259, 'x')}) {
        const HLOCAL block = copyToLocalBlock(folder);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(::LocalSize(block), folder.size() + 1);

        const BROWSEINFOA request = browseRequest(owner, title, block);
        // Tree from the desktop, no display name, no flags, no image.
        EXPECT_EQ(
            std::tie(request.hwndOwner, request.lpszTitle, request.lpfn, request.lParam),
            std::make_tuple(owner, title.c_str(), &BrowseCallbackProc, reinterpret_cast<LPARAM>(block)));
        EXPECT_TRUE(!request.pidlRoot && !request.pszDisplayName && !request.ulFlags && !request.iImage);

        sent.clear();
        EXPECT_EQ(request.lpfn(owner, BFFM_SELCHANGED, 0, request.lParam), 0);
        EXPECT_EQ(request.lpfn(owner, BFFM_INITIALIZED, 0, request.lParam), 0);
        EXPECT_EQ(sent, std::vector<Sent>{Sent(owner, 0x466, TRUE, folder)});
        ::LocalFree(block);
    }
    sent.clear();
    EXPECT_EQ(BrowseCallbackProc(owner, BFFM_INITIALIZED, 0, 0), 0); // no block: no pre-selection
    EXPECT_TRUE(sent.empty());
    setBrowseMessageSink(previous);
}

TEST(Win32Shell, startsAProgramThatExistsAndReportsOneThatDoesNot)
{
    char system[MAX_PATH] = {};
    ASSERT_GT(::GetSystemDirectoryA(system, MAX_PATH), 0u);
    Win32Shell shell;
    EXPECT_TRUE(shell.startProgram(std::string(system) + "\\rundll32.exe"));
    EXPECT_FALSE(shell.startProgram(std::string(system) + "\\no such program.exe"));
}

} // namespace
} // namespace quorrin
