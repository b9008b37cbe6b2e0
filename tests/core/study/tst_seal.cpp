// The seal against every kind of later edit, against the program's own rewrites, and what
// the program seals when it saves a run.
#include "SealRuns.h"

#include "core/registry/NameList.h"
#include "core/study/Seal.h"
#include "core/toolkit/FileStore.h"
#include "core/toolkit/Language.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace vora;
using namespace vora::study;
using sealtest::runLine;
using sealtest::saveRun;

namespace {

QString kindName(FindingKind k)
{
    switch (k) {
    case FindingKind::Changed: return QStringLiteral("Changed");
    case FindingKind::Inserted: return QStringLiteral("Inserted");
    case FindingKind::Removed: return QStringLiteral("Removed");
    case FindingKind::Reordered: return QStringLiteral("Reordered");
    case FindingKind::SealBroken: return QStringLiteral("Seal");
    case FindingKind::ChainBroken: return QStringLiteral("Chain");
    case FindingKind::NotSealed: return QStringLiteral("NotSealed");
    }
    return QString();
}

// "Changed@4 NotSealed@8": every finding with its line.
QString described(const Verification &v)
{
    QStringList out;
    for (const Finding &f : v.findings)
        out << kindName(f.kind) + QLatin1Char('@') + QString::number(f.fileLine);
    return out.join(QLatin1Char(' '));
}

struct Folder {
    QTemporaryDir dir;
    std::unique_ptr<QLockFile> held; // a lock another program would hold
    AppPaths paths{dir.path()};
    FileStore files;
    QString data(const QString &suffix = QStringLiteral("1")) const
    {
        return dataFilePath(paths, QStringLiteral("Seal"), suffix);
    }
    QStringList lines(const QString &path) const { return files.readLines(path).lines; }
    void write(const QString &path, const QStringList &lines) { QVERIFY(files.replaceAll(path, lines).ok); }
};

// A condition memo line, then runs 1..`runs` saved and sealed as the program saves them.
void prepare(Folder &f, int runs, const QString &suffix = QStringLiteral("1"))
{
    QVERIFY(saveConditionMemo(f.files, f.paths, f.data(suffix), QStringLiteral("照明は暗め")).ok);
    for (int n = 1; n <= runs; ++n) {
        const SavedRun saved =
            saveRun(f.files, f.paths, f.data(suffix),
                    runLine(n, QStringLiteral("Seal"),
                            suffix == QLatin1String("0") ? QStringLiteral("n") : QStringLiteral("S")));
        QVERIFY(saved.append.ok);
        QVERIFY2(saved.seal.sealed, qPrintable(saved.seal.message));
    }
}

QString replaced(QString line, int column, const QString &text)
{
    return line.replace(column - 1, text.size(), text);
}

} // namespace

class TestSeal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verifyNamesEveryEditByLine();
    void rewritesOfTheProgramKeepTheSeal();
    void aSaveSealsEveryRunItCan_data();
    void aSaveSealsEveryRunItCan();
    void selectionSealsWhatACrashLeftOpen_data();
    void selectionSealsWhatACrashLeftOpen();
};

