// The update notice on a plain window: fetch and local copy, web panel, version notice, links.
#include "Fakes.h"
#include "mainwindow/UpdateNotice.h"
#include "mainwindow/UpdatePage.h"
#include "startup/Module1.h"
#include "toolkit/Cp932.h"
#include "toolkit/Units.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(vora::HttpReply)

using namespace vora;
using namespace vora::testing;

namespace {

const QString kLink = QStringLiteral("<A href=\"https://www.example.org/vora/dl.htm\" target=\"_blank\">(最新版の入手)</A>");

QString samplePage(const QString &version = QStringLiteral("V1.2.4"))
{
    return QStringLiteral("<html><head><title>ＶＯＲＡ</title></head><body>\n"
                          "<p>ＶＯＲＡ 超能力の実験 ")
        + kLink
        + QStringLiteral("</p>\n<h3>改定記録</h3>\n<p>2010/05/01 ") + version
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
    return "HTTP/1.1 200 OK\r\nContent-Type: " + contentType + "\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
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
        Fixture()
        {
            window.resize(units::px(12300), units::px(9000));
        }
        void load()
        {
            module = std::make_unique<Module1>(ts.services);
            notice = std::make_unique<UpdateNotice>(*module, &window);
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
    f.notice->fetchAndStoreCopy();

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
    f.notice->fetchAndStoreCopy();

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
}

void TestUpdateNotice::failedFetchLeavesCopyUntouched()
{
    QFETCH(HttpReply, reply);
    Fixture f;
    const QByteArray earlier = cp932::encode(samplePage(QStringLiteral("V1.0.0")).replace(
                                                 updatepage::linkMarker(), updatepage::linkMarker() + updatepage::offlineMark())
                                             + QStringLiteral("\r\n"))
                                   .bytes;
    f.ts.writeBytes(QStringLiteral("new-sub2.htm"), earlier);
    for (int i = 0; i < 100; ++i)
        f.ts.network->replies.enqueue(reply);
    f.load();
    f.notice->fetchAndStoreCopy();

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
    f.notice->fetchAndStoreCopy(); // every attempt fails at once
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
    g.notice->fetchAndStoreCopy();
    QCOMPARE(g.ts.network->requests.size(), 2);
    QVERIFY(g.notice->lastFetchSucceeded());
}

void TestUpdateNotice::siteAddressFromOverrideFile()
{
    Fixture f;
    f.ts.writeLines(QStringLiteral("update-site.txt"), {QStringLiteral("http://mirror.example.net/lab/esp")});
    f.load();
    f.notice->fetchAndStoreCopy();
    QVERIFY(!f.ts.network->requests.isEmpty());
    QCOMPARE(f.ts.network->requests.first(), QUrl(QStringLiteral("http://mirror.example.net/lab/esp/new-sub2.htm")));
    QCOMPARE(f.notice->siteFolder(), QStringLiteral("http://mirror.example.net/lab/esp/"));
}

void TestUpdateNotice::failedWriteIsReportedAndPageStillShown()
{
    Fixture f;
    auto failing = std::make_shared<FailingFileStore>();
    failing->failOpen = true;
    f.ts.services.files = failing;
    f.ts.writeBytes(QStringLiteral("new-sub2.htm"), "old copy\r\n");
    f.ts.network->replies.enqueue(okReply(cp932::encode(samplePage()).bytes));
    f.load();
    f.notice->fetchAndStoreCopy();

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
    f.notice->fetchAndStoreCopy();

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
    f.ts.writeBytes(QStringLiteral("new-sub2.htm"), "kept\r\n");
    f.load();

    QElapsedTimer t;
    t.start();
    f.notice->fetchAndStoreCopy();
    QVERIFY2(t.elapsed() < 3000, "the fetch step cannot hang");
    QVERIFY(!f.notice->lastFetchSucceeded());
    // The first attempt outlasted the retry window, so it is not repeated.
    QCOMPARE(server.connections, 1);
    QCOMPARE(f.ts.readBytes(QStringLiteral("new-sub2.htm")), QByteArray("kept\r\n"));
    QCOMPARE(UpdateNotice::fetchBoundMs(Timing().fetchRetryWindowMs, Timing().fetchTimeoutMs), 5000);
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
    QTest::newRow("relative to the site") << QUrl(QStringLiteral("dl/new.htm"))
                                          << QUrl(QStringLiteral("http://www.example.org/vora/esp/dl/new.htm"));
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
    f.notice->fetchAndStoreCopy(); // offline: shows the copy
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
