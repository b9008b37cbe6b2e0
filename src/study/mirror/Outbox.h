#pragma once
// Runs waiting for the study database: one small file per run in data/outbox, written to a
// work file, flushed to disk and renamed into place, so an entry is either whole or absent.
// An entry is removed only after the server has committed its row. Entries that can never be
// delivered (a conflicting record, an unreadable entry) are moved to data/outbox/held.
#include "study/mirror/StudyDatabase.h"
#include "toolkit/AppPaths.h"

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
    // Entry files in queue order.
    QStringList pending() const;
    int pendingCount() const { return int(pending().size()); }
    int heldCount() const;
    std::optional<MirrorEntry> read(const QString &file) const;
    bool remove(const QString &file);
    bool hold(const QString &file);

private:
    QString m_folder;
};

} // namespace vora::study
