// The program's language: the choice from VORA_LANG and the locale, the catalogues found from
// the build, a report's language held only while it is written, and no Japanese source text
// left outside the translation system.
#include "core/report/Pooled.h"
#include "core/results/Evaluation.h"
#include "core/results/Summary.h"
#include "core/toolkit/Language.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace vora;

namespace {

bool isJapanese(char32_t c)
{
    return (c >= 0x3000 && c <= 0x30ff) || (c >= 0x4e00 && c <= 0x9fff) || (c >= 0xff00 && c <= 0xffef);
}

bool hasJapanese(const QString &s)
{
    for (const char32_t c : s.toUcs4())
        if (isJapanese(c))
            return true;
    return false;
}

struct Literal {
    QString text; // the characters between the quotes, escapes as written
    int line = 0;
    bool translated = false;
};

// The calls whose string arguments are source texts of the catalogues.
const QStringList kTranslating = {QStringLiteral("tr"), QStringLiteral("translate"), QStringLiteral("QT_TR_NOOP"),
                                  QStringLiteral("QT_TRANSLATE_NOOP"), QStringLiteral("QT_TRANSLATE_NOOP3")};

// The string literals of C++ source text, comments and character literals skipped. A literal
// counts as translated when it is an argument of one of kTranslating, directly or after other
// literals (the context of translate(), adjacent literals joined).
QVector<Literal> literals(const QString &code)
{
    QVector<Literal> out;
    int line = 1;
    // The translating call a '(' opened, per depth; an argument list of literals keeps it.
    QVector<bool> callStack;
    QString lastWord;
    bool afterWord = false;
    const int n = int(code.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('\n')) {
            ++line;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && code.at(i + 1) == QLatin1Char('/')) {
            while (i < n && code.at(i) != QLatin1Char('\n'))
                ++i;
            --i;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && code.at(i + 1) == QLatin1Char('*')) {
            const int end = int(code.indexOf(QStringLiteral("*/"), i + 2));
            line += int(code.mid(i, (end < 0 ? n : end) - i).count(QLatin1Char('\n')));
            i = end < 0 ? n : end + 1;
            continue;
        }
        if (c == QLatin1Char('\'')) {
            // A digit separator (1'000) is not a character literal.
            if (afterWord && i > 0 && code.at(i - 1).isLetterOrNumber() && lastWord.at(0).isDigit())
                continue;
            for (++i; i < n && code.at(i) != QLatin1Char('\''); ++i)
                if (code.at(i) == QLatin1Char('\\'))
                    ++i;
            afterWord = false;
            continue;
        }
        if (c == QLatin1Char('"')) {
            Literal lit;
            lit.line = line;
            const bool raw = i > 0 && code.at(i - 1) == QLatin1Char('R');
            if (raw) {
                const int open = int(code.indexOf(QLatin1Char('('), i));
                const QString close = QLatin1Char(')') + code.mid(i + 1, open - i - 1) + QLatin1Char('"');
                const int end = int(code.indexOf(close, open));
                lit.text = code.mid(open + 1, end - open - 1);
                line += int(lit.text.count(QLatin1Char('\n')));
                i = end + int(close.size()) - 1;
            } else {
                int j = i + 1;
                for (; j < n && code.at(j) != QLatin1Char('"'); ++j)
                    if (code.at(j) == QLatin1Char('\\'))
                        ++j;
                lit.text = code.mid(i + 1, j - i - 1);
                i = j;
            }
            lit.translated = !callStack.isEmpty() && callStack.last();
            out.append(lit);
            afterWord = false;
            continue;
        }
        if (c.isLetterOrNumber() || c == QLatin1Char('_')) {
            int j = i;
            while (j < n && (code.at(j).isLetterOrNumber() || code.at(j) == QLatin1Char('_')))
                ++j;
            lastWord = code.mid(i, j - i);
            afterWord = true;
            // A name inside tr(...) (an expression, a variable) ends its source-text arguments.
            if (!callStack.isEmpty())
                callStack.last() = false;
            i = j - 1;
            continue;
        }
        if (c.isSpace())
            continue;
        if (c == QLatin1Char('(')) {
            callStack.append(afterWord && kTranslating.contains(lastWord));
        } else if (c == QLatin1Char(')')) {
            if (!callStack.isEmpty())
                callStack.removeLast();
        } else if (c != QLatin1Char(',') && !callStack.isEmpty()) {
            // Anything but literals and commas inside tr(...) (an expression, a nested call's
            // result) ends the source-text arguments of that call.
            callStack.last() = false;
        }
        afterWord = false;
    }
    return out;
}

