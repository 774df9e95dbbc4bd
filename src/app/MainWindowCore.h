#pragma once

#include "app/DebugLogWriter.h"
#include "app/ErrorReporter.h"
#include "app/FriendsReader.h"
#include "app/MainMenu.h"
#include "app/MainState.h"
#include "app/MainView.h"
#include "app/ShutdownSequence.h"
#include "app/StartupSequence.h"
#include "app/Transfer.h"
#include "app/ZoneNameDiscovery.h"

#include <string>

namespace quorrin {

class Dialogs;
class FileSearch;
class FileSystem;
class Settings;
class Shell;

// The platform services the procedures use. Passed in, never global, so tests build a fresh world per case.
struct Services
{
    Settings& settings;
    Dialogs& dialogs;
    Shell& shell;
    FileSystem& files;
    FileSearch& search;
    std::string workingFolder; // where Debuglog.txt and Crashed.txt live
};

// Everything the main window holds and does, without the window: its working data and the procedures its
// events run. The window renders `state` and forwards its events to the methods below.
class MainWindowCore
{
public:
    MainWindowCore(const Services& services, MainView& view);

    MainState state;

    void Form_Load() { startup_.Form_Load(); }
    void Form_QueryUnload() { shutdown_.procTerminate(); }
    void Timer1_Timer() { logWriter_.Timer1_Timer(); }
    void SourceList_Click(int position);
    void TargetList_Click(int position);
    void BtnTransfer_Click() { transfer_.BtnTransfer_Click(); }

    MainMenu& menu() { return menu_; }

private:
    DebugLogWriter logWriter_;
    ErrorReporter errors_;
    FriendsReader reader_;
    ZoneNameDiscovery discovery_;
    Transfer transfer_;
    MainMenu menu_;
    StartupSequence startup_;
    ShutdownSequence shutdown_;
};

} // namespace quorrin
