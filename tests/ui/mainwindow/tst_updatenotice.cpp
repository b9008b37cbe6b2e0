// The update notice on a plain window: fetch and local copy, web panel, version notice, links.
#include "FailDevice.h"
#include "Fakes.h"
#include "core/mainwindow/UpdateFetch.h"
#include "core/mainwindow/UpdatePage.h"
#include "core/toolkit/Cp932.h"
#include "core/toolkit/Units.h"
#include "ui/mainwindow/UpdateNotice.h"
#include "ui/startup/Module1.h"
#include "ui/toolkit/DesktopServices.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextBrowser>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

Q_DECLARE_METATYPE(vora::HttpReply)

using namespace vora;
using namespace vora::testing;

namespace {

const QString kLink =
    QStringLiteral("<A href=\"https://www.example.org/vora/dl.htm\" target=\"_blank\">(最新版の入手)</A>");

QString samplePage(const QString &version = QStringLiteral("V1.2.4"))
{
    return QStringLiteral("<html><head><title>ＶＯＲＡ</title></head><body>\n"
                          "<p>ＶＯＲＡ 超能力の実験 ")
           + kLink + QStringLiteral("</p>\n<h3>改定記録</h3>\n<p>2010/05/01 ") + version
           + QStringLiteral(" 公開</p>\n</body></html>");
}

HttpReply okReply(const QByteArray &body, const QString &contentType = QStringLiteral("text/html"))
{
    HttpReply r;
    r.ok = true;
    r.body = body;
    r.contentType = contentType;
    return r;
}

// Serves one fixed HTTP answer to every connection on the loopback interface, or, when
// `silent`, accepts and never answers.
class LoopbackServer : public QObject {
public:
    LoopbackServer(QByteArray response, bool silent) : m_response(std::move(response)), m_silent(silent)
    {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                ++connections;
                if (m_silent)
                    continue; // kept open by the server, never answered
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    m_request[socket] += socket->readAll();
                    if (!m_request[socket].contains("\r\n\r\n"))
                        return;
                    socket->write(m_response);
                    socket->disconnectFromHost();
                });
            }
        });
        server.listen(QHostAddress::LocalHost, 0);
    }
    QString folder() const { return QStringLiteral("http://127.0.0.1:%1/esp/").arg(server.serverPort()); }

    QTcpServer server;
    int connections = 0;

private:
    QByteArray m_response;
    bool m_silent;
    QHash<QTcpSocket *, QByteArray> m_request;
};

QByteArray httpResponse(const QByteArray &body, const QByteArray &contentType)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: " + contentType + "\r\nContent-Length: " + QByteArray::number(body.size())
           + "\r\nConnection: close\r\n\r\n" + body;
}

} // namespace

class TestUpdateNotice : public QObject {
    Q_OBJECT
private:
    struct Fixture {
        TestServices ts;
        std::unique_ptr<Module1> module;
        QWidget window;
        std::unique_ptr<UpdateNotice> notice;
        Fixture() { window.resize(units::px(12300), units::px(9000)); }
        void load()
        {
            module = std::make_unique<Module1>(ts.services);
            notice = std::make_unique<UpdateNotice>(*module, &window);
        }
        // Load step 3, then the event loop until the fetch is over.
        void fetch()
        {
            notice->beginFetch();
            QTRY_VERIFY_WITH_TIMEOUT(!notice->fetchInProgress(), 15000);
        }
        QTextBrowser *browser() { return window.findChild<QTextBrowser *>(QStringLiteral("WB1")); }
        QString copy() { return cp932::decode(ts.readBytes(QStringLiteral("new-sub2.htm"))).text; }
    };

private Q_SLOTS:
    void controlsAtLoad();
    void successfulFetchStoresOfflineCopyAndShowsOnlineOne();
    void copyIsCodePageText();
    void failedFetchLeavesCopyUntouched_data();
    void failedFetchLeavesCopyUntouched();
    void retriesWithinWindowWithPauses();
    void siteAddressFromOverrideFile();
    void failedWriteIsReportedAndPageStillShown();
    void realFetchFromLoopback_data();
    void realFetchFromLoopback();
    void silentServerIsBounded();
    void oversizedTransferIsCutOffAndOldCopyKept_data();
    void oversizedTransferIsCutOffAndOldCopyKept();
    void copyOnDiskStaysWithinTheBound_data();
    void copyOnDiskStaysWithinTheBound();
    void keptCopyThatCannotBeShown_data();
    void keptCopyThatCannotBeShown();
    void lateFetchReloadsPanelAndCompares_data();
    void lateFetchReloadsPanelAndCompares();
    void notice_data();
    void notice();
    void closeButtonHidesNotice();
    void windowClickTogglesPanel();
    void linkOpensBrowserAndEndsProgram_data();
    void linkOpensBrowserAndEndsProgram();
    void panelLoadsNothing();
};

