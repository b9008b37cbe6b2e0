#include "ui/run/ReportSave.h"

#include "core/registry/DataFile.h"
#include "core/report/ReportHtml.h"
#include "ui/startup/Module1.h"

#include <QFileInfo>

namespace vora {

void saveExperimentReport(QWidget *parent, Module1 &module)
{
    Services &sv = module.services();
    const SharedState &s = module.state();
    const QString name = s.experimentName;
    const QString flag = stimulusFileSuffix(s.withStimulus);
    const QString dataPath = dataFilePath(sv.paths, name, flag);
    const ReadResult read = sv.files->readLines(dataPath);
    if (!read.ok) {
        sv.dialogs->message(
            parent, QStringLiteral("データファイルを読めないため、レポートを作れません。") + CRLF + CRLF + read.message,
            MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }

    const QString caption = QStringLiteral("レポートを保存");
    QString path = sv.dialogs->saveFile(parent, caption, sv.paths.file(name + QStringLiteral("_report.html")),
                                        QStringLiteral("HTMLファイル (*.html *.htm)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".html");

    report::ReportOptions options;
    options.generated = sv.clock->dateText() + QLatin1Char(' ') + sv.clock->timeText();
    // The single-run chart shows the run being browsed, as the results view does.
    options.shownRun = s.browsedRun;
    const report::Experiment experiment = report::experimentFromLines(dataFileName(name, flag), read.lines);
    const FileResult wrote = sv.files->replaceBytes(path, report::reportBytes({experiment}, options));
    if (!wrote)
        sv.dialogs->message(parent, QStringLiteral("レポートを保存できませんでした。") + CRLF + CRLF + wrote.message,
                            MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace vora
