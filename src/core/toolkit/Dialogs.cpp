#include "core/toolkit/Dialogs.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace vora {

void Dialogs::ask(QObject *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                  std::function<void(MsgAnswer)> answered, const QString &title)
{
    // From the next pass of the event loop, so that the caller has returned first.
    QObject *context = parent ? parent : QCoreApplication::instance();
    QTimer::singleShot(
        0, context,
        [this, parent = QPointer<QObject>(parent), text, buttons, icon, title, answered = std::move(answered)] {
            const MsgAnswer a = message(parent, text, buttons, icon, title);
            answered(a);
        });
}

} // namespace vora
