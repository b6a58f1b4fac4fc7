#include "rig/StopSignals.h"

#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace zofar {

StopSignals::StopSignals() {
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    if (::pthread_sigmask(SIG_BLOCK, &stop, &previous_) != 0) return;
    fd_ = FileDescriptor(::signalfd(-1, &stop, SFD_NONBLOCK | SFD_CLOEXEC));
    if (!fd_.Valid()) ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

StopSignals::~StopSignals() {
    if (!fd_.Valid()) return;
    fd_.Close();
    ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

int StopSignals::Take() {
    signalfd_siginfo info{};
    const ssize_t n = ::read(fd_.Get(), &info, sizeof info);
    return n == static_cast<ssize_t>(sizeof info) ? static_cast<int>(info.ssi_signo) : 0;
}

}  // namespace zofar
