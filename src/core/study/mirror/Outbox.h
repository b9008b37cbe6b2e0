#pragma once
// Runs waiting for the study database: one small file per run in data/outbox, written to a
// work file, flushed to disk and renamed into place, so an entry is either whole or absent.
// An entry is removed only after the server has committed its row. Entries that can never be
// delivered (a conflicting record, an unreadable entry) are moved to data/outbox/held.
#include "core/study/mirror/StudyDatabase.h"
#include "core/toolkit/AppPaths.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vora::study {

class Outbox {
public:
    explicit Outbox(const QString &folder);
    static QString folderFor(const AppPaths &paths);

    QString folder() const { return m_folder; }
    QString heldFolder() const;

    // Empty string on success, else why the entry could not be written (Japanese).
    QString enqueue(const MirrorEntry &entry);
    // Sets aside a run the server holds another record for (met by the sender while going
    // over the data files, without an outbox entry of its own).
    QString holdEntry(const MirrorEntry &entry);
    // "EXPERIMENT/RUN" of an entry file by its name, and of a run.
    static QString keyOf(const QString &entryFile);
    static QString keyOf(const QString &experiment, int run);
    // Entry files in queue order.
    QStringList pending() const;
    int pendingCount() const { return int(pending().size()); }
    int heldCount() const;
    std::optional<MirrorEntry> read(const QString &file) const;
    bool remove(const QString &file);
    bool hold(const QString &file);

private:
    static QString writeEntry(const QString &folder, const QString &base, const MirrorEntry &entry);

    QString m_folder;
};

} // namespace vora::study
