// The update page without widgets: version scan, marks, charsets and the site address.
#include "core/mainwindow/UpdatePage.h"
#include "core/toolkit/Cp932.h"

#include <QStringEncoder>
#include <QtTest>

using namespace vora;
using namespace vora::updatepage;

class TestUpdatePage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void versionScan_data();
    void versionScan();
    void versionText_data();
    void versionText();
    void marks_data();
    void marks();
    void offlineCopyHasNoOnlineMark();
    void declaredCharset_data();
    void declaredCharset();
    void decodePage_data();
    void decodePage();
    void localCopyText_data();
    void localCopyText();
    void siteFolder_data();
    void siteFolder();
};

void TestUpdatePage::versionScan_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("own");
    QTest::addColumn<bool>("newer");
    QTest::addColumn<int>("line");
    QTest::addColumn<QList<int>>("page"); // major, minor, revision of the newer version

    const QString head = QStringLiteral("<h3>改定記録</h3>");
    QTest::newRow("newer revision") << QStringList{head, QStringLiteral("2010/05/01 V1.2.4 公開")} << "V1.2.3" << true
                                    << 1 << QList<int>{1, 2, 4};
    QTest::newRow("same version") << QStringList{head, QStringLiteral("V1.2.3 公開")} << "V1.2.3" << false << -1
                                  << QList<int>();
    QTest::newRow("older minor, higher revision")
        << QStringList{head, QStringLiteral("V1.1.9")} << "V1.2.3" << false << -1 << QList<int>();
    QTest::newRow("newer major beats lower minor")
        << QStringList{head, QStringLiteral("V2.0.0")} << "V1.9.9" << true << 1 << QList<int>{2, 0, 0};
    QTest::newRow("before the revision marker ignored")
        << QStringList{QStringLiteral("最新 V9.9.9"), head, QStringLiteral("V1.0.0")} << "V1.2.3" << false << -1
        << QList<int>();
    QTest::newRow("marker line itself is searched")
        << QStringList{QStringLiteral("改定記録 V1.3.0")} << "V1.2.3" << true << 0 << QList<int>{1, 3, 0};
    QTest::newRow("VER 2.0 is no candidate")
        << QStringList{head, QStringLiteral("VER 2.0 の説明")} << "V1.2.3" << false << -1 << QList<int>();
    QTest::newRow("search goes on after VER 2.0")
        << QStringList{head, QStringLiteral("VER 2.0 から V1.3.0 へ")} << "V1.2.3" << true << 1 << QList<int>{1, 3, 0};
    QTest::newRow("fragment cut at <") << QStringList{head, QStringLiteral("V2.10.1<br>")} << "V2.9.9" << true << 1
                                       << QList<int>{2, 10, 1};
    QTest::newRow("V2.10.1<br> equals own")
        << QStringList{head, QStringLiteral("V2.10.1<br>")} << "V2.10.1" << false << -1 << QList<int>();
    QTest::newRow("V without dot moves to next line")
        << QStringList{head, QStringLiteral("Version V"), QStringLiteral("V1.2.5")} << "V1.2.3" << true << 2
        << QList<int>{1, 2, 5};
    QTest::newRow("only the first candidate of a line")
        << QStringList{head, QStringLiteral("V1.0.0 → V9.9.9")} << "V1.2.3" << false << -1 << QList<int>();
    QTest::newRow("two-part version is x.y.0")
        << QStringList{head, QStringLiteral("V2.5 公開")} << "V2.4.9" << true << 1 << QList<int>{2, 5, 0};
    QTest::newRow("two-part version equal to x.y.0")
        << QStringList{head, QStringLiteral("V2.5")} << "V2.5.0" << false << -1 << QList<int>();
    QTest::newRow("two-part version takes nothing from an earlier line")
        << QStringList{head, QStringLiteral("V1.9.9"), QStringLiteral("V2.5")} << "V2.5.0" << false << -1
        << QList<int>();
    QTest::newRow("cut at ideographic comma")
        << QStringList{head, QStringLiteral("V1.3.0、V1.2.0")} << "V1.2.3" << true << 1 << QList<int>{1, 3, 0};
    QTest::newRow("cut at full-width space")
        << QStringList{head, QStringLiteral("V1.2.10　修正")} << "V1.2.3" << true << 1 << QList<int>{1, 2, 10};
    QTest::newRow("trailing letters ignored")
        << QStringList{head, QStringLiteral("V1.2.4a")} << "V1.2.3" << true << 1 << QList<int>{1, 2, 4};
    QTest::newRow("lower-case v is no version")
        << QStringList{head, QStringLiteral("v9.9.9")} << "V1.2.3" << false << -1 << QList<int>();
    QTest::newRow("own version with spaces")
        << QStringList{head, QStringLiteral("V1.2.4")} << "V 1.2.3" << true << 1 << QList<int>{1, 2, 4};
    QTest::newRow("no marker at all") << QStringList{QStringLiteral("V9.9.9")} << "V1.2.3" << false << -1
                                      << QList<int>();
    QTest::newRow("empty page") << QStringList{} << "V1.2.3" << false << -1 << QList<int>();
}

