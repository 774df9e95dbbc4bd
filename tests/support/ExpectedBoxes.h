#pragma once

#include "base/Contacts.h"
#include "platform/Dialogs.h"

#include <ostream>
#include <string>

namespace quorrin {

// How a box reads in a failed expectation.
inline void PrintTo(const MessageBoxRequest& box, std::ostream* out)
{
    *out << '"' << box.title << "\": \"" << box.text << '"';
}

} // namespace quorrin

namespace quorrin::test {

// The main window's error box for an error raised inside the program.
inline MessageBoxRequest procErrorBox(int number, const std::string& description)
{
    return {"Error Nr. " + std::to_string(number) + " in Quorrin\r" + description +
                "\r\rPlease Send Debuglog.txt to " + std::string(contacts::maintainerMail) + "\r\r",
            "OOoops", MessageIcon::Critical, MessageButtons::Ok};
}

// The notice at the start after a run that did not end normally.
inline MessageBoxRequest crashNoticeBox()
{
    return {"The Last time you run Quorrin, the program did not exit the right way. This is most likely "
            "caused by "
            "a bug in the software. The program has maked a debuglog called Crashed.txt Please send this "
            "file to " +
                std::string(contacts::authorMail),
            "Abnormal Program Exit", MessageIcon::Critical, MessageButtons::Ok};
}

} // namespace quorrin::test
