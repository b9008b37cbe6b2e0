#include "ui/run/ReportSave.h"

#include "core/registry/DataFile.h"
#include "core/report/ReportHtml.h"
#include "core/toolkit/Language.h"
#include "core/toolkit/LockRetry.h"
#include "ui/startup/Module1.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

namespace vora {

namespace {
// The texts of this file, under the translation context "ReportSave".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportSave)
};

// The report's write while it waits for a lock another copy of the program holds; one per window.
const char *const kWriteName = "reportWrite";

LockRetry *waitingWrite(QWidget *parent)
{
    LockRetry *write = parent ? parent->findChild<LockRetry *>(QLatin1String(kWriteName)) : nullptr;
    return write && write->waiting() ? write : nullptr;
}
} // namespace

void saveExperimentReport(QWidget *parent, Module1 &module)
{
    if (waitingWrite(parent))
        return; // the last report is still being written: one at a time
    Services &sv = module.services();
    const SharedState &s = module.state();
    const QString name = s.experimentName;
    const QString flag = stimulusFileSuffix(s.withStimulus);
    const QString dataPath = dataFilePath(sv.paths, name, flag);
    const ReadResult read = sv.files->readLines(dataPath);
    if (!read.ok) {
        sv.dialogs->tell(parent,
                         Texts::tr("データファイルを読めないため、レポートを作れません。") + CRLF + CRLF + read.message,
                         MsgIcon::Exclamation);
        return;
    }

    const QString caption = Texts::tr("レポートを保存");
    // The report is of the file as it was read now, with the run browsed now.
    report::ReportOptions options;
    // The report speaks the program's language.
    options.lang = language::current() == language::source() ? report::Lang::Ja : report::Lang::En;
    options.shownRun = s.browsedRun;
    const report::Experiment experiment = report::experimentFromLines(dataFileName(name, flag), read.lines);
    sv.dialogs->saveFile(parent, caption, sv.paths.file(name + QStringLiteral("_report.html")),
                         Texts::tr("HTMLファイル (*.html *.htm)"),
                         [parent = QPointer<QWidget>(parent), &sv, options, experiment](QString path) mutable {
                             if (path.isEmpty() || !parent || waitingWrite(parent))
                                 return;
                             if (QFileInfo(path).suffix().isEmpty())
                                 path += QStringLiteral(".html");
                             options.generated = sv.clock->dateText() + QLatin1Char(' ') + sv.clock->timeText();
                             const QByteArray bytes = report::reportBytes({experiment}, options);
                             auto *write = new LockRetry(sv.clock, sv.timing, parent);
                             write->setObjectName(QLatin1String(kWriteName));
                             write->start([&sv, path, bytes] { return sv.files->replaceBytes(path, bytes); },
                                          [parent, &sv, write](const FileResult &wrote) {
                                              write->deleteLater();
                                              if (!wrote)
                                                  sv.dialogs->tell(parent,
                                                                   Texts::tr("レポートを保存できませんでした。") + CRLF
                                                                       + CRLF + wrote.message,
                                                                   MsgIcon::Exclamation);
                                          });
                         });
}

} // namespace vora
