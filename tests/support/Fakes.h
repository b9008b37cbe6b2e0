#pragma once
#include "core/toolkit/Services.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>

namespace vora::testing {

// A window's control by its control name (its objectName), as the layout tables name it.
// A missing control is a test failure at the point of use, not a crash.
template <typename T> T *control(const QObject *window, const char *name)
{
    T *c = window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!c)
        qFatal("no control %s", name);
    return c;
}

// A clock the test sets and moves. Monotonic time follows the real clock unless frozen,
// so waits built on timers still end.
class FakeClock : public Clock {
public:
    FakeClock();
    double secondsSinceMidnight() const override;
    QString dateText() const override;
    QString timeText() const override;
    QDateTime dateTime() const override { return m_now; }
    qint64 monotonicMs() const override;

    void setDateTime(const QDateTime &dt) { m_now = dt; }
    void setTime(int h, int m, int s, int ms = 0) { m_now.setTime(QTime(h, m, s, ms)); }
    void setDate(int y, int mo, int d) { m_now.setDate(QDate(y, mo, d)); }
    void advanceMs(qint64 ms)
    {
        m_now = m_now.addMSecs(ms);
        m_extraMonotonic += ms;
    }
    // Freeze: monotonic time moves only through advanceMs().
    void setFrozen(bool frozen) { m_frozen = frozen; }

private:
    QDateTime m_now;
    qint64 m_extraMonotonic = 0;
    bool m_frozen = false;
    qint64 m_origin;
};

// Returns scripted values in order; after the script, `fallback`. Records every reseed.
class ScriptedRandom : public RandomSource {
public:
    void reseed(double seed) override { reseeds.append(seed); }
    double draw(double argument = 1.0) override;
    void script(const QList<double> &values)
    {
        for (double v : values)
            m_queue.enqueue(v);
    }
    int remaining() const { return m_queue.size(); }

    QList<double> reseeds;
    QList<double> arguments;
    double fallback = 0.25;

private:
    QQueue<double> m_queue;
    double m_last = 0.0;
};

struct DialogRecord {
    enum Kind { Message, Input, OpenFile, SaveFile } kind = Message;
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    QString defaultText;
};

// Answers from queues; records every text, button set and icon. Like the real boxes, a call
// shows its dialog (the record is made, and the answer it is to get taken from its queue) and
// returns at once; the answer comes on a later pass of the event loop, unless the asking
// object is gone by then.
class FakeDialogs : public Dialogs {
public:
    void ask(QObject *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
             std::function<void(MsgAnswer)> answered, const QString &title = QString()) override;
    void input(QObject *parent, const QString &prompt, const QString &title, const QString &defaultText,
               InputAnswered answered) override;
    void openFile(QObject *parent, const QString &caption, const QString &folder, const QString &filter,
                  FileChosen chosen) override;
    void saveFile(QObject *parent, const QString &caption, const QString &suggestedPath, const QString &filter,
                  FileChosen chosen) override;

    QQueue<MsgAnswer> messageAnswers; // empty: the default button (Ok / Yes; No for YesNoDefaultNo)
    QQueue<QString> inputAnswers; // a null QString means Cancel; empty queue: the default text
    QQueue<QString> fileAnswers; // empty: cancelled
    QList<DialogRecord> records;
    // Called after each record is made (tests may act while a dialog is "open").
    std::function<void(const DialogRecord &)> onDialog;

    int count(DialogRecord::Kind kind) const;
    const DialogRecord *last() const { return records.isEmpty() ? nullptr : &records.last(); }
    // Dialogs shown whose answer has not come back yet.
    int unanswered() const { return *m_unanswered; }

private:
    void record(DialogRecord r);
    // Runs `answer` from the event loop; a dialog asked from inside it counts before this one
    // is done, so unanswered() reaches 0 only when a whole chain of questions is over.
    void later(QObject *parent, std::function<void()> answer);
    std::shared_ptr<int> m_unanswered = std::make_shared<int>(0);
};

