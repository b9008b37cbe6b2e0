#include "ui/toolkit/DesktopServices.h"

#include "core/toolkit/Cp932.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

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

// Opens a box that deletes itself once closed; `done` runs from its finished signal, unless
// the asking object is gone by then (a box parented to a window goes with it anyway).
template <typename Box, typename Done> void openBox(Box *box, QObject *parent, Done done)
{
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(
        box, &QDialog::finished, box,
        [box, asker = QPointer<QObject>(parent), hadAsker = parent != nullptr, done = std::move(done)](int result) {
            if (hadAsker && !asker)
                return;
            done(box, result);
        });
    box->open();
}

} // namespace

void QtDialogs::ask(QObject *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                    std::function<void(MsgAnswer)> answered, const QString &title)
{
    auto *box = new QMessageBox(windowOf(parent));
    setUp(*box, text, buttons, icon, title);
    openBox(box, parent, [buttons, answered = std::move(answered)](QMessageBox *b, int) {
        QAbstractButton *clicked = b->clickedButton();
        answered(answerOf(clicked ? b->standardButton(clicked) : QMessageBox::NoButton, buttons));
    });
}

void QtDialogs::input(QObject *parent, const QString &prompt, const QString &title, const QString &defaultText,
                      InputAnswered answered)
{
    // Set up as QInputDialog::getText sets up its box.
    auto *box = new QInputDialog(windowOf(parent));
    box->setWindowTitle(title.isEmpty() ? defaultTitle() : title);
    box->setLabelText(QString(prompt).replace(CRLF, QStringLiteral("\n")));
    box->setTextValue(defaultText);
    box->setTextEchoMode(QLineEdit::Normal);
    openBox(box, parent, [answered = std::move(answered)](QInputDialog *b, int result) {
        const bool ok = result == QDialog::Accepted;
        answered(ok, ok ? b->textValue() : QString());
    });
}

namespace {

// Set up as QFileDialog's static functions set up theirs: a path names the folder to start
// in and, when it is no folder, the file to suggest.
QFileDialog *fileBox(QObject *parent, const QString &caption, const QString &path, const QString &filter)
{
    auto *box = new QFileDialog(windowOf(parent), caption, path, filter);
    box->setSupportedSchemes({QStringLiteral("file")});
    return box;
}

} // namespace

void QtDialogs::openFile(QObject *parent, const QString &caption, const QString &folder, const QString &filter,
                         FileChosen chosen)
{
    QFileDialog *box = fileBox(parent, caption, folder, filter);
    box->setFileMode(QFileDialog::ExistingFile);
    openBox(box, parent, [chosen = std::move(chosen)](QFileDialog *b, int result) {
        chosen(result == QDialog::Accepted ? b->selectedFiles().value(0) : QString());
    });
}

void QtDialogs::saveFile(QObject *parent, const QString &caption, const QString &suggestedPath, const QString &filter,
                         FileChosen chosen)
{
    QFileDialog *box = fileBox(parent, caption, suggestedPath, filter);
    box->setFileMode(QFileDialog::AnyFile);
    box->setAcceptMode(QFileDialog::AcceptSave);
    openBox(box, parent, [chosen = std::move(chosen)](QFileDialog *b, int result) {
        chosen(result == QDialog::Accepted ? b->selectedFiles().value(0) : QString());
    });
}

} // namespace vora
