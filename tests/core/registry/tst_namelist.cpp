#include "Fakes.h"
#include "RunLines.h"
#include "core/registry/DataFile.h"
#include "core/registry/NameList.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

using namespace vora;
using namespace registrytest;
using vora::testing::TestServices;

Q_DECLARE_METATYPE(vora::NameProblem)

class TestNameList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nameRule_data();
    void nameRule();
    void padding_data();
    void padding();
    void items_data();
    void items();
    void listReading_data();
    void listReading();
    void legacyConversionRewritesTheNoStimulusSeries();
    void legacyConversionWithoutDataFileCreatesNothing();
    void legacyConversionOfAConvertedFileWritesNothing();
    void listsOfAnyLengthStayWhole_data();
    void listsOfAnyLengthStayWhole();
    void unusableLinesAreReportedAndKept_data();
    void unusableLinesAreReportedAndKept();
    void listWriteRoundTrip();
    void registeredSelection_data();
    void registeredSelection();
    void selectionRoundTrip_data();
    void selectionRoundTrip();
    void selectionReading_data();
    void selectionReading();
    void firstRun_data();
    void firstRun();
    void firstRunLineIsAddedNeverReplaced_data();
    void firstRunLineIsAddedNeverReplaced();
};

namespace {
QByteArray crlf(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}
} // namespace

void TestNameList::nameRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<NameProblem>("problem");
    QTest::newRow("typical") << "Yama090425" << NameProblem::None;
    QTest::newRow("underscore and hyphen") << "A_b-9" << NameProblem::None;
    QTest::newRow("one character") << "x" << NameProblem::None;
    QTest::newRow("empty") << "" << NameProblem::Empty;
    QTest::newRow("eleven") << "Yama0904251" << NameProblem::TooLong;
    QTest::newRow("space") << "a b" << NameProblem::BadCharacter;
    QTest::newRow("slash") << "a/b" << NameProblem::BadCharacter;
    QTest::newRow("parent folder") << "../x" << NameProblem::BadCharacter;
    QTest::newRow("backslash") << "a\\b" << NameProblem::BadCharacter;
    QTest::newRow("dot") << "a.b" << NameProblem::BadCharacter;
    QTest::newRow("full-width letter") << QStringLiteral("ａbc") << NameProblem::BadCharacter;
    QTest::newRow("accented letter") << QStringLiteral("é") << NameProblem::BadCharacter;
}

void TestNameList::nameRule()
{
    QFETCH(QString, name);
    QFETCH(NameProblem, problem);
    QCOMPARE(checkExperimentName(name), problem);
    QCOMPARE(isValidExperimentName(name), problem == NameProblem::None);
}

void TestNameList::padding_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("padded");
    QTest::newRow("short") << "Yama"
                           << "Yama      ";
    QTest::newRow("ten") << "Yama090425"
                         << "Yama090425";
    QTest::newRow("long is cut") << "Yama0904251"
                                 << "Yama090425";
}

void TestNameList::padding()
{
    QFETCH(QString, name);
    QFETCH(QString, padded);
    QCOMPARE(padName(name), padded);
}

void TestNameList::items_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stimulus");
    QTest::addColumn<QString>("hit");
    QTest::addColumn<QString>("runs");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("registered") << "Yama090425-SD"
                                << "Yama090425"
                                << "S"
                                << "D"
                                << ""
                                << "1";
    QTest::newRow("with count") << "Yama      -n-12"
                                << "Yama"
                                << "n"
                                << "-"
                                << "12"
                                << "0";
    QTest::newRow("large") << "Ab_1      -BD3"
                           << "Ab_1"
                           << "B"
                           << "D"
                           << "3"
                           << "1";
}

void TestNameList::items()
{
    QFETCH(QString, line);
    QFETCH(QString, name);
    QFETCH(QString, stimulus);
    QFETCH(QString, hit);
    QFETCH(QString, runs);
    QFETCH(QString, suffix);
    const NameListItem item = NameListItem::parse(line);
    QCOMPARE(item.name, name);
    QCOMPARE(item.stimulusCode, stimulus);
    QCOMPARE(item.hitDisplayCode, hit);
    QCOMPARE(item.runs, runs);
    QCOMPARE(item.fileSuffix(), suffix);
    QCOMPARE(item.text(), line);
    QCOMPARE(item.textWithoutRuns(), line.left(13));
}

