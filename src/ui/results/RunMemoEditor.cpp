#include "ui/results/RunMemoEditor.h"

#include "core/registry/RunRecord.h"
#include "core/toolkit/Units.h"
#include "ui/toolkit/Style.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>

namespace vora {

namespace {
// The texts of this file, under the translation context "vora::RunMemoEditor".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(vora::RunMemoEditor)
};
} // namespace

namespace {
constexpr int kCaptionHeight = 270;
constexpr int kBoxWidth = 4000;
constexpr int kEditorHeight = 1500;
constexpr int kSaveWidth = 700;
constexpr int kCancelWidth = 1100;

constexpr int kPreviewMargin = 2; // pixels around the preview's text

// The preview is read at a glance: the window's own font, a light ground, no frame. The
// editor gets the usual look back.
void previewLook(QPlainTextEdit *box, bool preview)
{
    style::setInheritedFont(box, preview ? 0 : 9.0);
    box->setFrameShape(preview ? QFrame::NoFrame : QFrame::StyledPanel);
    box->document()->setDocumentMargin(preview ? kPreviewMargin : 4);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    style::setBaseColour(box, preview ? style::hintBackColour() : style::applicationBaseColour());
}

// Height in pixels that `text` takes in `font` when wrapped to `width` pixels, as the box
// wraps it: at word boundaries where there are any, else anywhere (Japanese).
int wrappedHeight(const QString &text, const QFont &font, int width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal height = 0;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            height += line.height();
        }
        layout.endLayout();
    }
    return static_cast<int>(std::ceil(height));
}

QString shownForm(const QString &stored)
{
    // The box works with plain line feeds; the file form keeps "<BR>".
    return runMemoFromFileForm(stored).replace(CRLF, QStringLiteral("\n"));
}
} // namespace

RunMemoEditor::RunMemoEditor(QWidget *window) : QObject(window)
{
    m_caption = new QPushButton(window);
    m_caption->setObjectName(QStringLiteral("Command6"));
    m_caption->setFocusPolicy(Qt::NoFocus);
    m_caption->hide();

    m_box = new QPlainTextEdit(window);
    m_box->setObjectName(QStringLiteral("Text4"));
    m_box->hide();

    m_save = new QPushButton(Texts::tr("保存"), window);
    m_save->setObjectName(QStringLiteral("Command13"));
    m_save->hide();
    m_cancel = new QPushButton(Texts::tr("キャンセル"), window);
    m_cancel->setObjectName(QStringLiteral("Command14"));
    m_cancel->hide();
    connect(m_save, &QPushButton::clicked, this, &RunMemoEditor::saveClicked);
    connect(m_cancel, &QPushButton::clicked, this, &RunMemoEditor::cancelClicked);
}

void RunMemoEditor::showCaption(int left, int top, int run, const QString &dateTime)
{
    const QString text = QStringLiteral("No.") + QString::number(run) + QLatin1Char(' ') + dateTime;
    m_caption->setText(text);
    m_caption->setGeometry(units::px(left), units::px(top), units::px(100.0 * text.size()), units::px(kCaptionHeight));
    m_caption->show();
    m_caption->raise();
}

void RunMemoEditor::showPreview(const QString &storedMemo)
{
    if (storedMemo.isEmpty()) {
        m_box->hide();
        return;
    }
    m_box->setReadOnly(true);
    previewLook(m_box, true);
    const QString text = shownForm(storedMemo);
    m_box->setPlainText(text);
    // At least the height the memo's length gives, and as much more as its text needs, as far
    // as the window reaches (a longer memo scrolls).
    const int width = units::px(kBoxWidth);
    const int top = m_caption->y() + m_caption->height();
    const int needed = wrappedHeight(text, m_box->font(), width - 2 * kPreviewMargin) + 2 * kPreviewMargin + 2;
    int height = qMax(units::px(previewHeightTwips(storedMemo.size())), needed);
    if (QWidget *window = m_box->parentWidget())
        height = qMax(units::px(previewHeightTwips(storedMemo.size())), qMin(height, window->height() - top));
    m_box->setGeometry(m_caption->x(), top, width, height);
    m_box->show();
    m_box->raise();
}

void RunMemoEditor::openEditor(const QString &storedMemo)
{
    const QRect c = m_caption->geometry();
    m_save->setGeometry(c.x() + c.width(), c.y(), units::px(kSaveWidth), c.height());
    m_cancel->setGeometry(m_save->x() + m_save->width(), c.y(), units::px(kCancelWidth), c.height());
    m_save->show();
    m_save->raise();
    m_cancel->show();
    m_cancel->raise();

    m_box->setReadOnly(false);
    previewLook(m_box, false);
    m_box->setPlainText(shownForm(storedMemo));
    m_box->setGeometry(c.x(), c.y() + c.height(), units::px(kBoxWidth), units::px(kEditorHeight));
    m_box->show();
    m_box->raise();
    m_box->setFocus();
    m_editing = true;
}

void RunMemoEditor::hideAll()
{
    m_caption->hide();
    m_box->hide();
    m_save->hide();
    m_cancel->hide();
    m_editing = false;
}

void RunMemoEditor::setSaving(bool saving)
{
    m_save->setEnabled(!saving);
    m_cancel->setEnabled(!saving);
    if (m_editing)
        m_box->setReadOnly(saving);
}

void RunMemoEditor::hidePreview()
{
    m_caption->hide();
    m_box->hide();
}

QString RunMemoEditor::typedText() const
{
    return m_box->toPlainText().replace(QLatin1Char('\n'), CRLF);
}

} // namespace vora
