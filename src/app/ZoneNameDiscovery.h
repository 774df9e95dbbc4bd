#pragma once

#include <string>

namespace quorrin {

class ErrorReporter;
class FileSearch;
class MainView;
struct MainState;

// Lists the Zone Names, the folders directly inside the Zone folder, into both Zone Name boxes.
class ZoneNameDiscovery
{
public:
    ZoneNameDiscovery(MainState& state, MainView& view, FileSearch& search, ErrorReporter& errors);

    // Appends every folder found directly inside `folder` to SourceList and TargetList, in listing order. The
    // boxes are not cleared first. A failing step is reported and the scan goes on with the next step.
    void FindFilesAPI(std::string folder);

private:
    template<typename Step>
    void runStep(Step&& step);

    MainState& state_;
    MainView& view_;
    FileSearch& search_;
    ErrorReporter& errors_;
};

} // namespace quorrin