void TestNameList::listReading_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("current format unchanged")
        << QStringList{"Yama090425-SD3", "Ito       -n-"} << QStringList{"Yama090425-SD3", "Ito       -n-"};
    QTest::newRow("earlier format, no runs without stimulus")
        << QStringList{"Yama      -SD0,5"} << QStringList{"Yama      -S-5"};
    QTest::newRow("earlier format, both series")
        << QStringList{"Yama      -SD3,5"} << QStringList{"Yama      -n-3", "Yama      -S-5"};
    QTest::newRow("mixed") << QStringList{"Ito       -MD", "Yama      -BD2,0", "Sato      -S-"}
                           << QStringList{"Ito       -MD", "Yama      -n-2", "Yama      -B-0", "Sato      -S-"};
    QTest::newRow("crafted names skipped")
        << QStringList{"../x      -SD3,5", "a b       -SD", "a/b       -SD1", "", "Good      -SD"}
        << QStringList{"Good      -SD"};
}

void TestNameList::listReading()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, items);
    TestServices t;
    t.writeLines(QStringLiteral("Combo2.txt"), lines);
    const QByteArray listBefore = t.readBytes(QStringLiteral("Combo2.txt"));
    const NameListRead read = readNameListFile(*t.files, t.services.paths, 2);
    QVERIFY(!read.missing);
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    QCOMPARE(read.items, items);
    // The list file is only read; converted items are saved with the next list write.
    QCOMPARE(t.readBytes(QStringLiteral("Combo2.txt")), listBefore);
}

void TestNameList::legacyConversionRewritesTheNoStimulusSeries()
{
    TestServices t;
    const QString memo = QStringLiteral("実験条件=S の列は変えない");
    const QString r1 =
        runLine({10, 10, 10, 10, 10}, QStringLiteral("2001/01/01"), QStringLiteral("Yama"), QLatin1Char('S'), 0);
    const QString r2 =
        runLine({12, 10, 10, 10, 10}, QStringLiteral("2001/01/02"), QStringLiteral("Yama"), QLatin1Char('B'), 0)
        + QStringLiteral(" メモ");
    t.writeLines(QStringLiteral("data/Yama-0.txt"), {memo, r1, r2, QStringLiteral("short")});
    const QStringList withStimulus{runLine()};
    t.writeLines(QStringLiteral("data/Yama-1.txt"), withStimulus);
    const QByteArray withStimulusBefore = t.readBytes(QStringLiteral("data/Yama-1.txt"));
    t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Yama      -SD3,5")});

    const NameListRead read = readNameListFile(*t.files, t.services.paths, 1);
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    QCOMPARE(read.items, (QStringList{"Yama      -n-3", "Yama      -S-5"}));

    const QStringList after = t.readLines(QStringLiteral("data/Yama-0.txt"));
    QCOMPARE(after, (QStringList{memo, withCharAt(r1, 27, QLatin1Char('n')), withCharAt(r2, 27, QLatin1Char('n')),
                                 QStringLiteral("short")}));
    QVERIFY(checkRunLine(after.at(1)).ok);
    QCOMPARE(t.readBytes(QStringLiteral("data/Yama-1.txt")), withStimulusBefore);
    QCOMPARE(t.strayFiles(), QStringList());
}

void TestNameList::legacyConversionWithoutDataFileCreatesNothing()
{
    TestServices t;
    t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Yama      -SD3,5")});
    const NameListRead read = readNameListFile(*t.files, t.services.paths, 1);
    QCOMPARE(read.items.size(), 2);
    QVERIFY(read.error.isEmpty());
    QVERIFY(!QFileInfo::exists(t.path(QStringLiteral("data/Yama-0.txt"))));
}

void TestNameList::legacyConversionOfAConvertedFileWritesNothing()
{
    TestServices t;
    t.writeLines(QStringLiteral("data/Yama-0.txt"), {runLine({10, 10, 10, 10, 10}, QStringLiteral("2001/01/01"),
                                                             QStringLiteral("Yama"), QLatin1Char('n'), 0)});
    t.writeLines(QStringLiteral("Combo1.txt"), {QStringLiteral("Yama      -SD1,0")});
    const QString path = t.path(QStringLiteral("data/Yama-0.txt"));
    // A rewrite would put a new file with the usual permissions in place of this read-only one.
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    const QDateTime stamp = QFileInfo(path).lastModified();
    QTest::qWait(20);
    QVERIFY(readNameListFile(*t.files, t.services.paths, 1).error.isEmpty());
    QCOMPARE(QFileInfo(path).lastModified(), stamp);
    QCOMPARE(QFileInfo(path).permissions() & QFile::WriteOwner, QFileDevice::Permissions());
}

