#include "DataInput.h"

#include "Output.h"

#include "toolkit/Cp932.h"
#include "toolkit/FileStore.h"

#include <QFile>
#include <QFileInfo>

namespace voradata {

namespace {

QString damagedBytesReason()
{
    return QStringLiteral("CP932として読めないバイトがあります（ファイルが破損している可能性があります）");
}

} // namespace

QString CheckedFile::faultText() const
{
    return path + QLatin1Char(':') + QString::number(badLine) + QStringLiteral(": ") + badReason;
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
    const QByteArray bytes = raw.readAll();
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
