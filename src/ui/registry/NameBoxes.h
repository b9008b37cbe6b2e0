#pragma once
// The five experiment-name boxes of the main window, each with its condition options, select
// button and run counts. They show the boxes of the main window's flow and hand it what the
// user does: an item chosen, the list dropped down, a key typed, an option or a select button
// clicked.
#include "core/mainwindow/NameBoxModel.h"

#include <QComboBox>
#include <QGroupBox>

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace vora {

class MainFlow;

// An editable name box: announces its drop-down before the list opens and hands every typed
// character to its owner before the character reaches the text.
class NameCombo : public QComboBox {
    Q_OBJECT
public:
    explicit NameCombo(QWidget *parent = nullptr);
    void showPopup() override;

    // Character codes as the handlers see them: 13 Enter, 8 Backspace, 27 Esc, else the character.
    static int keyCodeOf(const QKeyEvent *event);

Q_SIGNALS:
    void droppingDown();
    void keyTyped(int keyCode);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The stimulus frame of a name box: a double click is passed on (it picks a background).
class ConditionFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

class NameBoxes : public QObject {
    Q_OBJECT
public:
    // The controls of one column; element 0 of the window's columns is the hidden design
    // element without behaviour (and without a name box or select button).
    struct Column {
        NameCombo *nameBox = nullptr; // ComboN
        ConditionFrame *stimulusFrame = nullptr; // Frame1(N)
        QGroupBox *hitDisplayFrame = nullptr; // Frame2(N)
        // Option1(N) .. Option6(N): small, medium, large, show hits, hide hits, none.
        std::array<QRadioButton *, 6> options{};
        QPushButton *selectButton = nullptr; // Command4 .. Command8
        QLabel *runsDone = nullptr; // Label10(N)
        QLabel *lastDate = nullptr; // Label11(N)
    };
    struct Controls {
        QLabel *heading = nullptr; // Label5: "実験名"
        std::array<Column, kNameBoxes + 1> columns;
    };

    NameBoxes(MainFlow &flow, const Controls &controls, QObject *parent = nullptr);

Q_SIGNALS:
    void frameDoubleClicked(int box); // the stimulus frame of box N

private:
    void showBox(int box);
    void showWindowState();
    void optionClicked(int box);

    MainFlow &m_flow;
    Controls m_c;
};

} // namespace vora
