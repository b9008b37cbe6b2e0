#include "FailDevice.h"
#include "Fakes.h"
#include "core/toolkit/Cp932.h"
#include "core/toolkit/FileStore.h"
#include "core/toolkit/Language.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

using namespace vora;
using vora::testing::FailingFileStore;
using vora::testing::failWrite;
using vora::testing::TestServices;

Q_DECLARE_METATYPE(vora::FileError)

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Watches the writes of a store: every sync, what the synced file held at that moment, and
// what the target held then (a rename that came before the sync shows as the new content).
class SyncWatch : public FileStore {
public:
    explicit SyncWatch(QString target) : m_target(std::move(target))
    {
        // The writes are watched through a device in front of the file: a passing FailDevice.
        setWriteDevice([this](QIODevice &file, const QString &, bool) -> std::unique_ptr<QIODevice> {
            ++writesAfterLastSync;
            return std::make_unique<Watch>(file, m_lastWrite);
        });
    }
    struct Sync {
        bool ofWrittenFile = false; // the descriptor holds the last bytes written, at its end
        QByteArray synced; // its content when it was synced
        QByteArray target; // the target's content at that moment
    };
    QList<Sync> syncs;
    int writesAfterLastSync = 0;

protected:
    int syncToDisk(int fd) override
    {
        // Through /proc: the work file may be write-only or have no name yet.
        const QByteArray synced = bytesOf(QStringLiteral("/proc/self/fd/%1").arg(fd));
        syncs.append({writesAfterLastSync > 0 && !m_lastWrite.isEmpty() && synced.endsWith(m_lastWrite), synced,
                      bytesOf(m_target)});
        writesAfterLastSync = 0;
        return FileStore::syncToDisk(fd);
    }

private:
    // Passes every byte on and keeps the last write's.
    class Watch : public vora::testing::FailDevice {
    public:
        Watch(QIODevice &file, QByteArray &last) : FailDevice(std::numeric_limits<qint64>::max(), &file), m_last(last)
        {
        }

    protected:
        qint64 writeData(const char *data, qint64 size) override
        {
            m_last = QByteArray(data, size);
            return FailDevice::writeData(data, size);
        }

    private:
        QByteArray &m_last;
    };

    QString m_target;
    QByteArray m_lastWrite;
};

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void waveDashIsStoredAsTheCodePageTilde();
    void unencodableIsRefusedAndNothingWritten();
    void invalidBytesAreVisibleAsDamage();
    void undecodableBytesAreMarkedExactly_data();
    void undecodableBytesAreMarkedExactly();
    void lineSplitting_data();
    void lineSplitting();
    void columnsCountCharactersNotBytes();
    void appendAddsOneWholeLine();
    void appendRepairsMissingTerminator();
    void appendFailureLeavesFileIntact();
    void replaceKeepsOriginalWhenWorkFileCannotBeWritten();
    void replaceKeepsOriginalInReadOnlyFolder();
    void replaceKeepsOriginalWhenWriteFailsMidway();
    void replaceKeepsOriginalWhenRenameFails();
    void replaceCreatesMissingFile();
    void writesAreOnDiskBeforeTheyCount_data();
    void writesAreOnDiskBeforeTheyCount();
    void directoryInPlaceOfFile();
    void readStopsAtTheBound_data();
    void readStopsAtTheBound();
    void userLinkKeptAndItsTargetWritten();
    void locks_data();
    void locks();
    void noWriteWithoutItsLock_data();
    void noWriteWithoutItsLock();
    void conditionalAppendJudgesTheFileUnderItsLock();
    void failuresSayWhatAndWhere_data();
    void failuresSayWhatAndWhere();
};

void TestFiles::roundTrip_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("memo line") << QStringList{QStringLiteral("実験条件=静かな部屋") + QChar(1) + QChar(1)
                                              + QStringLiteral("夜")};
    QTest::newRow("fullwidth tilde") << QStringList{QStringLiteral("10～20")};
    QTest::newRow("half-width katakana") << QStringList{QStringLiteral("ﾀｰｹﾞｯﾄの1の回数")};
    QTest::newRow("NEC special") << QStringList{QStringLiteral("①②③ ㈱")};
    QTest::newRow("several lines") << QStringList{QStringLiteral("a"), QString(), QStringLiteral("　全角空白")};
}

