#include "ui/run/DigitFrame.h"

#include "core/run/TrialEngine.h"
#include "core/toolkit/Cp932.h"
#include "ui/run/WindowStyle.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::toushiJikken".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::toushiJikken)
};
} // namespace

using namespace style;

DigitFrame::DigitFrame(QWidget *window, int left, int top) : QObject(window)
{
    auto label = [window](const char *name, int x, int y, int width, int height, double points, bool bold = false) {
        auto *l = new QLabel(window);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(px(x), px(y), px(width), px(height));
        setGothic(l, points, bold);
        return l;
    };

    m_frame = label("Label4", left, top, kWidthTw, kHeightTw, 100);
    m_frame->setAlignment(Qt::AlignCenter);
    m_frame->setToolTip(Texts::tr("入力した１または０が表示されます"));
    setBackground(m_frame, QColor(64, 64, 64));
    setTextColour(m_frame, Qt::white);

    m_prompt = label("Label28", left + 200, top + 100, 1700, 330, 12, true);
    m_prompt->setText(Texts::tr("当てよう!!"));
    setTextColour(m_prompt, QColor(255, 255, 0));
    m_prompt->hide();

    m_cover = label("Label36", left, top, kWidthTw, kHeightTw, 9);
    setBackground(m_cover, Qt::black);
    m_cover->hide();

    m_progress = new QProgressBar(window);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setGeometry(px(left), px(top + kHeightTw), px(kWidthTw), px(240));
    m_progress->hide();

    m_start = new QPushButton(Texts::tr("開始"), window);
    m_start->setObjectName(QStringLiteral("Command4"));
    m_start->setGeometry(px(left + kWidthTw - 300), px(top + 500), px(1300), px(600));
    // A mouse button, as all the window's: the keyboard stays with the key box.
    m_start->setFocusPolicy(Qt::NoFocus);
    m_start->setToolTip(Texts::tr("やり方がわかったら押してください"));
    setGothic(m_start, 14, true);
    m_start->hide();
    connect(m_start, &QPushButton::clicked, this, &DigitFrame::startClicked);

    m_countdown = label("Label35", 1000, 5000, 10000, 800, 30);
    setBackground(m_countdown, QColor(0, 0, 255));
    m_countdown->hide();
}

QRect DigitFrame::geometry() const
{
    return m_frame->geometry();
}

// ---- places ---------------------------------------------------------------------------------

void DigitFrame::placeForRun(int windowWidth, int top, bool hitsShown)
{
    if (hitsShown)
        m_frame->setToolTip(Texts::tr("当たり(○)、外れ(×)が表示されます"));
    m_frame->move((windowWidth - m_frame->width()) / 2, top);
    const QRect f = m_frame->geometry();
    m_progress->move(m_progress->x(), f.bottom() + 1);
    m_prompt->move(f.x() + px(200), f.y() + px(100));
    m_start->move(f.x() + f.width() - px(300), f.y() + px(500));
    m_start->show();
    m_frame->show();
}

void DigitFrame::moveTo(const QPoint &topLeft)
{
    m_frame->move(topLeft);
    m_progress->move(m_frame->x(), m_frame->y() + m_frame->height());
    m_prompt->move(m_frame->x() + px(200), m_frame->y() + px(100));
}

void DigitFrame::restore(const QRect &f)
{
    m_frame->setGeometry(f);
    m_progress->move(m_progress->x(), f.y() + f.height());
    m_prompt->move(f.x() + px(200), f.y() + px(100));
    m_frame->clear();
}

void DigitFrame::keepBesideFrame()
{
    const QRect f = m_frame->geometry();
    m_progress->move(m_progress->x(), f.bottom() + 1);
    m_start->move(m_start->x(), f.y() + px(500));
}

void DigitFrame::showProgress(bool fromZero)
{
    const QRect f = m_frame->geometry();
    m_progress->setTextVisible(false);
    if (fromZero)
        m_progress->setValue(0);
    m_progress->setGeometry(f.x(), f.bottom() + 1, f.width(), px(90));
    m_progress->show();
}

void DigitFrame::hideRunControls()
{
    for (QWidget *c : std::initializer_list<QWidget *>{m_start, m_progress, m_prompt, m_cover, m_countdown})
        c->hide();
}

void DigitFrame::withdrawStart()
{
    m_start->setEnabled(false);
    m_start->hide();
}

