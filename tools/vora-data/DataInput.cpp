#include "DataInput.h"

#include "Output.h"

#include "core/toolkit/FileStore.h"

namespace voradata {

QString readFailureText(const vora::FileResult &read)
{
    const QString cause = read.text(vora::Language::English);
    switch (read.code) {
    case vora::FileError::Folder:
    case vora::FileError::NotRegular:
    case vora::FileError::TooLarge: return cause + QStringLiteral(", not a data file");
    default: return cause;
    }
}

QString CheckedFile::faultText() const
{
    return printableName(path) + QLatin1Char(':') + QString::number(badLine) + QStringLiteral(": ") + badReason;
}

CheckedFile checkFile(const QString &path)
{
    CheckedFile out;
    out.path = path;

    // The program's own bounded read: a pipe or device is never opened, /dev/zero never read.
    const vora::BytesRead raw = vora::FileStore::readBytes(path);
    if (!raw) {
        out.readError = readFailureText(raw);
        return out;
    }

    const vora::FileStore store;
    out.contents = vora::loadDataFile(store, path);
    if (!out.contents.readOk || out.contents.missing) {
        // Vanished or became unreadable between the two reads.
        out.readError = readFailureText(out.contents.read);
        return out;
    }
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
