#include "app/MainWindowCore.h"

namespace quorrin {

MainWindowCore::MainWindowCore(const Services& services, MainView& view)
    : logWriter_(state.DebugList, services.files, services.settings, services.workingFolder),
      errors_(ErrorReporter::Window::Main, state.DebugList, services.dialogs, view),
      reader_(state, view, services.files), discovery_(state, view, services.search, errors_),
      transfer_(state, view, services.dialogs, services.files, logWriter_, errors_, reader_),
      menu_(state, view, services.shell, services.dialogs),
      startup_(state, view, services.settings, services.dialogs, logWriter_, errors_, discovery_),
      shutdown_(state, view, services.settings, logWriter_, errors_)
{}

void MainWindowCore::SourceList_Click(int position)
{
    state.SourceList.selected = position;
    reader_.SourceList_Click();
}

void MainWindowCore::TargetList_Click(int position)
{
    state.TargetList.selected = position;
    reader_.TargetList_Click();
}

} // namespace quorrin
