#include "core/results/Evaluation.h"

#include <QCoreApplication>
#include <boost/math/distributions/binomial.hpp>
#include <boost/math/policies/policy.hpp>

#include <algorithm>
#include <cmath>

namespace vora {

namespace {
// The texts of this file, under the translation context "Evaluation".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Evaluation)
};
} // namespace

namespace {

// Segment values of the all-run profile are means of integer totals, so every difference
// the classification looks at is a multiple of 1/(2R). Floating-point division can leave a
// value a hair off its exact figure (2 - 1e-15 instead of 2); comparisons are therefore made
// on the exact figure the arithmetic stands for, within a margin far below 1/(2R).
constexpr double kMargin = 1e-9;
bool ge(double a, double b)
{
    return a >= b - kMargin;
}
bool gt(double a, double b)
{
    return a > b + kMargin;
}
bool le(double a, double b)
{
    return a <= b + kMargin;
}
bool lt(double a, double b)
{
    return a < b - kMargin;
}

// The decision procedure, one function per step; each returns the result of the profile.
struct Classifier {
    double s1, s2, s3, s4, s5;
    double m12, m45;
    double declineScore = 0.0;

    Profile a()
    {
        const double d = s1 - s2;
        if (ge(d, 6))
            return a1();
        if (ge(d, 2))
            return a2();
        if (ge(d, 0))
            return a3();
        if (ge(d, -1))
            return a4();
        return t1();
    }
    Profile a1()
    {
        if (ge(s1 - s3, 2) && ge(s1 - s4, 2) && ge(s1 - s5, 2))
            return ge(s5 - s4, 1) ? Profile::P : Profile::D;
        return a2();
    }
    Profile a2()
    {
        const double d = s2 - s3;
        if (ge(d, 0))
            return b1();
        if (ge(d, -1))
            return b2();
        return t1();
    }
    Profile a3()
    {
        const double d = s2 - s3;
        if (ge(d, 2))
            return b3();
        if (ge(d, 0))
            return b2();
        return t1();
    }
    Profile a4()
    {
        const double d = s2 - s3;
        if (ge(d, 3))
            return b1();
        if (ge(d, 0))
            return b4();
        if (le(d, -1))
            return t1();
        // Only a fractional difference between -1 and 0 gets here.
        if (ge(s3 - s4, 2))
            return b1();
        return t1();
    }
    Profile b1()
    {
        const double d = s5 - s4;
        if (ge(d, 2))
            return Profile::P;
        if (ge(d, 0))
            return c3();
        if (ge(d, -1)) {
            if (ge(s4 - s3, 2))
                return Profile::P;
            if (ge(m12 - m45, 1))
                return Profile::D;
            return Profile::S;
        }
        return t1();
    }
    Profile b2()
    {
        if (ge(s4 - s3, 0))
            return b1();
        if (ge(s3 - s4, 2))
            return b1();
        return t1();
    }
    Profile b3()
    {
        if (ge(s3 - s4, 1))
            return c2();
        return b1();
    }
    Profile b4()
    {
        if (ge(s3 - s4, 1))
            return c2();
        if (ge(s1 - s2, 2) || ge(s1 - s3, 2))
            return b1();
        return t1();
    }
    Profile c2()
    {
        const double d = s5 - s4;
        if (ge(d, 2))
            return Profile::P;
        if (ge(d, 0))
            return c3();
        if (ge(d, -2))
            return Profile::D;
        return t1();
    }
    Profile c3() { return ge(s4 - s3, 1) ? Profile::P : Profile::D; }
    Profile t1()
    {
        if (gt(s1, s2) && gt(s1, s3) && gt(s5, s4) && gt(s5, s3))
            return Profile::P;
        if (le(m12, m45))
            return Profile::N;
        if (gt(m12 - m45, 1) && (ge(s1, s5) || gt(s1, m45)))
            return Profile::D;
        if (ge(s3 - 2, s1))
            return Profile::N;
        if (gt(s3 - m45, 2))
            return Profile::D;
        if (gt(s2 - s1, 2))
            return Profile::N;
        declineScore = (m12 - m45) - (s5 - s1);
        if (lt(declineScore, 0.1))
            return Profile::N;
        if (gt(declineScore, 2))
            return Profile::D;
        return Profile::S;
    }
};

QString profileSentence(Profile p)
{
    switch (p) {
    case Profile::P: return Texts::tr("・初めの部分で一致が多く、その後減少し、最後にまた多くなる位置効果が見られる。");
    case Profile::D: return Texts::tr("・最初の部分で一致が多く、次第に減少する下降効果が見られる。");
    case Profile::S: return Texts::tr("・わずかだが、初めの部分で一致が多く、次第に減少する下降効果が見られる。");
    case Profile::N: break;
    }
    return QString();
}

// Boost.Math reports a bad argument by errno rather than an exception: nothing here may throw.
using MathPolicy =
    boost::math::policies::policy<boost::math::policies::domain_error<boost::math::policies::errno_on_error>,
                                  boost::math::policies::pole_error<boost::math::policies::errno_on_error>,
                                  boost::math::policies::overflow_error<boost::math::policies::errno_on_error>,
                                  boost::math::policies::evaluation_error<boost::math::policies::errno_on_error>>;

} // namespace