void TestFiles::roundTrip()
{
    QFETCH(QStringList, lines);
    TestServices t;
    FileStore store;
    const QString path = t.path(QStringLiteral("a.txt"));
    QVERIFY(store.replaceAll(path, lines).ok);
    const ReadResult r = store.readLines(path);
    QVERIFY(r.ok);
    QVERIFY(!r.damaged);
    QCOMPARE(r.lines, lines);
    // Every line ends in CR LF on disk.
    const QByteArray raw = t.readBytes(QStringLiteral("a.txt"));
    QCOMPARE(raw.count("\r\n"), lines.size());
    QVERIFY(!raw.contains("\n\n"));
}

void TestFiles::waveDashIsStoredAsTheCodePageTilde()
{
    // Linux input methods type U+301C where Windows has U+FF5E; both are the same glyph.
    TestServices t;
    FileStore store;
    QVERIFY(store.replaceAll(t.path(QStringLiteral("w.txt")), {QStringLiteral("1〜2")}).ok);
    QCOMPARE(t.readBytes(QStringLiteral("w.txt")), QByteArray("1\x81\x60"
                                                              "2\r\n"));
    QCOMPARE(store.readLines(t.path(QStringLiteral("w.txt"))).lines, QStringList{QStringLiteral("1～2")});
}

void TestFiles::unencodableIsRefusedAndNothingWritten()
{
    TestServices t;
    FileStore store;
    const QString path = t.path(QStringLiteral("memo.txt"));
    t.writeLines(QStringLiteral("memo.txt"), {QStringLiteral("元の内容")});
    const QByteArray before = t.readBytes(QStringLiteral("memo.txt"));

    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    FileResult r = store.replaceAll(path, {QStringLiteral("メモ") + emoji});
    QVERIFY(!r.ok);
    QVERIFY(r.message.contains(emoji));
    QCOMPARE(t.readBytes(QStringLiteral("memo.txt")), before);

    r = store.appendLine(path, QStringLiteral("x") + emoji);
    QVERIFY(!r.ok);
    QCOMPARE(t.readBytes(QStringLiteral("memo.txt")), before);
    QCOMPARE(t.strayFiles(), QStringList());

    const cp932::Encoded e = cp932::encode(QStringLiteral("ab") + emoji);
    QVERIFY(!e.ok);
    QCOMPARE(e.badCharacter, emoji);
    QVERIFY(!e.bytes.contains('?'));
}

void TestFiles::invalidBytesAreVisibleAsDamage()
{
    TestServices t;
    t.writeBytes(QStringLiteral("bad.txt"), QByteArray("abc\xFF\x80\r\n\x82\r\n", 9));
    const ReadResult r = FileStore().readLines(t.path(QStringLiteral("bad.txt")));
    QVERIFY(r.ok);
    QVERIFY(r.damaged);
    QCOMPARE(r.lines.size(), 2);
    QVERIFY(r.lines.at(0).startsWith(QStringLiteral("abc")));
    QVERIFY(r.lines.at(0) != QStringLiteral("abc"));
}

void TestFiles::undecodableBytesAreMarkedExactly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text"); // U+FFFD where the damage is
    const QString bad(QChar(0xFFFD));
    QTest::newRow("valid text") << QByteArray("a\x82\xa0\xb1") << QStringLiteral("aあｱ");
    QTest::newRow("DEL is a character, not damage") << QByteArray("a\x7f\xff") << QStringLiteral("a\x1a") + bad;
    QTest::newRow("bytes no character starts with") << QByteArray("\x80"
                                                                  "a\xa0\xfd\xfe\xff")
                                                    << bad + QStringLiteral("a") + bad + bad + bad + bad;
    QTest::newRow("lead byte without its trail") << QByteArray("\x81"
                                                               "9\x81\r\n")
                                                 << bad + QStringLiteral("9") + bad + "\r\n";
    QTest::newRow("unassigned pair") << QByteArray("\x85\x40z") << bad + QStringLiteral("z");
    QTest::newRow("lead byte at the very end") << QByteArray("ab\x81") << QStringLiteral("ab") + bad;
    QTest::newRow("damage between valid characters")
        << QByteArray("\x88\x9f\xff\x88\x9f") << QStringLiteral("亜") + bad + QStringLiteral("亜");
}

