// vora-data report FILE... [-o OUT.html] [--lang ja|en]: the research report as one HTML page.
#include "CommandLine.h"
#include "Commands.h"
#include "Output.h"
#include "PooledInput.h"

#include "core/report/ReportHtml.h"
#include "core/toolkit/FileStore.h"

#include <QDateTime>

namespace voradata {

int runReport(const QStringList &args)
{
    CommandLine line(QStringLiteral("report"));
    if (!line.parse(args))
        return line.exitCode();
    vora::report::ReportOptions options;
    if (line.isSet(QStringLiteral("lang"))) {
        const QString value = line.value(QStringLiteral("lang"));
        if (value == QLatin1String("ja"))
            options.lang = vora::report::Lang::Ja;
        else if (value == QLatin1String("en"))
            options.lang = vora::report::Lang::En;
        else
            return line.usageError(QStringLiteral("--lang takes ja or en, not \"") + value + QLatin1Char('"'));
    }
    const QString outPath = line.value(QStringLiteral("output"));
    if (line.isSet(QStringLiteral("output")) && outPath.isEmpty())
        return line.usageError(QStringLiteral("-o needs a file name"));
    const QStringList paths = line.positional();
    if (paths.isEmpty())
        return line.usageError(QStringLiteral("no file given"));

    QVector<vora::report::Experiment> experiments;
    if (const int refused = loadExperiments(paths, &experiments); refused != kExitOk)
        return refused;

    options.generated = QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    const QByteArray html = vora::report::reportBytes(experiments, options);
    if (outPath.isEmpty()) {
        writeOut(html);
        return kExitOk;
    }
    vora::FileStore store;
    const vora::FileResult wrote = store.replaceBytes(outPath, html);
    if (!wrote) {
        writeErr(QStringLiteral("vora-data: cannot write ") + printableName(outPath) + QStringLiteral(": ")
                 + wrote.text(vora::Language::English) + QLatin1Char('\n'));
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace voradata
