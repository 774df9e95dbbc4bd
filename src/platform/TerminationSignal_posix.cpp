#include "platform/TerminationSignal.h"

#include <csignal>
#include <initializer_list>
#include <sys/socket.h>
#include <unistd.h>

namespace quorrin {

namespace {

int signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop picks the byte up.
void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

int terminationSignalDescriptor()
{
    if (signalPipe[0] >= 0)
        return signalPipe[0];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        signalPipe[0] = signalPipe[1] = -1;
        return -1;
    }
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
    return signalPipe[0];
}

void acknowledgeTerminationSignal(int descriptor)
{
    char byte = 0;
    [[maybe_unused]] const auto read = ::read(descriptor, &byte, 1);
}

} // namespace quorrin