void TestSeal::verifyNamesEveryEditByLine()
{
    // Line 1 is the condition memo; runs 1..6 stand on lines 2..7.
    using Edit = std::function<void(QStringList & data, QStringList & seal)>;
    struct Row {
        const char *name;
        Edit edit;
        QString expected;
    };
    const QVector<Row> rows{
        {"date of run 3",
         [](QStringList &d, QStringList &) { d[3] = replaced(d[3], 11, QStringLiteral("2010/01/01")); },
         QStringLiteral("Changed@4")},
        {"start time of run 2",
         [](QStringList &d, QStringList &) { d[2] = replaced(d[2], 22, QStringLiteral(" 9:59")); },
         QStringLiteral("Changed@3")},
        {"targets with inputs of run 5, the counts kept",
         [](QStringList &d, QStringList &) {
             for (int col : {61 + 17, 162 + 17}) // trial 18 in both strings: a match stays a match
                 d[5][col - 1] = d[5].at(col - 1) == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
             QVERIFY(checkRunLine(d[5]).ok);
         },
         QStringLiteral("Changed@6")},
        {"runs 3 and 4 swapped", [](QStringList &d, QStringList &) { d.swapItemsAt(3, 4); },
         QStringLiteral("Reordered@4")},
        {"run 2 deleted", [](QStringList &d, QStringList &) { d.removeAt(2); }, QStringLiteral("Removed@3")},
        {"the last run deleted", [](QStringList &d, QStringList &) { d.removeLast(); }, QStringLiteral("Removed@7")},
        {"a run inserted after run 4", [](QStringList &d, QStringList &) { d.insert(5, runLine(40)); },
         QStringLiteral("Inserted@6")},
        {"a run memo typed in by hand",
         [](QStringList &d, QStringList &) { d[2] += QStringLiteral(" 手で書いたメモ"); }, QString()},
        {"the condition memo line removed", [](QStringList &d, QStringList &) { d.removeFirst(); }, QString()},
        {"a run appended without a seal", [](QStringList &d, QStringList &) { d.append(runLine(7)); },
         QStringLiteral("NotSealed@8")},
        {"run 2 edited and its seal entry's run hash with it",
         [](QStringList &d, QStringList &s) {
             d[2] = replaced(d[2], 11, QStringLiteral("2010/01/01"));
             QStringList fields = s[2].split(QLatin1Char(' '));
             fields[1] = QString::fromLatin1(runHash(d[2].toLatin1()).toHex());
             s[2] = fields.join(QLatin1Char(' '));
         },
         QStringLiteral("Seal@3")},
        // The run numbers of the seal jump: the chain breaks there, once; the entries after
        // the jump still vouch for their runs.
        {"a seal entry dropped", [](QStringList &, QStringList &s) { s.removeAt(3); },
         QStringLiteral("Chain@4 Inserted@4")},
        {"run 3 removed with its seal entry",
         [](QStringList &d, QStringList &s) {
             d.removeAt(3);
             s.removeAt(3);
         },
         QStringLiteral("Chain@4")},
        {"runs 3 and 4 swapped with their seal entries",
         [](QStringList &d, QStringList &s) {
             d.swapItemsAt(3, 4);
             s.swapItemsAt(3, 4);
         },
         QStringLiteral("Chain@4")},
    };
    for (const Row &row : rows) {
        Folder f;
        prepare(f, 6);
        QStringList data = f.lines(f.data());
        QStringList seal = f.lines(sealPathFor(f.data()));
        QCOMPARE(seal.size(), 7);
        row.edit(data, seal);
        f.write(f.data(), data);
        f.write(sealPathFor(f.data()), seal);

        const Verification v = verifyDataFile(f.data());
        QVERIFY(v.readOk);
        QVERIFY2(described(v) == row.expected,
                 qPrintable(QStringLiteral("%1: got \"%2\"").arg(QLatin1String(row.name), described(v))));
        const QStringList found = row.expected.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const bool tampered = std::any_of(found.begin(), found.end(),
                                          [](const QString &x) { return !x.startsWith(QLatin1String("NotSealed")); });
        QCOMPARE(v.intact(), !tampered);
        // The program names the first affected run at selection, and only when there is one.
        const QString message = brokenSealMessage(f.data());
        QCOMPARE(message.isEmpty(), !tampered);
        if (const Finding *first = v.firstTampering())
            QVERIFY2(message.contains(QStringLiteral("%1行目").arg(first->fileLine)), qPrintable(message));
    }
}

