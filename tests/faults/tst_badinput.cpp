// Input the program must survive: huge lines, bytes the code page does not know, NUL bytes,
// folders, pipes, devices, oversized and unreadable files where files belong, too many runs,
// names that try to leave the data folder, folders that cannot be written, missing pictures,
// help page and network.
#include "Fakes.h"
#include "StoredRuns.h"
#include "core/mainwindow/UpdatePage.h"
#include "core/registry/DataFile.h"
#include "core/registry/NameList.h"
#include "core/registry/RunRecord.h"
#include "core/results/ChartModel.h"
#include "core/results/RunLoader.h"
#include "core/results/Summary.h"
#include "core/toolkit/Cp932.h"
#include "core/toolkit/HelpPage.h"
#include "ui/mainwindow/BackgroundPictures.h"
#include "ui/mainwindow/ResultsEntry.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/startup/Module1.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace vora;
using vora::testing::DialogRecord;
using vora::testing::TestServices;

namespace {

constexpr int kMegabyte = 1 << 20;

QString runLine(const QString &name = QStringLiteral("Yama"), int shift = 0, const QString &memo = QString())
{
    return vora::testing::storedLine(
        {name, QStringLiteral("2009/04/25"), QStringLiteral("14:30"), QStringLiteral("S"), QStringLiteral("D"), 40,
         memo},
        [shift](int t) { return (t + shift) % 3 == 0; }, [shift](int t) { return (t * 7 + shift) % 5 < 3; });
}

QByteArray crlf(const QList<QByteArray> &lines)
{
    return lines.join("\r\n") + "\r\n";
}

// A path that exists and opens, yet every read of it fails, even for root: reading
// /proc/self/mem at offset 0 gives EIO. Permission bits would not stop root.
bool makeUnreadable(const QString &path)
{
    return QFile::exists(QStringLiteral("/proc/self/mem")) && QFile::link(QStringLiteral("/proc/self/mem"), path);
}

QStringList filesUnder(const QString &folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(folder).relativeFilePath(it.next());
    out.sort();
    return out;
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void megabyteLines();
    void megabyteLinesInListAndSelectionFiles();
    void invalidCodePageBytes_data();
    void invalidCodePageBytes();
    void nulBytes();
    void folderWhereAFileBelongs();
    void specialFilesWhereFilesBelong_data();
    void specialFilesWhereFilesBelong();
    void unreadableFiles();
    void unreadableByPermissions();
    void hundredAndOneRuns();
    void namesThatLeaveTheDataFolder_data();
    void namesThatLeaveTheDataFolder();
    void unwritableProgramFolder();
    void readOnlyProgramFolder();
    void updatePageGarbage();
    void loneSurrogates_data();
    void loneSurrogates();
    void missingPicturesHelpAndNetwork();
};

void TestBadInput::megabyteLines()
{
    TestServices t;
    const QString big(kMegabyte, QChar(0x3042)); // "あ" x 1M: 2 MB in the file
    const QString path = t.path(QStringLiteral("data/Yama-1.txt"));
    // A memo line and a run memo of a megabyte each: legal, read in full, the check passes.
    t.writeLines(
        QStringLiteral("data/Yama-1.txt"),
        {conditionMemoPrefix() + big, runLine(QStringLiteral("Yama"), 0, big), runLine(QStringLiteral("Yama"), 1)});
    DataFileContents c = loadDataFile(*t.files, path);
    QVERIFY(c.passed());
    QCOMPARE(c.runCount(), 2);
    QCOMPARE(c.conditionMemo.size(), kMegabyte);
    const RunSet runs = loadRuns(*t.files, path, 0);
    QCOMPARE(runs.runsRead, 2);
    QCOMPARE(runs.run(1)->memo.size(), kMegabyte);
    // A memo save over it keeps the megabyte run memo byte for byte.
    QVERIFY(saveConditionMemo(*t.files, t.services.paths, path, QStringLiteral("短い")).ok);
    c = loadDataFile(*t.files, path);
    QVERIFY(c.passed());
    QCOMPARE(c.conditionMemo, QStringLiteral("短い"));
    QCOMPARE(c.runLines.at(0), runLine(QStringLiteral("Yama"), 0, big));

    // A megabyte of digits as a run line: the check refuses it, at run 2.
    t.writeLines(QStringLiteral("data/Yama-1.txt"), {runLine(), QString(kMegabyte, QLatin1Char('1'))});
    c = loadDataFile(*t.files, path);
    QVERIFY(!c.passed());
    QCOMPARE(c.firstBadRun, 2);
    QCOMPARE(countRuns(*t.files, path).runs, 2);
}

void TestBadInput::megabyteLinesInListAndSelectionFiles()
{
    TestServices t;
    // The ten name columns hold a valid name, the rest is a megabyte long; then a normal item.
    t.writeLines(QStringLiteral("Combo1.txt"),
                 {QStringLiteral("Yama      -SD") + QString(kMegabyte, QLatin1Char('7')),
                  QString(kMegabyte, QLatin1Char('.')), QString(kMegabyte, QLatin1Char('x')),
                  QStringLiteral("Ito       -n-3")});
    const NameListRead read = readNameListFile(*t.files, t.services.paths, 1);
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    // The dots are no name and the "x" line has no codes: both stay out of the list, kept whole.
    QCOMPARE(read.items.size(), 2);
    QVERIFY(read.items.at(0).startsWith(QLatin1String("Yama      -SD7777")));
    QCOMPARE(read.items.at(1), QStringLiteral("Ito       -n-3"));
    QCOMPARE(read.kept.size(), 2);
    QCOMPARE(read.kept.at(1).bytes.size(), kMegabyte);
    QVERIFY(unusableLinesMessage(1, read.unusable).size() < 400); // the report shows only the start

    t.writeLines(selectionFileName(), {QString(kMegabyte, QLatin1Char('A')), QStringLiteral("Ito        n-")});
    const SelectionRead sel = readSelectionFile(*t.files, t.services.paths);
    QVERIFY(sel.opened);
    QVERIFY(sel.boxes.at(0).name.isEmpty());
    QCOMPARE(sel.boxes.at(1).name, QStringLiteral("Ito"));
}

void TestBadInput::invalidCodePageBytes_data()
{
    QTest::addColumn<int>("offset"); // byte offset in the run line where 0xFF 0xFF goes
    QTest::addColumn<bool>("passes");
    QTest::newRow("in the name columns") << 3 << false;
    QTest::newRow("in the targets") << 80 << false;
    QTest::newRow("in the inputs") << 200 << false;
    QTest::newRow("in the run memo") << 265 << true;
}

void TestBadInput::invalidCodePageBytes()
{
    QFETCH(int, offset);
    QFETCH(bool, passes);
    TestServices t;
    QByteArray line = runLine(QStringLiteral("Yama"), 0, QStringLiteral("memo text")).toLatin1();
    // Replace two bytes, so the line keeps its length in bytes.
    line[offset] = '\xFF';
    line[offset + 1] = '\x80';
    t.writeBytes(QStringLiteral("data/Yama-1.txt"), crlf({line, runLine(QStringLiteral("Yama"), 2).toLatin1()}));
    const QString path = t.path(QStringLiteral("data/Yama-1.txt"));
    const DataFileContents c = loadDataFile(*t.files, path);
    QVERIFY(c.readOk);
    QCOMPARE(c.runCount(), 2);
    QCOMPARE(c.passed(), passes);
    if (!passes)
        QCOMPARE(c.firstBadRun, 1);
    const RunSet runs = loadRuns(*t.files, path, 0);
    QCOMPARE(runs.runsRead, 2);

    // In a list file such bytes are no name: the line is skipped, the others stay.
    t.writeBytes(QStringLiteral("Combo2.txt"),
                 crlf({QByteArray("Ya\xFF\x80ma    -SD1"), QByteArray("\x82\xA0\x82\xA2      -SD1"),
                       QByteArray("Ito       -SD4")}));
    const NameListRead read = readNameListFile(*t.files, t.services.paths, 2);
    QCOMPARE(read.items, QStringList{QStringLiteral("Ito       -SD4")});
}

void TestBadInput::nulBytes()
{
    TestServices t;
    QByteArray line = runLine().toLatin1();
    line[100] = '\0'; // a target digit
    QByteArray memoLine = runLine(QStringLiteral("Yama"), 1, QStringLiteral("ab")).toLatin1();
    memoLine[memoLine.size() - 1] = '\0'; // inside the run memo
    t.writeBytes(QStringLiteral("data/Yama-1.txt"), crlf({memoLine, line}));
    const DataFileContents c = loadDataFile(*t.files, t.path(QStringLiteral("data/Yama-1.txt")));
    QVERIFY(c.readOk);
    QCOMPARE(c.runCount(), 2); // a NUL ends no line
    QCOMPARE(c.firstBadRun, 2);

    t.writeBytes(QStringLiteral("Combo1.txt"), crlf({QByteArray("Ya\0ma     -SD1", 14), QByteArray("Ito       -SD2")}));
    QCOMPARE(readNameListFile(*t.files, t.services.paths, 1).items, QStringList{QStringLiteral("Ito       -SD2")});
    t.writeBytes(selectionFileName(), crlf({QByteArray("Ya\0ma      SD", 13), QByteArray("Ito        SD")}));
    const SelectionRead sel = readSelectionFile(*t.files, t.services.paths);
    QVERIFY(sel.boxes.at(0).name.isEmpty());
    QCOMPARE(sel.boxes.at(1).name, QStringLiteral("Ito"));
}

void TestBadInput::folderWhereAFileBelongs()
{
    TestServices t;
    for (const QString &name : {QStringLiteral("data/Yama-1.txt"), QStringLiteral("Combo1.txt"), selectionFileName()})
        QVERIFY(QDir().mkpath(t.path(name)));
    const QString data = t.path(QStringLiteral("data/Yama-1.txt"));

    const DataFileContents c = loadDataFile(*t.files, data);
    QVERIFY(!c.readOk);
    QVERIFY(!c.read.message.isEmpty());
    QVERIFY(!c.passed());
    QCOMPARE(countRuns(*t.files, data).runs, 0);
    const RunSet runs = loadRuns(*t.files, data, 0);
    QVERIFY(!runs.readOk);
    QCOMPARE(runs.runsRead, 0);

    QVERIFY(!readNameListFile(*t.files, t.services.paths, 1).error.isEmpty());
    QVERIFY(!readSelectionFile(*t.files, t.services.paths).opened);
    // Writes refuse and leave the folders alone.
    QVERIFY(!writeNameListFile(*t.files, t.services.paths, 1, {QStringLiteral("Yama      -SD")}).ok);
    QVERIFY(!writeSelectionFile(*t.files, t.services.paths, {}).ok);
    QVERIFY(!appendRunLine(*t.files, t.services.paths, data, runLine()).ok);
    for (const QString &name : {QStringLiteral("data/Yama-1.txt"), QStringLiteral("Combo1.txt"), selectionFileName()})
        QVERIFY(QFileInfo(t.path(name)).isDir());
}

void TestBadInput::specialFilesWhereFilesBelong_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "fifo";
    QTest::newRow("device") << "device";
    QTest::newRow("file over the size bound") << "huge";
}

