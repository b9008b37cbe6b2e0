#include "Fakes.h"

#include "core/toolkit/Cp932.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <cerrno>

#include <utility>

namespace vora::testing {

namespace {
qint64 realMs()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}
} // namespace

FakeClock::FakeClock() : m_now(QDate(2009, 4, 25), QTime(14, 30, 0)), m_origin(realMs())
{
}

double FakeClock::secondsSinceMidnight() const
{
    return m_now.time().msecsSinceStartOfDay() / 1000.0;
}

QString FakeClock::dateText() const
{
    return m_now.date().toString(QStringLiteral("yyyy/MM/dd"));
}

QString FakeClock::timeText() const
{
    return m_now.time().toString(QStringLiteral("H:mm:ss"));
}

qint64 FakeClock::monotonicMs() const
{
    return (m_frozen ? 0 : realMs() - m_origin) + m_extraMonotonic;
}

double ScriptedRandom::draw(double argument)
{
    arguments.append(argument);
    if (argument == 0.0)
        return m_last;
    m_last = m_queue.isEmpty() ? fallback : m_queue.dequeue();
    return m_last;
}

void FakeDialogs::record(DialogRecord r)
{
    records.append(r);
    if (onDialog)
        onDialog(r);
}

void FakeDialogs::later(QObject *parent, std::function<void()> answer)
{
    ++*m_unanswered;
    QTimer::singleShot(0, QCoreApplication::instance(),
                       [alive = std::weak_ptr<int>(m_unanswered), asker = QPointer<QObject>(parent),
                        hadAsker = parent != nullptr, answer = std::move(answer)] {
                           const std::shared_ptr<int> count = alive.lock();
                           if (!count)
                               return; // the fakes are gone
                           if (!hadAsker || asker)
                               answer();
                           --*count;
                       });
}

void FakeDialogs::ask(QObject *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                      std::function<void(MsgAnswer)> answered, const QString &title)
{
    DialogRecord r;
    r.kind = DialogRecord::Message;
    r.text = text;
    r.title = title;
    r.buttons = buttons;
    r.icon = icon;
    record(r);
    // Unanswered: the default button, as Enter would.
    MsgAnswer a = buttons == MsgButtons::YesNoDefaultNo ? MsgAnswer::No
                  : buttons == MsgButtons::YesNo        ? MsgAnswer::Yes
                                                        : MsgAnswer::Ok;
    if (!messageAnswers.isEmpty())
        a = messageAnswers.dequeue();
    later(parent, [a, answered = std::move(answered)] { answered(a); });
}

void FakeDialogs::input(QObject *parent, const QString &prompt, const QString &title, const QString &defaultText,
                        InputAnswered answered)
{
    DialogRecord r;
    r.kind = DialogRecord::Input;
    r.text = prompt;
    r.title = title;
    r.defaultText = defaultText;
    record(r);
    const QString a = inputAnswers.isEmpty() ? defaultText : inputAnswers.dequeue();
    later(parent, [a, answered = std::move(answered)] { answered(!a.isNull(), a.isNull() ? QString() : a); });
}

void FakeDialogs::openFile(QObject *parent, const QString &caption, const QString &, const QString &, FileChosen chosen)
{
    DialogRecord r;
    r.kind = DialogRecord::OpenFile;
    r.text = caption;
    record(r);
    const QString a = fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    later(parent, [a, chosen = std::move(chosen)] { chosen(a); });
}

void FakeDialogs::saveFile(QObject *parent, const QString &caption, const QString &suggestedPath, const QString &,
                           FileChosen chosen)
{
    DialogRecord r;
    r.kind = DialogRecord::SaveFile;
    r.text = caption;
    r.defaultText = suggestedPath;
    record(r);
    const QString a = fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    later(parent, [a, chosen = std::move(chosen)] { chosen(a); });
}

int FakeDialogs::count(DialogRecord::Kind kind) const
{
    int n = 0;
    for (const DialogRecord &r : records)
        n += r.kind == kind ? 1 : 0;
    return n;
}

struct FakeNetwork::Pending {
    QPointer<QObject> context;
    qint64 maxBytes = 0;
    Done done;
    bool answered = false;
};