void TestUpdatePage::versionScan()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, own);
    QFETCH(bool, newer);
    QFETCH(int, line);
    QFETCH(QList<int>, page);
    const ScanResult r = scanForNewerVersion(lines, own);
    QCOMPARE(r.newer, newer);
    QCOMPARE(r.line, line);
    if (newer)
        QCOMPARE((QList<int>{r.page.major, r.page.minor, r.page.revision}), page);
}

void TestUpdatePage::versionText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("three parts") << "V1.2.3" << QList<int>{1, 2, 3};
    QTest::newRow("two parts") << "V2.5" << QList<int>{2, 5, 0};
    QTest::newRow("empty major") << "V.5" << QList<int>{0, 5, 0};
    QTest::newRow("spaces removed") << "V 1 . 2 . 3" << QList<int>{1, 2, 3};
    QTest::newRow("huge number capped") << "V99999999999999.1.1" << QList<int>{999999999, 1, 1};
}

void TestUpdatePage::versionText()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, numbers);
    const VersionNumbers v = parseVersionText(text);
    QCOMPARE((QList<int>{v.major, v.minor, v.revision}), numbers);
}

void TestUpdatePage::marks_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("online");
    QTest::addColumn<QString>("offline");
    const QString m = linkMarker();
    const QString hp = QStringLiteral(" <font color=666666>(hp)</font>");
    const QString hd = QStringLiteral(" <font color=666666>(HD)</font>");
    QTest::newRow("after the link") << "<a href=x>" + m + "tail"
                                    << "<a href=x>" + m + hp + "tail"
                                    << "<a href=x>" + m + hd + "tail";
    QTest::newRow("only the first marker") << m + "|" + m << m + hp + "|" + m << m + hd + "|" + m;
    QTest::newRow("marker at the end") << "x" + m << "x" + m + hp << "x" + m + hd;
    QTest::newRow("no marker") << QStringLiteral("ＶＯＲＡ no link") << QStringLiteral("ＶＯＲＡ no link")
                               << QStringLiteral("ＶＯＲＡ no link");
}

void TestUpdatePage::marks()
{
    QFETCH(QString, page);
    QFETCH(QString, online);
    QFETCH(QString, offline);
    QCOMPARE(withOnlineMark(page), online);
    QCOMPARE(withOfflineMark(withOnlineMark(page)), offline);
}

void TestUpdatePage::offlineCopyHasNoOnlineMark()
{
    // Text after the marker that is not the online mark is never eaten.
    const QString page = linkMarker() + QStringLiteral("0123456789012345678901234567890123456789");
    QCOMPARE(withOfflineMark(page), linkMarker() + offlineMark() + page.mid(linkMarker().size()));
    QVERIFY(!withOfflineMark(withOnlineMark(page)).contains(QStringLiteral("(hp)")));
}

void TestUpdatePage::declaredCharset_data()
{
    QTest::addColumn<QString>("contentType");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("charset");
    QTest::newRow("header") << "text/html; charset=UTF-8" << QByteArray("<html>") << "UTF-8";
    QTest::newRow("quoted header") << "text/html; charset=\"Shift_JIS\"" << QByteArray() << "Shift_JIS";
    QTest::newRow("header wins over meta")
        << "text/html;charset=euc-jp" << QByteArray("<meta charset=\"utf-8\">") << "euc-jp";
    QTest::newRow("meta charset") << "text/html" << QByteArray("<head><meta charset=\"utf-8\"></head>") << "utf-8";
    QTest::newRow("meta http-equiv") << ""
                                     << QByteArray("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                                                   "charset=EUC-JP\">")
                                     << "EUC-JP";
    QTest::newRow("charset outside meta ignored") << "" << QByteArray("<p>charset=utf-8</p>") << "";
    QTest::newRow("byte order mark") << "" << QByteArray("\xEF\xBB\xBF<html>") << "UTF-8";
    QTest::newRow("none") << "text/html" << QByteArray("<html><body>x</body></html>") << "";
}