// Japanese bytes that are data, not texts: they are written to or read from files and pages
// the way the program always has, whatever the language.
struct Allowed {
    const char *file;
    const char *text;
    const char *why;
};
const Allowed kAllowed[] = {
    {"src/core/registry/RecordFormat.h", "実験条件=", "the condition memo line's prefix in data files"},
    {"src/core/mainwindow/UpdatePage.h", "ＶＯＲＡ", "a marker of the update page"},
    {"src/core/mainwindow/UpdatePage.h", "(最新版の入手)</A>", "a marker of the update page"},
    {"src/core/mainwindow/UpdatePage.h", "改定記録", "a marker of the update page"},
    {"src/core/mainwindow/UpdatePage.cpp", "　", "a cut point of the update page's text"},
    {"src/core/mainwindow/UpdatePage.cpp", "、", "a cut point of the update page's text"},
    {"src/ui/mainwindow/BackgroundPictures.cpp", "１", "a full-width digit typed as the answer 1"},
    {"src/ui/mainwindow/BackgroundPictures.cpp", "２", "a full-width digit typed as the answer 2"},
    {"src/ui/mainwindow/BackgroundPictures.cpp", "３", "a full-width digit typed as the answer 3"},
    {"src/ui/results/ChartImageExport.cpp", "[()（）]", "brackets taken out of a chart title for a file name"},
    {"src/ui/toolkit/Style.h", "ＭＳ ゴシック", "a font family name"},
    {"src/ui/toolkit/Style.cpp", "ＭＳ Ｐゴシック", "a font family name"},
};

bool allowed(const QString &file, const QString &text)
{
    for (const Allowed &a : kAllowed)
        if (file == QLatin1String(a.file) && text == QString::fromUtf8(a.text))
            return true;
    return false;
}

QString sourceDir()
{
    return qEnvironmentVariable("VORA_SOURCE_DIR");
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void choice_data();
    void choice();
    void catalogueTranslates_data();
    void catalogueTranslates();
    void scopeHoldsTheLanguageWhileItLives();
    void scannerFindsUntranslatedTexts_data();
    void scannerFindsUntranslatedTexts();
    void sourceTextsAreTranslatable_data();
    void sourceTextsAreTranslatable();
    void allowListNamesExistingData();
};

void TestLanguage::initTestCase()
{
    QVERIFY2(!sourceDir().isEmpty(), "VORA_SOURCE_DIR names the source tree");
    QVERIFY2(language::available(QStringLiteral("en")), "the build's English catalogue is found");
}

void TestLanguage::choice_data()
{
    QTest::addColumn<QString>("override");
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<bool>("cLocale");
    QTest::addColumn<QString>("chosen");
    const QStringList english{QStringLiteral("en-US"), QStringLiteral("en")};
    QTest::newRow("English locale") << QString() << english << false << "en";
    QTest::newRow("British locale") << QString() << QStringList{QStringLiteral("en-GB")} << false << "en";
    QTest::newRow("Japanese locale") << QString() << QStringList{QStringLiteral("ja-JP")} << false << "ja";
    QTest::newRow("a locale without a catalogue") << QString() << QStringList{QStringLiteral("de-DE")} << false << "ja";
    QTest::newRow("first language we have")
        << QString() << QStringList{QStringLiteral("de-DE"), QStringLiteral("en-US")} << false << "en";
    QTest::newRow("Japanese before English")
        << QString() << QStringList{QStringLiteral("ja"), QStringLiteral("en")} << false << "ja";
    QTest::newRow("C locale") << QString() << english << true << "ja";
    QTest::newRow("VORA_LANG=ja over English") << "ja" << english << false << "ja";
    QTest::newRow("VORA_LANG=en over Japanese") << "en" << QStringList{QStringLiteral("ja-JP")} << false << "en";
    QTest::newRow("VORA_LANG=en over C") << "EN" << english << true << "en";
    QTest::newRow("VORA_LANG without a catalogue") << "xx" << QStringList{QStringLiteral("ja-JP")} << false << "ja";
    QTest::newRow("VORA_LANG naming a path") << "../en" << english << true << "ja";
}

void TestLanguage::choice()
{
    QFETCH(QString, override);
    QFETCH(QStringList, uiLanguages);
    QFETCH(bool, cLocale);
    QFETCH(QString, chosen);
    QCOMPARE(language::choose(override, uiLanguages, cLocale), chosen);
}

void TestLanguage::catalogueTranslates_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("hitLine");
    QTest::addColumn<QString>("period");
    // The Japanese texts are the program's own, byte for byte.
    QTest::newRow("ja") << "ja" << QStringLiteral("◆一致数=63") << QStringLiteral("◆実験期間；09/04/25 ～ 09/05/01");
    QTest::newRow("en") << "en" << QStringLiteral("◆Hits=63") << QStringLiteral("◆Period: 09/04/25 – 09/05/01");
}

void TestLanguage::catalogueTranslates()
{
    QFETCH(QString, code);
    QFETCH(QString, hitLine);
    QFETCH(QString, period);
    QVERIFY(language::install(code));
    QCOMPARE(language::current(), code);
    QCOMPARE(singleRunLine(63, false, 0, 0, 0, 0), hitLine);
    RunSet runs;
    runs.firstRunDate = QStringLiteral("09/04/25");
    runs.lastRunDate = QStringLiteral("09/05/01");
    QCOMPARE(periodLine(runs), period);
    QVERIFY(language::install(language::source()));
}

