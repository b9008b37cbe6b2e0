#include "ui/mainwindow/BackgroundPictures.h"

#include "core/toolkit/FileStore.h"
#include "core/toolkit/LockRetry.h"
#include "core/toolkit/Units.h"
#include "ui/startup/Module1.h"
#include "ui/toolkit/Style.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStandardPaths>
#include <functional>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::BackgroundPictures".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::BackgroundPictures)
};
} // namespace

using units::px;
using units::twips;

namespace {

constexpr int kSlots = 10;

// Through the file layer's bounded read of regular files: a pipe or device in a picture's
// place shows no picture instead of hanging the window.
QImage pictureAt(const QString &path)
{
    const BytesRead read = FileStore::readBytes(path, kMaxPictureBytes);
    return read ? QImage::fromData(read.bytes) : QImage();
}

// A picture that reports clicks the way the program has always seen them: a click on the
// release, and a double click in place of the second click.
class SlotLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;

protected:
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        event->accept();
        if (event->button() != Qt::LeftButton)
            return;
        if (m_afterDoubleClick) {
            m_afterDoubleClick = false;
            return;
        }
        if (rect().contains(event->position().toPoint()) && onClick)
            onClick();
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        event->accept();
        if (event->button() != Qt::LeftButton)
            return;
        m_afterDoubleClick = true;
        if (onDoubleClick)
            onDoubleClick();
    }

private:
    bool m_afterDoubleClick = false;
};

QString slotName(const QString &name, int i)
{
    return QStringLiteral("%1(%2)").arg(name).arg(i);
}

} // namespace

class BackgroundPictures::Impl {
public:
    Impl(BackgroundPictures *owner, Module1 &m, QWidget *w) : q(owner), module(m), window(w) { }

    Services &services() { return module.services(); }
    QString file(const QString &name) { return services().paths.file(name); }
    QString &path() { return module.state().backgroundImagePath; }

    void placeThumbnails();
    void setWindowPicture(const QString &fullPath);
    void clearWindowPicture();
    void showOnOverlay(int slot, const QString &fullPath);
    void askWork(int slot);
    void restore(int slot);
    void replace(int slot);
    void replaceWith(const QString &chosen);
    void showReplacement(const QString &chosenPath);
    bool report(const FileResult &result);
    // Copies a picture over `to`, trying again while another copy of the program holds it;
    // `then` follows a copy that succeeded.
    void copy(const QString &from, const QString &to, std::function<void()> then = nullptr);
    // Runs `step` later unless the pictures are gone by then.
    template <typename F> auto whileAlive(F step)
    {
        return [owner = QPointer<BackgroundPictures>(q), step = std::move(step)](auto &&...args) {
            if (owner)
                step(std::forward<decltype(args)>(args)...);
        };
    }

    BackgroundPictures *q;
    Module1 &module;
    QWidget *window;
    SlotLabel *thumbnails[kSlots] = {}; // Picture1(i): the pictures to choose from
    QFrame *overlayFrames[2] = {}; // Frame4(i)
    SlotLabel *overlays[2] = {}; // Image1(i): the picture laid over thumbnail 1
    QPixmap picture;
    bool thumbnailsPlaced = false;
    LockRetry *copies = nullptr; // while one waits, the work dialog does not open
};

void BackgroundPictures::Impl::copy(const QString &from, const QString &to, std::function<void()> then)
{
    FileStore &files = *services().files;
    copies->start([&files, from, to] { return files.copyOver(from, to); },
                  [this, then = std::move(then)](const FileResult &result) {
                      if (report(result) && then)
                          then();
                  });
}

void BackgroundPictures::Impl::placeThumbnails()
{
    const double height = twips(window->height());
    for (int i = 0; i < kSlots; ++i) {
        QLabel *p = thumbnails[i];
        // Worked out in twips from the design height, so rounding to pixels happens once.
        const double designHeight = i == 0 ? 885 : 888;
        const double distance = i == 0 ? 660 : 650;
        p->move(p->x(), px(height - designHeight - distance));
    }
    // The overlay lies 30 twips inside thumbnail 1; its image runs 50 twips past the frame,
    // which clips the edge off.
    const QRect t = thumbnails[1]->geometry();
    const int inset = px(30);
    overlayFrames[1]->setGeometry(t.x() + inset, t.y() + inset, t.width() - 2 * inset, t.height() - 2 * inset);
    overlays[1]->setGeometry(0, 0, overlayFrames[1]->width() + px(50), overlayFrames[1]->height() + px(50));
}

void BackgroundPictures::Impl::setWindowPicture(const QString &fullPath)
{
    // A file that is missing or no picture leaves the window without one.
    picture = QPixmap::fromImage(pictureAt(fullPath));
    window->update();
}

void BackgroundPictures::Impl::clearWindowPicture()
{
    picture = QPixmap();
    window->update();
}

