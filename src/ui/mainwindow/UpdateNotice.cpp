#include "ui/mainwindow/UpdateNotice.h"

#include "core/mainwindow/UpdateFetch.h"
#include "core/mainwindow/UpdatePage.h"
#include "core/toolkit/Units.h"
#include "ui/startup/Module1.h"
#include "ui/toolkit/Style.h"

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
    Impl(Module1 &m, QWidget *w) : module(m), window(w) { }

    Services &services() { return module.services(); }
    QString copyPath() { return services().paths.file(updatepage::pageFileName()); }
    void showLocalCopy();
    void showFetchResult();
    void report(const FileResult &result);

    Module1 &module;
    QWidget *window;
    UpdateFetch *fetch = nullptr;
    LocalPageView *page = nullptr; // WB1: the update page
    QLabel *hiddenLabel = nullptr; // Label8: kept hidden
    QFrame *notice = nullptr; // Frame3: the yellow update notice
    QPlainTextEdit *noticeText = nullptr; // Text2
    QPushButton *closeNotice = nullptr; // Command11 "×"

    int webPanelState = 0;
    QString messageText;
    QString ownVersion; // of this load's comparison, for the one a late fetch runs
    bool fetchTaken = false;
    bool waitingForFetch = false;
};

void UpdateNotice::Impl::showLocalCopy()
{
    const updatepage::SmallFileRead copy = updatepage::readSmallFile(*services().files, copyPath());
    // Links and images are relative to where the page really lives, not to the copy.
    page->document()->setBaseUrl(QUrl(fetch->siteFolder()));
    if (copy.tooLarge) {
        // Laying out megabytes of page would hold the window for minutes.
        page->setPlainText(updatepage::tooLargeCopyText());
        return;
    }
    if (!copy.ok) {
        // No page fetched yet (first start offline): say so rather than show an empty box.
        page->setPlainText(updatepage::noCopyYetText());
        return;
    }
    page->setHtml(forPanel(copy.lines.join(QLatin1Char('\n'))));
}

void UpdateNotice::Impl::showFetchResult()
{
    if (!fetch->succeeded()) {
        // Offline: the copy of an earlier start stays as it is and is shown.
        showLocalCopy();
        return;
    }
    // The page of this start, marked as fetched just now.
    page->document()->setBaseUrl(QUrl(fetch->siteFolder()));
    page->setHtml(forPanel(fetch->onlineCopy()));
    report(fetch->storeResult());
}

void UpdateNotice::Impl::report(const FileResult &result)
{
    if (!result.ok)
        services().dialogs->tell(window, result.message, MsgIcon::Exclamation);
}

UpdateNotice::UpdateNotice(Module1 &module, QWidget *window, UpdateFetch *fetch)
    : QObject(window), d(new Impl(module, window))
{
    d->fetch = fetch ? fetch : new UpdateFetch(module.services(), this);
    d->page = new LocalPageView(window);
    d->page->setObjectName(QStringLiteral("WB1"));
    d->page->setGeometry(twipsRect(7560, 3960, 4605, 3120));
    d->page->setOpenLinks(false);
    d->page->setOpenExternalLinks(false);
    connect(d->page, &QTextBrowser::anchorClicked, this, &UpdateNotice::openLink);

    d->hiddenLabel = new QLabel(window);
    d->hiddenLabel->setObjectName(QStringLiteral("Label8"));
    d->hiddenLabel->hide();

    d->notice = new QFrame(window);
    d->notice->setObjectName(QStringLiteral("Frame3"));
    d->notice->setGeometry(twipsRect(2250, 3285, 5505, 195));
    d->notice->setFrameShape(QFrame::Box);
    style::setBackground(d->notice, QColor(0xFF, 0xFF, 0xC0));
    style::setBaseColour(d->notice, QColor(0xFF, 0xFF, 0xC0));

    d->noticeText = new QPlainTextEdit(d->notice);
    d->noticeText->setObjectName(QStringLiteral("Text2"));
    d->noticeText->setGeometry(twipsRect(135, 360, 5055, 1545));
    d->noticeText->setReadOnly(true);
    style::setGothicFamily(d->noticeText);
    style::sharePalette(d->noticeText, d->notice);
    d->noticeText->setFrameShape(QFrame::NoFrame);

    d->closeNotice = new QPushButton(QStringLiteral("×"), d->notice);
    d->closeNotice->setObjectName(QStringLiteral("Command11"));
    d->closeNotice->setGeometry(twipsRect(5505 - 330, 45, 270, 255));
    connect(d->closeNotice, &QPushButton::clicked, d->notice, &QWidget::hide);
    d->notice->hide();
}

