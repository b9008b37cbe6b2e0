#pragma once
// A preregistered study in the study database: its protocol registered (vora_protocols), the
// runs it includes, the interim looks (vora_looks), and whether it has stopped. The runs of a
// study are the consistent runs of its sites and experiments; they are counted in the order
// the server received them (received_at, then site, experiment, run), so "the first N trials"
// is the same question whenever it is asked.
#include "core/study/Protocol.h"
#include "core/study/mirror/StudyDatabase.h"

#include <QString>
#include <QVector>

#include <cstdint>
#include <optional>

namespace vora::study {

struct Registration {
    QString sha256;
    QString title;
    QString registeredAt; // ISO 8601 with offset, the server's clock
    QString registeredBy;
    QByteArray bytes; // the file as registered
};

struct Look {
    qint64 id = 0;
    QString lookedAt; // ISO 8601 with offset
    QString lookedBy;
    std::int64_t trials = 0; // in the study's data at the call
    std::optional<std::int64_t> point; // the stopping point analysed
    QString decision; // waiting, continue, stop-h1, stop-h0, stop-max, stopped
};

// The study's data now.
struct StudyTotals {
    std::int64_t runs = 0;
    std::int64_t trials = 0;
    std::int64_t hits = 0;
    QString firstReceived; // the first run's arrival, empty without runs
    QStringList sites; // the sites with runs, sorted
};

// A study as a site sees it: a registered protocol and when it stopped (empty: open).
struct ProtocolState {
    Protocol protocol;
    QString sha256;
    QString stoppedAt;
    QString decision; // of the stop
};

// Whether a study's experiment is the file `experiment` ("Yama090425-1") of `site`.
bool protocolIncludes(const Protocol &p, const QString &site, const QString &experiment);

class StudyPlan {
public:
    explicit StudyPlan(StudyDatabase &db) : m_db(db) { }

    // Whether vora_protocols and vora_looks are there (study init of this version).
    bool ready(QString *error);

    enum class Registered { New, Already, Failed };
    // Stores the protocol's bytes; a protocol registered before keeps its first time.
    Registered registerProtocol(const ProtocolRead &read, Registration *out, QString *error);
    // The registration of these bytes' hash; `found` false when there is none.
    bool registration(const QString &sha256, Registration *out, bool *found, QString *error);

    bool totals(const Protocol &p, StudyTotals *out, QString *error);
    // Hits among the study's first `trials` trials in arrival order (a run cut where needed).
    bool hitsOfFirst(const Protocol &p, std::int64_t trials, std::int64_t *hits, QString *error);
    // Runs of the study the server received after `time`.
    bool runsReceivedAfter(const Protocol &p, const QString &time, std::int64_t *runs, QString *error);

    bool looks(const QString &sha256, QVector<Look> *out, QString *error);
    bool addLook(const QString &sha256, std::int64_t trials, std::optional<std::int64_t> point, const QString &decision,
                 Look *out, QString *error);

    // Heads recorded for the study's sites that the stored runs do not bear out: the run a
    // head names is missing or has another seal. One line per head, "SITE/EXPERIMENT run N".
    bool headsNotBorneOut(const Protocol &p, QStringList *out, qint64 *checked, QString *error);

    // Every registered protocol with its first stop, for the program's selection.
    bool states(QVector<ProtocolState> *out, QString *error);

private:
    QString studyFilter(const Protocol &p, const QString &alias = QString()) const;

    StudyDatabase &m_db;
};

} // namespace vora::study