void TestNameList::listsOfAnyLengthStayWhole_data()
{
    QTest::addColumn<int>("names");
    QTest::addColumn<bool>("earlierFormatLast"); // the last line is "Last      -SD2,3"
    QTest::newRow("100") << 100 << false;
    QTest::newRow("101") << 101 << false;
    QTest::newRow("130") << 130 << false;
    QTest::newRow("130 and an earlier-format line") << 130 << true;
    QTest::newRow("1000") << 1000 << false;
}

void TestNameList::listsOfAnyLengthStayWhole()
{
    QFETCH(int, names);
    QFETCH(bool, earlierFormatLast);
    TestServices t;
    QStringList lines;
    for (int i = 0; i < names; ++i)
        lines << padName(QStringLiteral("N%1").arg(i)) + QStringLiteral("-SD") + QString::number(i % 7);
    QStringList items = lines;
    if (earlierFormatLast) {
        lines << QStringLiteral("Last      -SD2,3");
        items << QStringLiteral("Last      -n-2") << QStringLiteral("Last      -S-3");
    }
    t.writeLines(QStringLiteral("Combo2.txt"), lines);
    NameListRead read = readNameListFile(*t.files, t.services.paths, 2);
    QCOMPARE(read.items, items);
    QVERIFY(read.unusable.isEmpty());

    // A registration appends one name; the rewrite keeps every other one.
    read.items << QStringLiteral("Added     -MD");
    QVERIFY(writeNameListFile(*t.files, t.services.paths, 2, read.items, read.kept).ok);
    QCOMPARE(t.readLines(QStringLiteral("Combo2.txt")), items + QStringList{QStringLiteral("Added     -MD")});
    QCOMPARE(readNameListFile(*t.files, t.services.paths, 2).items.size(), items.size() + 1);
}

void TestNameList::unusableLinesAreReportedAndKept_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("reported");
    QTest::newRow("slash") << QByteArray("ab/cd     -SD") << true;
    QTest::newRow("parent folder, earlier format") << QByteArray("../x      -SD3,5") << true;
    QTest::newRow("no codes") << QByteArray("GOOD5") << true;
    QTest::newRow("name only, padded") << QByteArray("GOOD5     ") << true;
    QTest::newRow("unknown stimulus code") << QByteArray("Yama      -XD") << true;
    QTest::newRow("no dash") << QByteArray("Yama      xSD") << true;
    QTest::newRow("count with a letter") << QByteArray("Yama      -SD1x") << true;
    QTest::newRow("earlier format with one count") << QByteArray("Yama      -SD3,") << true;
    QTest::newRow("undecodable bytes") << QByteArray("Ya\xFF\x80ma    -SD1") << true;
    // 0xFA40 decodes to the same character as 0xEEEF, and is written back as the latter.
    QTest::newRow("character with two codes") << QByteArray("\xFA\x40        -SD") << true;
    QTest::newRow("blank line") << QByteArray("") << false;
}

void TestNameList::unusableLinesAreReportedAndKept()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, reported);
    TestServices t;
    const QByteArray original = crlf({"Aaa       -SD3", line, "Bbb       -n-"});
    t.writeBytes(QStringLiteral("Combo3.txt"), original);
    NameListRead read = readNameListFile(*t.files, t.services.paths, 3);
    QCOMPARE(read.items, (QStringList{QStringLiteral("Aaa       -SD3"), QStringLiteral("Bbb       -n-")}));
    QCOMPARE(read.unusable.size(), reported ? 1 : 0);
    const QString message = unusableLinesMessage(3, read.unusable);
    QCOMPARE(message.isEmpty(), !reported);
    if (reported) {
        QCOMPARE(read.unusable.at(0).fileLine, 2);
        QVERIFY(message.contains(QStringLiteral("Combo3.txt")));
        QVERIFY(message.contains(QStringLiteral("2行目")));
    }

    // Rewritten unchanged, after a registration, and after deleting the item before it: the
    // line stays byte for byte between the same neighbours.
    QVERIFY(writeNameListFile(*t.files, t.services.paths, 3, read.items, read.kept).ok);
    QCOMPARE(t.readBytes(QStringLiteral("Combo3.txt")), original);
    read.items << QStringLiteral("New       -BD");
    QVERIFY(writeNameListFile(*t.files, t.services.paths, 3, read.items, read.kept).ok);
    QCOMPARE(t.readBytes(QStringLiteral("Combo3.txt")), original + "New       -BD\r\n");
    read.items.removeFirst();
    itemRemoved(read.kept, 0);
    QVERIFY(writeNameListFile(*t.files, t.services.paths, 3, read.items, read.kept).ok);
    QCOMPARE(t.readBytes(QStringLiteral("Combo3.txt")), crlf({line, "Bbb       -n-", "New       -BD"}));
    // However many lines, the report stays short enough to read and to close.
    const QVector<UnusableListLine> many(130, UnusableListLine{7, QString::fromLatin1(line)});
    const QString long_ = unusableLinesMessage(3, many);
    QCOMPARE(long_.count(QStringLiteral("行目")), 10);
    QVERIFY(long_.endsWith(QStringLiteral("ほか120行")));
    // Nothing was converted or renamed: no data file came into being.
    QVERIFY(!QFileInfo::exists(t.path(QStringLiteral("data"))) || QDir(t.path(QStringLiteral("data"))).isEmpty());
}

