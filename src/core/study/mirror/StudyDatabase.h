#pragma once
// The study database: one table of runs from every site, written through Qt's PostgreSQL
// driver. An object of this class is one connection and must stay in the thread that made it.
#include "core/study/mirror/StudyConfig.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace vora::study {

// One run as mirrored: the key, the 261 run columns, the chained seal hash (empty: unsealed).
struct MirrorEntry {
    QString site;
    QString experiment; // the data file's base name, "Yama090425-1"
    int run = 0; // 1-based, memo lines not counted
    QString record; // columns 1-261 of the run line
    QString seal; // hex chained hash, or empty
};

enum class Delivery { Sent, AlreadyThere, Conflict, Failed };

class StudyDatabase {
public:
    explicit StudyDatabase(const ConnInfo &conn);
    ~StudyDatabase();
    StudyDatabase(const StudyDatabase &) = delete;
    StudyDatabase &operator=(const StudyDatabase &) = delete;

    // Connects and creates the table when it is absent. The error never shows the password.
    bool open(QString *error);
    bool isOpen() const;
    void close();

    // Idempotent insert. A key already stored with another record (or another seal) is a
    // conflict and the stored row stays as it is. `stored` receives the stored record then.
    Delivery deliver(const MirrorEntry &entry, QString *error, QString *stored = nullptr);

    // Every stored run (of one site when `site` is not empty), by site, experiment and run.
    bool fetch(const QString &site, QList<MirrorEntry> *out, QString *error);

    static QString tableName() { return QStringLiteral("vora_runs"); }

private:
    QString failure(const QString &what, const QString &detail) const;

    ConnInfo m_conn;
    QString m_name;
};

} // namespace vora::study
