#include "ui/mainwindow/OutboxStatus.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace vora {

namespace {
// The texts of this file, under the translation context "OutboxStatus".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(OutboxStatus)
};
} // namespace

namespace {

// Shows a message on the status bar when the bar is first shown: a message given while the
// window is still hidden would leave the bar's own label showing through it.
class WarningOnShow : public QObject {
public:
    WarningOnShow(QStatusBar *bar, const QString &text) : QObject(bar), m_bar(bar), m_text(text)
    {
        bar->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_bar && event->type() == QEvent::Show) {
            QStatusBar *bar = m_bar;
            const QString text = m_text;
            deleteLater();
            // After the show has reached the bar's own labels.
            QTimer::singleShot(0, bar, [bar, text] { bar->showMessage(text, 30000); });
        }
        return false;
    }

private:
    QStatusBar *m_bar;
    QString m_text;
};

} // namespace

void attachOutboxStatus(QStatusBar *bar, const std::shared_ptr<RunMirror> &mirror)
{
    if (!mirror)
        return;
    auto *label = new QLabel(bar);
    label->setObjectName(QStringLiteral("StudyOutbox"));
    bar->addPermanentWidget(label);
    RunMirror *m = mirror.get();
    const auto update = [label, m] {
        QStringList parts;
        if (m->pendingCount() > 0)
            parts.append(Texts::tr("未送信 %1件").arg(m->pendingCount()));
        if (m->heldCount() > 0)
            parts.append(Texts::tr("送信不可 %1件").arg(m->heldCount()));
        label->setText(parts.join(Texts::tr("　", "between the two counts")));
        label->setToolTip(m->lastProblem());
        label->setVisible(!parts.isEmpty());
    };
    QObject::connect(m, &RunMirror::changed, label, update);
    update();
    const QString warning = m->takeWarning();
    if (!warning.isEmpty())
        new WarningOnShow(bar, warning);
}

} // namespace vora