void DigitFrame::offerStart()
{
    m_start->setEnabled(true);
    m_start->show();
    m_start->raise();
}

// ---- the countdown --------------------------------------------------------------------------

void DigitFrame::centreCountdown()
{
    const QRect f = m_frame->geometry();
    m_countdown->adjustSize();
    m_countdown->move(f.x() + f.width() / 2 - m_countdown->width() / 2, f.y() + f.height() / 2 + px(50));
}

void DigitFrame::warmGlyphs()
{
    // The frame's 100-point figures are drawn once out of sight while the countdown runs, so
    // that the first answers are not shown late while their glyphs are made.
    QImage scratch(m_frame->size(), QImage::Format_RGB32);
    QPainter painter(&scratch);
    painter.setFont(gothic(100));
    for (const QString &figure : {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("○"), QStringLiteral("×")})
        painter.drawText(scratch.rect(), Qt::AlignCenter, figure);
}

void DigitFrame::beginCountdown(const QString &text)
{
    warmGlyphs();
    setTextColour(m_countdown, applicationBaseColour());
    m_countdown->setText(text);
    setPointSize(m_countdown, 30);
    centreCountdown();
    m_countdown->show();
    m_countdown->raise();
}

void DigitFrame::countdownSize(double points)
{
    setPointSize(m_countdown, points);
    centreCountdown();
}

void DigitFrame::countdownGo(const QString &text)
{
    m_countdown->setText(text);
    setPointSize(m_countdown, 40);
    centreCountdown();
    m_countdown->show();
}

void DigitFrame::beginRun()
{
    m_countdown->hide();
    m_prompt->show();
    m_progress->setValue(1);
    m_progress->show();
    m_cover->setGeometry(m_frame->geometry());
    m_cover->show();
    m_cover->raise();
}

// ---- trials ---------------------------------------------------------------------------------

void DigitFrame::hideCover()
{
    m_cover->hide();
}

void DigitFrame::shrinkCover(int tick)
{
    const QRect sq = m_cover->geometry();
    const QRect fr = m_frame->geometry();
    const SquareRect s =
        shrinkSquare({sq.x(), sq.y(), sq.width(), sq.height()}, {fr.x(), fr.y(), fr.width(), fr.height()}, tick);
    m_cover->setGeometry(s.left, s.top, s.width, s.height);
}

void DigitFrame::flicker(QChar digit)
{
    m_cover->hide();
    m_prompt->show();
    setPointSize(m_frame, 10);
    setTextColour(m_frame, Qt::black);
    m_frame->setText(CRLF.repeated(5) + digit);
}

void DigitFrame::showAnswer(QChar input, bool hit, bool hitsShown)
{
    m_cover->hide();
    if (m_frame->font().pointSizeF() != 100)
        setPointSize(m_frame, 100);
    if (hitsShown) {
        setTextColour(m_frame, hit ? QColor(255, 255, 0) : QColor(0, 0, 255));
        m_frame->setText(hit ? QStringLiteral("○") : QStringLiteral("×"));
    } else {
        setTextColour(m_frame, QColor(255, 255, 255));
        m_frame->setText(QString(input));
    }
    m_frame->raise();
    // On screen before the hold is measured.
    m_frame->repaint();
}

void DigitFrame::coverFrame(int awaited)
{
    m_frame->clear();
    m_prompt->show();
    m_prompt->raise();
    m_cover->raise();
    m_cover->setGeometry(m_frame->geometry());
    m_cover->show();
    if (awaited <= m_progress->maximum())
        m_progress->setValue(awaited);
    // On screen at the end of the hold, as the answer was at its start: the hold shown is the
    // hold measured, whatever this pass of the event loop does next.
    m_cover->repaint();
}

void DigitFrame::clear()
{
    m_frame->clear();
}

// ---- the results view -----------------------------------------------------------------------

QRect DigitFrame::showConditionsLine(const QString &line, bool fitLine)
{
    m_frame->setToolTip(QString());
    setBackground(m_frame, units::colourNumber(0x808080));
    setTextColour(m_frame, Qt::white);
    setPointSize(m_frame, 10);
    m_frame->setText(line);
    if (fitLine)
        m_frame->adjustSize();
    const int lineWidth = m_frame->width();
    m_frame->setGeometry(px(300), px(800), px(0), px(270));
    m_frame->resize(lineWidth, m_frame->height());
    m_frame->show();
    return m_frame->geometry();
}

} // namespace vora
