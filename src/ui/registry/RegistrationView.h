#pragma once
// The main window's two views: the registration view with the name boxes and the guidance
// text, and the selection view. Closing the registration view stores the selections and
// the five lists. Also the condition option clicks and "実験条件の表示".
#include <QObject>
#include <QString>

class QLabel;

namespace vora {

class Module1;
struct MainControls;

class RegistrationView : public QObject {
    Q_OBJECT
public:
    RegistrationView(Module1 &module, MainControls &controls, QObject *parent = nullptr);

    void toggle(); // Command9
    void optionClicked(int box); // any condition option of box N
    void conditionsTicked(bool ticked); // Check1

    static QString guidanceText();
    static QString prompt() { return QStringLiteral(" 実験名を指定してください "); }
    // The prompt at its place (400, 1000 twips), sized to its text.
    static void placePrompt(QLabel *label);

private:
    void open();
    void close();
    void storeSelectionsAndLists();

    Module1 &m_module;
    MainControls &m_c;
};

} // namespace vora
