#pragma once

#include <string>

namespace quorrin {

// Where the diagnostic log's lines go: each call appends one bare message line.
class LogSink
{
public:
    virtual ~LogSink() = default;

    virtual void add(std::string entry) = 0;
};

} // namespace quorrin
