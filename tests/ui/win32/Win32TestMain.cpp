// <windows.h> comes first: the other system headers build on it.
// clang-format off
#include <windows.h>
// clang-format on
#include <commctrl.h>
#include <gtest/gtest.h>
#include <objbase.h>

// The program's own start-up: the common controls and COM for the shell dialogs.
int main(int argc, char* argv[])
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES |
                                                        ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                        ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