void TestBadInput::specialFilesWhereFilesBelong()
{
    // Opening a pipe for reading waits for a writer, a device never ends: neither may hang the
    // program, nor a file too large for any real one. Each is refused as a folder would be.
    QFETCH(QString, kind);
    TestServices t;
    t.writeLines(selectionFileName(), {QStringLiteral("Yama       SD")});
    const QStringList planted{QStringLiteral("data/Yama-1.txt"), QStringLiteral("Combo1.txt"),
                              QStringLiteral("update-site.txt"), QStringLiteral("new-sub2.htm"),
                              QStringLiteral("yama1.jpg"),       QStringLiteral("yama3s.jpg")};
    const auto plant = [&](const QString &name) {
        const QString path = t.path(name);
        if (kind == QLatin1String("fifo"))
            return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
        if (kind == QLatin1String("device"))
            return QFile::link(QStringLiteral("/dev/zero"), path);
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.resize(kMaxTextFileBytes + 1); // sparse
    };
    QVERIFY(QDir().mkpath(t.services.paths.dataFolder()));
    for (const QString &name : planted)
        QVERIFY(plant(name));
    const QString data = t.path(QStringLiteral("data/Yama-1.txt"));
    const DataFileContents c = loadDataFile(*t.files, data);
    QVERIFY(!c.readOk);
    QVERIFY(!c.missing);
    QVERIFY(c.read.message.contains(kind == QLatin1String("huge") ? QStringLiteral("大きすぎる")
                                                                  : QStringLiteral("通常のファイルではありません")));
    QCOMPARE(countRuns(*t.files, data).runs, 0);
    QVERIFY(!loadRuns(*t.files, data, 0).readOk);
    QVERIFY(!readNameListFile(*t.files, t.services.paths, 1).error.isEmpty());

    // A memo save never replaces what it could not read; appends and rewrites leave a pipe
    // or device where it is.
    QVERIFY(!saveConditionMemo(*t.files, t.services.paths, data, QStringLiteral("m")).ok);
    QVERIFY(!rewriteRunMemo(*t.files, t.services.paths, data, 1, QStringLiteral("m")).ok);
    if (kind != QLatin1String("huge")) {
        QVERIFY(!appendRunLine(*t.files, t.services.paths, data, runLine()).ok);
        QVERIFY(!writeNameListFile(*t.files, t.services.paths, 1, {QStringLiteral("Yama      -SD")}).ok);
        for (const QString &name : planted) {
            const QFileInfo info(t.path(name));
            QVERIFY2(kind == QLatin1String("fifo") ? !info.isFile() && info.exists() : info.isSymLink(),
                     qPrintable(name));
        }
    }
    QCOMPARE(t.strayFiles(), QStringList());

    // The main window loads with every one of them in place.
    Module1 module(t.services);
    module.setExperimentWindowFactory([](Module1 &) { return new QWidget(); });
    auto window = std::make_unique<frmMain>(module);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(window->isVisible());

    QVERIFY(QFile::remove(t.path(selectionFileName())));
    QVERIFY(plant(selectionFileName()));
    QVERIFY(!readSelectionFile(*t.files, t.services.paths).opened);
}