void TestFiles::undecodableBytesAreMarkedExactly()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const cp932::Decoded d = cp932::decode(bytes);
    QCOMPARE(d.text, text);
    QCOMPARE(d.damaged, text.contains(QChar(0xFFFD)));
}

void TestFiles::lineSplitting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("no final terminator") << QStringLiteral("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty last line") << QStringLiteral("a\r\n\r\n") << QStringList{"a", ""};
    QTest::newRow("lone lf and cr") << QStringLiteral("a\nb\rc") << QStringList{"a", "b", "c"};
    QTest::newRow("empty") << QString() << QStringList{};
}

void TestFiles::lineSplitting()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLines(text), lines);
}

void TestFiles::columnsCountCharactersNotBytes()
{
    TestServices t;
    FileStore store;
    const QString line = QStringLiteral("実験条件=あいう");
    QVERIFY(store.replaceAll(t.path(QStringLiteral("c.txt")), {line}).ok);
    const QString read = store.readLines(t.path(QStringLiteral("c.txt"))).lines.value(0);
    QCOMPARE(read.left(5), QStringLiteral("実験条件="));
    QCOMPARE(read.size(), 8);
    QCOMPARE(t.readBytes(QStringLiteral("c.txt")).size(), 8 * 2 - 1 + 2); // "=" is one byte, + CR LF
}

void TestFiles::appendAddsOneWholeLine()
{
    TestServices t;
    FileStore store;
    const QString path = t.path(QStringLiteral("data/x.txt"));
    QVERIFY(store.ensureFolder(t.path(QStringLiteral("data"))).ok);
    QVERIFY(store.appendLine(path, QStringLiteral("one")).ok);
    QVERIFY(store.appendLine(path, QStringLiteral("two")).ok);
    QCOMPARE(t.readBytes(QStringLiteral("data/x.txt")), QByteArray("one\r\ntwo\r\n"));
}

void TestFiles::appendRepairsMissingTerminator()
{
    TestServices t;
    t.writeBytes(QStringLiteral("x.txt"), "one");
    QVERIFY(FileStore().appendLine(t.path(QStringLiteral("x.txt")), QStringLiteral("two")).ok);
    QCOMPARE(t.readBytes(QStringLiteral("x.txt")), QByteArray("one\r\ntwo\r\n"));
}

void TestFiles::appendFailureLeavesFileIntact()
{
    TestServices t;
    t.writeBytes(QStringLiteral("x.txt"), "one\r\n");
    FileStore store;
    failWrite(store, 1, 2); // part of the line reaches the file, then the disk "fills up"
    const FileResult r = store.appendLine(t.path(QStringLiteral("x.txt")), QStringLiteral("second line"));
    QVERIFY(!r.ok);
    QVERIFY(!r.message.isEmpty());
    QCOMPARE(t.readBytes(QStringLiteral("x.txt")), QByteArray("one\r\n"));
}

void TestFiles::replaceKeepsOriginalWhenWorkFileCannotBeWritten()
{
    TestServices t;
    t.writeBytes(QStringLiteral("x.txt"), "original\r\n");
    FileStore store;
    failWrite(store, 1, -1);
    const FileResult r = store.replaceAll(t.path(QStringLiteral("x.txt")), {QStringLiteral("new")});
    QVERIFY(!r.ok);
    QCOMPARE(t.readBytes(QStringLiteral("x.txt")), QByteArray("original\r\n"));
}

