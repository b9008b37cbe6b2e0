#pragma once
// The main window's fixed texts: the messages of the name boxes, the selection and the launch,
// the conditions line and the registration guidance.
#include "core/toolkit/RunMirror.h"

#include <QString>

namespace vora {

// Box N (1 to 5): Enter before both conditions are chosen, and a name over 10 characters.
QString conditionMessage(int box);
QString lengthMessage(int box);
// A name that box N already holds.
QString nameInUseMessage(const QString &name, int box);
// Box N's list file could not be read at load (`why` names the file and the cause).
QString unreadableListMessage(int box, const QString &why);
QString deleteNameQuestion(); // "実験名を削除します"

// The selected experiment's data file failed its check: the program starts afresh.
QString damagedDataMessage();
// 100 runs done: "実験の開始" is refused.
QString runLimitMessage();
// Label18 for a selection: "刺激=中、当り表示=なし　(保存データ；正常)".
QString selectionConditionsText(const QString &stimulusCode, const QString &hitDisplayCode);
// The name of box `box` is also held by an earlier box under other conditions.
QString nameInTwoBoxesMessage(const QString &name, int firstBox, int box);

// A run of a preregistered study that has stopped is refused.
QString closedStudyMessage(const QString &title);
// The study's state beside the name: "研究「TITLE」：実施中" or "…：終了…"; empty without a
// study or before the server has answered.
QString studyStatusText(const StudyStatus &status);

// Label4: the sixteen lines of the registration view (each ending in CR LF), and the prompt
// of the selection view.
QString guidanceText();
QString promptText();

} // namespace vora