void TestUpdateNotice::controlsAtLoad()
{
    // What the other features rely on: names, what is hidden at every load, no link following.
    Fixture f;
    f.load();
    QTextBrowser *wb = f.browser();
    QVERIFY(wb && !wb->isHidden());
    QVERIFY(!wb->openLinks() && !wb->openExternalLinks());
    auto *frame = f.window.findChild<QFrame *>(QStringLiteral("Frame3"));
    QVERIFY(frame && frame->isHidden());
    auto *text = frame->findChild<QPlainTextEdit *>(QStringLiteral("Text2"));
    QVERIFY(text && text->isReadOnly());
    QCOMPARE(text->font().family(), QStringLiteral("ＭＳ ゴシック"));
    QVERIFY(frame->findChild<QPushButton *>(QStringLiteral("Command11")));
    auto *label8 = f.window.findChild<QWidget *>(QStringLiteral("Label8"));
    QVERIFY(label8 && label8->isHidden());
    QCOMPARE(f.notice->webPanelState(), 0);
}

void TestUpdateNotice::successfulFetchStoresOfflineCopyAndShowsOnlineOne()
{
    Fixture f;
    f.ts.network->replies.enqueue(okReply(cp932::encode(samplePage()).bytes));
    f.load();
    f.fetch();

    QVERIFY(f.notice->lastFetchSucceeded());
    QCOMPARE(f.ts.network->requests.size(), 1);
    QCOMPARE(f.ts.network->requests.first(), QUrl(QStringLiteral("http://www.example.org/vora/esp/new-sub2.htm")));
    const QString copy = f.copy();
    QVERIFY(copy.contains(updatepage::linkMarker() + updatepage::offlineMark()));
    QVERIFY(!copy.contains(QStringLiteral("(hp)")));
    // The panel shows the copy of this start, marked as fetched just now.
    QVERIFY(f.browser()->toPlainText().contains(QStringLiteral("(最新版の入手) (hp)")));
}

void TestUpdateNotice::copyIsCodePageText()
{
    // A UTF-8 page with characters CP932 lacks: the copy is CP932 with CR LF and loses nothing.
    Fixture f;
    const QString page = QStringLiteral("<meta charset=\"utf-8\">\n") + samplePage() + QStringLiteral("\ncafé");
    f.ts.network->replies.enqueue(okReply(page.toUtf8(), QStringLiteral("text/html; charset=utf-8")));
    f.load();
    f.fetch();

    const QByteArray bytes = f.ts.readBytes(QStringLiteral("new-sub2.htm"));
    QVERIFY(bytes.contains(cp932::encode(QStringLiteral("改定記録")).bytes));
    QVERIFY(bytes.contains("caf&#233;\r\n"));
    QVERIFY(bytes.contains("<meta charset=\"Shift_JIS\">\r\n"));
    QVERIFY(!bytes.contains("\n\n"));
    QVERIFY(!cp932::decode(bytes).damaged);
}