void TestFiles::replaceKeepsOriginalInReadOnlyFolder()
{
    if (::geteuid() == 0)
        QSKIP("root ignores folder permissions; the failing-device cases cover this path");
    TestServices t;
    t.writeBytes(QStringLiteral("ro/x.txt"), "original\r\n");
    const QString folder = t.path(QStringLiteral("ro"));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const FileResult r = FileStore().replaceAll(folder + QStringLiteral("/x.txt"), {QStringLiteral("new")});
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!r.ok);
    // Its lock cannot be made there either: the write stops at the lock, with the same cause.
    QVERIFY2(r.message.contains(QStringLiteral("理由："))
                 && r.message.endsWith(QStringLiteral("（アクセスする権限がありません）")),
             qPrintable(r.message));
    QCOMPARE(r.message.count(QStringLiteral("理由：")), 1);
    QCOMPARE(t.readBytes(QStringLiteral("ro/x.txt")), QByteArray("original\r\n"));
}

void TestFiles::replaceKeepsOriginalWhenWriteFailsMidway()
{
    TestServices t;
    t.writeBytes(QStringLiteral("x.txt"), "original\r\n");
    FileStore store;
    failWrite(store, 1, 5);
    const QString path = t.path(QStringLiteral("x.txt"));
    const FileResult r = store.replaceAll(path, {QStringLiteral("a much longer new content"), QStringLiteral("x")});
    QVERIFY(!r.ok);
    QVERIFY2(r.message.endsWith(QStringLiteral("理由：ディスクの空き容量が足りません")), qPrintable(r.message));
    QCOMPARE(t.readBytes(QStringLiteral("x.txt")), QByteArray("original\r\n"));
    QCOMPARE(t.strayFiles(), QStringList());
}

void TestFiles::replaceKeepsOriginalWhenRenameFails()
{
    TestServices t;
    t.writeBytes(QStringLiteral("x.txt"), "original\r\n");
    FailingFileStore store; // writes succeed
    store.failRename = true;
    const QString path = t.path(QStringLiteral("x.txt"));
    QVERIFY(!store.replaceAll(path, {QStringLiteral("new")}).ok);
    QCOMPARE(t.readBytes(QStringLiteral("x.txt")), QByteArray("original\r\n"));
}

void TestFiles::replaceCreatesMissingFile()
{
    TestServices t;
    const QString path = t.path(QStringLiteral("new.txt"));
    QVERIFY(FileStore().replaceAll(path, {QStringLiteral("x")}).ok);
    QCOMPARE(t.readBytes(QStringLiteral("new.txt")), QByteArray("x\r\n"));
    QCOMPARE(t.strayFiles(), QStringList());
}

void TestFiles::writesAreOnDiskBeforeTheyCount_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("rewrite"); // the target must keep its old content until the sync
    QTest::newRow("replace lines") << QStringLiteral("replaceAll") << true;
    QTest::newRow("replace bytes") << QStringLiteral("replaceBytes") << true;
    QTest::newRow("edit under the lock") << QStringLiteral("editLines") << true;
    QTest::newRow("copy a picture over") << QStringLiteral("copyOver") << true;
    QTest::newRow("append a run") << QStringLiteral("appendLine") << false;
}