void TestSeal::rewritesOfTheProgramKeepTheSeal()
{
    // The memo saves and the conversion of earlier list lines rewrite the whole data file.
    Folder f;
    prepare(f, 4);
    QVERIFY(rewriteRunMemo(f.files, f.paths, f.data(), 2, QStringLiteral("眠そう\r\n二行目")).ok);
    QVERIFY(saveConditionMemo(f.files, f.paths, f.data(), QStringLiteral("新しい条件")).ok);
    QVERIFY(f.lines(f.data()).at(2).endsWith(QStringLiteral("眠そう<BR>二行目")));
    Verification v = verifyDataFile(f.data());
    QVERIFY2(v.intact() && v.sealedRuns() == 4 && v.findings.isEmpty(), qPrintable(described(v)));

    // The conversion sets column 27 of a "-0" file to "n": the program writes "n" there
    // itself, so the runs it sealed keep their bytes.
    prepare(f, 3, QStringLiteral("0"));
    QVERIFY(f.files.replaceAll(f.paths.file(nameListFileName(1)), {QStringLiteral("Seal      -SD3,5")}).ok);
    const QByteArray before = [&] {
        QFile file(f.data(QStringLiteral("0")));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    QCOMPARE(readNameListFile(f.files, f.paths, 1).items.size(), 2);
    v = verifyDataFile(f.data(QStringLiteral("0")));
    QVERIFY2(v.intact() && v.sealedRuns() == 3 && v.findings.isEmpty(), qPrintable(described(v)));

    // An earlier-format "-0" file still holding another code is not sealed until converted.
    QStringList old = f.lines(f.data(QStringLiteral("0")));
    QFile::remove(sealPathFor(f.data(QStringLiteral("0"))));
    for (int i = 1; i < old.size(); ++i)
        old[i][26] = QLatin1Char('S');
    f.write(f.data(QStringLiteral("0")), old);
    const auto sealInEnglish = [&] {
        const language::Scope inEnglish(QStringLiteral("en"));
        return sealUnsealedRuns(f.files, f.data(QStringLiteral("0")), QDateTime::currentDateTime());
    };
    SealRunsResult sealed = sealInEnglish();
    QVERIFY(!sealed.ok);
    QVERIFY2(sealed.message.contains(QStringLiteral("column 27")), qPrintable(sealed.message));
    QVERIFY(!QFile::exists(sealPathFor(f.data(QStringLiteral("0")))));
    readNameListFile(f.files, f.paths, 1);
    QCOMPARE(
        [&] {
            QFile file(f.data(QStringLiteral("0")));
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }(),
        before);
    sealed = sealUnsealedRuns(f.files, f.data(QStringLiteral("0")), QDateTime::currentDateTime());
    QVERIFY2(sealed.ok && sealed.added == 3 && sealed.after.intact(), qPrintable(sealed.message));
}

namespace {

using Setup = std::function<void(Folder &)>;

// Runs numbered from..to appended as an earlier version or a crash left them: not sealed.
void appendUnsealed(Folder &f, int from, int to, const QString &suffix = QStringLiteral("1"),
                    const QString &code = QStringLiteral("S"))
{
    for (int n = from; n <= to; ++n)
        QVERIFY(appendRunLine(f.files, f.paths, f.data(suffix), runLine(n, QStringLiteral("Seal"), code)).ok);
}

void sealedRuns(Folder &f, int count)
{
    for (int n = 1; n <= count; ++n)
        QVERIFY(saveRun(f.files, f.paths, f.data(), runLine(n)).seal.sealed);
}

// The seal file the program starts before an experiment's first run, with no entry yet.
void startedSeal(Folder &f, const QString &suffix = QStringLiteral("1"))
{
    QVERIFY(f.files.ensureFolder(f.paths.dataFolder()).ok);
    QVERIFY(f.files.replaceAll(sealPathFor(f.data(suffix)), {headerLine()}).ok);
}

void chainFrom(Folder &f, int from)
{
    QVERIFY(sealtest::writeChainFrom(f.files, f.data(), from));
}

void editDateOfRun(Folder &f, int run)
{
    QStringList lines = f.lines(f.data());
    lines[run - 1] = replaced(lines[run - 1], 11, QStringLiteral("2010/01/01"));
    f.write(f.data(), lines);
}

const QDateTime kWhen(QDate(2026, 12, 8), QTime(14, 3, 22));

} // namespace

Q_DECLARE_METATYPE(Setup)

void TestSeal::aSaveSealsEveryRunItCan_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("after"); // findings once the next run is saved
    QTest::addColumn<bool>("sealed");
    QTest::addColumn<QString>("message"); // exact; "~TEXT": holds TEXT

    QTest::newRow("a file from before sealing: sealed from run 1")
        << Setup([](Folder &f) { appendUnsealed(f, 1, 2); }) << "1"
        << "" << true << "";
    QTest::newRow("the experiment's first run cut off by a crash") << Setup([](Folder &f) {
        startedSeal(f);
        appendUnsealed(f, 1, 1);
    }) << "1"
                                                                   << "" << true << crashSealedMessage(1, 1);
    QTest::newRow("run 4 cut off by a crash")
        << Setup([](Folder &f) {
               sealedRuns(f, 3);
               appendUnsealed(f, 4, 4);
           })
        << "1"
        << "" << true << QStringLiteral("ラン 4 は封印されていませんでした（前回の異常終了）。いま封印しました。");
    QTest::newRow("runs 3 and 4 cut off")
        << Setup([](Folder &f) {
               sealedRuns(f, 2);
               appendUnsealed(f, 3, 4);
           })
        << "1"
        << "" << true << QStringLiteral("ラン 3〜4 は封印されていませんでした（前回の異常終了）。いま封印しました。");
    QTest::newRow("an entry cut short while it was written") << Setup([](Folder &f) {
        sealedRuns(f, 2);
        QFile seal(sealPathFor(f.data()));
        QVERIFY(seal.open(QIODevice::Append));
        seal.write("3 3fa");
        seal.close();
        appendUnsealed(f, 3, 3);
    }) << "1"
                                                             << "" << true << crashSealedMessage(3, 3);
    // Extending it backwards would change its published head: only vora-data seal --reseal does.
    QTest::newRow("a chain an earlier version began at run 3") << Setup([](Folder &f) {
        appendUnsealed(f, 1, 3);
        chainFrom(f, 3);
    }) << "1"
                                                               << "NotSealed@1 NotSealed@2" << true << "";
    QTest::newRow("a seal that no longer verifies") << Setup([](Folder &f) {
        sealedRuns(f, 3);
        editDateOfRun(f, 2);
    }) << "1"
                                                    << "Changed@2 NotSealed@4" << false << "";
    QTest::newRow("an earlier run the start-up conversion would still change")
        << Setup([](Folder &f) { appendUnsealed(f, 1, 2, QStringLiteral("0")); }) << "0"
        << "NotSealed@1 NotSealed@2 NotSealed@3" << false << "~27桁目";
}

