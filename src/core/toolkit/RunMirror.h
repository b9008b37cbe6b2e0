#pragma once
// Where saved runs are copied besides the local data file (a shared study database).
// The windows only queue runs and show how many wait; delivery happens elsewhere and never
// holds them up.
#include <QObject>
#include <QString>

namespace vora {

// A preregistered study an experiment belongs to, as the server last said.
struct StudyStatus {
    enum State { Unknown, NoStudy, Open, Closed };
    State state = Unknown; // Unknown: the server has not been reached
    QString title; // the study's, for Open and Closed
};

class RunMirror : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~RunMirror() override = default;

    // Called once after a run line has been appended (and sealed) to `dataFilePath`.
    virtual void runSaved(const QString &dataFilePath, const QString &runLine) = 0;
    // Runs queued and not yet delivered.
    virtual int pendingCount() const = 0;
    // Runs set aside because the server holds another record under their key.
    virtual int heldCount() const = 0;
    // Why the last delivery failed (passwords masked); empty when it went well.
    virtual QString lastProblem() const = 0;
    // A warning about the settings, given out once per program start; empty afterwards.
    virtual QString takeWarning() = 0;
    // The study of `experiment` (the data file's base name, "Yama090425-1").
    virtual StudyStatus studyStatus(const QString &experiment) const
    {
        Q_UNUSED(experiment);
        return {};
    }

Q_SIGNALS:
    // The counts or the problem changed.
    void changed();
};

} // namespace vora
