#include "core/study/Protocol.h"

#include "core/toolkit/FileStore.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

namespace vora::study {

namespace {

constexpr qint64 kMaxProtocolBytes = 1024 * 1024;

const QStringList kFields{QStringLiteral("title"),      QStringLiteral("sites"),     QStringLiteral("experiments"),
                          QStringLiteral("hypothesis"), QStringLiteral("primary"),   QStringLiteral("stoppingPoints"),
                          QStringLiteral("thresholds"), QStringLiteral("minTrials"), QStringLiteral("maxTrials"),
                          QStringLiteral("blinding"),   QStringLiteral("secondary"), QStringLiteral("description")};

// A whole number of trials: JSON has only doubles, so 1.5 or 1e300 are refused by name.
bool wholeTrials(const QJsonValue &v, std::int64_t *out)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (!(d >= 0.0) || d > 1e15 || std::floor(d) != d)
        return false;
    *out = static_cast<std::int64_t>(d);
    return true;
}

} // namespace

const Prior *Protocol::deciding() const
{
    if (rule != StopRule::OnePrior)
        return nullptr;
    for (const Prior &p : priors) {
        if (p.name == decidingPrior)
            return &p;
    }
    return nullptr;
}

QString hypothesisName(Hypothesis h)
{
    return h == Hypothesis::Greater ? QStringLiteral("greater") : QStringLiteral("two-sided");
}

