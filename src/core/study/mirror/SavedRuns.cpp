#include "core/study/mirror/SavedRuns.h"

#include "core/registry/DataFile.h"
#include "core/registry/NameList.h"
#include "core/study/SealWriter.h"
#include "core/study/mirror/RunSeal.h"
#include "core/toolkit/FileStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace vora::study {

namespace {

QByteArray recordHash(const QString &record)
{
    return QCryptographicHash::hash(record.toUtf8(), QCryptographicHash::Sha256).toHex();
}

} // namespace

QStringList dataFilesIn(const QString &dataFolder)
{
    QStringList out;
    const QDir dir(dataFolder);
    for (const QString &name :
         dir.entryList({QStringLiteral("*-0.txt"), QStringLiteral("*-1.txt")}, QDir::Files, QDir::Name)) {
        if (isValidExperimentName(name.left(name.size() - 6)))
            out.append(dir.filePath(name));
    }
    return out;
}

bool readFileRuns(const QString &path, FileRuns *out)
{
    *out = FileRuns();
    out->path = path;
    out->experiment = QFileInfo(path).completeBaseName();
    // Held for the moment of reading only. A lock that cannot be made at all (a read-only
    // folder) does not stop the mirror: nobody can be appending there.
    QLockFile lock(sealLockPathFor(path));
    lock.setStaleLockTime(3000);
    out->busy = !lock.tryLock(0) && lock.error() == QLockFile::LockFailedError;
    const DataFileContents data = loadDataFile(FileStore(), path);
    if (!data.passed() || data.missing)
        return false;
    for (const QString &line : data.runLines)
        out->records.append(line.left(kRunColumns));
    out->seals = chainedHashes(path);
    return true;
}

Watermarks::Watermarks(const QString &folder, const QString &identity) : m_folder(folder), m_identity(identity)
{
}

QString Watermarks::folderFor(const QString &outboxFolder)
{
    return outboxFolder + QStringLiteral("/confirmed");
}

QString Watermarks::identityOf(const ConnInfo &conn, const QString &site)
{
    return site + QLatin1Char(' ') + conn.value(QStringLiteral("host")) + QLatin1Char(':')
           + conn.value(QStringLiteral("port")) + QLatin1Char('/') + conn.value(QStringLiteral("dbname"));
}

QString Watermarks::fileFor(const QString &experiment) const
{
    return m_folder + QLatin1Char('/') + experiment + QStringLiteral(".txt");
}

int Watermarks::confirmed(const FileRuns &runs) const
{
    const auto holds = [&runs](int run, const QByteArray &hash) {
        return run >= 1 && run <= runs.records.size() && recordHash(runs.records.at(run - 1)) == hash;
    };
    int best = 0;
    if (const auto known = m_known.constFind(runs.experiment); known != m_known.constEnd()) {
        if (holds(known->first, known->second))
            best = known->first;
    }
    const ReadResult read = FileStore().readLines(fileFor(runs.experiment));
    if (read.ok && read.lines.size() >= 2 && read.lines.at(0) == m_identity) {
        const QStringList fields = read.lines.at(1).split(QLatin1Char(' '));
        bool isNumber = false;
        const int run = fields.value(0).toInt(&isNumber);
        if (fields.size() == 2 && isNumber && holds(run, fields.at(1).toLatin1()))
            best = std::max(best, run);
    }
    return best;
}

bool Watermarks::confirm(const FileRuns &runs, int run)
{
    const QByteArray hash = recordHash(runs.records.at(run - 1));
    m_known.insert(runs.experiment, {run, hash});
    FileStore files;
    if (!files.ensureFolder(m_folder))
        return false;
    return files
        .replaceAll(fileFor(runs.experiment),
                    {m_identity, QString::number(run) + QLatin1Char(' ') + QString::fromLatin1(hash)})
        .ok;
}

FileChanges::Stamp FileChanges::stampOf(const QString &path)
{
    const QFileInfo info(path);
    Stamp s;
    if (info.exists()) {
        s.size = info.size();
        s.modified = info.lastModified();
        s.statusChanged = info.metadataChangeTime();
    }
    return s;
}

bool FileChanges::changed(const QString &path, const Stamp &now) const
{
    const auto it = m_seen.constFind(path);
    return it == m_seen.constEnd() || !(*it == now);
}

} // namespace vora::study
