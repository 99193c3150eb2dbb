#include "temporary_file_cleanup.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <limits.h>
#include <unistd.h>

namespace vazolar::reports {

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

} // namespace

void removeTemporaryFileOnSignals() {
    for (int signal : kSignals) {
        // A signal the shell had the program ignore (a background job's SIGINT) stays ignored.
        if (std::signal(signal, removeAndEnd) == SIG_IGN)
            std::signal(signal, SIG_IGN);
    }
}

void watchTemporaryFile(int descriptor) {
    watching.store(false);
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
    const ssize_t length = ::readlink(link, temporaryName, PATH_MAX);
    if (length <= 0)
        return;
    temporaryName[length] = '\0';
    // A file made without a name shows as "/folder/#123 (deleted)": nothing to remove.
    if (std::strstr(temporaryName, " (deleted)") != nullptr)
        return;
    watching.store(true);
}

void forgetTemporaryFile() {
    watching.store(false);
}

} // namespace vazolar::reports