void TestFiles::writesAreOnDiskBeforeTheyCount()
{
    // A rename of a work file that was never synced can leave an empty or partial file after a
    // power cut, although the rename itself is atomic; an append not synced can vanish.
    QFETCH(QString, how);
    QFETCH(bool, rewrite);
    TestServices t;
    const QByteArray old = "old line\r\n";
    t.writeBytes(QStringLiteral("x.txt"), old);
    t.writeBytes(QStringLiteral("picture.jpg"), "new line\r\n");
    const QString path = t.path(QStringLiteral("x.txt"));
    const QByteArray expected = rewrite ? QByteArray("new line\r\n") : old + "new line\r\n";
    SyncWatch store(path);
    FileResult r;
    if (how == QLatin1String("replaceAll"))
        r = store.replaceAll(path, {QStringLiteral("new line")});
    else if (how == QLatin1String("replaceBytes"))
        r = store.replaceBytes(path, "new line\r\n");
    else if (how == QLatin1String("editLines"))
        r = store.editLines(path,
                            [](const ReadResult &) { return FileEdit::replaceWith({QStringLiteral("new line")}); });
    else if (how == QLatin1String("copyOver"))
        r = store.copyOver(t.path(QStringLiteral("picture.jpg")), path);
    else
        r = store.appendLine(path, QStringLiteral("new line"));
    QVERIFY(r.ok);
    QCOMPARE(t.readBytes(QStringLiteral("x.txt")), expected);

    QCOMPARE(store.syncs.size(), 1);
    QCOMPARE(store.writesAfterLastSync, 0);
    const SyncWatch::Sync &sync = store.syncs.first();
    QVERIFY(sync.ofWrittenFile);
    QCOMPARE(sync.synced, expected);
    if (rewrite)
        QCOMPARE(sync.target, old);
}

void TestFiles::directoryInPlaceOfFile()
{
    TestServices t;
    QDir().mkpath(t.path(QStringLiteral("d.txt")));
    FileStore store;
    const ReadResult r = store.readLines(t.path(QStringLiteral("d.txt")));
    QVERIFY(!r.ok);
    QVERIFY(!r.missing);
    QVERIFY(!r.message.isEmpty());
    QVERIFY(!store.appendLine(t.path(QStringLiteral("d.txt")), QStringLiteral("x")).ok);
    QVERIFY(!store.replaceAll(t.path(QStringLiteral("d.txt")), {QStringLiteral("x")}).ok);
    QVERIFY(QFileInfo(t.path(QStringLiteral("d.txt"))).isDir());
}

void TestFiles::readStopsAtTheBound_data()
{
    QTest::addColumn<QString>("path"); // empty: a 100-byte file
    QTest::addColumn<qint64>("bound");
    QTest::addColumn<bool>("ok");
    QTest::newRow("at the bound") << QString() << qint64(100) << true;
    QTest::newRow("one byte over") << QString() << qint64(99) << false;
    // Files under /proc say they are empty; the read itself must stop.
    QTest::newRow("size not told") << QStringLiteral("/proc/self/status") << qint64(10) << false;
}

void TestFiles::readStopsAtTheBound()
{
    QFETCH(QString, path);
    QFETCH(qint64, bound);
    QFETCH(bool, ok);
    TestServices t;
    if (path.isEmpty()) {
        t.writeBytes(QStringLiteral("x.txt"), QByteArray(100, 'x'));
        path = t.path(QStringLiteral("x.txt"));
    } else if (!QFile::exists(path)) {
        QSKIP("no /proc");
    }
    const BytesRead r = FileStore::readBytes(path, bound);
    QCOMPARE(r.ok, ok);
    QCOMPARE(r.code, ok ? FileError::None : FileError::TooLarge);
    QVERIFY(r.bytes.size() <= bound);
    if (ok)
        QCOMPARE(r.bytes, QByteArray(100, 'x'));
}

void TestFiles::userLinkKeptAndItsTargetWritten()
{
    // A data file the user keeps elsewhere and links into the data folder stays linked.
    TestServices t;
    QTemporaryDir elsewhere;
    const QString real = elsewhere.path() + QStringLiteral("/real.txt");
    const QString link = t.path(QStringLiteral("data/x.txt"));
    QVERIFY(QDir().mkpath(t.path(QStringLiteral("data"))));
    QVERIFY(QFile::link(real, link));
    FileStore store;
    QVERIFY(store.appendLine(link, QStringLiteral("one")).ok);
    QVERIFY(store.replaceAll(link, {QStringLiteral("two")}).ok);
    QVERIFY(store.appendLine(link, QStringLiteral("three")).ok);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(store.readLines(real).lines, (QStringList{QStringLiteral("two"), QStringLiteral("three")}));
    QCOMPARE(t.strayFiles(), QStringList());
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("real.txt")});
}

