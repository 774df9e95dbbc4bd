#include "friends/FileSearch.h"
#include "settings/DefaultRegistryBackend.h"
#include "settings/Global.h"
#include "shell/FileSystem.h"
#include "shell/QtDialogs.h"
#include "shell/QtShell.h"
#include "ui/frmMain.h"
#include "ui/SessionEnd.h"

#include <filesystem>
#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    const std::unique_ptr<quorrin::RegistryBackend> registry = quorrin::createDefaultRegistryBackend();
    quorrin::Global store(*registry);
    quorrin::QtDialogs dialogs;
    quorrin::QtShell shell;
    const std::unique_ptr<quorrin::FileSystem> files = quorrin::createLocalFileSystem();
    const std::unique_ptr<quorrin::FileSearch> search = quorrin::createFileSearch();
    const quorrin::Services services{store,  dialogs, shell,
                                     *files, *search, std::filesystem::current_path().string()};

    quorrin::frmMain window(services);
    dialogs.setMainWindow(&window);
    quorrin::closeOnSessionEnd(window);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
