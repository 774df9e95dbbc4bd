#include "app/ZoneNameDiscovery.h"

#include "app/ErrorReporter.h"
#include "app/MainState.h"
#include "app/MainView.h"
#include "base/Paths.h"
#include "base/RuntimeError.h"
#include "friends/StripNulls.h"
#include "platform/FileSearch.h"

#include <exception>

namespace quorrin {

ZoneNameDiscovery::ZoneNameDiscovery(MainState& state, MainView& view, FileSearch& search,
                                     ErrorReporter& errors)
    : state_(state), view_(view), search_(search), errors_(errors)
{}

// A step that fails is reported where it happens, then the scan carries on after it.
template<typename Step>
void ZoneNameDiscovery::runStep(Step&& step)
{
    try {
        step();
    } catch (...) {
        const RuntimeError error = toRuntimeError(std::current_exception());
        view_.setBusyPointer(false);
        errors_.procError(error);
    }
}

void ZoneNameDiscovery::FindFilesAPI(std::string folder)
{
    runStep([&] {
        if (folder.empty() || folder.back() != kPathSeparator)
            folder += kPathSeparator;
    });
    runStep([&] { state_.DebugList.add("Starting to Search For Zone Names"); });

    FindData data{};
    SearchHandle search = kInvalidSearch;
    runStep([&] { search = search_.findFirst(folder + "*", data); });
    if (search == kInvalidSearch)
        return;

    bool more = true;
    while (more) {
        std::string name(data.cFileName, sizeof data.cFileName);
        StripNulls(name);
        if (name != "." && name != "..") {
            // A failed query reads as the failure value, whose directory bit is set: such an entry is listed.
            std::uint32_t attributes = kInvalidFileAttributes;
            runStep([&] { attributes = search_.getFileAttributes(folder + name); });
            if ((attributes & kFileAttributeDirectory) != 0) {
                // The view is told at once: an error box shown later runs the event loop, which repaints.
                runStep([&] {
                    state_.SourceList.items.push_back(name);
                    view_.stateChanged(MainPart::SourceList);
                });
                runStep([&] {
                    state_.TargetList.items.push_back(name);
                    view_.stateChanged(MainPart::TargetList);
                });
                runStep([&] { state_.DebugList.add("Added Item: " + name); });
            }
        }
        // A fetch that fails ends the listing, so a search that keeps failing cannot loop forever.
        more = false;
        runStep([&] { more = search_.findNext(search, data); });
    }
    runStep([&] { search_.findClose(search); });
}

} // namespace quorrin
