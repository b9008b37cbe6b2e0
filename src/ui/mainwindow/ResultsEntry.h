#pragma once
// The ways out of the main window: "結果の表示" (stored results without a run), "Help"
// (the help page in the browser) and "終わり" (ends the program at once).
#include <QObject>

class QPushButton;

namespace vora {

class Module1;
struct MainControls;

class ResultsEntry : public QObject {
    Q_OBJECT
public:
    ResultsEntry(Module1 &module, MainControls &controls, QPushButton *helpButton, QObject *parent = nullptr);

    void showResults(); // Command13
    void openHelp(); // Command15
    void endProgram(); // Command3

private:
    Module1 &m_module;
    MainControls &m_c;
};

} // namespace vora