void BackgroundPictures::Impl::showOnOverlay(int slot, const QString &fullPath)
{
    if (slot != 1)
        return; // only slot 1 has an overlay
    const QImage image = pictureAt(fullPath);
    if (image.isNull()) {
        overlays[1]->clear();
        return;
    }
    // Shrunk once here rather than on every repaint.
    overlays[1]->setPixmap(
        QPixmap::fromImage(image.scaled(overlays[1]->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

bool BackgroundPictures::Impl::report(const FileResult &result)
{
    if (!result.ok)
        services().dialogs->tell(window, result.message, MsgIcon::Exclamation);
    return result.ok;
}

void BackgroundPictures::Impl::restore(int slot)
{
    const QString master = file(QStringLiteral("yama1m.jpg"));
    const QString current = file(QStringLiteral("yama1.jpg"));
    FileStore &files = *services().files;
    if (!files.exists(master)) {
        // Slot 1 was never replaced, so its picture is still the delivered one.
        path() = current;
        setWindowPicture(current);
        showOnOverlay(slot, current);
        return;
    }
    if (copies->waiting())
        return; // the dialog was answered while a copy waited: one copy at a time
    path() = master;
    setWindowPicture(master);
    showOnOverlay(slot, master);
    copy(master, current);
}

void BackgroundPictures::Impl::replace(int slot)
{
    if (slot != 1)
        return;
    QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    services().dialogs->openFile(window, Texts::tr("背景にする画像の選択"), start,
                                 Texts::tr("画像ファイル (*.jpg *.jpeg *.png *.bmp *.gif);;すべてのファイル (*)"),
                                 whileAlive([this](const QString &chosen) { replaceWith(chosen); }));
}

void BackgroundPictures::Impl::replaceWith(const QString &chosen)
{
    if (chosen.isEmpty() || copies->waiting())
        return; // cancelled, or chosen while a copy waited: nothing changes
    const QString chosenPath = QFileInfo(chosen).absoluteFilePath();
    if (pictureAt(chosenPath).isNull()) {
        // Copying it would leave slot 1 with a file that shows nothing.
        services().dialogs->tell(window,
                                 Texts::tr("選んだファイルは画像として読み込めませんでした。\r\n%1")
                                     .arg(QDir::toNativeSeparators(chosenPath)),
                                 MsgIcon::Exclamation);
        return;
    }
    path() = chosenPath;
    setWindowPicture(chosenPath);

    const QString master = file(QStringLiteral("yama1m.jpg"));
    const QString current = file(QStringLiteral("yama1.jpg"));
    FileStore &files = *services().files;
    // The delivered picture is kept once, before its first replacement. Without that copy
    // it would be lost, so the replacement waits until the copy exists.
    if (!files.exists(master) && files.exists(current)) {
        copy(current, master, [this, chosenPath] { showReplacement(chosenPath); });
        return;
    }
    showReplacement(chosenPath);
}

void BackgroundPictures::Impl::showReplacement(const QString &chosenPath)
{
    const QString current = file(QStringLiteral("yama1.jpg"));
    showOnOverlay(1, chosenPath);
    if (QFileInfo(chosenPath) != QFileInfo(current))
        copy(chosenPath, current);
}

void BackgroundPictures::Impl::askWork(int slot)
{
    // Asked again after a No or an answer that is no choice, until one is taken or cancelled.
    services().dialogs->input(window, workPrompt(), workTitle(), QStringLiteral("2"),
                              whileAlive([this, slot](bool ok, const QString &answer) {
                                  if (!ok || answer.isEmpty())
                                      return;
                                  services().dialogs->ask(window, confirmationText(answer), MsgButtons::YesNo,
                                                          MsgIcon::None,
                                                          whileAlive([this, slot, answer](MsgAnswer confirmed) {
                                                              if (confirmed != MsgAnswer::Yes) {
                                                                  askWork(slot);
                                                                  return;
                                                              }
                                                              switch (workChoice(answer)) {
                                                              case 1: restore(slot); return;
                                                              case 2: replace(slot); return;
                                                              case 3: return;
                                                              default: askWork(slot); return;
                                                              }
                                                          }));
                              }));
}

BackgroundPictures::BackgroundPictures(Module1 &module, QWidget *window)
    : QObject(window), d(new Impl(this, module, window))
{
    d->copies = new LockRetry(module.services().clock, module.services().timing, this);
    const QString tip = Texts::tr("クリックすれば背景画像になります");
    for (int i = 0; i < kSlots; ++i) {
        auto *p = new SlotLabel(window);
        p->setObjectName(slotName(QStringLiteral("Picture1"), i));
        p->setToolTip(tip);
        p->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (i == 0) {
            p->setGeometry(px(90), 0, px(1215), px(885));
            style::setBackground(p, Qt::white);
        } else {
            p->setGeometry(px(90 + 1215 * i), 0, px(1222), px(888));
        }
        p->onClick = [this, i] { clickSlot(i); };
        p->onDoubleClick = [this, i] { doubleClickSlot(i); };
        d->thumbnails[i] = p;
    }
    for (int i = 0; i < 2; ++i) {
        auto *frame = new QFrame(window);
        frame->setObjectName(slotName(QStringLiteral("Frame4"), i));
        frame->setFrameShape(QFrame::NoFrame);
        auto *image = new SlotLabel(frame);
        image->setObjectName(slotName(QStringLiteral("Image1"), i));
        image->setToolTip(tip);
        image->onClick = [this, i] { clickSlot(i); };
        image->onDoubleClick = [this, i] { doubleClickSlot(i); };
        image->hide();
        frame->hide();
        d->overlayFrames[i] = frame;
        d->overlays[i] = image;
    }
    window->installEventFilter(this);
}

BackgroundPictures::~BackgroundPictures()
{
    delete d;
}

void BackgroundPictures::setUpThumbnails()
{
    for (int i = 0; i < kSlots; ++i) {
        const QPixmap thumb = QPixmap::fromImage(pictureAt(d->file(QStringLiteral("yama%1s.jpg").arg(i))));
        if (thumb.isNull())
            d->thumbnails[i]->clear();
        else
            d->thumbnails[i]->setPixmap(thumb);
    }
    d->thumbnailsPlaced = true;
    d->placeThumbnails();
    d->showOnOverlay(1, d->file(QStringLiteral("yama1.jpg")));
    d->overlayFrames[1]->show();
    d->overlays[1]->show();
    d->overlayFrames[1]->raise();
}

void BackgroundPictures::showRandomOrChosen()
{
    Services &s = d->services();
    const QString time = s.clock->timeText();
    s.random->reseed(time.isEmpty() ? 0 : time.right(1).toInt());

    const QString current = d->path();
    if (current.isEmpty() || current == QLatin1String("yamaX.jpg")) {
        int n = 0;
        // 0 means "no picture", which the load never picks; a generator stuck at 0 must not
        // hang the window, so the draws are limited.
        for (int tries = 0; n == 0 && tries < 1000; ++tries) {
            const double r = s.random->draw(1);
            n = static_cast<int>(qBound(0.0, r, 0.999999) * 10);
        }
        d->path() = QStringLiteral("yama%1.jpg").arg(n == 0 ? 1 : n);
    }
    QString full = d->path();
    if (QFileInfo(full).isRelative()) {
        full = d->file(full);
        d->path() = full;
    }
    d->setWindowPicture(full);
}

void BackgroundPictures::clickSlot(int slot)
{
    if (slot < 0 || slot >= kSlots)
        return;
    if (slot == 0) {
        // No picture, also when reached through the registration panel's frame.
        d->path().clear();
        d->clearWindowPicture();
        return;
    }
    const QString full = d->file(QStringLiteral("yama%1.jpg").arg(slot));
    d->path() = full;
    d->setWindowPicture(full);
}

void BackgroundPictures::doubleClickSlot(int slot)
{
    if (d->copies->waiting())
        return; // a picture is still being stored
    d->askWork(slot);
}

QPixmap BackgroundPictures::windowPicture() const
{
    return d->picture;
}

QString BackgroundPictures::workPrompt()
{
    return Texts::tr("背景画像を選択してください。\r\n\r\n"
                     "　　１．初期画面に戻す\r\n\r\n"
                     "　　２．希望画面を指定する\r\n\r\n"
                     "　　３．何もしない\r\n\r\n");
}

int BackgroundPictures::workChoice(const QString &answer)
{
    const QString a = answer.trimmed();
    if (a == QLatin1String("1") || a == QStringLiteral("１"))
        return 1;
    if (a == QLatin1String("2") || a == QStringLiteral("２"))
        return 2;
    if (a == QLatin1String("3") || a == QStringLiteral("３"))
        return 3;
    return 0;
}

QString BackgroundPictures::confirmationText(const QString &answer)
{
    QString line;
    switch (workChoice(answer)) {
    case 1: line = Texts::tr("　　作業＝１．初期画面に戻す"); break;
    case 2: line = Texts::tr("　　作業＝２．希望画面を指定する"); break;
    case 3: line = Texts::tr("　　作業＝３．何もしない"); break;
    default: break;
    }
    return Texts::tr("\r\n\r\n下記で良いですか？") + QString(15, QChar(0x3000)) + QStringLiteral("\r\n\r\n") + line
           + QStringLiteral("\r\n\r\n");
}

bool BackgroundPictures::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->window) {
        if (event->type() == QEvent::Paint && !d->picture.isNull()) {
            // Drawn before the window's own painting and its children, so it stays underneath.
            QPainter painter(d->window);
            painter.drawPixmap(0, 0, d->picture);
        } else if (event->type() == QEvent::Resize && d->thumbnailsPlaced) {
            d->placeThumbnails();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vora