QChar profileLetter(Profile p)
{
    switch (p) {
    case Profile::P: return QLatin1Char('P');
    case Profile::D: return QLatin1Char('D');
    case Profile::S: return QLatin1Char('S');
    case Profile::N: break;
    }
    return QLatin1Char('N');
}

Profile classifyProfile(const std::array<double, 5> &s, double *declineScore)
{
    Classifier c{s[0], s[1], s[2], s[3], s[4], (s[0] + s[1]) / 2.0, (s[3] + s[4]) / 2.0};
    const Profile p = c.a();
    if (declineScore)
        *declineScore = c.declineScore;
    return p;
}

Analysis analyse(double hits, const std::array<double, 5> &segments)
{
    Analysis r;
    // A count of 0 is what an empty or damaged record reads as: nothing to judge.
    if (hits == 0.0 || std::isnan(hits))
        return r;
    if (ge(hits, 63)) {
        r.significant = true;
        r.significanceText = Texts::tr("●一致数が非常に多く、超能力が発揮されている可能性あり。（危険率0.01）");
    }
    if (le(hits, 37)) {
        r.significant = true;
        r.significanceText = Texts::tr(
            "●一致数が非常に少なく、超能力により一致を避けるサイミッシングが起きている可能性あり。（危険率0.01）");
    }
    r.profile = classifyProfile(segments, &r.declineScore);
    if (r.profile != Profile::N)
        r.analysisText = CRLF + profileSentence(r.profile) + CRLF;
    r.analysisText = r.significanceText + r.analysisText;
    return r;
}

int significanceLevel(int hits)
{
    if (hits >= 66)
        return 4;
    if (hits == 65)
        return 3;
    if (hits == 64)
        return 2;
    if (hits == 63)
        return 1;
    if (hits <= 34)
        return -4;
    if (hits == 35)
        return -3;
    if (hits == 36)
        return -2;
    if (hits == 37)
        return -1;
    return 0;
}

QString singleRunLevelSentence(int hits)
{
    switch (significanceLevel(hits)) {
    case 4: return Texts::tr("　1000回(以上)に1回しか起きない極めて多い一致になりました。");
    case 3: return Texts::tr("　370回に1回しか起きない非常に多い一致になりました。");
    case 2: return Texts::tr("　200回に1回しか起きない大変多い一致になりました。");
    case 1: return Texts::tr("　100回に1回しか起きない多い一致になりました。");
    case -1: return Texts::tr("　100回に1回しか起きない少ない一致になりました。");
    case -2: return Texts::tr("　200回に1回しか起きない大変少ない一致になりました。");
    case -3: return Texts::tr("　370回に1回しか起きない非常に少ない一致になりました。");
    case -4: return Texts::tr("　1000回(以上)に1回しか起きない極めて少ない一致になりました。");
    default: break;
    }
    return QString();
}

QString allRunLevelPhrase(int level)
{
    // Only the 1000-many and the 370-few phrases open with an ideographic space.
    switch (level) {
    case 4: return Texts::tr("　1000回に1回しか起きない極めて多い一致が");
    case 3: return Texts::tr("370回に1回しか起きない非常に多い一致が");
    case 2: return Texts::tr("200回に1回しか起きない大変多い一致が");
    case 1: return Texts::tr("100回に1回しか起きない多い一致が");
    case -1: return Texts::tr("100回に1回しか起きない少ない一致が");
    case -2: return Texts::tr("200回に1回しか起きない大変少ない一致が");
    case -3: return Texts::tr("　370回に1回しか起きない非常に少ない一致が");
    case -4: return Texts::tr("1000回に1回しか起きない極めて少ない一致が");
    default: break;
    }
    return QString();
}

QString singleRunLine(int hits, bool withStimulus, int stimulusTrial, int stimulusSpan, int targetOnes, int inputOnes)
{
    QString s = Texts::tr("◆一致数=%1").arg(hits);
    if (withStimulus) {
        s += Texts::tr("　◆刺激＝%1～%2").arg(stimulusTrial).arg(stimulusTrial + stimulusSpan - 1)
             + QStringLiteral(" (Tr1=") + QString::number(targetOnes) + QStringLiteral(",In1=")
             + QString::number(inputOnes) + QStringLiteral(")");
    }
    return s;
}

QString singleRunLineTooltip()
{
    return Texts::tr("Tr1=ﾀｰｹﾞｯﾄの1の回数、In1=入力の1の回数");
}

QString congratulationText(int hits)
{
    return Texts::tr("　　　　　★おめでとうございます") + CRLF + CRLF + singleRunLevelSentence(hits)
           + Texts::tr("超能力現象が起きたとみて間違いないと思われます。") + CRLF
           + Texts::tr("　何回も起きればそれだけ超能力現象の存在が明らかになります｡ ")
           + Texts::tr("次も､またがんばりましょう｡ ") + CRLF;
}

bool showsCongratulationPicture(int hits)
{
    return hits >= 65 || hits <= 35;
}

double binomialTwoTailedP(qint64 k, qint64 n)
{
    if (n <= 0)
        return 1.0;
    k = std::clamp<qint64>(k, 0, n);
    // With p = 0.5 the distribution is symmetric: twice the smaller tail, at most 1.
    const qint64 m = std::min(k, n - k);
    if (2 * m >= n)
        return 1.0;
    const boost::math::binomial_distribution<double, MathPolicy> law(double(n), 0.5);
    return std::min(1.0, 2.0 * boost::math::cdf(law, double(m)));
}

} // namespace vora
