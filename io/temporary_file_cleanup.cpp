#include "temporary_file_cleanup.h"

#include <atomic>
#include <cstring>
#include <limits.h>
#include <pthread.h>
#include <unistd.h>

namespace vazolar::io {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The name, written while no signal may read it (watching is false).
char temporaryName[PATH_MAX + 1];
std::atomic<bool> watching{false};

extern "C" void removeAndEnd(int signal) {
    if (watching.load())
        ::unlink(temporaryName);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

sigset_t cleanupSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kSignals)
        sigaddset(&set, signal);
    return set;
}

} // namespace

void removeTemporaryFileOnSignals() {
    for (int signal : kSignals) {
        // A signal the shell had the program ignore (a background job's SIGINT) stays ignored.
        if (std::signal(signal, removeAndEnd) == SIG_IGN)
            std::signal(signal, SIG_IGN);
    }
}

SignalsHeld::SignalsHeld() {
    const sigset_t held = cleanupSignals();
    pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

SignalsHeld::~SignalsHeld() {
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

void watchTemporaryFile(const char* name) {
    watching.store(false);
    const size_t length = std::strlen(name);
    if (length > PATH_MAX)
        return;
    std::memcpy(temporaryName, name, length + 1);
    watching.store(true);
}

void forgetTemporaryFile() {
    watching.store(false);
}

} // namespace vazolar::io