void TestSeal::aSaveSealsEveryRunItCan()
{
    QFETCH(Setup, setup);
    QFETCH(QString, suffix);
    QFETCH(QString, after);
    QFETCH(bool, sealed);
    QFETCH(QString, message);
    Folder f;
    setup(f);
    const QString path = f.data(suffix);
    const int next = readDataRuns(path).runs.size() + 1;
    const QString line =
        runLine(next, QStringLiteral("Seal"), suffix == QLatin1String("0") ? QStringLiteral("n") : QStringLiteral("S"));
    const SavedRun saved =
        appendAndSealRun(f.files, path, line, kWhen, [&] { return appendRunLine(f.files, f.paths, path, line); });
    QVERIFY(saved.append.ok);
    const Verification v = verifyDataFile(path);
    QCOMPARE(described(v), after);
    QCOMPARE(saved.seal.sealed, sealed);
    if (message.startsWith(QLatin1Char('~')))
        QVERIFY2(saved.seal.message.contains(message.mid(1)), qPrintable(saved.seal.message));
    else
        QCOMPARE(saved.seal.message, message);
    if (!sealed)
        return;
    // Sealed now, with the time of sealing; what a mirror of the run takes agrees with the file.
    QVERIFY(!saved.seal.added.isEmpty());
    for (const SealEntry &e : saved.seal.added)
        QCOMPARE(e.sealedAt, sealTimeText(kWhen));
    QCOMPARE(saved.seal.added.last().run, next);
    QCOMPARE(v.chainedHexOfRun(next), QString::fromLatin1(saved.seal.added.last().chained.toHex()));
    QCOMPARE(v.headHex(), v.chainedHexOfRun(next));
}

