#pragma once

#include "base/LogSink.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace quorrin {

// The diagnostic log of a run: bare message lines, appended and never changed.
// Counts are kept as std::size_t: the log never overflows a 16-bit count, it only grows.
class DiagnosticLog final : public LogSink
{
public:
    // Called after an entry was appended, with its index.
    using AppendListener = std::function<void(std::size_t index)>;

    void add(std::string entry) override;

    std::size_t size() const { return entries_.size(); }
    const std::string& at(std::size_t index) const { return entries_.at(index); }
    const std::vector<std::string>& entries() const { return entries_; }

    void setAppendListener(AppendListener listener) { listener_ = std::move(listener); }

private:
    std::vector<std::string> entries_;
    AppendListener listener_;
};

} // namespace quorrin
