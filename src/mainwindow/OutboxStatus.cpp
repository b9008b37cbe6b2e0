#include "mainwindow/OutboxStatus.h"

#include <QLabel>
#include <QStatusBar>

namespace vora {

void attachOutboxStatus(QStatusBar *bar, const std::shared_ptr<RunMirror> &mirror)
{
    if (!mirror)
        return;
    auto *label = new QLabel(bar);
    label->setObjectName(QStringLiteral("StudyOutbox"));
    bar->insertPermanentWidget(0, label);
    RunMirror *m = mirror.get();
    const auto update = [label, m] {
        QStringList parts;
        if (m->pendingCount() > 0)
            parts.append(QStringLiteral("未送信 %1件").arg(m->pendingCount()));
        if (m->heldCount() > 0)
            parts.append(QStringLiteral("送信不可 %1件").arg(m->heldCount()));
        label->setText(parts.join(QStringLiteral("　")));
        label->setToolTip(m->lastProblem());
        label->setVisible(!parts.isEmpty());
    };
    QObject::connect(m, &RunMirror::changed, label, update);
    update();
    const QString warning = m->takeWarning();
    if (!warning.isEmpty())
        bar->showMessage(warning, 30000);
}

} // namespace vora
