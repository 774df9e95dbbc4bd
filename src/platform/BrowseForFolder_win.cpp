#include "platform/BrowseForFolder_win.h"

namespace quorrin {

namespace {

MessageSink messageSink = &::SendMessageA;

} // namespace

MessageSink setBrowseMessageSink(MessageSink sink)
{
    const MessageSink previous = messageSink;
    messageSink = sink;
    return previous;
}

std::string StringFromPointer(LPCSTR address)
{
    const int length = ::lstrlenA(address);
    if (length <= 0)
        return {};
    // The copy brings its terminator along; a std::string has room for it behind its characters.
    std::string text(static_cast<std::size_t>(length), '\0');
    ::lstrcpyA(text.data(), address);
    return text;
}

HLOCAL copyToLocalBlock(const std::string& folder)
{
    constexpr UINT fixedZeroFilled = 0x40; // LPTR: LMEM_FIXED | LMEM_ZEROINIT
    const HLOCAL block = ::LocalAlloc(fixedZeroFilled, folder.size() + 1);
    if (block != nullptr)
        ::RtlMoveMemory(block, folder.data(), folder.size());
    return block;
}

BROWSEINFOA browseRequest(HWND owner, const std::string& title, HLOCAL initialFolder)
{
    BROWSEINFOA request{};
    request.hwndOwner = owner;
    request.pidlRoot = nullptr;
    request.pszDisplayName = nullptr;
    request.lpszTitle = title.c_str();
    request.ulFlags = 0;
    request.lpfn = &BrowseCallbackProc;
    request.lParam = reinterpret_cast<LPARAM>(initialFolder);
    request.iImage = 0;
    return request;
}

int CALLBACK BrowseCallbackProc(HWND hwnd, UINT uMsg, LPARAM /*lParam*/, LPARAM lpData)
{
    static_assert(BFFM_INITIALIZED == 1 && BFFM_SETSELECTIONA == 0x466);
    // Without a block (its allocation failed) the dialog keeps its own initial selection.
    if (uMsg == BFFM_INITIALIZED && lpData != 0) {
        const std::string folder = StringFromPointer(reinterpret_cast<LPCSTR>(lpData));
        // TRUE: the last parameter is a path, not an item identifier list. The outcome is not checked.
        messageSink(hwnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
    }
    return 0;
}

std::string BrowseForFolder(HWND owner, const std::string& initialFolder, const std::string& title)
{
    const HLOCAL block = copyToLocalBlock(initialFolder);
    BROWSEINFOA request = browseRequest(owner, title, block);

    std::string result;
    if (const LPITEMIDLIST picked = ::SHBrowseForFolderA(&request)) {
        char path[MAX_PATH] = {};
        if (::SHGetPathFromIDListA(picked, path))
            result = path;
        ::CoTaskMemFree(picked);
    }
    if (block != nullptr)
        ::LocalFree(block);
    return result;
}

} // namespace quorrin
