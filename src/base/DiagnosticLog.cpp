#include "base/DiagnosticLog.h"

namespace quorrin {

void DiagnosticLog::add(std::string entry)
{
    entries_.push_back(std::move(entry));
    if (listener_)
        listener_(entries_.size() - 1);
}

} // namespace quorrin
