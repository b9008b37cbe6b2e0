#include "toolkit/Dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace vora {

MsgAnswer QtDialogs::message(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                             const QString &title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? defaultTitle() : title);
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
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    }
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
