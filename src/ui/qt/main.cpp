#include "platform/FileSearch.h"
#include "platform/FileSystem.h"
#include "platform/LargePages.h"
#include "settings/DefaultRegistryBackend.h"
#include "settings/Global.h"
#include "settings/Settings.h"
#include "ui/qt/Program.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/QtShell.h"

#include <QApplication>
#include <string>

int main(int argc, char* argv[])
{
    quorrin::useLargePagesForHeap();
    QApplication app(argc, argv);

    const std::unique_ptr<quorrin::RegistryBackend> registry = quorrin::createDefaultRegistryBackend();
    quorrin::Global store(*registry);
    quorrin::Settings settings(store);
    quorrin::QtDialogs dialogs;
    quorrin::QtShell shell;
    const std::unique_ptr<quorrin::FileSystem> files = quorrin::createLocalFileSystem();
    const std::unique_ptr<quorrin::FileSearch> search = quorrin::createFileSearch();
    // Debuglog.txt and Crashed.txt live in the folder the program was started in: named without a folder.
    const quorrin::Services services{settings, dialogs, shell, *files, *search, std::string()};

    quorrin::Program program(services);
    program.start();
    return QApplication::exec();
}