void TestUpdateNotice::failedFetchLeavesCopyUntouched_data()
{
    QTest::addColumn<HttpReply>("reply");
    HttpReply offline;
    offline.error = QStringLiteral("host not found");
    QTest::newRow("no network") << offline;
    QTest::newRow("page without check text") << okReply(QByteArray("<html>captive portal</html>"));
    QTest::newRow("server error page") << okReply(QByteArray());
    // A real page, but longer than any update page: not taken, the old copy stays.
    QTest::newRow("page over the bound") << okReply(
        cp932::encode(samplePage() + QString(updatepage::kMaxPageBytes, QLatin1Char('x'))).bytes);
}

void TestUpdateNotice::failedFetchLeavesCopyUntouched()
{
    QFETCH(HttpReply, reply);
    Fixture f;
    const QByteArray earlier =
        cp932::encode(samplePage(QStringLiteral("V1.0.0"))
                          .replace(updatepage::linkMarker(), updatepage::linkMarker() + updatepage::offlineMark())
                      + QStringLiteral("\r\n"))
            .bytes;
    f.ts.writeBytes(QStringLiteral("new-sub2.htm"), earlier);
    for (int i = 0; i < 100; ++i)
        f.ts.network->replies.enqueue(reply);
    f.load();
    f.fetch();

    QVERIFY(!f.notice->lastFetchSucceeded());
    QCOMPARE(f.ts.readBytes(QStringLiteral("new-sub2.htm")), earlier);
    QVERIFY(!QFile::exists(f.ts.path(QStringLiteral("new-sub2.htm.work"))));
    // The panel shows the copy an earlier start kept.
    QVERIFY(f.browser()->toPlainText().contains(QStringLiteral("(HD)")));
    QVERIFY(f.browser()->toPlainText().contains(QStringLiteral("V1.0.0")));
}

void TestUpdateNotice::retriesWithinWindowWithPauses()
{
    Fixture f;
    f.ts.services.timing.fetchRetryWindowMs = 300;
    f.ts.services.timing.fetchTimeoutMs = 200;
    f.load();
    f.fetch(); // every attempt fails at once
    const int attempts = f.ts.network->requests.size();
    QVERIFY2(attempts >= 2, "a failed attempt inside the window is retried");
    QVERIFY2(attempts <= 10, "retries pause instead of hammering the server");
    for (int t : f.ts.network->timeouts)
        QVERIFY(t > 0 && t <= 200);
    QVERIFY(!QFile::exists(f.ts.path(QStringLiteral("new-sub2.htm"))));
    // With no copy from an earlier start the panel says why it is empty.
    QVERIFY(f.browser()->toPlainText().contains(QStringLiteral("更新情報のページはまだありません")));

    // A success on the second attempt ends the retries.
    Fixture g;
    HttpReply offline;
    g.ts.network->replies.enqueue(offline);
    g.ts.network->replies.enqueue(okReply(cp932::encode(samplePage()).bytes));
    g.ts.services.timing.fetchRetryWindowMs = 300;
    g.load();
    g.fetch();
    QCOMPARE(g.ts.network->requests.size(), 2);
    QVERIFY(g.notice->lastFetchSucceeded());
}

void TestUpdateNotice::siteAddressFromOverrideFile()
{
    Fixture f;
    f.ts.writeLines(QStringLiteral("update-site.txt"), {QStringLiteral("http://mirror.example.net/lab/esp")});
    f.load();
    f.fetch();
    QVERIFY(!f.ts.network->requests.isEmpty());
    QCOMPARE(f.ts.network->requests.first(), QUrl(QStringLiteral("http://mirror.example.net/lab/esp/new-sub2.htm")));
    QCOMPARE(f.notice->siteFolder(), QStringLiteral("http://mirror.example.net/lab/esp/"));
}

