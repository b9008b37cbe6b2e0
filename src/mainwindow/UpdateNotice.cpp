#include "mainwindow/UpdateNotice.h"

#include "mainwindow/UpdatePage.h"
#include "startup/Module1.h"
#include "toolkit/Fonts.h"
#include "toolkit/Units.h"
#include "toolkit/Waits.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

namespace vora {

using units::px;

namespace {

// The web panel. The page comes from the network, so it shows the local copy and nothing
// else: no image, style sheet or frame is fetched from anywhere, local or remote.
class LocalPageView : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int, const QUrl &) override
    {
        // Not a null variant: a null one would let the document read local files itself.
        return QVariant(QByteArray());
    }
};

// The page writes colours the way old browsers forgave ("color=666666"); the panel needs the "#".
QString forPanel(const QString &html)
{
    static const QRegularExpression bareColour(QStringLiteral("(color\\s*=\\s*[\"']?)([0-9A-Fa-f]{6})\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    return QString(html).replace(bareColour, QStringLiteral("\\1#\\2"));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace

class UpdateNotice::Impl {
public:
    Impl(Module1 &m, QWidget *w) : module(m), window(w) {}

    Services &services() { return module.services(); }
    QString copyPath() { return services().paths.file(updatepage::pageFileName()); }
    void showLocalCopy();
    void report(const FileResult &result);

    Module1 &module;
    QWidget *window;
    LocalPageView *WB1 = nullptr;
    QLabel *Label8 = nullptr;
    QFrame *Frame3 = nullptr;
    QPlainTextEdit *Text2 = nullptr;
    QPushButton *Command11 = nullptr;

    int webPanelState = 0;
    QString messageText;
    QString siteFolder = updatepage::defaultSiteFolder();
    bool fetched = false;
};

void UpdateNotice::Impl::showLocalCopy()
{
    const ReadResult copy = services().files->readLines(copyPath());
    // Links and images are relative to where the page really lives, not to the copy.
    WB1->document()->setBaseUrl(QUrl(siteFolder));
    if (!copy.ok) {
        // No page fetched yet (first start offline): say so rather than show an empty box.
        WB1->setPlainText(QStringLiteral("更新情報のページはまだありません。\n"
                                         "インターネットにつながっているときに起動すると、ここに表示されます。"));
        return;
    }
    WB1->setHtml(forPanel(copy.lines.join(QLatin1Char('\n'))));
}

void UpdateNotice::Impl::report(const FileResult &result)
{
    if (!result.ok)
        services().dialogs->message(window, result.message, MsgButtons::Ok, MsgIcon::Exclamation);
}

UpdateNotice::UpdateNotice(Module1 &module, QWidget *window) : QObject(window), d(new Impl(module, window))
{
    d->WB1 = new LocalPageView(window);
    d->WB1->setObjectName(QStringLiteral("WB1"));
    d->WB1->setGeometry(twipsRect(7560, 3960, 4605, 3120));
    d->WB1->setOpenLinks(false);
    d->WB1->setOpenExternalLinks(false);
    connect(d->WB1, &QTextBrowser::anchorClicked, this, &UpdateNotice::openLink);

    d->Label8 = new QLabel(window);
    d->Label8->setObjectName(QStringLiteral("Label8"));
    d->Label8->hide();

    d->Frame3 = new QFrame(window);
    d->Frame3->setObjectName(QStringLiteral("Frame3"));
    d->Frame3->setGeometry(twipsRect(2250, 3285, 5505, 195));
    d->Frame3->setFrameShape(QFrame::Box);
    d->Frame3->setAutoFillBackground(true);
    QPalette yellow = d->Frame3->palette();
    yellow.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    yellow.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xC0));
    d->Frame3->setPalette(yellow);

    d->Text2 = new QPlainTextEdit(d->Frame3);
    d->Text2->setObjectName(QStringLiteral("Text2"));
    d->Text2->setGeometry(twipsRect(135, 360, 5055, 1545));
    d->Text2->setReadOnly(true);
    d->Text2->setFont(QFont(fonts::msGothic()));
    d->Text2->setPalette(yellow);
    d->Text2->setFrameShape(QFrame::NoFrame);

    d->Command11 = new QPushButton(QStringLiteral("×"), d->Frame3);
    d->Command11->setObjectName(QStringLiteral("Command11"));
    d->Command11->setGeometry(twipsRect(5505 - 330, 45, 270, 255));
    connect(d->Command11, &QPushButton::clicked, d->Frame3, &QWidget::hide);
    d->Frame3->hide();
}

UpdateNotice::~UpdateNotice() { delete d; }

int UpdateNotice::fetchBoundMs(int retryWindowMs, int attemptTimeoutMs)
{
    return qMax(0, retryWindowMs) + qMax(0, attemptTimeoutMs);
}

void UpdateNotice::fetchAndStoreCopy()
{
    Services &s = d->services();
    d->siteFolder = updatepage::siteFolder(
        s.files->readLines(s.paths.file(updatepage::overrideFileName())).lines);
    const QUrl url = updatepage::pageUrl(d->siteFolder);

    // Retry while within the window, measured from before the first attempt on a monotonic
    // clock; every attempt is cut short so the whole step ends within fetchBoundMs.
    const int retryWindow = s.timing.fetchRetryWindowMs;
    const int bound = fetchBoundMs(retryWindow, s.timing.fetchTimeoutMs);
    // A pause between attempts, so a refused connection is not hammered for the whole window.
    const int pause = qMax(1, retryWindow / 5);
    QElapsedTimer started;
    started.start();
    QString page;
    for (;;) {
        const int budget = static_cast<int>(qMin<qint64>(s.timing.fetchTimeoutMs, bound - started.elapsed()));
        if (budget <= 0)
            break;
        const HttpReply reply = s.network->get(url, budget);
        if (reply.ok) {
            const QString text = updatepage::decodePage(reply.body, reply.contentType);
            if (text.contains(updatepage::checkText())) {
                page = text;
                break;
            }
        }
        const qint64 elapsed = started.elapsed();
        if (elapsed >= retryWindow)
            break;
        waitMs(static_cast<int>(qMin<qint64>(pause, retryWindow - elapsed)), false);
        if (started.elapsed() >= retryWindow)
            break;
    }
    d->fetched = !page.isEmpty();

    if (!d->fetched) {
        // Offline: the copy of an earlier start stays as it is and is shown.
        d->showLocalCopy();
        return;
    }
    const QString online = updatepage::withOnlineMark(updatepage::forLocalCopy(page));
    const FileResult wroteOnline = s.files->replaceAll(d->copyPath(), splitLines(online));
    if (wroteOnline.ok) {
        d->showLocalCopy(); // the panel shows the "(hp)" copy of this start
    } else {
        d->WB1->document()->setBaseUrl(QUrl(d->siteFolder));
        d->WB1->setHtml(forPanel(online));
        d->report(wroteOnline);
        return;
    }
    // What a later start without network shows: the same page marked "(HD)".
    d->report(s.files->replaceAll(d->copyPath(), splitLines(updatepage::withOfflineMark(online))));
}

void UpdateNotice::compareVersions(const QString &ownVersionText)
{
    const ReadResult copy = d->services().files->readLines(d->copyPath());
    if (!copy.ok)
        return;
    if (!updatepage::scanForNewerVersion(copy.lines, ownVersionText).newer)
        return;
    d->messageText = updatepage::noticeText();
    d->Frame3->resize(d->Frame3->width(), px(2000));
    d->Text2->setPlainText(d->messageText);
    d->Frame3->show();
    d->Frame3->raise();
}

void UpdateNotice::toggleWebPanel()
{
    if (d->webPanelState == 0)
        d->webPanelState = 1;
    d->webPanelState = d->webPanelState == 1 ? -1 : 1;
    d->WB1->setVisible(d->webPanelState == 1);
}

void UpdateNotice::setWebPanelVisible(bool visible)
{
    d->WB1->setVisible(visible);
}

QWidget *UpdateNotice::webPanel() const { return d->WB1; }
int UpdateNotice::webPanelState() const { return d->webPanelState; }
QString UpdateNotice::messageText() const { return d->messageText; }
QString UpdateNotice::siteFolder() const { return d->siteFolder; }
bool UpdateNotice::lastFetchSucceeded() const { return d->fetched; }

void UpdateNotice::openLink(const QUrl &link)
{
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment()) {
        d->WB1->scrollToAnchor(link.fragment()); // a place on the page itself
        return;
    }
    const QUrl target = link.isRelative() ? QUrl(d->siteFolder).resolved(link) : link;
    const QString scheme = target.scheme().toLower();
    // The page is not ours to trust: never hand a file, script or program link to the desktop.
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return;
    Services &s = d->services();
    s.shell->openUrl(target);
    s.process->quitNow();
}

} // namespace vora