class FakeSound : public Sound {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

class FakeShell : public Shell {
public:
    bool openDocument(const QString &path) override
    {
        documents.append(path);
        return result;
    }
    bool openUrl(const QUrl &url) override
    {
        urls.append(url);
        return result;
    }
    QStringList documents;
    QList<QUrl> urls;
    bool result = true;
};

// Records restarts and quits; never ends the test process.
class FakeProcess : public Process {
public:
    bool startNewInstance() override
    {
        ++restarts;
        return true;
    }
    void quitNow() override { ++quits; }
    int restarts = 0;
    int quits = 0;
};

// Answers every GET from the event loop, never from inside get(): the next queued reply
// after `delayMs`, or "offline" when the queue is empty. With `hold` set, requests stay
// unanswered until release() (a fetch still running), and time out after their own bound
// as a silent server's would. A reply longer than the caller's bound comes back tooLarge.
class FakeNetwork : public Network {
public:
    void get(const QUrl &url, int timeoutMs, qint64 maxBytes, QObject *context, Done done) override;
    // Answers the held requests now, each with the next queued reply.
    void release();

    QQueue<HttpReply> replies;
    QList<QUrl> requests;
    QList<int> timeouts;
    int delayMs = 0;
    bool hold = false;
    int held() const;

private:
    struct Pending;
    QList<std::shared_ptr<Pending>> m_pending;
    HttpReply next(qint64 maxBytes);
};

// Records the runs handed to the study database mirror; counts and texts are set by the test.
class FakeMirror : public RunMirror {
public:
    void runSaved(const QString &dataFilePath, const QString &runLine) override
    {
        saved.append({dataFilePath, runLine});
        if (onSaved)
            onSaved(dataFilePath);
    }
    int pendingCount() const override { return pending; }
    int heldCount() const override { return held; }
    QString lastProblem() const override { return problem; }
    QString takeWarning() override { return std::exchange(warning, QString()); }
    StudyStatus studyStatus(const QString &experiment) const override { return studies.value(experiment); }
    void set(int pendingRuns, int heldRuns, const QString &why)
    {
        pending = pendingRuns;
        held = heldRuns;
        problem = why;
        Q_EMIT changed();
    }

    QList<QPair<QString, QString>> saved; // data file path, run line
    std::function<void(const QString &)> onSaved;
    int pending = 0;
    int held = 0;
    QString problem;
    QString warning;
    QMap<QString, StudyStatus> studies; // by experiment ("Name-1"); absent: Unknown
};

// A file store whose renames or lock files fail, what no device stands in for (write
// faults: FailDevice.h).
class FailingFileStore : public FileStore {
public:
    bool failRename = false; // fail the final rename of every rewrite
    int failLock = 0; // errno of every lock file that cannot be made (0: none)

protected:
    int beforeReplace(const QString &target) override;
    int beforeLock(const QString &lockPath) override;
};

// A whole set of fakes in a temporary program folder, with shrunk timings.
struct TestServices {
    TestServices();
    QTemporaryDir dir;
    std::shared_ptr<FakeClock> clock;
    std::shared_ptr<ScriptedRandom> random;
    std::shared_ptr<FakeDialogs> dialogs;
    std::shared_ptr<FakeSound> sound;
    std::shared_ptr<FakeShell> shell;
    std::shared_ptr<FakeProcess> process;
    std::shared_ptr<FakeNetwork> network;
    std::shared_ptr<FileStore> files;
    Services services;

    QString path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }
    // Writes raw bytes to a file in the program folder (creating folders).
    void writeBytes(const QString &name, const QByteArray &bytes) const;
    // Writes lines in CP932 with CR LF.
    void writeLines(const QString &name, const QStringList &lines) const;
    QByteArray readBytes(const QString &name) const;
    QStringList readLines(const QString &name) const;
    // Files in the program folder that no reader knows: work files or locks left behind.
    QStringList strayFiles() const;
    // Copies the generated pictures and help page from the build's program folder.
    void copyAssets() const;
};

} // namespace vora::testing