UpdateNotice::~UpdateNotice()
{
    delete d;
}

void UpdateNotice::beginFetch()
{
    if (d->fetchTaken)
        return;
    d->fetchTaken = true;
    d->fetch->claim();
    if (!d->fetch->isRunning()) {
        d->showFetchResult();
        return;
    }
    // The window does not wait: the kept copy until the fetch is over.
    d->waitingForFetch = true;
    d->showLocalCopy();
    connect(d->fetch, &UpdateFetch::finished, this, &UpdateNotice::fetchFinished, Qt::UniqueConnection);
}

void UpdateNotice::fetchFinished(bool fetched)
{
    if (!d->waitingForFetch)
        return;
    d->waitingForFetch = false;
    disconnect(d->fetch, &UpdateFetch::finished, this, &UpdateNotice::fetchFinished);
    if (!fetched)
        return; // the panel already shows the kept copy
    d->showFetchResult();
    if (!d->ownVersion.isEmpty())
        compareVersions(d->ownVersion);
}

void UpdateNotice::compareVersions(const QString &ownVersionText)
{
    d->ownVersion = ownVersionText;
    if (!d->messageText.isEmpty())
        return; // already shown in this load
    const updatepage::SmallFileRead copy = updatepage::readSmallFile(*d->services().files, d->copyPath());
    if (!copy.ok)
        return;
    if (!updatepage::scanForNewerVersion(copy.lines, ownVersionText).newer)
        return;
    d->messageText = updatepage::noticeText();
    d->notice->resize(d->notice->width(), px(2000));
    d->noticeText->setPlainText(d->messageText);
    d->notice->show();
    d->notice->raise();
}

void UpdateNotice::toggleWebPanel()
{
    if (d->webPanelState == 0)
        d->webPanelState = 1;
    d->webPanelState = d->webPanelState == 1 ? -1 : 1;
    d->page->setVisible(d->webPanelState == 1);
}

void UpdateNotice::setWebPanelVisible(bool visible)
{
    d->page->setVisible(visible);
    // Opening or closing the registration view leaves the panel's label hidden either way.
    d->hiddenLabel->hide();
}

QWidget *UpdateNotice::webPanel() const
{
    return d->page;
}
int UpdateNotice::webPanelState() const
{
    return d->webPanelState;
}
QString UpdateNotice::messageText() const
{
    return d->messageText;
}
QString UpdateNotice::siteFolder() const
{
    return d->fetch->siteFolder();
}
bool UpdateNotice::lastFetchSucceeded() const
{
    return !d->fetch->isRunning() && d->fetch->succeeded();
}
bool UpdateNotice::fetchInProgress() const
{
    return d->waitingForFetch;
}

void UpdateNotice::openLink(const QUrl &link)
{
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment()) {
        d->page->scrollToAnchor(link.fragment()); // a place on the page itself
        return;
    }
    const QUrl target = link.isRelative() ? QUrl(d->fetch->siteFolder()).resolved(link) : link;
    const QString scheme = target.scheme().toLower();
    // The page is not ours to trust: never hand a file, script or program link to the desktop.
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return;
    Services &s = d->services();
    s.shell->openUrl(target);
    s.process->quitNow(); // nothing more: the program is ending
}

} // namespace vora
