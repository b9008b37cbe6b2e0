#include "toolkit/Dialogs.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace vora {

namespace {

void setUp(QMessageBox &box, const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title)
{
    box.setWindowTitle(title.isEmpty() ? Dialogs::defaultTitle() : title);
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
}

MsgAnswer answerOf(int button, MsgButtons buttons)
{
    switch (button) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    }
}

} // namespace

void Dialogs::ask(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                  std::function<void(MsgAnswer)> answered, const QString &title)
{
    // From the next pass of the event loop, so that the caller has returned first.
    QObject *context = parent ? static_cast<QObject *>(parent) : QCoreApplication::instance();
    QTimer::singleShot(0, context, [this, parent = QPointer<QWidget>(parent), text, buttons, icon, title,
                                    answered = std::move(answered)] {
        const MsgAnswer a = message(parent, text, buttons, icon, title);
        answered(a);
    });
}

MsgAnswer QtDialogs::message(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                             const QString &title)
{
    QMessageBox box(parent);
    setUp(box, text, buttons, icon, title);
    return answerOf(box.exec(), buttons);
}

void QtDialogs::ask(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                    std::function<void(MsgAnswer)> answered, const QString &title)
{
    auto *box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    setUp(*box, text, buttons, icon, title);
    QObject::connect(box, &QDialog::finished, box, [box, buttons, answered = std::move(answered)] {
        QAbstractButton *clicked = box->clickedButton();
        answered(answerOf(clicked ? box->standardButton(clicked) : QMessageBox::NoButton, buttons));
    });
    box->open();
}

bool QtDialogs::input(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText,
                      QString *answer)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title.isEmpty() ? defaultTitle() : title,
                                               QString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                                               QLineEdit::Normal, defaultText, &ok);
    *answer = ok ? text : QString();
    return ok;
}

QString QtDialogs::openFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString QtDialogs::saveFile(QWidget *parent, const QString &caption, const QString &suggestedPath,
                            const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}

} // namespace vora
