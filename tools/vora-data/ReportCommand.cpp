// vora-data report FILE... [-o OUT.html] [--lang ja|en]: the research report as one HTML page.
#include "Commands.h"
#include "Output.h"
#include "PooledInput.h"

#include "report/ReportHtml.h"
#include "toolkit/FileStore.h"

#include <QDateTime>

namespace voradata {

int runReport(const QStringList &args)
{
    QStringList paths;
    QString outPath;
    vora::report::ReportOptions options;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("-o") || a == QLatin1String("--output")) {
            if (i + 1 >= args.size())
                return usageError(QStringLiteral("report: ") + a + QStringLiteral(" needs a file name"));
            outPath = args.at(++i);
        } else if (a.startsWith(QLatin1String("--output="))) {
            outPath = a.mid(9);
        } else if (a == QLatin1String("--lang") || a.startsWith(QLatin1String("--lang="))) {
            QString value;
            if (a == QLatin1String("--lang")) {
                if (i + 1 >= args.size())
                    return usageError(QStringLiteral("report: --lang needs ja or en"));
                value = args.at(++i);
            } else {
                value = a.mid(7);
            }
            if (value == QLatin1String("ja"))
                options.lang = vora::report::Lang::Ja;
            else if (value == QLatin1String("en"))
                options.lang = vora::report::Lang::En;
            else
                return usageError(QStringLiteral("report: --lang takes ja or en, not \"") + value + QLatin1Char('"'));
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            return usageError(QStringLiteral("report: unknown option ") + a);
        } else {
            paths << a;
        }
    }
    if (paths.isEmpty())
        return usageError(QStringLiteral("report: no file given"));
    if (outPath.isEmpty() && args.contains(QLatin1String("-o")))
        return usageError(QStringLiteral("report: -o needs a file name"));

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
        writeErr(QStringLiteral("vora-data: ") + unixLineBreaks(wrote.message) + QLatin1Char('\n'));
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace voradata