void TestBadInput::unreadableFiles()
{
    TestServices t;
    QVERIFY(QDir().mkpath(t.services.paths.dataFolder()));
    const QString data = t.path(QStringLiteral("data/Yama-1.txt"));
    if (!makeUnreadable(data) || !makeUnreadable(t.path(QStringLiteral("Combo1.txt")))
        || !makeUnreadable(t.path(selectionFileName())))
        QSKIP("no /proc/self/mem to stand for an unreadable file");

    const ReadResult raw = t.files->readLines(data);
    QVERIFY(!raw.ok);
    QVERIFY(!raw.missing);
    QVERIFY(!raw.message.isEmpty());
    const DataFileContents c = loadDataFile(*t.files, data);
    QVERIFY(!c.readOk);
    QVERIFY(!loadRuns(*t.files, data, 0).readOk);
    QVERIFY(!readNameListFile(*t.files, t.services.paths, 1).error.isEmpty());
    QVERIFY(!readSelectionFile(*t.files, t.services.paths).opened);

    // Rewrites of a file that cannot be read never replace it.
    QVERIFY(!saveConditionMemo(*t.files, t.services.paths, data, QStringLiteral("m")).ok);
    QVERIFY(!rewriteRunMemo(*t.files, t.services.paths, data, 1, QStringLiteral("m")).ok);
    QCOMPARE(QFileInfo(data).symLinkTarget(), QStringLiteral("/proc/self/mem"));
    QCOMPARE(t.strayFiles(), QStringList());
}

