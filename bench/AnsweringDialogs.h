#pragma once

#include "platform/Dialogs.h"

#include <cstdio>
#include <string>

namespace quorrin::bench {

// The dialogs of a timed start-up: every message box is answered Ok and counted (a start-up on good settings
// shows none), and the folder picker picks nothing.
class AnsweringDialogs final : public Dialogs
{
public:
    MessageResult showMessage(const MessageBoxRequest& request) override
    {
        std::fprintf(stderr, "message box: %s\n", request.text.c_str());
        ++boxes;
        return MessageResult::Ok;
    }
    std::string BrowseForFolder(const std::string&, const std::string&) override
    {
        ++boxes;
        return {};
    }
    int boxes = 0;
};

} // namespace quorrin::bench
