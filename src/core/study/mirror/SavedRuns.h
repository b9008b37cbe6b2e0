#pragma once
// The data files are the record of what must reach the study database. For each data file
// the sender keeps a watermark: the last run up to which the server has answered for every
// run (stored, already there, or set aside as a conflict). Every saved run above it is sent
// again at start and on every pass, so a run whose outbox entry could not be written (a full
// disk) or was deleted, or runs restored from a backup, reach the server all the same.
#include "core/study/mirror/StudyConfig.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>

namespace vora::study {

// The runs of one data file as the mirror sends them.
struct FileRuns {
    QString path;
    QString experiment; // the base name, "Yama090425-1"
    QStringList records; // columns 1-261 of run 1, 2, ...
    QHash<int, QString> seals; // run -> chained hash (hex) where the chain verifies
    // Another program holds the file's sealing lock: its last run may not be sealed yet,
    // so nothing of the file is sent before a later pass.
    bool busy = false;
};

// The data files of `dataFolder` ("NAME-0.txt", "NAME-1.txt" with a name the program
// registers), in name order.
QStringList dataFilesIn(const QString &dataFolder);

// Reads a data file and its seal, briefly under the sealing lock. False when the file cannot
// be read or fails the check: such runs are not sent (the program refuses the file as well).
bool readFileRuns(const QString &path, FileRuns *out);

// The watermarks, one small file per data file in `folder` (data/outbox/confirmed):
//   line 1: the site and server they were confirmed by, line 2: "RUN SHA256" of that run's record.
class Watermarks {
public:
    Watermarks(const QString &folder, const QString &identity);
    static QString folderFor(const QString &outboxFolder);
    // "SITE HOST:PORT/DBNAME": another site or server starts from nothing.
    static QString identityOf(const ConnInfo &conn, const QString &site);

    // How many runs of `runs`, from run 1, the server has answered for. 0 when nothing is kept,
    // when it was kept for another site or server, or when the file no longer holds that run
    // as it was (replaced or rolled back): every run then goes again, and the server says
    // which it already has.
    int confirmed(const FileRuns &runs) const;
    // Kept in memory at once and written to disk; false when the file could not be written
    // (then only this program's run knows it, and the next start sends the runs again).
    bool confirm(const FileRuns &runs, int run);

private:
    QString fileFor(const QString &experiment) const;

    QString m_folder;
    QString m_identity;
    QHash<QString, QPair<int, QByteArray>> m_known; // experiment -> run, record hash
};

// Tells whether a data file may have changed since it was last looked at, so that a pass
// over hundreds of experiments reads only those that did.
class FileChanges {
public:
    struct Stamp {
        qint64 size = -1;
        QDateTime modified;
        QDateTime statusChanged;
        bool operator==(const Stamp &o) const
        {
            return size == o.size && modified == o.modified && statusChanged == o.statusChanged;
        }
    };
    // Size, modification and status change time: a rename over the file changes the last.
    static Stamp stampOf(const QString &path);
    // True when `path` was never remembered, or with another stamp.
    bool changed(const QString &path, const Stamp &now) const;
    void remember(const QString &path, const Stamp &stamp) { m_seen.insert(path, stamp); }
    void forget(const QString &path) { m_seen.remove(path); }

private:
    QHash<QString, Stamp> m_seen;
};

} // namespace vora::study