void TestFiles::locks_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<bool>("written");
    QTest::newRow("a process that has ended") << "ended" << true;
    QTest::newRow("a writer that died making it") << "empty" << true;
    QTest::newRow("a live writer") << "live" << false;
}

void TestFiles::locks()
{
    QFETCH(QString, holder);
    QFETCH(bool, written);
    TestServices t;
    t.writeBytes(QStringLiteral("x.txt"), "old\r\n");
    const QString path = t.path(QStringLiteral("x.txt"));
    const QString lockName = FileStore::lockPath(path);
    QCOMPARE(lockName, path + QStringLiteral(".lock"));
    QLockFile live(lockName);
    if (holder == QLatin1String("live")) {
        QVERIFY(live.tryLock(0)); // this process stands for another copy of the program
    } else {
        qint64 pid = 0;
        if (holder == QLatin1String("ended")) {
            QProcess gone;
            gone.start(QStringLiteral("true"), QStringList());
            QVERIFY(gone.waitForFinished(10000));
            pid = gone.processId() ? gone.processId() : 999999;
        }
        QFile f(lockName);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (pid)
            f.write(QByteArray::number(pid) + "\nVORAjikken\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime));
    }
    FileStore store;
    const FileResult r = store.replaceAll(path, {QStringLiteral("new")});
    QCOMPARE(r.ok, written);
    if (written)
        QVERIFY(store.appendLine(path, QStringLiteral("more")).ok);
    QCOMPARE(t.readBytes(QStringLiteral("x.txt")), written ? QByteArray("new\r\nmore\r\n") : QByteArray("old\r\n"));
    if (written)
        QVERIFY(!QFile::exists(lockName));
    else
        QVERIFY2(r.message.contains(QStringLiteral("別のVORA")), qPrintable(r.message));
}

void TestFiles::noWriteWithoutItsLock_data()
{
    QTest::addColumn<QString>("write");
    QTest::addColumn<QString>(
        "why"); // "full": no room for the lock file; "readonly": a folder without write permission
    QTest::addColumn<QString>("cause");
    for (const char *write : {"append", "replace", "edit"})
        QTest::addRow("%s, disk full", write) << write << "full" << QStringLiteral("ディスクの空き容量が足りません");
    QTest::newRow("append, read-only folder") << "append"
                                              << "readonly" << QStringLiteral("アクセスする権限がありません");
}

void TestFiles::noWriteWithoutItsLock()
{
    QFETCH(QString, write);
    QFETCH(QString, why);
    QFETCH(QString, cause);
    TestServices t;
    t.writeBytes(QStringLiteral("d/x.txt"), "old\r\n");
    const QString folder = t.path(QStringLiteral("d"));
    const QString path = folder + QStringLiteral("/x.txt");
    FailingFileStore store;
    int writes = 0;
    store.setWriteDevice([&writes](QIODevice &, const QString &, bool) -> std::unique_ptr<QIODevice> {
        ++writes;
        return nullptr;
    });
    if (why == QLatin1String("full")) {
        store.failLock = ENOSPC;
    } else {
        if (::geteuid() == 0)
            QSKIP("root writes in read-only folders");
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    }
    FileResult r;
    if (write == QLatin1String("append"))
        r = store.appendLine(path, QStringLiteral("more"));
    else if (write == QLatin1String("replace"))
        r = store.replaceAll(path, {QStringLiteral("new")});
    else
        r = store.editLines(path, [](const ReadResult &) { return FileEdit::replaceWith({QStringLiteral("new")}); });
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!r.ok);
    QVERIFY2(r.message.contains(QStringLiteral("ロック用のファイル")) && r.message.contains(cause),
             qPrintable(r.message));
    QCOMPARE(t.readBytes(QStringLiteral("d/x.txt")), QByteArray("old\r\n"));
    QCOMPARE(writes, 0); // not even begun
}

