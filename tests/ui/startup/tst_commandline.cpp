// The program's own command line: --help and --version answer without a window or a file,
// Qt's options pass to QApplication, and anything else is refused once Qt has taken its own.
#include "core/startup/CommandLine.h"
#include "core/toolkit/Version.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace vora;

Q_DECLARE_METATYPE(vora::CommandLine::Action)
Q_DECLARE_METATYPE(vora::CommandLine::Stage)

class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void helpNamesTheProgramAndEveryOptionIsInTheManual();
    void answersWithoutWindowOrFile_data();
    void answersWithoutWindowOrFile();
};

namespace {
using Action = CommandLine::Action;
using Stage = CommandLine::Stage;

// Every entry under `folder`, relative to it: folders as "NAME/", files with their size and
// modification time.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    const QDir base(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = base.relativeFilePath(info.filePath());
        entries << (info.isDir() ? name + QLatin1Char('/')
                                 : QStringLiteral("%1 %2 %3")
                                       .arg(name)
                                       .arg(info.size())
                                       .arg(info.lastModified().toMSecsSinceEpoch()));
    }
    entries.sort();
    return entries;
}
} // namespace

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program's name
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says"); // part of the output

    const QString versionLine = QStringLiteral("VORAjikken ") + version::numbers() + QLatin1Char('\n');
    QTest::newRow("nothing") << QStringList() << Stage::BeforeQt << Action::Start << 0 << "";
    QTest::newRow("--help") << QStringList{"--help"} << Stage::BeforeQt << Action::Help << 0 << "--version";
    QTest::newRow("-h") << QStringList{"-h"} << Stage::BeforeQt << Action::Help << 0 << "--help";
    QTest::newRow("--version") << QStringList{"--version"} << Stage::BeforeQt << Action::Version << 0 << versionLine;
    QTest::newRow("-v") << QStringList{"-v"} << Stage::BeforeQt << Action::Version << 0 << versionLine;
    QTest::newRow("help wins over version")
        << QStringList{"--version", "--help"} << Stage::BeforeQt << Action::Help << 0 << "Usage";
    // Before QApplication Qt's options are still there and must not be refused.
    QTest::newRow("Qt option before Qt") << QStringList{"-platform", "offscreen"} << Stage::BeforeQt << Action::Start
                                         << 0 << "";
    QTest::newRow("Qt option and help") << QStringList{"-platform", "offscreen", "--help"} << Stage::BeforeQt
                                        << Action::Help << 0 << "Usage";
    QTest::newRow("-reverse is not -v") << QStringList{"-reverse"} << Stage::BeforeQt << Action::Start << 0 << "";
    QTest::newRow("unknown option before Qt")
        << QStringList{"--frobnicate"} << Stage::BeforeQt << Action::Start << 0 << "";
    // What QApplication left is the program's, and it has nothing else.
    QTest::newRow("nothing after Qt") << QStringList() << Stage::AfterQt << Action::Start << 0 << "";
    QTest::newRow("unknown option after Qt")
        << QStringList{"--frobnicate"} << Stage::AfterQt << Action::Error << 2 << "frobnicate";
    QTest::newRow("argument after Qt") << QStringList{"data.txt"} << Stage::AfterQt << Action::Error << 2
                                       << "'data.txt'";
    QTest::newRow("version after Qt") << QStringList{"--version"} << Stage::AfterQt << Action::Version << 0
                                      << versionLine;
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Stage, stage);
    QFETCH(Action, action);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    const CommandLine line = CommandLine::parse(QStringList{QStringLiteral("/usr/bin/VORAjikken")} + arguments, stage);
    QCOMPARE(line.action, action);
    if (action == Action::Start)
        return;
    QCOMPARE(line.exitCode, exitCode);
    QVERIFY2(line.output.contains(says), qPrintable(line.output));
    if (action == Action::Version)
        QCOMPARE(line.output, says);
}

void TestCommandLine::helpNamesTheProgramAndEveryOptionIsInTheManual()
{
    const QString help = CommandLine::parse({QStringLiteral("./x"), QStringLiteral("--help")}, Stage::BeforeQt).output;
    QVERIFY2(help.startsWith(QStringLiteral("Usage: VORAjikken [options]\n")), qPrintable(help));

    const QString manPage = qEnvironmentVariable("VORA_PROGRAM_MAN_PAGE");
    if (manPage.isEmpty())
        QSKIP("VORA_PROGRAM_MAN_PAGE not set");
    QFile file(manPage);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString roff = QString::fromUtf8(file.readAll());
    // The option lines of the help: "  -h, --help  ...".
    QRegularExpressionMatchIterator options =
        QRegularExpression(QStringLiteral("^  (-[a-z]), (--[a-z][a-z-]*) "), QRegularExpression::MultilineOption)
            .globalMatch(help);
    int seen = 0;
    while (options.hasNext()) {
        const QRegularExpressionMatch m = options.next();
        for (QString name : {m.captured(1), m.captured(2)}) {
            name.replace(QLatin1Char('-'), QStringLiteral("\\-"));
            QVERIFY2(roff.contains(QStringLiteral(".BR ") + name) || roff.contains(QStringLiteral("\" ") + name),
                     qPrintable(name + QStringLiteral(" is not among the options of ") + manPage));
        }
        ++seen;
    }
    QCOMPARE(seen, 2); // -h, --help and -v, --version
}

void TestCommandLine::answersWithoutWindowOrFile_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("says");
    QTest::newRow("--version") << "--version" << QStringLiteral("VORAjikken ") + version::numbers() + QLatin1Char('\n');
    QTest::newRow("-v") << "-v" << QStringLiteral("VORAjikken ") + version::numbers() + QLatin1Char('\n');
    QTest::newRow("--help") << "--help"
                            << "Usage: VORAjikken [options]";
    QTest::newRow("-h") << "-h"
                        << "Usage: VORAjikken [options]";
}

void TestCommandLine::answersWithoutWindowOrFile()
{
    QFETCH(QString, option);
    QFETCH(QString, says);
    const QString appDir = qEnvironmentVariable("VORA_APP_DIR");
    const QString program = appDir + QStringLiteral("/VORAjikken");
    if (appDir.isEmpty() || !QFileInfo(program).isExecutable())
        QSKIP("no program built");

    // No display of any kind: a QApplication would not even start. Every folder the program
    // could write to is under `root`, which starts empty.
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkdir(QStringLiteral("cwd")));
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    env.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), root.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("TMPDIR"), root.filePath(QStringLiteral("tmp")));
    const QStringList programFolderBefore = snapshot(appDir);

    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(root.filePath(QStringLiteral("cwd")));
    p.start(program, {option});
    QVERIFY(p.waitForStarted());
    QVERIFY2(p.waitForFinished(10000), "still running: a window was started");
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    QVERIFY2(out.startsWith(says), qPrintable(out));
    QCOMPARE(QString::fromLocal8Bit(p.readAllStandardError()), QString());
    QCOMPARE(snapshot(root.path()), QStringList{QStringLiteral("cwd/")});
    QCOMPARE(snapshot(appDir), programFolderBefore);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
