#pragma once
// Choosing the experiment to run: the select buttons, the load and check of its data file
// whenever Label3's caption changes, the condition memo (double click, "保存"), and
// "実験の開始" with the 100-run limit.
#include "core/toolkit/RunMirror.h"

#include <QObject>
#include <QString>

namespace vora {

class Module1;
struct MainControls;

class SelectionLaunch : public QObject {
    Q_OBJECT
public:
    SelectionLaunch(Module1 &module, MainControls &controls, QObject *parent = nullptr);

    void selectPressed(int box); // Command4 .. Command8
    void selectionLoad(const QString &caption); // every change of Label3's caption
    void memoDoubleClicked(); // Text1
    void saveMemo(); // Command1
    void launch(); // Command10

    static QString damagedMessage();
    static QString limitMessage();
    static QString conditionsText(const QString &stimulusCode, const QString &hitDisplayCode);
    // The name of box `box` is also held by an earlier box under other conditions.
    // The refusal of a run of a preregistered study that has stopped.
    static QString closedStudyMessage(const QString &title);
    // "研究「TITLE」：実施中" or "…：終了…"; empty without a study or a server answer.
    static QString studyStatusText(const StudyStatus &status);
    static QString nameInTwoBoxesMessage(const QString &name, int firstBox, int box);

private:
    void refuseDamagedData();
    // Why the selected experiment may not start a run now; empty when it may.
    QString launchRefusal() const;

    Module1 &m_module;
    MainControls &m_c;
    int m_selectedBox = 0; // the box whose select button chose the experiment; 0: none
};

} // namespace vora
