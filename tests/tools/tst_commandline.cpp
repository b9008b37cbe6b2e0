// vora-data's command definitions in process: what its parsers read, and the man page and
// help written from the same definitions.
#include "CommandLine.h"

#include "core/toolkit/Language.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace voradata;

namespace {

// The page as man shows it, in plain ASCII; `warnings` gets what groff says about it.
QString rendered(const QString &roff, QString *warnings)
{
    QProcess groff;
    groff.start(QStringLiteral("groff"),
                {QStringLiteral("-man"), QStringLiteral("-Tascii"), QStringLiteral("-ww"), QStringLiteral("-P-c"),
                 QStringLiteral("-P-b"), QStringLiteral("-P-u"), QStringLiteral("-rLL=200n")});
    if (!groff.waitForStarted())
        return QString();
    groff.write(roff.toUtf8());
    groff.closeWriteChannel();
    groff.waitForFinished();
    *warnings = QString::fromUtf8(groff.readAllStandardError());
    return QString::fromUtf8(groff.readAllStandardOutput());
}

// Terminal columns: kana, kanji and full-width marks take two.
int columns(const QString &line)
{
    int n = 0;
    for (const QChar c : line)
        n += c.unicode() >= 0x2e80 ? 2 : 1;
    return n;
}

bool hasJapanese(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x3000 && c.unicode() <= 0x9fff)
            return true;
    return false;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parses_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("option"); // checked when not empty
        QTest::addColumn<QString>("value");

