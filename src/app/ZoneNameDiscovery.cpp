#include "app/ZoneNameDiscovery.h"

#include "app/ErrorReporter.h"
#include "app/MainState.h"
#include "app/MainView.h"
#include "base/RuntimeError.h"
#include "friends/ZoneNameListing.h"
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
    runStep([&] { folder = withTrailingSeparator(std::move(folder)); });
    runStep([&] { state_.DebugList.add("Starting to Search For Zone Names"); });

    FindData data{};
    SearchHandle search = kInvalidSearch;
    runStep([&] { search = search_.findFirst(folder + "*", data); });
    if (search == kInvalidSearch)
        return;

    bool more = true;
    while (more) {
        const std::string name = entryName(data);
        if (!isDotEntry(name)) {
            // A failed query leaves the failure value, which counts as a folder.
            std::uint32_t attributes = kInvalidFileAttributes;
            runStep([&] { attributes = search_.getFileAttributes(folder + name); });
            if (isFolder(attributes)) {
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
