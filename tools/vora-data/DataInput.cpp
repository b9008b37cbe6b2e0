#include "DataInput.h"

#include "Output.h"

#include "core/toolkit/Cp932.h"
#include "core/toolkit/FileStore.h"

#include <QCoreApplication>

namespace voradata {

namespace {

// The texts of this file, under the translation context "DataInput".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(DataInput)
};

} // namespace

QString readFailureText(const vora::FileResult &read)
{
    const QString cause = read.text(vora::Audience::Tool);
    switch (read.code) {
    case vora::FileError::Folder:
    case vora::FileError::NotRegular:
    case vora::FileError::TooLarge: return Texts::tr("%1（データファイルではありません）").arg(cause);
    default: return cause;
    }
}

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
    if (!raw) {
        out.readError = readFailureText(raw);
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
        writeErr(file.faultText() + QLatin1Char('\n') + QStringLiteral("vora-data: ")
                 + Texts::tr("ファイルが検査に通りません。そのランは使いません") + QLatin1Char('\n'));
        return kExitBadData;
    }
    return kExitOk;
}

} // namespace voradata
