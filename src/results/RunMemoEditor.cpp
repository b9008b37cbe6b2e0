#include "results/RunMemoEditor.h"

#include "registry/RunRecord.h"
#include "toolkit/Units.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vora {

namespace {
constexpr int kCaptionHeight = 270;
constexpr int kBoxWidth = 4000;
constexpr int kEditorHeight = 1500;
constexpr int kSaveWidth = 700;
constexpr int kCancelWidth = 1100;

// The preview has only 120 twips per ten characters: a small font without frame or margin
// keeps its text readable in that height. The editor gets the usual look back.
void previewLook(QPlainTextEdit *box, bool preview)
{
    QFont f = box->font();
    if (preview)
        f.setPixelSize(8);
    else
        f.setPointSizeF(9);
    box->setFont(f);
    box->setFrameShape(preview ? QFrame::NoFrame : QFrame::StyledPanel);
    box->document()->setDocumentMargin(preview ? 0 : 4);
    box->setVerticalScrollBarPolicy(preview ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, preview ? QColor(255, 255, 225) : QApplication::palette().color(QPalette::Base));
    box->setPalette(pal);
}

QString shownForm(const QString &stored)
{
    // The box works with plain line feeds; the file form keeps "<BR>".
    return runMemoFromFileForm(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
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

    m_save = new QPushButton(QStringLiteral("保存"), window);
    m_save->setObjectName(QStringLiteral("Command13"));
    m_save->hide();
    m_cancel = new QPushButton(QStringLiteral("キャンセル"), window);
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
    m_box->setPlainText(shownForm(storedMemo));
    m_box->setGeometry(m_caption->x(), m_caption->y() + m_caption->height(), units::px(kBoxWidth),
                       units::px(previewHeightTwips(storedMemo.size())));
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

void RunMemoEditor::hidePreview()
{
    m_caption->hide();
    m_box->hide();
}

QString RunMemoEditor::typedText() const
{
    return m_box->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace vora
