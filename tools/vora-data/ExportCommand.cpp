// vora-data export FILE [--csv|--json]: one row per trial, for R, pandas and spreadsheets.
#include "CommandLine.h"
#include "Commands.h"
#include "Csv.h"
#include "DataInput.h"
#include "Output.h"

#include "core/results/Evaluation.h"
#include "core/results/RunLoader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <QCoreApplication>

namespace voradata {

namespace {

// The texts of this file, under the translation context "ExportCommand".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)
};

} // namespace

namespace {

// The digit of a trial, or -1 when the line has no "0"/"1" there.
int digitAt(const QString &digits, int trial)
{
    if (trial < 1 || trial > digits.size())
        return -1;
    const QChar c = digits.at(trial - 1);
    if (c == QLatin1Char('0'))
        return 0;
    if (c == QLatin1Char('1'))
        return 1;
    return -1;
}

bool inStimulusEpisode(const vora::LoadedRun &run, int trial)
{
    const int start = run.stimulusTrial();
    return start > 0 && trial >= start && trial < start + vora::kStimulusSpan;
}

QString csvDigit(int d)
{
    return d < 0 ? QString() : QString::number(d);
}

QJsonValue jsonDigit(int d)
{
    return d < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(d);
}

QString startTimeOf(const vora::LoadedRun &run)
{
    // The start time's place in the date and time columns.
    constexpr int kTimeOffset = vora::runline::kStartTime.first - vora::runline::kDateTime.first;
    return run.dateTime.mid(kTimeOffset, vora::runline::kStartTime.width()).trimmed();
}

QByteArray exportCsv(const vora::RunSet &set)
{
    QString out = QStringLiteral("run,trial,target,input,hit,inStimulusEpisode,date,startTime\n");
    for (const vora::LoadedRun &run : set.runs) {
        // Both fields are the same for every trial of a run.
        const QString tail = csvField(run.date) + QLatin1Char(',') + csvField(startTimeOf(run)) + QLatin1Char('\n');
        for (int t = 1; t <= vora::kTrialsPerRun; ++t) {
            out += QString::number(run.number) + QLatin1Char(',') + QString::number(t) + QLatin1Char(',')
                   + csvDigit(digitAt(run.targets, t)) + QLatin1Char(',') + csvDigit(digitAt(run.inputs, t))
                   + QLatin1Char(',') + (run.isMatch(t) ? QLatin1Char('1') : QLatin1Char('0')) + QLatin1Char(',')
                   + (inStimulusEpisode(run, t) ? QLatin1Char('1') : QLatin1Char('0')) + QLatin1Char(',') + tail;
        }
    }
    return out.toUtf8();
}

QByteArray exportJson(const vora::RunSet &set)
{
    QJsonArray rows;
    for (const vora::LoadedRun &run : set.runs) {
        for (int t = 1; t <= vora::kTrialsPerRun; ++t) {
            QJsonObject row;
            row.insert(QStringLiteral("run"), run.number);
            row.insert(QStringLiteral("trial"), t);
            row.insert(QStringLiteral("target"), jsonDigit(digitAt(run.targets, t)));
            row.insert(QStringLiteral("input"), jsonDigit(digitAt(run.inputs, t)));
            row.insert(QStringLiteral("hit"), run.isMatch(t));
            row.insert(QStringLiteral("inStimulusEpisode"), inStimulusEpisode(run, t));
            row.insert(QStringLiteral("date"), run.date);
            row.insert(QStringLiteral("startTime"), startTimeOf(run));
            rows.append(row);
        }
    }
    return QJsonDocument(rows).toJson(QJsonDocument::Indented);
}

} // namespace

QString csvField(const QString &raw)
{
    static const QString special = QStringLiteral(",\"\r\n");
    static const QString formulaStart = QStringLiteral("=+-@\t\r");
    const QString text = !raw.isEmpty() && formulaStart.contains(raw.at(0)) ? QLatin1Char('\'') + raw : raw;
    bool needsQuotes = false;
    for (const QChar c : text) {
        if (special.contains(c)) {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

int runExport(const QStringList &args)
{
    CommandLine line(QStringLiteral("export"));
    if (!line.parse(args))
        return line.exitCode();
    const bool json = line.isSet(QStringLiteral("json"));
    if (json && line.isSet(QStringLiteral("csv")))
        return line.usageError(Texts::tr("--csv か --json のどちらかを選んでください"));
    const QStringList files = line.positional();
    if (files.isEmpty())
        return line.usageError(Texts::tr("ファイルが指定されていません"));
    if (files.size() > 1)
        return line.usageError(Texts::tr("ファイルは一度に 1 つです"));
    const QString path = files.first();

    const CheckedFile file = checkFile(path);
    if (const int refused = refuseUnfit(file); refused != kExitOk)
        return refused;

    const vora::FileStore store;
    const vora::RunSet set = vora::loadRuns(store, path, 0);
    if (!set.readOk || set.missing) {
        writeErr(QStringLiteral("vora-data: ") + printableName(path) + QStringLiteral(": ") + readFailureText(set.read)
                 + QLatin1Char('\n'));
        return kExitUsage;
    }
    writeOut(json ? exportJson(set) : exportCsv(set));
    return kExitOk;
}

} // namespace voradata