void TestLanguage::scopeHoldsTheLanguageWhileItLives()
{
    QVERIFY(language::install(language::source()));
    {
        const language::Scope english(report::languageCode(report::Lang::En));
        QCOMPARE(language::current(), QStringLiteral("en"));
        QCOMPARE(singleRunLine(50, false, 0, 0, 0, 0), QStringLiteral("◆Hits=50"));
    }
    QCOMPARE(language::current(), QStringLiteral("ja"));
    QCOMPARE(singleRunLine(50, false, 0, 0, 0, 0), QStringLiteral("◆一致数=50"));
    // A program speaking English writes an English report without switching.
    QVERIFY(language::install(QStringLiteral("en")));
    QCOMPARE(report::languageCode(report::Lang::En), QStringLiteral("en"));
    {
        const language::Scope japanese(report::languageCode(report::Lang::Ja));
        QCOMPARE(singleRunLine(50, false, 0, 0, 0, 0), QStringLiteral("◆一致数=50"));
    }
    QCOMPARE(language::current(), QStringLiteral("en"));
    QVERIFY(language::install(language::source()));
}

void TestLanguage::scannerFindsUntranslatedTexts_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("untranslated");
    QTest::newRow("plain literal") << QStringLiteral("QString a = QStringLiteral(\"実験\");")
                                   << QStringList{QStringLiteral("実験")};
    QTest::newRow("tr") << QStringLiteral("QString a = tr(\"実験\");") << QStringList{};
    QTest::newRow("class tr, joined literals")
        << QStringLiteral("x = Texts::tr(\"実験\"\n  \"ファイル\").arg(QStringLiteral(\"名前\"));")
        << QStringList{QStringLiteral("名前")};
    QTest::newRow("translate with context")
        << QStringLiteral("QCoreApplication::translate(\"Ctx\", \"刺激\")") << QStringList{};
    QTest::newRow("table of NOOPs") << QStringLiteral("const char *k[] = {QT_TRANSLATE_NOOP(\"C\", \"大\"), \"小\"};")
                                    << QStringList{QStringLiteral("小")};
    QTest::newRow("inside an expression of tr")
        << QStringLiteral("tr(flag ? \"有\" : \"無\")") << QStringList{QStringLiteral("有"), QStringLiteral("無")};
    QTest::newRow("comments and characters")
        << QStringLiteral("// \"コメント\"\n/* \"注\" */ char c = '\"'; QString s = u8\"表\";")
        << QStringList{QStringLiteral("表")};
    QTest::newRow("raw string") << QStringLiteral("auto s = R\"x(生の\"文字)x\";")
                                << QStringList{QStringLiteral("生の\"文字")};
    QTest::newRow("other function") << QStringLiteral("message(\"確認\");") << QStringList{QStringLiteral("確認")};
    QTest::newRow("digit separator") << QStringLiteral("int n = 1'000; tr(\"千\"); x(\"万\");")
                                     << QStringList{QStringLiteral("万")};
    QTest::newRow("variable in tr") << QStringLiteral("tr(name, \"注\")") << QStringList{QStringLiteral("注")};
    QTest::newRow("no Japanese") << QStringLiteral("QStringLiteral(\"…—±\")") << QStringList{};
}

void TestLanguage::scannerFindsUntranslatedTexts()
{
    QFETCH(QString, code);
    QFETCH(QStringList, untranslated);
    QStringList found;
    for (const Literal &l : literals(code))
        if (!l.translated && hasJapanese(l.text))
            found << l.text;
    QCOMPARE(found, untranslated);
}

void TestLanguage::sourceTextsAreTranslatable_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &top : {QStringLiteral("src"), QStringLiteral("tools")}) {
        QDirIterator it(sourceDir() + QLatin1Char('/') + top, {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next().mid(sourceDir().size() + 1);
            QTest::newRow(qPrintable(path)) << path;
        }
    }
}

void TestLanguage::sourceTextsAreTranslatable()
{
    QFETCH(QString, file);
    QFile f(sourceDir() + QLatin1Char('/') + file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QStringList bad;
    for (const Literal &l : literals(QString::fromUtf8(f.readAll())))
        if (!l.translated && hasJapanese(l.text) && !allowed(file, l.text))
            bad << QStringLiteral("%1:%2: \"%3\"").arg(file).arg(l.line).arg(l.text);
    QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("Japanese text outside tr():\n") + bad.join(QLatin1Char('\n'))));
}

void TestLanguage::allowListNamesExistingData()
{
    // An entry whose literal went away would let a new text with the same bytes through unseen.
    for (const Allowed &a : kAllowed) {
        QFile f(sourceDir() + QLatin1Char('/') + QLatin1String(a.file));
        QVERIFY2(f.open(QIODevice::ReadOnly), a.file);
        bool present = false;
        for (const Literal &l : literals(QString::fromUtf8(f.readAll())))
            present = present || (!l.translated && l.text == QString::fromUtf8(a.text));
        QVERIFY2(present, qPrintable(QStringLiteral("%1: \"%2\" (%3)")
                                         .arg(QLatin1String(a.file), QString::fromUtf8(a.text), QLatin1String(a.why))));
    }
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