void TestUpdateNotice::failedWriteIsReportedAndPageStillShown()
{
    Fixture f;
    auto failing = std::make_shared<FileStore>();
    failWrite(*failing, 1, -1);
    f.ts.services.files = failing;
    f.ts.writeBytes(QStringLiteral("new-sub2.htm"), "old copy\r\n");
    f.ts.network->replies.enqueue(okReply(cp932::encode(samplePage()).bytes));
    f.load();
    f.fetch();

    QCOMPARE(f.ts.readBytes(QStringLiteral("new-sub2.htm")), QByteArray("old copy\r\n"));
    QCOMPARE(f.ts.dialogs->count(DialogRecord::Message), 1);
    QCOMPARE(f.ts.dialogs->last()->icon, MsgIcon::Exclamation);
    QVERIFY(f.browser()->toPlainText().contains(QStringLiteral("改定記録")));
}

void TestUpdateNotice::realFetchFromLoopback_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("contentType");
    QTest::newRow("CP932, no charset") << cp932::encode(samplePage()).bytes << QByteArray("text/html");
    QTest::newRow("UTF-8 by header") << samplePage().toUtf8() << QByteArray("text/html; charset=UTF-8");
}

void TestUpdateNotice::realFetchFromLoopback()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, contentType);
    LoopbackServer server(httpResponse(body, contentType), false);
    QVERIFY(server.server.isListening());
    Fixture f;
    f.ts.services.network = std::make_shared<QtNetwork>();
    f.ts.services.timing.fetchTimeoutMs = 5000;
    f.ts.writeLines(QStringLiteral("update-site.txt"), {server.folder()});
    f.load();
    f.fetch();

    QVERIFY(f.notice->lastFetchSucceeded());
    QCOMPARE(server.connections, 1);
    const QString copy = f.copy();
    QVERIFY(copy.contains(QStringLiteral("<h3>改定記録</h3>\r\n")));
    QVERIFY(copy.contains(updatepage::linkMarker() + updatepage::offlineMark()));
    f.notice->compareVersions(QStringLiteral("V1.2.3"));
    QCOMPARE(f.notice->messageText(), updatepage::noticeText());
}

void TestUpdateNotice::silentServerIsBounded()
{
    LoopbackServer server(QByteArray(), true);
    QVERIFY(server.server.isListening());
    Fixture f;
    f.ts.services.network = std::make_shared<QtNetwork>();
    f.ts.services.timing.fetchRetryWindowMs = 200;
    f.ts.services.timing.fetchTimeoutMs = 400;
    f.ts.writeLines(QStringLiteral("update-site.txt"), {server.folder()});
    f.ts.writeBytes(QStringLiteral("new-sub2.htm"), "<p>kept</p>\r\n");
    f.load();

    f.notice->beginFetch();
    // The window is not held: the kept copy is up while the server keeps silent.
    QVERIFY(f.notice->fetchInProgress());
    QCOMPARE(f.browser()->toPlainText(), QStringLiteral("kept"));
    QTRY_VERIFY(!f.notice->fetchInProgress()); // the attempt's own bound ends it
    QVERIFY(!f.notice->lastFetchSucceeded());
    // The first attempt outlasted the retry window, so it is not repeated.
    QCOMPARE(server.connections, 1);
    QCOMPARE(f.ts.readBytes(QStringLiteral("new-sub2.htm")), QByteArray("<p>kept</p>\r\n"));
    QCOMPARE(UpdateFetch::boundMs(Timing().fetchRetryWindowMs, Timing().fetchTimeoutMs), 5000);
}

void TestUpdateNotice::oversizedTransferIsCutOffAndOldCopyKept_data()
{
    QTest::addColumn<bool>("announced");
    QTest::newRow("length announced") << true;
    QTest::newRow("length not announced") << false;
}

