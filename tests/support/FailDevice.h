#pragma once
// Write faults the way a full disk makes them, through the device a writer writes to.
#include <QBuffer>

#include <cerrno>

namespace vora {
class FileStore;
}

namespace vora::testing {

// A device whose writes fail after `failAfter` bytes with `error`, as a full disk fails them
// (ENOSPC); a negative `failAfter` fails already at opening. The bytes before the failure go
// on to `through` when it is given (the file a writer opened), else into the buffer itself.
class FailDevice : public QBuffer {
public:
    explicit FailDevice(qint64 failAfter, QIODevice *through = nullptr, int error = ENOSPC);
    bool open(OpenMode mode) override;
    bool isSequential() const override { return m_through != nullptr; }
    qint64 accepted() const { return m_accepted; }

protected:
    qint64 writeData(const char *data, qint64 size) override;

private:
    void fail();

    qint64 m_failAfter;
    QIODevice *m_through;
    int m_error;
    qint64 m_accepted = 0;
};

// The n-th write `store` makes (counting from 1) goes through a FailDevice in front of its
// file, failing after `failAfter` bytes or, when negative, at its start; the other writes
// go on as usual.
void failWrite(FileStore &store, int n, qint64 failAfter);

// Every write `store` makes fails at its start with `error`: a folder the user may not write into.
void refuseWrites(FileStore &store, int error = EACCES);

} // namespace vora::testing
