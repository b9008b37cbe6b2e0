#include "core/study/Protocol.h"

#include "core/toolkit/FileStore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

namespace vora::study {

namespace {

// The problems of a protocol file, under the translation context "Protocol".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Protocol)
};

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
        problems << Texts::tr("JSON ではありません（%2 バイト目: %1）").arg(error.errorString()).arg(error.offset);
        return out;
    }
    if (!doc.isObject()) {
        problems << Texts::tr("プロトコルは 1 つの JSON オブジェクトです");
        return out;
    }
    const QJsonObject o = doc.object();
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (!kFields.contains(it.key()))
            problems
                << Texts::tr("不明な項目 \"%1\"（綴りを誤った項目は、気づかれないまま効かなくなります）").arg(it.key());
    }

    p.title = o.value(QStringLiteral("title")).toString().trimmed();
    if (p.title.isEmpty())
        problems << Texts::tr("title: 空でない文字列が必要です");

    auto names = [&](const char *field, QStringList *into) {
        const QJsonValue v = o.value(QLatin1String(field));
        if (v.isUndefined())
            return;
        if (!v.isArray()) {
            problems << Texts::tr("%1: 名前のリストを指定します").arg(QLatin1String(field));
            return;
        }
        for (const QJsonValue &item : v.toArray()) {
            if (!item.isString() || item.toString().trimmed().isEmpty())
                problems << Texts::tr("%1: 要素はすべて空でない名前にします").arg(QLatin1String(field));
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
        problems << Texts::tr("hypothesis: \"two-sided\" か \"greater\"（的中率が 0.5 より上）");

    const QJsonObject primary = o.value(QStringLiteral("primary")).toObject();
    if (primary.isEmpty())
        problems << Texts::tr("primary: \"priors\" と \"rule\" を持つオブジェクトが必要です");
    QSet<QString> priorNames;
    for (const QJsonValue &v : primary.value(QStringLiteral("priors")).toArray()) {
        const QJsonObject po = v.toObject();
        Prior prior;
        prior.name = po.value(QStringLiteral("name")).toString().trimmed();
        prior.a = po.value(QStringLiteral("a")).toDouble(-1.0);
        prior.b = po.value(QStringLiteral("b")).toDouble(-1.0);
        if (prior.name.isEmpty())
            problems << Texts::tr("primary.priors: どの事前分布にも名前が必要です");
        else if (priorNames.contains(prior.name))
            problems << Texts::tr("primary.priors: 名前 \"%1\" が 2 回使われています").arg(prior.name);
        priorNames.insert(prior.name);
        if (!(prior.a > 0.0) || !(prior.b > 0.0) || !std::isfinite(prior.a) || !std::isfinite(prior.b))
            problems << Texts::tr("primary.priors: 事前分布 \"%1\" には a > 0 と b > 0 が必要です（Beta(a, b)）")
                            .arg(prior.name);
        p.priors.append(prior);
    }
    if (p.priors.isEmpty())
        problems << Texts::tr(
            "primary.priors: 事前分布を 1 つ以上指定します（例 {\"name\": \"uniform\", \"a\": 1, \"b\": 1}）");
    const QString rule = primary.value(QStringLiteral("rule")).toString();
    if (rule == QLatin1String("all")) {
        p.rule = StopRule::AllPriors;
    } else if (rule == QLatin1String("one")) {
        p.rule = StopRule::OnePrior;
        p.decidingPrior = primary.value(QStringLiteral("decidingPrior")).toString();
        if (!priorNames.contains(p.decidingPrior))
            problems << Texts::tr("primary.decidingPrior: 事前分布のどれか 1 つの名前を指定します（rule \"one\"）");
    } else {
        problems << Texts::tr("primary.rule: \"all\"（すべての事前分布の BF10 が閾値を超える）か "
                              "\"one\"（decidingPrior と一緒に）");
    }

    const QJsonObject thresholds = o.value(QStringLiteral("thresholds")).toObject();
    p.thresholdH1 = thresholds.value(QStringLiteral("h1")).toDouble(-1.0);
    p.thresholdH0 = thresholds.value(QStringLiteral("h0")).toDouble(-1.0);
    if (!(p.thresholdH1 > 1.0) || !std::isfinite(p.thresholdH1))
        problems << Texts::tr("thresholds.h1: 1 より大きいベイズ因子（例 25）");
    if (!(p.thresholdH0 > 0.0) || !(p.thresholdH0 < 1.0))
        problems << Texts::tr("thresholds.h0: 0 と 1 の間のベイズ因子（例 0.04 = 1/25）");

    if (!wholeTrials(o.value(QStringLiteral("minTrials")), &p.minTrials))
        problems << Texts::tr("minTrials: 試行数を整数で指定します");
    if (!wholeTrials(o.value(QStringLiteral("maxTrials")), &p.maxTrials) || p.maxTrials <= 0)
        problems << Texts::tr("maxTrials: 0 より大きい試行数を整数で指定します");
    const QJsonArray points = o.value(QStringLiteral("stoppingPoints")).toArray();
    if (points.isEmpty())
        problems << Texts::tr("stoppingPoints: データを解析する時点の試行数のリスト");
    std::int64_t previous = 0;
    for (const QJsonValue &v : points) {
        std::int64_t n = 0;
        if (!wholeTrials(v, &n) || n <= previous) {
            problems << Texts::tr("stoppingPoints: 試行数は整数で、それぞれ前の点より大きくします");
            break;
        }
        p.stoppingPoints.append(n);
        previous = n;
    }
    if (!p.stoppingPoints.isEmpty() && p.maxTrials > 0) {
        if (p.stoppingPoints.last() != p.maxTrials)
            problems << Texts::tr("stoppingPoints: 最後の点は maxTrials（%1）にします").arg(p.maxTrials);
        if (p.stoppingPoints.first() < p.minTrials)
            problems << Texts::tr("stoppingPoints: minTrials（%1）より前に点は置けません").arg(p.minTrials);
    }
    if (p.minTrials > p.maxTrials && p.maxTrials > 0)
        problems << Texts::tr("minTrials: maxTrials より大きくできません");

    const QJsonValue blinding = o.value(QStringLiteral("blinding"));
    if (!blinding.isBool())
        problems << Texts::tr("blinding: true（中間解析は判定だけを示す）か false");
    p.blinding = blinding.toBool(true);

    const QJsonValue secondary = o.value(QStringLiteral("secondary"));
    if (!secondary.isUndefined()) {
        const QJsonObject so = secondary.toObject();
        const double alpha = so.value(QStringLiteral("binomialAlpha")).toDouble(-1.0);
        if (!(alpha > 0.0) || !(alpha < 1.0))
            problems << Texts::tr("secondary.binomialAlpha: 0 と 1 の間の水準（例 0.005）");
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
        out.unreadable = true;
        // The file layer's cause, but the bound is the protocol's own.
        out.problems << (raw.code == FileError::TooLarge
                             ? Texts::tr("1 MiB より大きいファイルはプロトコルではありません")
                             : raw.text(Audience::Tool));
        return out;
    }
    return parseProtocol(raw.bytes);
}

} // namespace vora::study