void TestUpdateNotice::oversizedTransferIsCutOffAndOldCopyKept()
{
    QFETCH(bool, announced);
    // 20 MB of a page that would otherwise pass the check.
    const QByteArray body = cp932::encode(samplePage()).bytes + QByteArray(20 * 1024 * 1024, 'x');
    QByteArray response = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n";
    if (announced)
        response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    LoopbackServer server(response + "\r\n" + body, false);
    Fixture f;
    f.ts.services.network = std::make_shared<QtNetwork>();
    f.ts.services.timing.fetchTimeoutMs = 10000;
    f.ts.writeLines(QStringLiteral("update-site.txt"), {server.folder()});
    f.ts.writeBytes(QStringLiteral("new-sub2.htm"), "<p>kept</p>\r\n");
    f.load();
    f.fetch();

    QVERIFY(!f.notice->lastFetchSucceeded());
    QCOMPARE(server.connections, 1); // the same page would only come again
    QCOMPARE(f.ts.readBytes(QStringLiteral("new-sub2.htm")), QByteArray("<p>kept</p>\r\n"));
    QCOMPARE(f.browser()->toPlainText(), QStringLiteral("kept"));
}

void TestUpdateNotice::copyOnDiskStaysWithinTheBound_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("contentType");
    QTest::addColumn<qint64>("onDisk"); // the size of the stored copy; 0: not stored
    const qint64 bound = updatepage::kMaxPageBytes;
    // The copy on disk is the page with CR LF line ends and the offline mark after the link.
    const QByteArray crlfPage =
        cp932::encode(QString(samplePage()).replace(QLatin1Char('\n'), QStringLiteral("\r\n"))).bytes + "\r\n";
    const qint64 mark = cp932::encode(updatepage::offlineMark()).bytes.size();
    const qint64 fill = bound - crlfPage.size() - mark - 2;
    QTest::newRow("exactly at the bound") << crlfPage + QByteArray(fill, 'x') + "\r\n" << QString() << bound;
    QTest::newRow("one byte over") << crlfPage + QByteArray(fill + 1, 'x') + "\r\n" << QString() << qint64(0);
    // 10 bytes under the bound as sent, but each of its many lines gains a CR on disk.
    const QByteArray lfPage = cp932::encode(samplePage()).bytes + "\n";
    QByteArray lfLines;
    while (lfPage.size() + lfLines.size() + mark + 10 < bound)
        lfLines += "x\n";
    lfLines.chop(lfPage.size() + lfLines.size() + mark + 10 - bound);
    QTest::newRow("bare LF line ends") << lfPage + lfLines << QString() << qint64(0);
    // Within the bound in UTF-8; every "é" becomes the six bytes "&#233;" in the copy.
    const QByteArray utf8 =
        samplePage().toUtf8() + "\n" + QByteArray(bound / 4, 'x') + QString(bound / 3, QChar(0xe9)).toUtf8();
    QTest::newRow("references") << utf8 << QStringLiteral("text/html; charset=utf-8") << qint64(0);
}

void TestUpdateNotice::copyOnDiskStaysWithinTheBound()
{
    // A copy over the bound is never shown again at a later start: it must not be stored.
    QFETCH(QByteArray, body);
    QFETCH(QString, contentType);
    QFETCH(qint64, onDisk);
    QVERIFY(body.size() <= updatepage::kMaxPageBytes); // the transfer itself is taken
    Fixture f;
    f.ts.writeBytes(QStringLiteral("new-sub2.htm"), "<p>kept</p>\r\n");
    f.ts.network->replies.enqueue(okReply(body, contentType.isEmpty() ? QStringLiteral("text/html") : contentType));
    f.load();
    f.fetch();

    const QByteArray copy = f.ts.readBytes(QStringLiteral("new-sub2.htm"));
    if (onDisk == 0) {
        QVERIFY(!f.notice->lastFetchSucceeded());
        QCOMPARE(copy, QByteArray("<p>kept</p>\r\n"));
        return;
    }
    QVERIFY(f.notice->lastFetchSucceeded());
    QCOMPARE(qint64(copy.size()), onDisk);
    QVERIFY(copy.contains(cp932::encode(updatepage::offlineMark()).bytes));
    // and a later start reads it
    QVERIFY(updatepage::readSmallFile(*f.ts.services.files, f.ts.path(QStringLiteral("new-sub2.htm"))).ok);
}

