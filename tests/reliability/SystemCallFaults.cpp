#include "SystemCallFaults.h"

#include <cerrno>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

namespace quorrin::test {

namespace {

bool counting = false;
std::size_t counted = 0;
std::optional<std::size_t> failingFrom;
int failingError = 0;
bool failingOnce = false;

enum class Call
{
    Passes,
    FailsFirst, // the first failing call
    Fails,
};

Call nextCall()
{
    if (!counting)
        return Call::Passes;
    ++counted;
    if (!failingFrom || counted < *failingFrom || (failingOnce && counted > *failingFrom))
        return Call::Passes;
    // A fault that lasts starts with a short write, as a disk filling up does; a passing one fails outright.
    return counted == *failingFrom && !failingOnce ? Call::FailsFirst : Call::Fails;
}

int failed()
{
    errno = failingError;
    return -1;
}

// The C library's own function of that name.
template<typename Function>
Function* next(const char* name)
{
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

} // namespace

SystemCallFaults::SystemCallFaults(std::optional<std::size_t> failFrom, int error, Duration duration)
{
    counted = 0;
    failingFrom = failFrom;
    failingError = error;
    failingOnce = duration == Once;
    counting = true;
}

SystemCallFaults::~SystemCallFaults()
{
    counting = false;
}

std::size_t SystemCallFaults::calls() const
{
    return counted;
}

} // namespace quorrin::test

using quorrin::test::Call;

extern "C" {

ssize_t write(int descriptor, const void* data, size_t size)
{
    static auto* const real = quorrin::test::next<ssize_t(int, const void*, size_t)>("write");
    const Call call = descriptor > 2 ? quorrin::test::nextCall() : Call::Passes;
    if (call == Call::Passes || (call == Call::FailsFirst && size > 1))
        return real(descriptor, data, call == Call::Passes ? size : size / 2);
    return quorrin::test::failed();
}

ssize_t writev(int descriptor, const iovec* parts, int count)
{
    static auto* const real = quorrin::test::next<ssize_t(int, const iovec*, int)>("writev");
    if (descriptor > 2 && quorrin::test::nextCall() != Call::Passes)
        return quorrin::test::failed();
    return real(descriptor, parts, count);
}

int fclose(FILE* stream)
{
    static auto* const real = quorrin::test::next<int(FILE*)>("fclose");
    const bool writing = (fcntl(fileno(stream), F_GETFL) & O_ACCMODE) != O_RDONLY;
    const bool fails = writing && quorrin::test::nextCall() != Call::Passes;
    const int status = real(stream);
    return fails ? (quorrin::test::failed(), EOF) : status;
}

int fsync(int descriptor)
{
    static auto* const real = quorrin::test::next<int(int)>("fsync");
    return quorrin::test::nextCall() == Call::Passes ? real(descriptor) : quorrin::test::failed();
}

int fdatasync(int descriptor)
{
    static auto* const real = quorrin::test::next<int(int)>("fdatasync");
    return quorrin::test::nextCall() == Call::Passes ? real(descriptor) : quorrin::test::failed();
}

int rename(const char* from, const char* to) noexcept
{
    static auto* const real = quorrin::test::next<int(const char*, const char*)>("rename");
    return quorrin::test::nextCall() == Call::Passes ? real(from, to) : quorrin::test::failed();
}

} // extern "C"
