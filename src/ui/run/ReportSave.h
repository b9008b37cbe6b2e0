#pragma once
// 「レポートを保存…」 of the results view: the research report of the experiment shown,
// written where the user chooses.
class QWidget;

namespace vora {

class Module1;

// Asks for a file name, builds the report from the experiment's whole data file and writes it
// atomically as UTF-8. A failure is told to the user; an existing file is then left as it was.
void saveExperimentReport(QWidget *parent, Module1 &module);

} // namespace vora