void TestUpdateNotice::keptCopyThatCannotBeShown_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("panel");
    QTest::newRow("over the bound") << QStringLiteral("large") << updatepage::tooLargeCopyText();
    QTest::newRow("a pipe") << QStringLiteral("fifo") << updatepage::noCopyYetText();
    QTest::newRow("a folder") << QStringLiteral("folder") << updatepage::noCopyYetText();
}

void TestUpdateNotice::keptCopyThatCannotBeShown()
{
    QFETCH(QString, kind);
    QFETCH(QString, panel);
    Fixture f;
    const QString copy = f.ts.path(QStringLiteral("new-sub2.htm"));
    if (kind == QLatin1String("large")) {
        // A newer version in it, too: what is not shown is not scanned either.
        QStringList lines = samplePage(QStringLiteral("V9.0.0")).split(QLatin1Char('\n'));
        lines.append(QString(updatepage::kMaxPageBytes, QLatin1Char('x')));
        f.ts.writeLines(QStringLiteral("new-sub2.htm"), lines);
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(copy).constData(), 0600), 0);
        // The override file as a pipe as well: neither is opened, so nothing hangs.
        QCOMPARE(::mkfifo(QFile::encodeName(f.ts.path(QStringLiteral("update-site.txt"))).constData(), 0600), 0);
    } else {
        QVERIFY(QDir().mkpath(copy));
    }
    f.load();
    f.fetch(); // offline
    QCOMPARE(f.browser()->toPlainText(), panel);
    f.notice->compareVersions(QStringLiteral("V1.2.3"));
    QVERIFY(f.notice->messageText().isEmpty());
    QCOMPARE(f.notice->siteFolder(), updatepage::defaultSiteFolder());
}

void TestUpdateNotice::lateFetchReloadsPanelAndCompares_data()
{
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("fetched"); // empty: the fetch fails in the end
    QTest::addColumn<bool>("noticeAtLoad");
    QTest::addColumn<bool>("noticeAfter");
    const auto v = [](const char *text) { return QString::fromLatin1(text); };
    QTest::newRow("newer version arrives") << v("V1.0.0") << v("V1.2.4") << false << true;
    QTest::newRow("same version arrives") << v("V1.0.0") << v("V1.2.3") << false << false;
    QTest::newRow("fetch fails") << v("V1.2.4") << QString() << true << true;
    // Shown once per load: closed with "×", it does not come back when the page arrives.
    QTest::newRow("notice already closed") << v("V1.2.4") << v("V1.2.5") << true << false;
}

