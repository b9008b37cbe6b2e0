#include "DataInput.h"

#include "Output.h"

#include "core/toolkit/Cp932.h"
#include "core/toolkit/FileStore.h"

#include <cstring>

namespace voradata {

QString CheckedFile::faultText() const
{
    return printableName(path) + QLatin1Char(':') + QString::number(badLine) + QStringLiteral(": ") + badReason;
}

CheckedFile checkFile(const QString &path, QStringList *lines)
{
    CheckedFile out;
    out.path = path;

    // The program's own bounded read: a pipe or device is never opened, /dev/zero never read.
    const vora::BytesRead raw = vora::FileStore::readBytes(path);
    switch (raw.failure) {
    case vora::ReadFailure::None: break;
    case vora::ReadFailure::Missing: out.readError = QStringLiteral("no such file"); return out;
    case vora::ReadFailure::Folder: out.readError = QStringLiteral("is a directory, not a data file"); return out;
    case vora::ReadFailure::NotRegular:
        out.readError = QStringLiteral("is not a regular file (a pipe, device or socket), not a data file");
        return out;
    case vora::ReadFailure::TooLarge:
        out.readError =
            QStringLiteral("file too large (over %1 MiB), not a data file").arg(vora::kMaxTextFileBytes >> 20);
        return out;
    case vora::ReadFailure::Unreadable:
        out.readError = QStringLiteral("cannot read: ") + QString::fromLocal8Bit(std::strerror(raw.error));
        return out;
    }

    // The bytes just read, decoded as FileStore::readLines decodes them.
    const QStringList read = vora::splitLines(vora::cp932::decode(raw.bytes).text);
    out.contents = vora::dataFileFromLines(read);
    if (lines)
        *lines = read;
    out.readable = true;

    // The program's own rule decides, undecodable bytes included: damage in the run columns
    // fails the line, damage in a memo is shown as U+FFFD and the file passes.
    out.badLine = out.contents.firstBadFileLine;
    out.badReason = out.contents.badReason;
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
