#include "DataInput.h"

#include "Output.h"

#include "toolkit/Cp932.h"
#include "toolkit/FileStore.h"

#include <cstring>

namespace voradata {

namespace {

QString damagedBytesReason()
{
    return QStringLiteral("CP932として読めないバイトがあります（ファイルが破損している可能性があります）");
}

} // namespace

QString CheckedFile::faultText() const
{
    return printableName(path) + QLatin1Char(':') + QString::number(badLine) + QStringLiteral(": ") + badReason;
}

int firstUndecodableLine(const QByteArray &bytes)
{
    // CP932 trail bytes are 0x40 and above, so CR and LF never sit inside a character:
    // cutting the raw bytes at them gives the same lines as cutting the decoded text.
    int lineNo = 0;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i <= n; ++i) {
        const bool atEnd = i == n;
        const char c = atEnd ? '\0' : bytes.at(i);
        if (!atEnd && c != '\r' && c != '\n')
            continue;
        if (atEnd && start == n)
            break; // a terminator at the very end does not start another line
        ++lineNo;
        if (vora::cp932::decode(bytes.mid(start, i - start)).damaged)
            return lineNo;
        if (!atEnd && c == '\r' && i + 1 < n && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    return 0;
}

CheckedFile checkFile(const QString &path)
{
    CheckedFile out;
    out.path = path;

    // The program's own bounded read: a pipe or device is never opened, /dev/zero never read.
    const vora::BytesRead raw = vora::FileStore::readBytes(path);
    switch (raw.failure) {
    case vora::ReadFailure::None:
        break;
    case vora::ReadFailure::Missing:
        out.readError = QStringLiteral("no such file");
        return out;
    case vora::ReadFailure::Folder:
        out.readError = QStringLiteral("is a directory, not a data file");
        return out;
    case vora::ReadFailure::NotRegular:
        out.readError = QStringLiteral("is not a regular file (a pipe, device or socket), not a data file");
        return out;
    case vora::ReadFailure::TooLarge:
        out.readError = QStringLiteral("file too large (over %1 MiB), not a data file").arg(vora::kMaxTextFileBytes >> 20);
        return out;
    case vora::ReadFailure::Unreadable:
        out.readError = QStringLiteral("cannot read: ") + QString::fromLocal8Bit(std::strerror(raw.error));
        return out;
    }
    const QByteArray &bytes = raw.bytes;

    const vora::FileStore store;
    out.contents = vora::loadDataFile(store, path);
    if (!out.contents.readOk || out.contents.missing) {
        // Vanished or became unreadable between the two reads.
        out.readError = QStringLiteral("cannot read: ") + unixLineBreaks(out.contents.readError).simplified();
        return out;
    }
    out.readable = true;

    out.badLine = out.contents.firstBadFileLine;
    out.badReason = out.contents.badReason;
    if (vora::cp932::decode(bytes).damaged) {
        int damaged = firstUndecodableLine(bytes);
        if (damaged == 0)
            damaged = 1; // damage the per-line view cannot place: blame the file's start
        if (out.badLine == 0 || damaged <= out.badLine) {
            out.badLine = damaged;
            out.badReason = damagedBytesReason();
        }
    }
    return out;
}

} // namespace voradata

namespace voradata {

int refuseUnfit(const CheckedFile &file)
{
    if (!file.readable) {
        writeErr(QStringLiteral("vora-data: ") + printableName(file.path) + QStringLiteral(": ") + file.readError
                 + QLatin1Char('\n'));
        return kExitUsage;
    }
    if (!file.passed()) {
        writeErr(file.faultText() + QLatin1Char('\n')
                 + QStringLiteral("vora-data: the file fails the check; its runs are not used\n"));
        return kExitBadData;
    }
    return kExitOk;
}

} // namespace voradata