void TestBadInput::unreadableByPermissions()
{
    if (::geteuid() == 0)
        QSKIP("running as root, which reads files whatever their permission bits; unreadableFiles covers this");
    TestServices t;
    t.writeLines(QStringLiteral("data/Yama-1.txt"), {runLine()});
    const QString data = t.path(QStringLiteral("data/Yama-1.txt"));
    QVERIFY(QFile::setPermissions(data, QFileDevice::Permissions()));
    const DataFileContents c = loadDataFile(*t.files, data);
    QVERIFY(!c.readOk);
    QVERIFY(!saveConditionMemo(*t.files, t.services.paths, data, QStringLiteral("m")).ok);
    QVERIFY(QFile::setPermissions(data, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(loadDataFile(*t.files, data).runLines, QStringList{runLine()});
}

void TestBadInput::hundredAndOneRuns()
{
    TestServices t;
    QStringList lines;
    for (int n = 0; n < 101; ++n)
        lines << runLine(QStringLiteral("Yama"), n);
    t.writeLines(QStringLiteral("data/Yama-1.txt"), lines);
    const QString path = t.path(QStringLiteral("data/Yama-1.txt"));
    const DataFileContents c = loadDataFile(*t.files, path);
    QVERIFY(!c.passed()); // an experiment holds 100 runs
    QCOMPARE(c.firstBadRun, 101);
    QCOMPARE(c.runCount(), 101);
    QCOMPARE(countRuns(*t.files, path).runs, 101);
    const RunSet runs = loadRuns(*t.files, path, 0);
    QCOMPARE(runs.runsRead, 101);
    QVERIFY(summaryLine(runs).contains(QStringLiteral("ラン数=101")));
    // The overview has dot buttons Command3(1..100) only; the 101st run must not add one.
    const ChartModel overview = overviewChart(runs.runs);
    QVERIFY(!overview.dots.isEmpty());
    QVERIFY(overview.dots.size() <= 100);
    for (const HitDot &dot : overview.dots)
        QVERIFY2(dot.run >= 1 && dot.run <= 100, qPrintable(QString::number(dot.run)));
    // Should such a file be read all the same, browsing run 101 and the charts of all runs
    // work on what was read.
    QCOMPARE(loadRuns(*t.files, path, 101).runsRead, 101);
    QCOMPARE(perTrialCounts(runs).size(), 100);
    QVERIFY(!lowerChart(runs, true, 0).items.isEmpty());
}

void TestBadInput::namesThatLeaveTheDataFolder_data()
{
    QTest::addColumn<QByteArray>("nameColumns"); // columns 1-10 of the list line
    QTest::newRow("dot dot") << QByteArray("..        ");
    QTest::newRow("dot dot slash") << QByteArray("../Outside");
    QTest::newRow("slash") << QByteArray("data/Yama ");
    QTest::newRow("absolute") << QByteArray("/tmp/x    ");
    QTest::newRow("inner space") << QByteArray("Ya ma     ");
    QTest::newRow("leading space") << QByteArray(" Outside  ");
    QTest::newRow("backslash") << QByteArray("..\\Outside");
}

void TestBadInput::namesThatLeaveTheDataFolder()
{
    QFETCH(QByteArray, nameColumns);
    TestServices t;
    // Files a crafted name could reach: the program folder and the folder above it.
    t.writeLines(QStringLiteral("Outside-0.txt"), {runLine(QStringLiteral("Outside"))});
    t.writeLines(QStringLiteral("data/Yama-0.txt"), {runLine(QStringLiteral("Yama"))});
    // The earlier list format converts the no-stimulus file of the name: the crafted name
    // must be neither listed nor used in a path.
    t.writeBytes(QStringLiteral("Combo1.txt"),
                 crlf({nameColumns + "-SD2,3", nameColumns + "-SD4", QByteArray("Ito       -SD5")}));
    const QStringList before = filesUnder(t.dir.path());
    const QByteArray outside = t.readBytes(QStringLiteral("Outside-0.txt"));
    const QByteArray yama = t.readBytes(QStringLiteral("data/Yama-0.txt"));

    const NameListRead read = readNameListFile(*t.files, t.services.paths, 1);
    QCOMPARE(read.items, QStringList{QStringLiteral("Ito       -SD5")});
    QCOMPARE(filesUnder(t.dir.path()), before);
    QCOMPARE(t.readBytes(QStringLiteral("Outside-0.txt")), outside);
    QCOMPARE(t.readBytes(QStringLiteral("data/Yama-0.txt")), yama);

    t.writeBytes(selectionFileName(), crlf({nameColumns + " SD", QByteArray("Ito        SD")}));
    const SelectionRead sel = readSelectionFile(*t.files, t.services.paths);
    QVERIFY(sel.boxes.at(0).name.isEmpty());
    QCOMPARE(sel.boxes.at(1).name, QStringLiteral("Ito"));
    // Nor can such a name be written back.
    QString name = QString::fromLatin1(nameColumns);
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    QCOMPARE(selectionLine(BoxSelection{name, QStringLiteral("S"), QStringLiteral("D")}), QString());
}

void TestBadInput::unwritableProgramFolder()
{
    // A regular file named "data" stands for a data folder that cannot be made (works as root).
    TestServices t;
    t.writeBytes(QStringLiteral("data"), "not a folder");
    const QString path = t.path(QStringLiteral("data/Yama-1.txt"));
    const FileResult append = appendRunLine(*t.files, t.services.paths, path, runLine());
    QVERIFY(!append.ok);
    QVERIFY(!append.message.isEmpty());
    const FileResult memo = saveConditionMemo(*t.files, t.services.paths, path, QStringLiteral("m"));
    QVERIFY(!memo.ok);
    QVERIFY(!memo.message.isEmpty());
    QCOMPARE(t.readBytes(QStringLiteral("data")), QByteArray("not a folder"));
    // Reading behaves as if no data file existed.
    const DataFileContents c = loadDataFile(*t.files, path);
    QCOMPARE(c.runCount(), 0);
    QCOMPARE(countRuns(*t.files, path).runs, 0);

    // A program folder that is not there at all: list and selection writes report it.
    const AppPaths gone(t.path(QStringLiteral("data/inside-a-file")));
    QVERIFY(!writeNameListFile(*t.files, gone, 1, {QStringLiteral("Yama      -SD")}).ok);
    QVERIFY(!writeSelectionFile(*t.files, gone, {}).ok);
}

void TestBadInput::readOnlyProgramFolder()
{
    if (::geteuid() == 0)
        QSKIP("running as root, which writes into read-only folders; unwritableProgramFolder covers this");
    TestServices t;
    t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Yama      -SD")});
    t.writeLines(QStringLiteral("data/Yama-1.txt"), {runLine()});
    const QByteArray list = t.readBytes(QStringLiteral("Combo1.txt"));
    const QByteArray data = t.readBytes(QStringLiteral("data/Yama-1.txt"));
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    QVERIFY(QFile::setPermissions(t.dir.path(), readOnly));
    QVERIFY(QFile::setPermissions(t.services.paths.dataFolder(), readOnly));
    const bool listWritten = writeNameListFile(*t.files, t.services.paths, 1, {QStringLiteral("Ito       -SD")}).ok;
    const bool memoWritten =
        saveConditionMemo(*t.files, t.services.paths, t.path(QStringLiteral("data/Yama-1.txt")), QStringLiteral("m"))
            .ok;
    const auto writable = readOnly | QFileDevice::WriteOwner;
    QFile::setPermissions(t.services.paths.dataFolder(), writable);
    QFile::setPermissions(t.dir.path(), writable);
    QVERIFY(!listWritten);
    QVERIFY(!memoWritten);
    QCOMPARE(t.readBytes(QStringLiteral("Combo1.txt")), list);
    QCOMPARE(t.readBytes(QStringLiteral("data/Yama-1.txt")), data);
}

void TestBadInput::updatePageGarbage()
{
    // A page of binary noise, NUL bytes and a megabyte line: decoded and scanned without harm,
    // and no newer version is found in it.
    static const char head[] = "<html><meta charset=\"x-unknown\">\x00\xFF\xFE\x81";
    QByteArray body(head, sizeof head - 1);
    body += QByteArray(kMegabyte, 'V');
    body += "\r\n\x8e\xc0\xff V9.\r\n";
    const QString page = updatepage::decodePage(body, QStringLiteral("text/html; charset=\xFF"));
    QVERIFY(!page.isEmpty());
    const QStringList lines = splitLines(page);
    const updatepage::ScanResult scan = updatepage::scanForNewerVersion(lines, QStringLiteral("V1.0.0"));
    QVERIFY(!scan.newer);
    // The same scan does see a real record, so the page above was judged, not skipped.
    const updatepage::ScanResult real = updatepage::scanForNewerVersion(
        {QString(kMegabyte, QLatin1Char('x')), updatepage::revisionMarker(), QStringLiteral("V2.0.0 新しい版")},
        QStringLiteral("V1.0.0"));
    QVERIFY(real.newer);
    QCOMPARE(real.line, 2);
}

void TestBadInput::loneSurrogates_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("high half at the end") << QStringLiteral("メモ") + QChar(0xDB04);
    QTest::newRow("high half before text") << QString(QChar(0xDB04)) + QStringLiteral("&x");
    QTest::newRow("low half alone") << QStringLiteral("a") + QChar(0xDC00) + QStringLiteral("b");
    QTest::newRow("halves reversed") << QString(QChar(0xDC00)) + QChar(0xD800);
}

void TestBadInput::loneSurrogates()
{
    // Half a character can never be stored; it must be refused, not dropped on the way.
    QFETCH(QString, text);
    QVERIFY(!cp932::encode(text).ok);
    QVERIFY(!cp932::canEncode(text));
    TestServices t;
    t.writeLines(QStringLiteral("data/Yama-1.txt"), {runLine()});
    const QByteArray before = t.readBytes(QStringLiteral("data/Yama-1.txt"));
    const QString path = t.path(QStringLiteral("data/Yama-1.txt"));
    QVERIFY(!saveConditionMemo(*t.files, t.services.paths, path, text).ok);
    QVERIFY(!rewriteRunMemo(*t.files, t.services.paths, path, 1, text).ok);
    QCOMPARE(t.readBytes(QStringLiteral("data/Yama-1.txt")), before);
    // The update page's local copy turns it into a reference that can be stored.
    QVERIFY(cp932::encode(updatepage::forLocalCopy(text)).ok);
}

void TestBadInput::missingPicturesHelpAndNetwork()
{
    // No pictures, no help page (TestServices copies no assets), and every fetch fails.
    TestServices t;
    QVERIFY(!QFile::exists(t.path(helpFileName())));
    Module1 module(t.services);
    module.setExperimentWindowFactory([](Module1 &) { return new QWidget(); });
    auto window = std::make_unique<frmMain>(module);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(!t.network->requests.isEmpty()); // the page was asked for, and the asking failed
    BackgroundPictures &backgrounds = window->backgrounds();
    QVERIFY(backgrounds.windowPicture().isNull());
    backgrounds.clickSlot(3);
    QVERIFY(backgrounds.windowPicture().isNull());
    QPushButton *help = window->findChild<QPushButton *>(QStringLiteral("Command15"));
    QVERIFY(help);
    QTest::mouseClick(help, Qt::LeftButton);
    // A missing page is said, naming the file; the desktop is not asked for nothing.
    QTRY_COMPARE(t.dialogs->count(DialogRecord::Message), 1);
    QVERIFY(t.dialogs->last()->text.contains(QStringLiteral("ヘルプのページを開けませんでした")));
    QVERIFY(t.dialogs->last()->text.contains(helpFileName()));
    QCOMPARE(t.shell->documents.size(), 0);
    // A page in place that no program opens is said too.
    t.writeBytes(helpFileName(), "<html></html>");
    t.shell->result = false;
    QTest::mouseClick(help, Qt::LeftButton);
    QTRY_COMPARE(t.dialogs->count(DialogRecord::Message), 2);
    QVERIFY(t.dialogs->last()->text.contains(QStringLiteral("開くプログラム")));
    QCOMPARE(t.shell->documents.size(), 1);
    QVERIFY(window->isVisible());

    // With the pictures in place the same click does show one: the test can tell them apart.
    if (!QFile::exists(QString::fromLocal8Bit(qgetenv("VORA_APP_DIR")) + QStringLiteral("/yama3.jpg")))
        QSKIP("the build's pictures were not found (VORA_APP_DIR)");
    t.copyAssets();
    backgrounds.clickSlot(3);
    QVERIFY(!backgrounds.windowPicture().isNull());
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
