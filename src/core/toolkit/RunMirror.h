#pragma once
// Where saved runs are copied besides the local data file (a shared study database).
// The windows only queue runs and show how many wait; delivery happens elsewhere and never
// holds them up.
#include <QObject>
#include <QString>

namespace vora {

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

Q_SIGNALS:
    // The counts or the problem changed.
    void changed();
};

} // namespace vora
