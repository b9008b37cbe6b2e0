#pragma once
// The ways out of the main window: "結果の表示" (stored results without a run), "Help"
// (the help page in the browser) and "終わり" (ends the program at once), with the always
// hidden "コンピュータだけの実験".
#include <QObject>

class QPushButton;

namespace vora {

class MainFlow;
class Module1;

class ResultsEntry : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QPushButton *results = nullptr; // Command13
        QPushButton *help = nullptr; // Command15
        QPushButton *exit = nullptr; // Command3
        QPushButton *computerOnly = nullptr; // Command2
    };

    ResultsEntry(Module1 &module, MainFlow &flow, const Controls &controls, QObject *parent = nullptr);

    void openHelp(); // Command15

private:
    Module1 &m_module;
    MainFlow &m_flow;
    Controls m_c;
};

} // namespace vora
