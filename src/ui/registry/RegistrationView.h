#pragma once
// The registration button Command9 and the label Label4, which holds the prompt in the
// selection view and the guidance in the registration view. They show the main window's flow
// and hand it the button's clicks.
#include "core/mainwindow/MainTexts.h"

#include <QObject>
#include <QString>

class QLabel;
class QPushButton;

namespace vora {

class MainFlow;

class RegistrationView : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QPushButton *toggle = nullptr; // Command9
        QLabel *prompt = nullptr; // Label4
    };

    RegistrationView(MainFlow &flow, const Controls &controls, QObject *parent = nullptr);

    // Load step 5: the prompt at its place.
    void showPrompt();

    static QString guidanceText() { return vora::guidanceText(); }
    static QString prompt() { return promptText(); }
    // The prompt at its place (400, 1000 twips), sized to its text.
    static void placePrompt(QLabel *label);

private:
    void viewChanged(bool open);
    void showWindowState();

    MainFlow &m_flow;
    Controls m_c;
    bool m_open = false; // the guidance is shown
};

} // namespace vora
