#include "ui/startup/frmSplash.h"

#include "core/toolkit/FileStore.h"
#include "core/toolkit/Units.h"
#include "core/toolkit/Version.h"
#include "ui/toolkit/Style.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace vora {

using units::px;

namespace {
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height,
                  int pointSize, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(px(left), px(top), px(width), px(height));
    style::setPointSize(label, pointSize, bold);
    return label;
}
} // namespace

frmSplash::frmSplash(const QString &programFolder, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(px(7400), px(4600));

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("fraMainFrame"));
    m_frame->setFrameShape(QFrame::Box);
    m_frame->setGeometry(px(120), px(120), px(7160), px(4360));
    style::setSheetBackground(m_frame, QStringLiteral("white"));

    m_logo = new QLabel(m_frame);
    m_logo->setObjectName(QStringLiteral("picLogo"));
    m_logo->setGeometry(px(240), px(480), px(2100), px(2100));
    m_logo->setScaledContents(true);
    if (!programFolder.isEmpty()) {
        // Through the bounded read of regular files: nothing in the logo's place can stall the start.
        const BytesRead logo =
            FileStore::readBytes(programFolder + QLatin1Char('/') + logoFileName(), kMaxPictureBytes);
        m_logo->setPixmap(logo ? QPixmap::fromImage(QImage::fromData(logo.bytes)) : QPixmap());
    }

    m_productName = makeLabel(m_frame, "lblProductName", tr("VORＡ"), 2700, 420, 4200, 900, 32, true);
    m_subtitle = makeLabel(m_frame, "lblSubtitle", tr("超能力の実験、測定、訓練システム"), 2700, 1380, 4300, 420, 12);
    m_platform = makeLabel(m_frame, "lblPlatform", QStringLiteral("WindowsXP"), 5400, 1920, 1600, 300, 9);
    m_platform->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_version = makeLabel(m_frame, "lblVersion", tr("ﾊﾞｰｼﾞｮﾝ"), 5000, 2250, 2000, 300, 9);
    m_version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_warning =
        makeLabel(m_frame, "lblWarning", tr("警告：このプログラムを作者の許可なく複製・改変することを禁じます。"), 240,
                  3000, 6700, 300, 8);
    m_credit1 = makeLabel(m_frame, "lblCredit1", tr("企画・製作：VORA 開発チーム"), 240, 3420, 6700, 300, 9);
    m_credit2 = makeLabel(m_frame, "lblCredit2", tr("Qt 6 による Linux 版（日本語表示：IPA フォント）"), 240, 3780,
                          6700, 300, 9);

    // Load: the version line replaces the design caption.
    m_version->setText(version::splashText());
}

} // namespace vora
