#include "ui/toolkit/DesktopServices.h"

#include "core/toolkit/Cp932.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace vora {

namespace {

void setUp(QMessageBox &box, const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title)
{
    box.setWindowTitle(title.isEmpty() ? Dialogs::defaultTitle() : title);
    box.setText(QString(text).replace(CRLF, QStringLiteral("\n")));
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MsgButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    }
}

MsgAnswer answerOf(int button, MsgButtons buttons)
{
    switch (button) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default:
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoDefaultNo ? MsgAnswer::No : MsgAnswer::Ok;
    }
}

// Dialogs take any object as their parent; a box belongs to a window when the parent is one.
QWidget *windowOf(QObject *parent)
{
    return qobject_cast<QWidget *>(parent);
}

} // namespace

MsgAnswer QtDialogs::message(QObject *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                             const QString &title)
{
    QMessageBox box(windowOf(parent));
    setUp(box, text, buttons, icon, title);
    return answerOf(box.exec(), buttons);
}

void QtDialogs::ask(QObject *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                    std::function<void(MsgAnswer)> answered, const QString &title)
{
    auto *box = new QMessageBox(windowOf(parent));
    box->setAttribute(Qt::WA_DeleteOnClose);
    setUp(*box, text, buttons, icon, title);
    QObject::connect(box, &QDialog::finished, box, [box, buttons, answered = std::move(answered)] {
        QAbstractButton *clicked = box->clickedButton();
        answered(answerOf(clicked ? box->standardButton(clicked) : QMessageBox::NoButton, buttons));
    });
    box->open();
}

bool QtDialogs::input(QObject *parent, const QString &prompt, const QString &title, const QString &defaultText,
                      QString *answer)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(windowOf(parent), title.isEmpty() ? defaultTitle() : title,
                              QString(prompt).replace(CRLF, QStringLiteral("\n")), QLineEdit::Normal, defaultText, &ok);
    *answer = ok ? text : QString();
    return ok;
}

QString QtDialogs::openFile(QObject *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(windowOf(parent), caption, folder, filter);
}

QString QtDialogs::saveFile(QObject *parent, const QString &caption, const QString &suggestedPath,
                            const QString &filter)
{
    return QFileDialog::getSaveFileName(windowOf(parent), caption, suggestedPath, filter);
}

} // namespace vora
