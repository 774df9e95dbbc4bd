#pragma once

#include <string>
#include <windows.h>
// After <windows.h>, which it needs.
#include <shlobj.h>

namespace quorrin {

// Shows the shell's folder-browse dialog, modal to `owner`, titled `title`, with `initialFolder`
// pre-selected. Returns the full path picked, or the empty text when the user cancels or picks an item
// without a path. Texts are in the ANSI code page. COM must be initialised on the calling thread (Qt does it
// for the UI thread).
std::string BrowseForFolder(HWND owner, const std::string& initialFolder, const std::string& title);

// A fixed, zero-filled LocalAlloc block holding `folder` and a terminating zero; null when it cannot be made.
HLOCAL copyToLocalBlock(const std::string& folder);

// The dialog's request: tree from the desktop, no display name, no flags, BrowseCallbackProc with
// `initialFolder` (a block from copyToLocalBlock) as its data. `title` must outlive the request.
BROWSEINFOA browseRequest(HWND owner, const std::string& title, HLOCAL initialFolder);

// Pre-selects the folder held at `lpData` once the dialog has initialised; ignores every other message.
// Always 0.
int CALLBACK BrowseCallbackProc(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

// The text of the zero-terminated string at `address`.
std::string StringFromPointer(LPCSTR address);

// Where BrowseCallbackProc sends its message: SendMessageA, unless a test puts its own sink in place.
// Returns the sink used until now.
using MessageSink = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
MessageSink setBrowseMessageSink(MessageSink sink);

} // namespace quorrin