HttpReply FakeNetwork::next(qint64 maxBytes)
{
    HttpReply r;
    if (replies.isEmpty()) {
        r.error = QStringLiteral("offline");
        return r;
    }
    r = replies.dequeue();
    if (r.ok && r.body.size() > maxBytes) {
        r = HttpReply();
        r.tooLarge = true;
        r.error = QStringLiteral("too large");
    }
    return r;
}

void FakeNetwork::get(const QUrl &url, int timeoutMs, qint64 maxBytes, QObject *context, Done done)
{
    requests.append(url);
    timeouts.append(timeoutMs);
    auto p = std::make_shared<Pending>();
    p->context = context;
    p->maxBytes = maxBytes;
    p->done = std::move(done);
    auto answer = [p](const HttpReply &r) {
        if (p->answered || !p->context)
            return;
        p->answered = true;
        p->done(r);
    };
    if (hold) {
        m_pending.append(p);
        QTimer::singleShot(timeoutMs, context, [answer] {
            HttpReply r;
            r.error = QStringLiteral("timeout");
            answer(r);
        });
        return;
    }
    const HttpReply r = next(maxBytes);
    QTimer::singleShot(delayMs, context, [answer, r] { answer(r); });
}

void FakeNetwork::release()
{
    const auto pending = std::exchange(m_pending, {});
    for (const auto &p : pending) {
        if (p->answered || !p->context)
            continue;
        const HttpReply r = next(p->maxBytes);
        p->answered = true;
        QTimer::singleShot(0, p->context, [p, r] { p->done(r); });
    }
}

int FakeNetwork::held() const
{
    int n = 0;
    for (const auto &p : m_pending)
        n += (!p->answered && p->context) ? 1 : 0;
    return n;
}

int FailingFileStore::beforeReplace(const QString &target)
{
    return failRename ? EIO : FileStore::beforeReplace(target);
}

int FailingFileStore::beforeLock(const QString &lockPath)
{
    return failLock ? failLock : FileStore::beforeLock(lockPath);
}

TestServices::TestServices()
    : clock(std::make_shared<FakeClock>()),
      random(std::make_shared<ScriptedRandom>()),
      dialogs(std::make_shared<FakeDialogs>()),
      sound(std::make_shared<FakeSound>()),
      shell(std::make_shared<FakeShell>()),
      process(std::make_shared<FakeProcess>()),
      network(std::make_shared<FakeNetwork>()),
      files(std::make_shared<FileStore>())
{
    services.paths = AppPaths(dir.path());
    services.files = files;
    services.clock = clock;
    services.random = random;
    services.dialogs = dialogs;
    services.sound = sound;
    services.shell = shell;
    services.process = process;
    services.network = network;
    services.timing = Timing::shrunk();
    files->setLockWait(LockWait::TryOnce); // as the program's windows have it
}

void TestServices::writeBytes(const QString &name, const QByteArray &bytes) const
{
    const QString full = path(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

void TestServices::writeLines(const QString &name, const QStringList &lines) const
{
    QString text;
    for (const QString &l : lines)
        text += l + QStringLiteral("\r\n");
    writeBytes(name, cp932::encode(text).bytes);
}

QByteArray TestServices::readBytes(const QString &name) const
{
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QStringList TestServices::readLines(const QString &name) const
{
    return FileStore().readLines(path(name)).lines;
}

QStringList TestServices::strayFiles() const
{
    static const QStringList known{QStringLiteral("txt"), QStringLiteral("jpg"), QStringLiteral("htm")};
    QStringList out;
    QDirIterator it(dir.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (!known.contains(info.suffix()))
            out << QDir(dir.path()).relativeFilePath(info.filePath());
    }
    return out;
}

void TestServices::copyAssets() const
{
    const QString from = qEnvironmentVariable("VORA_APP_DIR");
    if (from.isEmpty())
        return;
    const QDir src(from);
    for (const QString &name : src.entryList({QStringLiteral("*.jpg"), QStringLiteral("*.htm")}, QDir::Files))
        QFile::copy(src.filePath(name), path(name));
}

} // namespace vora::testing
