#include "Fakes.h"
#include "core/toolkit/Cp932.h"
#include "core/toolkit/FileStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace vora;
using vora::testing::FailingFileStore;
using vora::testing::TestServices;

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
    explicit SyncWatch(QString target) : m_target(std::move(target)) { }
    struct Sync {
        bool ofWrittenFile = false; // the descriptor the last bytes were written to
        QByteArray synced; // its content when it was synced
        QByteArray target; // the target's content at that moment
    };
    QList<Sync> syncs;
    int writesAfterLastSync = 0;

protected:
    int writeBytes(int fd, const char *data, qint64 size) override
    {
        m_written = fd;
        ++writesAfterLastSync;
        return FileStore::writeBytes(fd, data, size);
    }
    int syncToDisk(int fd) override
    {
        // Through /proc: the work file may be write-only or have no name yet.
        syncs.append({fd == m_written, bytesOf(QStringLiteral("/proc/self/fd/%1").arg(fd)), bytesOf(m_target)});
        writesAfterLastSync = 0;
        return FileStore::syncToDisk(fd);
    }

private:
    QString m_target;
    int m_written = -1;
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
    FailingFileStore store;
    store.failAfterBytes = 2; // part of the line reaches the file, then the disk "fills up"
    const FileResult r = store.appendLine(t.path(QStringLiteral("x.txt")), QStringLiteral("second line"));
    QVERIFY(!r.ok);
    QVERIFY(!r.message.isEmpty());
    QCOMPARE(t.readBytes(QStringLiteral("x.txt")), QByteArray("one\r\n"));
}

void TestFiles::replaceKeepsOriginalWhenWorkFileCannotBeWritten()
{
    TestServices t;
    t.writeBytes(QStringLiteral("x.txt"), "original\r\n");
    FailingFileStore store;
    store.failOpen = true;
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
    FailingFileStore store;
    store.failAfterBytes = 5;
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
    FailingFileStore store;
    store.failOnOpenNumber = 0; // writes succeed
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
    QCOMPARE(r.ok(), ok);
    QCOMPARE(r.failure, ok ? ReadFailure::None : ReadFailure::TooLarge);
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
    QCOMPARE(store.opens, 0); // not even begun
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

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