void TestUpdateNotice::lateFetchReloadsPanelAndCompares()
{
    QFETCH(QString, kept);
    QFETCH(QString, fetched);
    QFETCH(bool, noticeAtLoad);
    QFETCH(bool, noticeAfter);
    Fixture f;
    f.ts.writeLines(QStringLiteral("new-sub2.htm"),
                    samplePage(kept)
                        .replace(updatepage::linkMarker(), updatepage::linkMarker() + updatepage::offlineMark())
                        .split(QLatin1Char('\n')));
    f.ts.network->hold = true;
    if (!fetched.isEmpty())
        f.ts.network->replies.enqueue(okReply(cp932::encode(samplePage(fetched)).bytes));
    f.load();
    auto *frame = f.window.findChild<QFrame *>(QStringLiteral("Frame3"));
    f.window.show();

    // The load: the fetch still runs, so the panel shows the kept copy and step 10 scans it.
    f.notice->beginFetch();
    QVERIFY(f.notice->fetchInProgress());
    QVERIFY(f.browser()->toPlainText().contains(kept + QStringLiteral(" 公開")));
    QVERIFY(f.browser()->toPlainText().contains(QStringLiteral("(HD)")));
    f.notice->compareVersions(QStringLiteral("V1.2.3"));
    QCOMPARE(frame->isVisible(), noticeAtLoad);
    if (noticeAtLoad && !noticeAfter && !fetched.isEmpty())
        QTest::mouseClick(frame->findChild<QPushButton *>(QStringLiteral("Command11")), Qt::LeftButton);

    f.ts.network->release();
    QTRY_VERIFY(!f.notice->fetchInProgress());
    QCOMPARE(f.notice->lastFetchSucceeded(), !fetched.isEmpty());
    const QString shown = fetched.isEmpty() ? kept : fetched;
    QVERIFY(f.browser()->toPlainText().contains(shown + QStringLiteral(" 公開")));
    QVERIFY(f.browser()->toPlainText().contains(fetched.isEmpty() ? QStringLiteral("(HD)") : QStringLiteral("(hp)")));
    QVERIFY(f.copy().contains(shown + QStringLiteral(" 公開")));
    QVERIFY(f.copy().contains(updatepage::linkMarker() + updatepage::offlineMark()));
    QCOMPARE(frame->isVisible(), noticeAfter);
}

void TestUpdateNotice::notice_data()
{
    QTest::addColumn<QString>("copy");
    QTest::addColumn<bool>("shown");
    QTest::newRow("newer on the page") << samplePage(QStringLiteral("V1.2.4")) << true;
    QTest::newRow("same version") << samplePage(QStringLiteral("V1.2.3")) << false;
    QTest::newRow("older version") << samplePage(QStringLiteral("V1.1.9")) << false;
    QTest::newRow("no copy") << QString() << false;
}

void TestUpdateNotice::notice()
{
    QFETCH(QString, copy);
    QFETCH(bool, shown);
    Fixture f;
    if (!copy.isNull())
        f.ts.writeLines(QStringLiteral("new-sub2.htm"), copy.split(QLatin1Char('\n')));
    f.load();
    f.notice->compareVersions(QStringLiteral("V1.2.3"));

    auto *frame = f.window.findChild<QFrame *>(QStringLiteral("Frame3"));
    auto *text = f.window.findChild<QPlainTextEdit *>(QStringLiteral("Text2"));
    QCOMPARE(!frame->isHidden(), shown);
    if (shown) {
        QCOMPARE(frame->height(), units::px(2000));
        QCOMPARE(text->toPlainText(),
                 QStringLiteral("新バージョンのプログラムができています。\n\n"
                                "右案内の（最新版の入手）をクリックし、ホームページの案内にそって更新してください。"));
        QCOMPARE(f.notice->messageText(), updatepage::noticeText());
    } else {
        QVERIFY(f.notice->messageText().isEmpty());
        QCOMPARE(frame->height(), units::px(195));
    }
}

void TestUpdateNotice::closeButtonHidesNotice()
{
    Fixture f;
    f.ts.writeLines(QStringLiteral("new-sub2.htm"), samplePage(QStringLiteral("V9.0.0")).split(QLatin1Char('\n')));
    f.load();
    f.window.show();
    f.notice->compareVersions(QStringLiteral("V1.2.3"));
    auto *frame = f.window.findChild<QFrame *>(QStringLiteral("Frame3"));
    QVERIFY(frame->isVisible());
    QTest::mouseClick(frame->findChild<QPushButton *>(QStringLiteral("Command11")), Qt::LeftButton);
    QVERIFY(!frame->isVisible());
}