void TestNameList::listWriteRoundTrip()
{
    TestServices t;
    const QStringList items{"Yama090425-SD3", "Ito       -n-", "Sato      -B-12"};
    QVERIFY(writeNameListFile(*t.files, t.services.paths, 3, items).ok);
    QCOMPARE(t.readBytes(QStringLiteral("Combo3.txt")),
             QByteArray("Yama090425-SD3\r\nIto       -n-\r\nSato      -B-12\r\n"));
    QCOMPARE(readNameListFile(*t.files, t.services.paths, 3).items, items);
    QVERIFY(writeNameListFile(*t.files, t.services.paths, 3, {}).ok);
    QCOMPARE(t.readBytes(QStringLiteral("Combo3.txt")), QByteArray());
}

void TestNameList::registeredSelection_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("remembered"); // name|codes
    QTest::addColumn<QString>("expected"); // name|codes, "|" when not registered
    const QStringList list{"Z9        -nD3", "M2        -M-", "Dup       -SD", "Dup       -n-12"};
    QTest::newRow("codes as remembered") << list << "Z9|nD"
                                         << "Z9|nD";
    QTest::newRow("codes lost by typing") << list << "Z9|"
                                          << "Z9|nD";
    QTest::newRow("selection file with other codes") << list << "Z9|B-"
                                                     << "Z9|nD";
    QTest::newRow("twice in the list, the remembered one") << list << "Dup|n-"
                                                           << "Dup|n-";
    QTest::newRow("twice in the list, codes unknown") << list << "Dup|"
                                                      << "Dup|SD";
    QTest::newRow("not in the list") << list << "Other|SD"
                                     << "|";
    QTest::newRow("a name is no prefix of another") << list << "Z|nD"
                                                    << "|";
    QTest::newRow("empty button") << list << "|"
                                  << "|";
}

void TestNameList::registeredSelection()
{
    QFETCH(QStringList, items);
    QFETCH(QString, remembered);
    QFETCH(QString, expected);
    const QString codes = remembered.section(QLatin1Char('|'), 1);
    const BoxSelection got = vora::registeredSelection(
        items, BoxSelection{remembered.section(QLatin1Char('|'), 0, 0), codes.left(1), codes.mid(1, 1)});
    QCOMPARE(got.name + QLatin1Char('|') + got.stimulusCode + got.hitDisplayCode, expected);
}

void TestNameList::selectionRoundTrip_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("all five") << QStringList{"A", "Bb", "Yama090425", "D", "E"}
                              << QByteArray("A          SD\r\nBb         SD\r\nYama090425 SD\r\n"
                                            "D          SD\r\nE          SD\r\n");
    QTest::newRow("boxes 1 and 3") << QStringList{"Yama", "", "Ito", "", ""}
                                   << QByteArray("Yama       SD\r\n\r\nIto        SD\r\n\r\n\r\n");
    QTest::newRow("only box 5") << QStringList{"", "", "", "", "Last"}
                                << QByteArray("\r\n\r\n\r\n\r\nLast       SD\r\n");
    QTest::newRow("none") << QStringList{"", "", "", "", ""} << QByteArray("\r\n\r\n\r\n\r\n\r\n");
}

void TestNameList::selectionRoundTrip()
{
    QFETCH(QStringList, names);
    QFETCH(QByteArray, bytes);
    TestServices t;
    QVector<BoxSelection> boxes;
    for (const QString &name : names)
        boxes.append(name.isEmpty() ? BoxSelection{} : BoxSelection{name, QStringLiteral("S"), QStringLiteral("D")});
    QVERIFY(writeSelectionFile(*t.files, t.services.paths, boxes).ok);
    QCOMPARE(t.readBytes(selectionFileName()), bytes);

    const SelectionRead read = readSelectionFile(*t.files, t.services.paths);
    QVERIFY(read.opened);
    QCOMPARE(read.boxes.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(read.boxes.at(i).name, names.at(i));
        QCOMPARE(read.boxes.at(i).stimulusCode, names.at(i).isEmpty() ? QString() : QStringLiteral("S"));
        QCOMPARE(read.boxes.at(i).hitDisplayCode, names.at(i).isEmpty() ? QString() : QStringLiteral("D"));
    }
}

