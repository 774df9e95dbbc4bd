#include "platform/FileSearch.h"
#include "platform/FileSystem.h"
#include "platform/Win32Shell.h"
#include "settings/DefaultRegistryBackend.h"
#include "settings/Global.h"
#include "settings/Settings.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Program.h"
#include "ui/win32/Win32Dialogs.h"

#include <commctrl.h>
#include <exception>
#include <objbase.h>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES |
                                                        ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                        ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // The folder picker is a shell dialog: COM on this thread, single-threaded.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    const std::unique_ptr<quorrin::RegistryBackend> registry = quorrin::createDefaultRegistryBackend();
    quorrin::Global store(*registry);
    quorrin::Settings settings(store);
    quorrin::win32::Win32Dialogs dialogs;
    quorrin::Win32Shell shell;
    const std::unique_ptr<quorrin::FileSystem> files = quorrin::createLocalFileSystem();
    const std::unique_ptr<quorrin::FileSearch> search = quorrin::createFileSearch();
    // Debuglog.txt and Crashed.txt live in the folder the program was started in: named without a folder.
    const quorrin::Services services{settings, dialogs, shell, *files, *search, std::string()};

    int code = 1;
    try {
        quorrin::win32::Program program(services, dialogs);
        program.start();
        code = quorrin::win32::runMessageLoop();
    } catch (const std::exception& error) {
        // Only a window the system refuses to make gets here; say so rather than vanish.
        MessageBoxA(nullptr, error.what(), "Quorrin", MB_OK | MB_ICONERROR);
    }
    CoUninitialize();
    return code;
}
