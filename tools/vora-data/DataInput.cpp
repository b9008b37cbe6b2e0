#include "DataInput.h"

#include "Output.h"

#include "toolkit/FileStore.h"

#include <QFile>
#include <QFileInfo>

namespace voradata {

QString CheckedFile::faultText() const
{
    return path + QLatin1Char(':') + QString::number(badLine) + QStringLiteral(": ") + badReason;
}

CheckedFile checkFile(const QString &path)
{
    CheckedFile out;
    out.path = path;

    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        out.readError = QStringLiteral("no such file");
        return out;
    }
    if (info.isDir()) {
        out.readError = QStringLiteral("is a directory, not a data file");
        return out;
    }
    QFile raw(path);
    if (!raw.open(QIODevice::ReadOnly)) {
        out.readError = QStringLiteral("cannot open: ") + raw.errorString();
        return out;
    }
    raw.readAll();
    if (raw.error() != QFileDevice::NoError) {
        out.readError = QStringLiteral("cannot read: ") + raw.errorString();
        return out;
    }
    raw.close();

    const vora::FileStore store;
    out.contents = vora::loadDataFile(store, path);
    if (!out.contents.readOk || out.contents.missing) {
        // Vanished or became unreadable between the two reads.
        out.readError = QStringLiteral("cannot read: ") + unixLineBreaks(out.contents.readError).simplified();
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
        writeErr(QStringLiteral("vora-data: ") + file.path + QStringLiteral(": ") + file.readError + QLatin1Char('\n'));
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