void TestNameList::selectionReading_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected"); // per box: name + "|" + codes
    QTest::newRow("first-run line") << QStringList{"Dt100922  -SD0"} << QStringList{"Dt100922|SD", "|", "|", "|", "|"};
    QTest::newRow("fewer lines read box by box")
        << QStringList{"Yama       n-", "Ito        BD"} << QStringList{"Yama|n-", "Ito|BD", "|", "|", "|"};
    QTest::newRow("unknown code kept for the caller")
        << QStringList{"Yama       sD"} << QStringList{"Yama|sD", "|", "|", "|", "|"};
    QTest::newRow("crafted names ignored")
        << QStringList{"../x       SD", "a b        SD", "a/b        SD", "Good       MD", " lead      SD"}
        << QStringList{"|", "|", "|", "Good|MD", "|"};
    QTest::newRow("eleven characters ignored")
        << QStringList{"Yama0904251 SD", "Ok         SD"} << QStringList{"|", "Ok|SD", "|", "|", "|"};
    QTest::newRow("sixth line ignored") << QStringList{"", "", "", "", "", "Six        SD"}
                                        << QStringList{"|", "|", "|", "|", "|"};
}

void TestNameList::selectionReading()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    TestServices t;
    t.writeLines(selectionFileName(), lines);
    const SelectionRead read = readSelectionFile(*t.files, t.services.paths);
    QVERIFY(read.opened);
    QStringList got;
    for (const BoxSelection &b : read.boxes)
        got << b.name + "|" + b.stimulusCode + b.hitDisplayCode;
    QCOMPARE(got, expected);
}

void TestNameList::firstRun_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("line");
    QTest::newRow("2010/09/22") << "2010/09/22"
                                << "Dt100922"
                                << "Dt100922  -SD0";
    QTest::newRow("2009/04/05") << "2009/04/05"
                                << "Dt090405"
                                << "Dt090405  -SD0";
    QTest::newRow("odd date text stays a valid name") << "2010/9/2"
                                                      << "Dt109"
                                                      << "Dt109     -SD0";
}

void TestNameList::firstRun()
{
    QFETCH(QString, date);
    QFETCH(QString, name);
    QFETCH(QString, line);
    QCOMPARE(firstRunName(date), name);
    QCOMPARE(firstRunLine(date), line);
    QVERIFY(isValidExperimentName(firstRunName(date)));

    // The same line serves as selection line and list item.
    TestServices t;
    t.writeLines(selectionFileName(), {line});
    t.writeLines(nameListFileName(1), {line});
    const SelectionRead sel = readSelectionFile(*t.files, t.services.paths);
    QCOMPARE(sel.boxes.at(0).name, name);
    const NameListRead list = readNameListFile(*t.files, t.services.paths, 1);
    QCOMPARE(list.items, QStringList{line});
}

void TestNameList::firstRunLineIsAddedNeverReplaced_data()
{
    QTest::addColumn<QByteArray>("before"); // "-" for no file
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("no list") << QByteArray("-") << QByteArray("Dt261208  -SD0\r\n");
    QTest::newRow("other names") << QByteArray("Yama      -SD3\r\nab/cd\r\n")
                                 << QByteArray("Yama      -SD3\r\nab/cd\r\nDt261208  -SD0\r\n");
    QTest::newRow("last line without its break")
        << QByteArray("Yama      -SD3") << QByteArray("Yama      -SD3\r\nDt261208  -SD0\r\n");
    QTest::newRow("already listed") << QByteArray("Dt261208  -SD7\r\n") << QByteArray("Dt261208  -SD7\r\n");
    QTest::newRow("listed with other codes")
        << QByteArray("Dt261208  -n-\r\n") << QByteArray("Dt261208  -n-\r\nDt261208  -SD0\r\n");
}

void TestNameList::firstRunLineIsAddedNeverReplaced()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    TestServices t;
    if (before != "-")
        t.writeBytes(nameListFileName(1), before);
    QVERIFY(addFirstRunLine(*t.files, t.services.paths, QStringLiteral("2026/12/08")).ok);
    QCOMPARE(t.readBytes(nameListFileName(1)), after);
}

QTEST_GUILESS_MAIN(TestNameList)
#include "tst_namelist.moc"