void TestFiles::conditionalAppendJudgesTheFileUnderItsLock()
{
    TestServices t;
    t.writeBytes(QStringLiteral("x.txt"), "one\r\n");
    const QString path = t.path(QStringLiteral("x.txt"));
    FileStore store;
    QStringList seen;
    auto atMostTwo = [&](const ReadResult &now) {
        seen = now.lines;
        // The lock is held while the file is judged.
        QLockFile other(FileStore::lockPath(path));
        if (other.tryLock(0))
            return FileResult::failure(QStringLiteral("not locked"));
        return now.lines.size() < 2 ? FileResult{} : FileResult::failure(QStringLiteral("full"));
    };
    QVERIFY(store.appendLineIf(path, QStringLiteral("two"), atMostTwo).ok);
    QCOMPARE(seen, QStringList{QStringLiteral("one")});
    const FileResult r = store.appendLineIf(path, QStringLiteral("three"), atMostTwo);
    QCOMPARE(r.message, QStringLiteral("full"));
    QCOMPARE(t.readBytes(QStringLiteral("x.txt")), QByteArray("one\r\ntwo\r\n"));
}

void TestFiles::failuresSayWhatAndWhere_data()
{
    // What goes wrong, the code the file layer gives it, and the texts the one table makes of
    // it: the user's message in full, and vora-data's cause. "FILE" stands for the file's path.
    QTest::addColumn<QString>("what");
    QTest::addColumn<FileError>("code");
    QTest::addColumn<QString>("japanese");
    QTest::addColumn<QString>("english");
    const QString notWritten = QStringLiteral("ファイル「FILE」に書き込めませんでした。\r\n理由：");
    auto row = [](const char *what, FileError code, const QString &ja, const char *en) {
        QTest::newRow(what) << QString::fromLatin1(what) << code << ja << QString::fromUtf8(en);
    };
    row("read, missing", FileError::Missing, QStringLiteral("ファイル「FILE」が見つかりません。"), "no such file");
    row("read, a folder", FileError::Folder, QStringLiteral("「FILE」はファイルではなくフォルダです。"),
        "is a directory");
    row("read, a pipe", FileError::NotRegular,
        QStringLiteral("「FILE」は通常のファイルではありません（パイプや装置など）。"),
        "is not a regular file (a pipe, device or socket)");
    row("read, too large", FileError::TooLarge,
        QStringLiteral("ファイル「FILE」は大きすぎるため読み込みませんでした（16 MBを超えています）。"),
        "file too large (over 16 MiB)");
    row("read, no permission", FileError::Unreadable,
        QStringLiteral("ファイル「FILE」を読めませんでした。\r\n理由：アクセスする権限がありません"),
        "cannot read: Permission denied");
    row("picture too large", FileError::PictureTooLarge,
        QStringLiteral("ファイル「FILE」は大きすぎるため使えません（64 MBを超えています）。"),
        "file too large (over 64 MiB)");
    row("append, disk full", FileError::NotWritten, notWritten + QStringLiteral("ディスクの空き容量が足りません"),
        "No space left on device");
    row("rewrite, quota", FileError::NotWritten,
        notWritten + QStringLiteral("ディスクの使用量の上限（クォータ）に達しています"), "Disk quota exceeded");
    row("append, a folder there", FileError::FolderInPlace, notWritten + QStringLiteral("同じ名前のフォルダがあります"),
        "a directory stands in its place");
    row("rewrite, a pipe there", FileError::OtherInPlace,
        notWritten + QStringLiteral("同じ名前で、通常のファイルではないもの（パイプや装置など）があります"),
        "something that is not a regular file stands in its place");
    row("lock, a folder", FileError::LockNotRegular,
        notWritten + QStringLiteral("ロック用のファイル「FILE.lock」が通常のファイルではありません"),
        "its lock file FILE.lock is not a regular file");
    row("lock, disk full", FileError::LockNotMade,
        notWritten
            + QStringLiteral("ロック用のファイル「FILE.lock」を作れませんでした（ディスクの空き容量が足りません）"),
        "cannot make its lock file FILE.lock (No space left on device)");
    row("folder, a file there", FileError::FileInPlaceOfFolder,
        QStringLiteral("フォルダ「FILE」を作れませんでした。\r\n理由：同じ名前のファイルがあります"),
        "cannot make the directory: a file stands in its place");
    row("text, a character off the code page", FileError::Unencodable,
        QStringLiteral("保存できない文字が含まれています（「\u2603」）。\r\n"
                       "この文字を別の文字に置き換えてから、もう一度保存してください。"),
        "holds a character the Windows Japanese code page cannot store (\u2603)");
}

