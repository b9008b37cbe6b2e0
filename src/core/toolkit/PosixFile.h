#pragma once
// The system's side of the program's files, under FileStore: a descriptor that closes itself,
// the device that writes every byte to one, and the bounded read of a file that may be anything.
#include "core/toolkit/FileResult.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace vora {

// An open descriptor (or a failed open's -1), closed with its owner.
class OwnedFd {
public:
    explicit OwnedFd(int fd) : m_fd(fd) { }
    ~OwnedFd();
    OwnedFd(const OwnedFd &) = delete;
    OwnedFd &operator=(const OwnedFd &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The file's own device: every byte straight to its descriptor. A failed write leaves errno
// as the system set it, and so must any device put in front of it.
class FdDevice : public QIODevice {
public:
    explicit FdDevice(int fd) : m_fd(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    int m_fd;
};

// Reads the bytes of a regular file into `*bytes`, at most `maxBytes` of them (over the bound:
// TooLarge). A pipe or device is never opened for reading, so it cannot hang the program. On
// failure `*bytes` is left empty.
FileResult readRegularFile(const QString &path, qint64 maxBytes, QByteArray *bytes);

} // namespace vora
