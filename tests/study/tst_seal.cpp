// The seal against every kind of later edit, against the program's own rewrites, and what
// the program seals when it saves a run.
#include "SealRuns.h"

#include "registry/NameList.h"
#include "study/Seal.h"
#include "toolkit/FileStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

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
        const SavedRun saved = saveRun(f.files, f.paths, f.data(suffix),
                                       runLine(n, QStringLiteral("Seal"), suffix == QLatin1String("0") ? QStringLiteral("n") : QStringLiteral("S")));
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
    void theProgramSealsOnlyTheRunItWrote();
};

void TestSeal::verifyNamesEveryEditByLine()
{
    // Line 1 is the condition memo; runs 1..6 stand on lines 2..7.
    using Edit = std::function<void(QStringList &data, QStringList &seal)>;
    struct Row {
        const char *name;
        Edit edit;
        QString expected;
    };
    const QVector<Row> rows{
        {"date of run 3", [](QStringList &d, QStringList &) { d[3] = replaced(d[3], 11, QStringLiteral("2010/01/01")); },
         QStringLiteral("Changed@4")},
        {"start time of run 2", [](QStringList &d, QStringList &) { d[2] = replaced(d[2], 22, QStringLiteral(" 9:59")); },
         QStringLiteral("Changed@3")},
        {"targets with inputs of run 5, the counts kept",
         [](QStringList &d, QStringList &) {
             for (int col : {61 + 17, 162 + 17}) // trial 18 in both strings: a match stays a match
                 d[5][col - 1] = d[5].at(col - 1) == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
             QVERIFY(checkRunLine(d[5]).ok);
         },
         QStringLiteral("Changed@6")},
        {"runs 3 and 4 swapped", [](QStringList &d, QStringList &) { d.swapItemsAt(3, 4); }, QStringLiteral("Reordered@4")},
        {"run 2 deleted", [](QStringList &d, QStringList &) { d.removeAt(2); }, QStringLiteral("Removed@3")},
        {"the last run deleted", [](QStringList &d, QStringList &) { d.removeLast(); }, QStringLiteral("Removed@7")},
        {"a run inserted after run 4", [](QStringList &d, QStringList &) { d.insert(5, runLine(40)); },
         QStringLiteral("Inserted@6")},
        {"a run memo typed in by hand", [](QStringList &d, QStringList &) { d[2] += QStringLiteral(" 手で書いたメモ"); },
         QString()},
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
        // Later entries cannot be trusted once the run numbers jump: their runs read as unsealed.
        {"a seal entry dropped", [](QStringList &, QStringList &s) { s.removeAt(3); },
         QStringLiteral("NotSealed@4 NotSealed@5 NotSealed@6 NotSealed@7 Seal@4")},
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
    const QByteArray before = [&] { QFile file(f.data(QStringLiteral("0"))); file.open(QIODevice::ReadOnly); return file.readAll(); }();
    QCOMPARE(readNameListFile(f.files, f.paths, 1).items.size(), 2);
    v = verifyDataFile(f.data(QStringLiteral("0")));
    QVERIFY2(v.intact() && v.sealedRuns() == 3 && v.findings.isEmpty(), qPrintable(described(v)));

    // An earlier-format "-0" file still holding another code is not sealed until converted.
    QStringList old = f.lines(f.data(QStringLiteral("0")));
    QFile::remove(sealPathFor(f.data(QStringLiteral("0"))));
    for (int i = 1; i < old.size(); ++i)
        old[i][26] = QLatin1Char('S');
    f.write(f.data(QStringLiteral("0")), old);
    SealRunsResult sealed = sealUnsealedRuns(f.files, f.data(QStringLiteral("0")), QDateTime::currentDateTime());
    QVERIFY(!sealed.ok);
    QVERIFY(sealed.message.contains(QStringLiteral("column 27")));
    QVERIFY(!QFile::exists(sealPathFor(f.data(QStringLiteral("0")))));
    readNameListFile(f.files, f.paths, 1);
    QCOMPARE([&] { QFile file(f.data(QStringLiteral("0"))); file.open(QIODevice::ReadOnly); return file.readAll(); }(), before);
    sealed = sealUnsealedRuns(f.files, f.data(QStringLiteral("0")), QDateTime::currentDateTime());
    QVERIFY2(sealed.ok && sealed.added == 3 && sealed.after.intact(), qPrintable(sealed.message));
}

void TestSeal::theProgramSealsOnlyTheRunItWrote()
{
    Folder f;
    // Two runs from before sealing existed.
    for (int n = 1; n <= 2; ++n)
        QVERIFY(appendRunLine(f.files, f.paths, f.data(), runLine(n)).ok);
    SavedRun saved = saveRun(f.files, f.paths, f.data(), runLine(3));
    QVERIFY(saved.append.ok && saved.seal.sealed);
    QCOMPARE(saved.seal.added.size(), 1);
    Verification v = verifyDataFile(f.data());
    QCOMPARE(described(v), QStringLiteral("NotSealed@1 NotSealed@2"));
    QVERIFY(v.intact());
    QCOMPARE(v.firstSealedRun, 3);
    // What a mirror of the run takes: the chained hash, the same from the save and from the file.
    QCOMPARE(v.chainedHexOfRun(3), QString::fromLatin1(saved.seal.added.first().chained.toHex()));
    QCOMPARE(v.headHex(), v.chainedHexOfRun(3));
    // Sealing them now would rewrite the chain and its published head: they stay unsealed.
    SealRunsResult sealed = sealUnsealedRuns(f.files, f.data(), QDateTime::currentDateTime());
    QVERIFY(sealed.ok);
    QCOMPARE(sealed.added, 0);

    // A run appended but not sealed (a crash between the two): the next run cannot be chained
    // past it, and no message is due; vora-data seal then seals both.
    QVERIFY(appendRunLine(f.files, f.paths, f.data(), runLine(4)).ok);
    saved = saveRun(f.files, f.paths, f.data(), runLine(5));
    QVERIFY(saved.append.ok && !saved.seal.sealed && saved.seal.message.isEmpty());
    QCOMPARE(described(verifyDataFile(f.data())), QStringLiteral("NotSealed@1 NotSealed@2 NotSealed@4 NotSealed@5"));
    sealed = sealUnsealedRuns(f.files, f.data(), QDateTime::currentDateTime());
    QVERIFY(sealed.ok);
    QCOMPARE(sealed.added, 2);
    QCOMPARE(described(sealed.after), QStringLiteral("NotSealed@1 NotSealed@2"));

    // An entry cut short by a crash while it was written: its run counts as not sealed, and
    // the next seal writes the file anew without the fragment.
    QFile seal(sealPathFor(f.data()));
    QVERIFY(seal.open(QIODevice::Append));
    seal.write("6 3fa");
    seal.close();
    QVERIFY(appendRunLine(f.files, f.paths, f.data(), runLine(6)).ok);
    QCOMPARE(described(verifyDataFile(f.data())), QStringLiteral("NotSealed@1 NotSealed@2 NotSealed@6"));
    sealed = sealUnsealedRuns(f.files, f.data(), QDateTime::currentDateTime());
    QVERIFY(sealed.ok && sealed.added == 1);
    QCOMPARE(f.lines(sealPathFor(f.data())).size(), 1 + 4);

    // A seal that no longer verifies is extended by nobody.
    QStringList data = f.lines(f.data());
    data[2] = replaced(data[2], 11, QStringLiteral("2010/01/01"));
    f.write(f.data(), data);
    saved = saveRun(f.files, f.paths, f.data(), runLine(7));
    QVERIFY(saved.append.ok && !saved.seal.sealed);
    sealed = sealUnsealedRuns(f.files, f.data(), QDateTime::currentDateTime());
    QVERIFY(!sealed.ok);
    QCOMPARE(described(verifyDataFile(f.data())), QStringLiteral("NotSealed@1 NotSealed@2 Changed@3 NotSealed@7"));
}

QTEST_GUILESS_MAIN(TestSeal)
#include "tst_seal.moc"
