// vora-data evaluate: the analysis routine on lines "h s1 s2 s3 s4 s5" from standard input.
// One compact JSON object per non-blank input line, in input order, each with its line number;
// a malformed line gives {"line":n,"error":...} (also noted on stderr) and exit code 1 at the end.
#include "CommandLine.h"
#include "Commands.h"
#include "Output.h"

#include "core/registry/RecordFormat.h"
#include "core/results/Evaluation.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numeric>

#include <QCoreApplication>

namespace voradata {

namespace {

// The texts of this file, under the translation context "EvaluateCommand".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(EvaluateCommand)
};

} // namespace

namespace {

// Longer lines are not numbers anyone typed; they are read past, not kept in memory.
constexpr qint64 kMaxLineBytes = 4096;

struct ParsedLine {
    bool ok = false;
    QString error; // for the JSON: English in every language, as scripts read it
    QString note; // the same for a person, on standard error
    double hits = 0.0;
    std::array<double, vora::kBlocksPerRun> segments{};
};

ParsedLine parseLine(const QString &line)
{
    ParsedLine p;
    const QStringList fields = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // Five numbers are the segments alone (as in a profile table); the total is their sum.
    if (fields.size() != vora::kBlocksPerRun + 1 && fields.size() != vora::kBlocksPerRun) {
        p.error = QStringLiteral("expected \"h s1 s2 s3 s4 s5\" (6 numbers) or \"s1 s2 s3 s4 s5\", got %1 fields")
                      .arg(fields.size());
        p.note = Texts::tr("\"h s1 s2 s3 s4 s5\"（6 つの数）か \"s1 s2 s3 s4 s5\" が必要ですが、項目が %1 個あります")
                     .arg(fields.size());
        return p;
    }
    const QLocale c = QLocale::c();
    std::array<double, vora::kBlocksPerRun + 1> v{};
    const int offset = fields.size() == vora::kBlocksPerRun + 1 ? 0 : 1;
    for (int i = 0; i < fields.size(); ++i) {
        bool ok = false;
        const double x = c.toDouble(fields.at(i), &ok);
        if (!ok || !std::isfinite(x)) {
            p.error = QStringLiteral("\"%1\" is not a number").arg(fields.at(i).left(40));
            p.note = Texts::tr("\"%1\" は数ではありません").arg(fields.at(i).left(40));
            return p;
        }
        v[i + offset] = x;
    }
    for (int k = 0; k < vora::kBlocksPerRun; ++k) {
        if (v[k + 1] < 0.0 || v[k + 1] > vora::kTrialsPerBlock) {
            p.error = QStringLiteral("segment %1 must lie between 0 and %2").arg(k + 1).arg(vora::kTrialsPerBlock);
            p.note =
                Texts::tr("試行部分 %1 は 0 から %2 の間でなければなりません").arg(k + 1).arg(vora::kTrialsPerBlock);
            return p;
        }
        p.segments[k] = v[k + 1];
    }
    const double sum = std::accumulate(p.segments.begin(), p.segments.end(), 0.0);
    p.hits = offset == 0 ? v[0] : sum;
    if (p.hits < 0.0 || p.hits > vora::kTrialsPerRun) {
        p.error = QStringLiteral("hits must lie between 0 and %1").arg(vora::kTrialsPerRun);
        p.note = Texts::tr("一致数は 0 から %1 の間でなければなりません").arg(vora::kTrialsPerRun);
        return p;
    }
    // The hits are the sum of the segments; a line where they differ judges nothing real.
    if (std::fabs(p.hits - sum) > 1e-9 * std::max(1.0, p.hits)) {
        const QString hits = QLocale::c().toString(p.hits, 'g', 15);
        const QString segments = QLocale::c().toString(sum, 'g', 15);
        p.error = QStringLiteral("hits %1 differ from the sum of the segments %2").arg(hits, segments);
        p.note = Texts::tr("一致数 %1 が試行部分の合計 %2 と違います").arg(hits, segments);
        return p;
    }
    p.ok = true;
    return p;
}

void writeJsonLine(const QJsonObject &o)
{
    writeOut(QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n');
}

} // namespace

int runEvaluate(const QStringList &args, std::FILE *in)
{
    CommandLine line(QStringLiteral("evaluate"));
    if (!line.parse(args))
        return line.exitCode();
    if (!line.positional().isEmpty())
        return line.usageError(Texts::tr("標準入力を読むので、ファイルは指定できません"));

    bool anyMalformed = false;
    int lineNo = 0;
    bool atEof = false;
    while (!atEof) {
        QByteArray bytes;
        bool tooLong = false;
        int c;
        while ((c = std::getc(in)) != EOF && c != '\n') {
            if (bytes.size() < kMaxLineBytes)
                bytes.append(char(c));
            else
                tooLong = true; // read past the rest of the line without keeping it
        }
        atEof = c == EOF;
        if (atEof && bytes.isEmpty() && !tooLong)
            break;
        ++lineNo;

        QJsonObject o;
        o.insert(QStringLiteral("line"), lineNo);
        ParsedLine parsed;
        if (tooLong) {
            parsed.error = QStringLiteral("line longer than %1 bytes").arg(kMaxLineBytes);
            parsed.note = Texts::tr("行が %1 バイトを超えています").arg(kMaxLineBytes);
        } else {
            const QString text = QString::fromUtf8(bytes);
            if (text.trimmed().isEmpty())
                continue;
            parsed = parseLine(text);
        }
        if (!parsed.ok) {
            anyMalformed = true;
            o.insert(QStringLiteral("error"), parsed.error);
            writeErr(QStringLiteral("vora-data evaluate: ")
                     + Texts::tr("%1 行目: %2").arg(QString::number(lineNo), parsed.note) + QLatin1Char('\n'));
            writeJsonLine(o);
            continue;
        }

        const vora::Analysis a = vora::analyse(parsed.hits, parsed.segments);
        o.insert(QStringLiteral("flag"), a.significant ? 1 : 0);
        o.insert(QStringLiteral("profile"), QString(vora::profileLetter(a.profile)));
        o.insert(QStringLiteral("analysisText"), unixLineBreaks(a.analysisText));
        writeJsonLine(o);
    }
    return anyMalformed ? kExitBadData : kExitOk;
}

} // namespace voradata