void TestUpdateNotice::windowClickTogglesPanel()
{
    Fixture f;
    f.load();
    QWidget *wb = f.notice->webPanel();
    QCOMPARE(wb, static_cast<QWidget *>(f.browser()));
    f.notice->toggleWebPanel();
    QCOMPARE(f.notice->webPanelState(), -1);
    QVERIFY(wb->isHidden());
    f.notice->toggleWebPanel();
    QCOMPARE(f.notice->webPanelState(), 1);
    QVERIFY(!wb->isHidden());
    f.notice->toggleWebPanel();
    QCOMPARE(f.notice->webPanelState(), -1);
    QVERIFY(wb->isHidden());
    // The registration view shows and hides the panel without touching the toggle.
    f.notice->setWebPanelVisible(true);
    QVERIFY(!wb->isHidden());
    QCOMPARE(f.notice->webPanelState(), -1);
}

void TestUpdateNotice::linkOpensBrowserAndEndsProgram_data()
{
    QTest::addColumn<QUrl>("link");
    QTest::addColumn<QUrl>("opened"); // empty: nothing opened, the program goes on
    QTest::newRow("absolute https") << QUrl(QStringLiteral("https://www.example.org/vora/dl.htm"))
                                    << QUrl(QStringLiteral("https://www.example.org/vora/dl.htm"));
    QTest::newRow("relative to the site")
        << QUrl(QStringLiteral("dl/new.htm")) << QUrl(QStringLiteral("http://www.example.org/vora/esp/dl/new.htm"));
    QTest::newRow("anchor on the page") << QUrl(QStringLiteral("#top")) << QUrl();
    QTest::newRow("local file refused") << QUrl(QStringLiteral("file:///usr/bin/xterm")) << QUrl();
    QTest::newRow("script refused") << QUrl(QStringLiteral("javascript:alert(1)")) << QUrl();
}

void TestUpdateNotice::linkOpensBrowserAndEndsProgram()
{
    QFETCH(QUrl, link);
    QFETCH(QUrl, opened);
    Fixture f;
    f.load();
    // As the panel reports a click on a link.
    QVERIFY(QMetaObject::invokeMethod(f.browser(), "anchorClicked", Q_ARG(QUrl, link)));
    if (opened.isEmpty()) {
        QVERIFY(f.ts.shell->urls.isEmpty());
        QCOMPARE(f.ts.process->quits, 0);
    } else {
        QCOMPARE(f.ts.shell->urls, QList<QUrl>{opened});
        QCOMPARE(f.ts.process->quits, 1);
    }
}

void TestUpdateNotice::panelLoadsNothing()
{
    Fixture f;
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(f.ts.path(QStringLiteral("local.png"))));
    const QUrl localImage = QUrl::fromLocalFile(f.ts.path(QStringLiteral("local.png")));
    f.ts.writeLines(QStringLiteral("new-sub2.htm"),
                    {QStringLiteral("<p>ＶＯＲＡ</p><img src=\"%1\"><img src=\"http://127.0.0.1:9/x.png\">")
                         .arg(localImage.toString())});
    f.load();
    f.fetch(); // offline: shows the copy
    QTextBrowser *wb = f.browser();
    QVERIFY(wb->toPlainText().contains(QStringLiteral("ＶＯＲＡ")));
    QCOMPARE(wb->loadResource(QTextDocument::ImageResource, localImage).toByteArray(), QByteArray());
    QCOMPARE(wb->loadResource(QTextDocument::StyleSheetResource, QUrl(QStringLiteral("http://127.0.0.1:9/s.css")))
                 .toByteArray(),
             QByteArray());
    // Not even the document's own fallback reads the local picture.
    const QVariant resource = wb->document()->resource(QTextDocument::ImageResource, localImage);
    QVERIFY(resource.value<QImage>().isNull());
    QVERIFY(resource.value<QPixmap>().isNull());
    QVERIFY(resource.toByteArray().isEmpty());
}

QTEST_MAIN(TestUpdateNotice)
#include "tst_updatenotice.moc"