        QTest::newRow("options after files")
            << "summary" << QStringList{"a.txt", "--upto", "3"} << QStringList{"a.txt"} << "upto"
            << "3";
        QTest::newRow("--opt=value") << "summary" << QStringList{"--upto=4", "a.txt"} << QStringList{"a.txt"} << "upto"
                                     << "4";
        QTest::newRow("the last value counts")
            << "summary" << QStringList{"a.txt", "--upto=4", "--upto", "5"} << QStringList{"a.txt"} << "upto"
            << "5";
        QTest::newRow("-o joined") << "report" << QStringList{"-oout.html", "a.txt"} << QStringList{"a.txt"} << "output"
                                   << "out.html";
        QTest::newRow("--output") << "report" << QStringList{"a.txt", "--output", "r.html"} << QStringList{"a.txt"}
                                  << "output"
                                  << "r.html";
        QTest::newRow("-- ends the options")
            << "check" << QStringList{"--", "--json", "-x"} << QStringList{"--json", "-x"} << ""
            << "";
        QTest::newRow("- is a file") << "check" << QStringList{"-", "b.txt"} << QStringList{"-", "b.txt"} << ""
                                     << "";
        QTest::newRow("value that starts with -")
            << "verify" << QStringList{"--expect-head", "-x", "a.txt"} << QStringList{"a.txt"} << "expect-head"
            << "-x";
        QTest::newRow("server options") << "push" << QStringList{"a.txt", "--server=dbname=x", "--site", "s1"}
                                        << QStringList{"a.txt"} << "site"
                                        << "s1";
    }

    void parses()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, args);
        QFETCH(QStringList, files);
        QFETCH(QString, option);
        QFETCH(QString, value);
        CommandLine line(command);
        QVERIFY(line.parse(args));
        QCOMPARE(line.positional(), files);
        if (!option.isEmpty())
            QCOMPARE(line.value(option), value);
    }

    // Every command, form, option and exit status reaches the man page as man shows it, and
    // groff has nothing to say about the page.
    void manPageCoversEverything()
    {
        const QString roff = manPage(QStringLiteral("2026-12-08"));
        QVERIFY(roff.startsWith(QStringLiteral(".\\\" ")));
        // The page is English: compared with the definitions in English.
        const vora::language::Scope english(QStringLiteral("en"));
        QCOMPARE(vora::language::current(), QStringLiteral("en"));
        QString warnings;
        const QString page = rendered(roff, &warnings);
        if (page.isEmpty())
            QSKIP("groff is not installed");
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings));
        const QString flat = page.simplified();

        for (const char *section : {"NAME", "SYNOPSIS", "DESCRIPTION", "COMMANDS", "OPTIONS", "EXIT STATUS",
                                    "ENVIRONMENT", "FILES", "EXAMPLES", "SEE ALSO"})
            QVERIFY2(QRegularExpression(QStringLiteral("^") + QLatin1String(section) + QStringLiteral("$"),
                                        QRegularExpression::MultilineOption)
                         .match(page)
                         .hasMatch(),
                     section);
        for (const char *variable : {"PGPASSWORD", "PGPASSFILE", "PGHOST", "XDG_DATA_HOME"})
            QVERIFY2(flat.contains(QLatin1String(variable)), variable);

        int options = 0;
        for (const CommandDef &def : commandDefs()) {
            for (const FormDef &form : def.forms) {
                const QString synopsis =
                    (QStringLiteral("vora-data ") + def.name + QLatin1Char(' ') + form.synopsis).trimmed();
                QVERIFY2(flat.count(synopsis) >= 2, qPrintable(synopsis)); // SYNOPSIS and the command's own entry
                QVERIFY2(usageText().contains(synopsis), qPrintable(synopsis));
            }
            const QString help = commandHelp(def);
            for (const OptionDef &o : def.options) {
                const QString label = QStringLiteral("--") + o.names.last()
                                      + (o.valueName.isEmpty() ? QString() : QLatin1Char(' ') + o.valueName);
                QVERIFY2(flat.contains(label), qPrintable(def.name + QLatin1Char(' ') + label));
                QVERIFY2(help.contains(label), qPrintable(def.name + QLatin1Char(' ') + label));
                // The option's own text, as far as its first sentence goes.
                const QString firstWords = QString(o.help).remove(QLatin1Char('`')).section(QLatin1Char(' '), 0, 3);
                QVERIFY2(flat.contains(firstWords), qPrintable(firstWords));
                ++options;
            }
            for (const ExitDef &e : def.exits)
                QVERIFY2(flat.contains(def.name + QStringLiteral(": ") + e.meaning),
                         qPrintable(def.name + ": " + e.meaning));
        }
        QVERIFY(options >= 11);
        for (const char *name : {"check", "summary", "export", "evaluate", "report", "seal", "verify", "push"})
            QVERIFY2(findCommand(QLatin1String(name)), name);
    }

    // The installed page is one English page, whatever the language of the user who builds it.
    void manPageIsEnglishInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("Japanese") << "ja";
        QTest::newRow("English") << "en";
    }

    void manPageIsEnglishInEveryLanguage()
    {
        QFETCH(QString, language);
        const QString english = manPage(QStringLiteral("2026-12-08"));
        QVERIFY(english.contains(QStringLiteral("Runs the program's integrity check on every")));
        QVERIFY(!hasJapanese(english));
        const vora::language::Scope scope(language);
        QCOMPARE(vora::language::current(), language);
        QCOMPARE(manPage(QStringLiteral("2026-12-08")), english);
        QCOMPARE(vora::language::current(), language); // the man page leaves the language as it was
    }

    // Japanese help has no spaces to break at: lines break between characters, within the
    // width, and never before a closing mark or after an opening bracket.
    void japaneseHelpFitsTheTerminal()
    {
        const vora::language::Scope japanese(QStringLiteral("ja"));
        QVERIFY(usageText().startsWith(QStringLiteral("使い方:\n  vora-data check FILE...")));
        const QString noStart = QStringLiteral("、。）」』：；");
        const QString noEnd = QStringLiteral("（「『");
        auto checkLines = [&](const QString &text, int width, const QString &where) {
            for (const QString &line : text.split(QLatin1Char('\n'))) {
                const QString body = line.trimmed();
                if (body.startsWith(QStringLiteral("vora-data ")) || body.startsWith(QStringLiteral("使い方: ")))
                    continue; // a synopsis is not wrapped
                QVERIFY2(columns(line) <= width, qPrintable(where + QStringLiteral(": ") + line));
                QVERIFY2(body.isEmpty() || !noStart.contains(body.front()),
                         qPrintable(where + QStringLiteral(": ") + line));
                QVERIFY2(body.isEmpty() || !noEnd.contains(body.back()),
                         qPrintable(where + QStringLiteral(": ") + line));
            }
        };
        for (const CommandDef &def : commandDefs()) {
            const QString help = commandHelp(def);
            QVERIFY2(hasJapanese(help), qPrintable(def.name));
            checkLines(help, 79, def.name);
            // The later forms line up under the first, past "使い方: " (8 columns).
            if (def.forms.size() > 1)
                QVERIFY2(help.contains(QStringLiteral("\n        vora-data ") + def.name), qPrintable(help.left(300)));
        }
        checkLines(usageText().section(QStringLiteral("出力は"), 0, 0), 110, QStringLiteral("usage"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
