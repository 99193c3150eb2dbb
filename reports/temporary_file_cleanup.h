#pragma once

namespace vazolar::reports {

// Where the system cannot make a file without a name until it is complete (no O_TMPFILE on
// the file system), the file being written has a temporary name beside its final one. These
// keep that name so that SIGINT, SIGTERM and SIGHUP remove the file before the program ends.

// Installs the handlers; the program then ends by the same signal, as it would have.
void removeTemporaryFileOnSignals();

// The file open on `descriptor` is being written: its name, if it has one, is removed on a
// signal. One file at a time; a later call replaces the earlier one.
void watchTemporaryFile(int descriptor);

// The file was renamed into place or thrown away: nothing to remove any more.
void forgetTemporaryFile();

} // namespace vazolar::reports
