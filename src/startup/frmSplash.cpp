#include "startup/frmSplash.h"

#include "toolkit/FileStore.h"
#include "toolkit/Units.h"
#include "toolkit/Version.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace vora {

using units::px;

namespace {
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
                  int height, int pointSize, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(px(left), px(top), px(width), px(height));
    QFont f = label->font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    label->setFont(f);
    return label;
}
} // namespace

frmSplash::frmSplash(const QString &programFolder, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(px(7400), px(4600));

    fraMainFrame = new QFrame(this);
    fraMainFrame->setObjectName(QStringLiteral("fraMainFrame"));
    fraMainFrame->setFrameShape(QFrame::Box);
    fraMainFrame->setGeometry(px(120), px(120), px(7160), px(4360));
    fraMainFrame->setStyleSheet(QStringLiteral("#fraMainFrame { background: white; }"));

    picLogo = new QLabel(fraMainFrame);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setGeometry(px(240), px(480), px(2100), px(2100));
    picLogo->setScaledContents(true);
    if (!programFolder.isEmpty()) {
        // Through the bounded read of regular files: nothing in the logo's place can stall the start.
        const BytesRead logo = FileStore::readBytes(programFolder + QLatin1Char('/') + logoFileName(), kMaxPictureBytes);
        picLogo->setPixmap(logo.ok() ? QPixmap::fromImage(QImage::fromData(logo.bytes)) : QPixmap());
    }

    lblProductName = makeLabel(fraMainFrame, "lblProductName", QStringLiteral("VORＡ"), 2700, 420, 4200, 900, 32, true);
    lblSubtitle = makeLabel(fraMainFrame, "lblSubtitle", QStringLiteral("超能力の実験、測定、訓練システム"), 2700,
                            1380, 4300, 420, 12);
    lblPlatform = makeLabel(fraMainFrame, "lblPlatform", QStringLiteral("WindowsXP"), 5400, 1920, 1600, 300, 9);
    lblPlatform->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblVersion = makeLabel(fraMainFrame, "lblVersion", QStringLiteral("ﾊﾞｰｼﾞｮﾝ"), 5000, 2250, 2000, 300, 9);
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblWarning = makeLabel(fraMainFrame, "lblWarning",
                           QStringLiteral("警告：このプログラムを作者の許可なく複製・改変することを禁じます。"),
                           240, 3000, 6700, 300, 8);
    lblCredit1 = makeLabel(fraMainFrame, "lblCredit1", QStringLiteral("企画・製作：VORA 開発チーム"), 240, 3420,
                           6700, 300, 9);
    lblCredit2 = makeLabel(fraMainFrame, "lblCredit2",
                           QStringLiteral("Qt 6 による Linux 版（日本語表示：IPA フォント）"), 240, 3780, 6700, 300, 9);

    // Load: the version line replaces the design caption.
    lblVersion->setText(version::splashText());
}

} // namespace vora