ProtocolRead parseProtocol(const QByteArray &bytes)
{
    ProtocolRead out;
    out.bytes = bytes;
    out.sha256 = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    QStringList &problems = out.problems;
    Protocol &p = out.protocol;

    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        problems << QStringLiteral("not JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset);
        return out;
    }
    if (!doc.isObject()) {
        problems << QStringLiteral("the protocol is one JSON object");
        return out;
    }
    const QJsonObject o = doc.object();
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (!kFields.contains(it.key()))
            problems
                << QStringLiteral("unknown field \"%1\" (a misspelt field would silently not count)").arg(it.key());
    }

    p.title = o.value(QStringLiteral("title")).toString().trimmed();
    if (p.title.isEmpty())
        problems << QStringLiteral("title: a non-empty text is required");

    auto names = [&](const char *field, QStringList *into) {
        const QJsonValue v = o.value(QLatin1String(field));
        if (v.isUndefined())
            return;
        if (!v.isArray()) {
            problems << QStringLiteral("%1: a list of names").arg(QLatin1String(field));
            return;
        }
        for (const QJsonValue &item : v.toArray()) {
            if (!item.isString() || item.toString().trimmed().isEmpty())
                problems << QStringLiteral("%1: every entry is a non-empty name").arg(QLatin1String(field));
            else
                into->append(item.toString().trimmed());
        }
    };
    names("sites", &p.sites);
    names("experiments", &p.experiments);

    const QString hypothesis = o.value(QStringLiteral("hypothesis")).toString();
    if (hypothesis == QLatin1String("two-sided"))
        p.hypothesis = Hypothesis::TwoSided;
    else if (hypothesis == QLatin1String("greater"))
        p.hypothesis = Hypothesis::Greater;
    else
        problems << QStringLiteral("hypothesis: \"two-sided\" or \"greater\" (hit rate above 0.5)");

    const QJsonObject primary = o.value(QStringLiteral("primary")).toObject();
    if (primary.isEmpty())
        problems << QStringLiteral("primary: an object with \"priors\" and \"rule\" is required");
    QSet<QString> priorNames;
    for (const QJsonValue &v : primary.value(QStringLiteral("priors")).toArray()) {
        const QJsonObject po = v.toObject();
        Prior prior;
        prior.name = po.value(QStringLiteral("name")).toString().trimmed();
        prior.a = po.value(QStringLiteral("a")).toDouble(-1.0);
        prior.b = po.value(QStringLiteral("b")).toDouble(-1.0);
        if (prior.name.isEmpty())
            problems << QStringLiteral("primary.priors: every prior has a name");
        else if (priorNames.contains(prior.name))
            problems << QStringLiteral("primary.priors: the name \"%1\" is used twice").arg(prior.name);
        priorNames.insert(prior.name);
        if (!(prior.a > 0.0) || !(prior.b > 0.0) || !std::isfinite(prior.a) || !std::isfinite(prior.b))
            problems
                << QStringLiteral("primary.priors: prior \"%1\" needs a > 0 and b > 0 (Beta(a, b))").arg(prior.name);
        p.priors.append(prior);
    }
    if (p.priors.isEmpty())
        problems << QStringLiteral(
            "primary.priors: at least one prior, e.g. {\"name\": \"uniform\", \"a\": 1, \"b\": 1}");
    const QString rule = primary.value(QStringLiteral("rule")).toString();
    if (rule == QLatin1String("all")) {
        p.rule = StopRule::AllPriors;
    } else if (rule == QLatin1String("one")) {
        p.rule = StopRule::OnePrior;
        p.decidingPrior = primary.value(QStringLiteral("decidingPrior")).toString();
        if (!priorNames.contains(p.decidingPrior))
            problems << QStringLiteral("primary.decidingPrior: the name of one of the priors (rule \"one\")");
    } else {
        problems << QStringLiteral("primary.rule: \"all\" (every prior's BF10 crosses the threshold) or \"one\" "
                                   "(with decidingPrior)");
    }

    const QJsonObject thresholds = o.value(QStringLiteral("thresholds")).toObject();
    p.thresholdH1 = thresholds.value(QStringLiteral("h1")).toDouble(-1.0);
    p.thresholdH0 = thresholds.value(QStringLiteral("h0")).toDouble(-1.0);
    if (!(p.thresholdH1 > 1.0) || !std::isfinite(p.thresholdH1))
        problems << QStringLiteral("thresholds.h1: a Bayes factor above 1, e.g. 25");
    if (!(p.thresholdH0 > 0.0) || !(p.thresholdH0 < 1.0))
        problems << QStringLiteral("thresholds.h0: a Bayes factor between 0 and 1, e.g. 0.04 (1/25)");

    if (!wholeTrials(o.value(QStringLiteral("minTrials")), &p.minTrials))
        problems << QStringLiteral("minTrials: a whole number of trials");
    if (!wholeTrials(o.value(QStringLiteral("maxTrials")), &p.maxTrials) || p.maxTrials <= 0)
        problems << QStringLiteral("maxTrials: a whole number of trials above 0");
    const QJsonArray points = o.value(QStringLiteral("stoppingPoints")).toArray();
    if (points.isEmpty())
        problems << QStringLiteral("stoppingPoints: a list of trial counts at which the data are analysed");
    std::int64_t previous = 0;
    for (const QJsonValue &v : points) {
        std::int64_t n = 0;
        if (!wholeTrials(v, &n) || n <= previous) {
            problems << QStringLiteral("stoppingPoints: whole trial counts, each above the one before");
            break;
        }
        p.stoppingPoints.append(n);
        previous = n;
    }
    if (!p.stoppingPoints.isEmpty() && p.maxTrials > 0) {
        if (p.stoppingPoints.last() != p.maxTrials)
            problems << QStringLiteral("stoppingPoints: the last point is maxTrials (%1)").arg(p.maxTrials);
        if (p.stoppingPoints.first() < p.minTrials)
            problems << QStringLiteral("stoppingPoints: no point before minTrials (%1)").arg(p.minTrials);
    }
    if (p.minTrials > p.maxTrials && p.maxTrials > 0)
        problems << QStringLiteral("minTrials: not above maxTrials");

    const QJsonValue blinding = o.value(QStringLiteral("blinding"));
    if (!blinding.isBool())
        problems << QStringLiteral("blinding: true (interim looks tell only the decision) or false");
    p.blinding = blinding.toBool(true);

    const QJsonValue secondary = o.value(QStringLiteral("secondary"));
    if (!secondary.isUndefined()) {
        const QJsonObject so = secondary.toObject();
        const double alpha = so.value(QStringLiteral("binomialAlpha")).toDouble(-1.0);
        if (!(alpha > 0.0) || !(alpha < 1.0))
            problems << QStringLiteral("secondary.binomialAlpha: a level between 0 and 1, e.g. 0.005");
        else
            p.binomialAlpha = alpha;
    }

    out.ok = problems.isEmpty();
    return out;
}

ProtocolRead readProtocol(const QString &path)
{
    const BytesRead raw = FileStore::readBytes(path, kMaxProtocolBytes);
    if (!raw) {
        ProtocolRead out;
        // The file layer's cause, but the bound is the protocol's own.
        out.problems << (raw.code == FileError::TooLarge ? QStringLiteral("larger than 1 MiB: not a protocol")
                                                         : raw.text(Audience::Tool));
        return out;
    }
    return parseProtocol(raw.bytes);
}

} // namespace vora::study