void TestSeal::selectionSealsWhatACrashLeftOpen_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("message"); // exact; "~TEXT": holds TEXT
    QTest::addColumn<bool>("warning");
    QTest::addColumn<QString>("after"); // findings after the selection

    QTest::newRow("sealed and untouched") << Setup([](Folder &f) { sealedRuns(f, 3); }) << "" << false << "";
    QTest::newRow("run 4 cut off by a crash") << Setup([](Folder &f) {
        sealedRuns(f, 3);
        appendUnsealed(f, 4, 4);
    }) << QStringLiteral("ラン 4 は封印されていませんでした（前回の異常終了）。いま封印しました。")
                                              << false << "";
    QTest::newRow("runs 3 and 4 cut off") << Setup([](Folder &f) {
        sealedRuns(f, 2);
        appendUnsealed(f, 3, 4);
    }) << QStringLiteral("ラン 3〜4 は封印されていませんでした（前回の異常終了）。いま封印しました。")
                                          << false << "";
    QTest::newRow("the experiment's first run cut off") << Setup([](Folder &f) {
        startedSeal(f);
        appendUnsealed(f, 1, 1);
    }) << crashSealedMessage(1, 1) << false << "";
    QTest::newRow("a file from before sealing waits for its next run")
        << Setup([](Folder &f) { appendUnsealed(f, 1, 2); }) << "" << false << "NotSealed@1 NotSealed@2";
    QTest::newRow("another program is saving a run") << Setup([](Folder &f) {
        sealedRuns(f, 2);
        appendUnsealed(f, 3, 3);
        f.held = std::make_unique<QLockFile>(sealLockPathFor(f.data()));
        QVERIFY(f.held->tryLock(0));
    }) << "" << false << "NotSealed@3";
    QTest::newRow("a seal that no longer verifies") << Setup([](Folder &f) {
        sealedRuns(f, 3);
        appendUnsealed(f, 4, 4);
        editDateOfRun(f, 2);
    }) << "~第2ラン（データファイルの2行目）" << true
                                                    << "Changed@2 NotSealed@4";
    QTest::newRow("a seal file that cannot be read") << Setup([](Folder &f) {
        sealedRuns(f, 2);
        QVERIFY(QFile::remove(sealPathFor(f.data())));
        QVERIFY(QDir().mkdir(sealPathFor(f.data())));
    }) << "~封印ファイルを読めない" << true << "unreadable";
    QTest::newRow("a run left open that the start-up conversion would change") << Setup([](Folder &f) {
        startedSeal(f, QStringLiteral("0"));
        appendUnsealed(f, 1, 1, QStringLiteral("0"));
    }) << "~封印できませんでした" << true << "NotSealed@1";
}

void TestSeal::selectionSealsWhatACrashLeftOpen()
{
    QFETCH(Setup, setup);
    QFETCH(QString, message);
    QFETCH(bool, warning);
    QFETCH(QString, after);
    Folder f;
    setup(f);
    // The series without stimulus where a row needs it, else the one with.
    const QString path = QFile::exists(f.data(QStringLiteral("0"))) ? f.data(QStringLiteral("0")) : f.data();
    const SelectionSeal first = sealAtSelection(f.files, path, kWhen);
    if (message.startsWith(QLatin1Char('~')))
        QVERIFY2(first.message.contains(message.mid(1)), qPrintable(first.message));
    else
        QCOMPARE(first.message, message);
    QCOMPARE(first.warning, warning);
    const Verification v = verifyDataFile(path);
    QCOMPARE(v.readOk ? described(v) : QStringLiteral("unreadable"), after);
    for (const SealEntry &e : first.added)
        QCOMPARE(e.sealedAt, sealTimeText(kWhen));
    // Said once: what was sealed is not announced again.
    if (!warning)
        QCOMPARE(sealAtSelection(f.files, path, kWhen).message, QString());
}

QTEST_GUILESS_MAIN(TestSeal)
#include "tst_seal.moc"