void TestUpdatePage::declaredCharset()
{
    QFETCH(QString, contentType);
    QFETCH(QByteArray, body);
    QFETCH(QString, charset);
    QCOMPARE(updatepage::declaredCharset(contentType, body), charset);
}

void TestUpdatePage::decodePage_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("contentType");
    const QString text = QStringLiteral("ＶＯＲＡ 改定記録 V1.2.3");
    const QByteArray sjis = cp932::encode(text).bytes;
    QTest::newRow("undeclared is CP932") << sjis << "text/html";
    QTest::newRow("declared Shift_JIS") << sjis << "text/html; charset=Shift_JIS";
    QTest::newRow("unknown charset falls back to CP932") << sjis << "text/html; charset=x-no-such-thing";
    QTest::newRow("UTF-8 by header") << text.toUtf8() << "text/html; charset=utf-8";
    QTest::newRow("UTF-8 by meta") << QByteArray("<meta charset=utf-8>") + text.toUtf8() << "";
    QTest::newRow("UTF-8 with byte order mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << "";
    QStringEncoder euc("EUC-JP");
    QTest::newRow("EUC-JP by meta") << QByteArray(
                                           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\">")
                                           + QByteArray(euc.encode(text))
                                    << "";
}

void TestUpdatePage::decodePage()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, contentType);
    const QString decoded = updatepage::decodePage(body, contentType);
    QVERIFY2(decoded.endsWith(QStringLiteral("ＶＯＲＡ 改定記録 V1.2.3")), qPrintable(decoded));
    QVERIFY(!decoded.startsWith(QChar(0xFEFF)));
}

void TestUpdatePage::localCopyText_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("copy");
    QTest::newRow("plain") << QStringLiteral("ＶＯＲＡ 改定記録") << QStringLiteral("ＶＯＲＡ 改定記録");
    QTest::newRow("meta charset now says Shift_JIS")
        << QStringLiteral("<meta charset=\"utf-8\"><p>charset=utf-8</p>")
        << QStringLiteral("<meta charset=\"Shift_JIS\"><p>charset=utf-8</p>");
    QTest::newRow("http-equiv charset") << QStringLiteral("<META content=\"text/html; charset=EUC-JP\">")
                                        << QStringLiteral("<META content=\"text/html; charset=Shift_JIS\">");
    QTest::newRow("characters outside the code page become references")
        << QStringLiteral("café 😀 ＶＯＲＡ") << QStringLiteral("caf&#233; &#128512; ＶＯＲＡ");
}

void TestUpdatePage::localCopyText()
{
    QFETCH(QString, page);
    QFETCH(QString, copy);
    const QString result = forLocalCopy(page);
    QCOMPARE(result, copy);
    QVERIFY(cp932::canEncode(result));
}

void TestUpdatePage::siteFolder_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("folder");
    const QString def = QStringLiteral("http://www.example.org/vora/esp/");
    QTest::newRow("no override file") << QStringList() << def;
    QTest::newRow("empty line") << QStringList{QString()} << def;
    QTest::newRow("mirror") << QStringList{QStringLiteral("http://mirror.example.net/esp/")}
                            << "http://mirror.example.net/esp/";
    QTest::newRow("slash added and spaces trimmed")
        << QStringList{QStringLiteral("  https://127.0.0.1:8080/esp  ")} << "https://127.0.0.1:8080/esp/";
    QTest::newRow("only the first line") << QStringList{QStringLiteral("http://a.example.org/esp/"),
                                                        QStringLiteral("http://b.example.org/esp/")}
                                         << "http://a.example.org/esp/";
    QTest::newRow("file address refused") << QStringList{QStringLiteral("file:///etc/")} << def;
    QTest::newRow("script address refused") << QStringList{QStringLiteral("javascript:alert(1)")} << def;
    QTest::newRow("not an address") << QStringList{QStringLiteral("mirror site")} << def;
}

void TestUpdatePage::siteFolder()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, folder);
    QCOMPARE(updatepage::siteFolder(lines), folder);
    QCOMPARE(pageUrl(folder).toString(), folder + QStringLiteral("new-sub2.htm"));
}

QTEST_APPLESS_MAIN(TestUpdatePage)
#include "tst_updatepage.moc"
