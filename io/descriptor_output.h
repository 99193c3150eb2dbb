#pragma once

#include <QIODevice>

namespace vazolar::io {

// An open file descriptor (standard output) as a device that writes straight to the system,
// with no buffer of its own: a write has either reached the descriptor or failed, and then
// the device keeps failing with the system's reason in Portuguese as its error string. A
// shell redirection onto a full disk is thus noticed at the write that meets it.
class DescriptorOutput : public QIODevice {
public:
    explicit DescriptorOutput(int descriptor);

    // A reader that went away (`vazolar lote … | head`) ends the whole program at once, with
    // the status given and no message, as command-line tools do. Off until the program
    // turns it on; with it off, a broken pipe is a failure like any other.
    static void endQuietlyOnBrokenPipe(int status);

    bool isSequential() const override { return true; }
    bool failed() const { return failed_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    int descriptor_;
    bool failed_ = false;
};

} // namespace vazolar::io
