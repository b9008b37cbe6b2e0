#pragma once
// The study database: one table of runs from every site, written through Qt's PostgreSQL
// driver. An object of this class is one connection and must stay in the thread that made it.
// This file connects and makes the schema; sending runs is RunPush.h, reading back
// StudyQueries.h, the preregistered studies StudyPlan.h.
#include "core/report/Study.h"
#include "core/study/mirror/StudyConfig.h"

#include <QDate>

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

// A file's seal head as pushed: its latest chained hash and the run it seals.
struct HeadEntry {
    QString site;
    QString experiment;
    int run = 0;
    QString head; // 64 hex digits
};

// A head as the server recorded it.
struct StoredHead {
    int run = 0;
    QString head;
    QString pushedAt; // ISO 8601 with offset
};

// The pooled figures' sums for one site's experiment, added up by the server.
struct ServerExperiment {
    QString site;
    QString experiment;
    report::ExperimentTally tally; // file: "SITE/EXPERIMENT"
};

// A stored run that fails the data file check, with its record for the reason.
struct BadRow {
    QString where; // "SITE/EXPERIMENT:RUN"
    QString record;
    bool binary = true; // targets and inputs all "0" or "1"
};

// A value as an SQL literal, quoted and escaped by the connection's driver.
QString sqlLiteral(const QSqlDatabase &db, const QVariant &value);

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

    // Many runs (and the files' seal heads) in one transaction of a few round trips: each run
    // is stored unless its key is there, as deliver() does. The keys met stored already are
    // looked up first and the rest sent with COPY; should COPY meet a key stored meanwhile by
    // another session, the batch goes again as one INSERT ... ON CONFLICT DO NOTHING. `out[i]`
    // says what became of entries[i], `stored[i]` holds the stored record of a conflict. Keys
    // must be distinct within one call. Heads are left out where the table is absent.
    bool deliverBatch(const QVector<MirrorEntry> &entries, const QVector<HeadEntry> &heads, QVector<Delivery> *out,
                      QStringList *stored, QString *error);

    // Whether the schema of `vora-data study init` is there (the parsed columns and tallies).
    bool hasTallies() const { return m_hasTallies; }
    bool hasHeads() const { return m_hasHeads; }

    // Creates or completes the schema, roles and row-level security (StudySchema.h), in one
    // transaction. Needs a role that may create roles and owns the tables.
    bool initSchema(QString *error);
    // A login role for a site, member of the site group, with `password`. Refuses a name
    // that is a role already (Exists), and works only after initSchema() (NotReady).
    enum class SiteAdded { Added, Exists, NotReady, Failed };
    SiteAdded addSite(const QString &site, const QString &password, QString *error);

    // The pooled figures' sums per site and experiment, added up on the server from the
    // per-run tallies, by site and experiment in byte order. Stored runs that fail the check
    // are listed in `bad` (at most 100), and then nothing else is filled. Needs hasTallies().
    bool serverTallies(const QString &site, QVector<ServerExperiment> *out, QVector<BadRow> *bad, QString *error);
    // Runs and hits per day, by date (undated runs first, with an invalid date).
    bool dayCounts(const QString &site, QVector<report::DayCount> *out, QString *error);
    // The heads recorded for a site's experiment, oldest first.
    bool storedHeads(const QString &site, const QString &experiment, QVector<StoredHead> *out, QString *error);

    static QString tableName() { return QStringLiteral("vora_runs"); }

    // The connection, for queries of other parts of the study database (StudyPlan.h).
    QSqlDatabase connection() const;
    // "what：detail" on one line, the password masked.
    QString failure(const QString &what, const QString &detail) const;

private:
    bool exec(const QString &sql, const QString &what, QString *error);

    ConnInfo m_conn;
    QString m_name;
    bool m_hasTallies = false;
    bool m_hasHeads = false;
};

} // namespace vora::study
