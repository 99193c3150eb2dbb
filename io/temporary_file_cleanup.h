#pragma once

#include <csignal>

namespace vazolar::io {

// A file being written has a temporary name beside its final one from the moment the system
// gives it a name (at once where the file system cannot make a file without a name, just
// before the rename where it can). These keep that name so that SIGINT, SIGTERM and SIGHUP
// remove the file before the program ends.

// Installs the handlers; the program then ends by the same signal, as it would have.
void removeTemporaryFileOnSignals();

// Keeps SIGINT, SIGTERM and SIGHUP waiting while a temporary name is made, watched, renamed
// or forgotten, so that a signal never finds the name watched but not yet on the disk, or
// gone from the disk but still watched. A signal that came meanwhile is taken at the end.
class SignalsHeld {
public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t previous_;
};

// The file named `name` (as the system spells it) is being written: it is removed on a
// signal. One file at a time; a later call replaces the earlier one. A name too long to keep
// is not watched.
void watchTemporaryFile(const char* name);

// The file was renamed into place or thrown away: nothing to remove any more.
void forgetTemporaryFile();

} // namespace vazolar::io