void TestFiles::failuresSayWhatAndWhere()
{
    QFETCH(QString, what);
    QFETCH(FileError, code);
    QFETCH(QString, japanese);
    QFETCH(QString, english);
    TestServices t;
    const QString path = t.path(QStringLiteral("x.txt"));
    auto fifo = [&path] { QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0); };
    FailingFileStore store;
    FileResult r;
    if (what == QLatin1String("read, missing")) {
        r = FileStore::readBytes(path);
    } else if (what == QLatin1String("read, a folder")) {
        QVERIFY(QDir().mkpath(path));
        r = store.readLines(path);
    } else if (what == QLatin1String("read, a pipe")) {
        fifo();
        r = FileStore::readBytes(path);
    } else if (what == QLatin1String("read, too large")) {
        t.writeBytes(QStringLiteral("x.txt"), "four");
        r = FileStore::readBytes(path, 3);
    } else if (what == QLatin1String("read, no permission")) {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        t.writeBytes(QStringLiteral("x.txt"), "x");
        QFile::setPermissions(path, QFile::WriteOwner);
        r = store.readLines(path);
    } else if (what == QLatin1String("picture too large")) {
        QFile big(path);
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(kMaxPictureBytes + 1)); // sparse
        big.close();
        r = store.copyOver(path, t.path(QStringLiteral("copy.jpg")));
    } else if (what == QLatin1String("append, disk full")) {
        failWrite(store, 1, 0);
        r = store.appendLine(path, QStringLiteral("x"));
    } else if (what == QLatin1String("rewrite, quota")) {
        store.setWriteDevice([](QIODevice &file, const QString &, bool) -> std::unique_ptr<QIODevice> {
            return std::make_unique<vora::testing::FailDevice>(2, &file, EDQUOT);
        });
        r = store.replaceAll(path, {QStringLiteral("new")});
    } else if (what == QLatin1String("append, a folder there")) {
        QVERIFY(QDir().mkpath(path));
        r = store.appendLine(path, QStringLiteral("x"));
    } else if (what == QLatin1String("rewrite, a pipe there")) {
        fifo();
        r = store.replaceAll(path, {QStringLiteral("x")});
    } else if (what == QLatin1String("lock, a folder")) {
        QVERIFY(QDir().mkpath(path + QStringLiteral(".lock")));
        r = store.appendLine(path, QStringLiteral("x"));
    } else if (what == QLatin1String("lock, disk full")) {
        store.failLock = ENOSPC;
        r = store.replaceAll(path, {QStringLiteral("x")});
    } else if (what == QLatin1String("folder, a file there")) {
        t.writeBytes(QStringLiteral("x.txt"), "x");
        r = store.ensureFolder(path);
    } else if (what == QLatin1String("text, a character off the code page")) {
        r = store.appendLine(path, QStringLiteral("雪\u2603"));
    }
    QVERIFY(!r.ok);
    QCOMPARE(r.code, code);
    QCOMPARE(r.message, QString(japanese).replace(QStringLiteral("FILE"), path));
    QCOMPARE(r.text(Audience::User), r.message);
    // vora-data's cause as it prints it in English.
    const language::Scope inEnglish(QStringLiteral("en"));
    QCOMPARE(language::current(), QStringLiteral("en"));
    QCOMPARE(r.text(Audience::Tool), QString(english).replace(QStringLiteral("FILE"), path));
}

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
