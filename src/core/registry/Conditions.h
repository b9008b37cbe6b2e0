#pragma once
#include <QCoreApplication>
#include <QString>

namespace vora {

// The stimulus of an experiment's runs. Unset until the first start, a name box, the
// selection file or a data file decides it; the files then keep an empty field.
enum class Stimulus { Unset, None, Small, Medium, Large };

// The files' letter for it: "n" none, "S" small, "M" medium, "B" large, "" unset.
inline QString stimulusLetter(Stimulus s)
{
    switch (s) {
    case Stimulus::None: return QStringLiteral("n");
    case Stimulus::Small: return QStringLiteral("S");
    case Stimulus::Medium: return QStringLiteral("M");
    case Stimulus::Large: return QStringLiteral("B");
    case Stimulus::Unset: break;
    }
    return QString();
}

// Any other text (a data file does not check its stimulus column) reads as unset.
inline Stimulus stimulusFromLetter(const QString &letter)
{
    if (letter == QLatin1String("n"))
        return Stimulus::None;
    if (letter == QLatin1String("S"))
        return Stimulus::Small;
    if (letter == QLatin1String("M"))
        return Stimulus::Medium;
    if (letter == QLatin1String("B"))
        return Stimulus::Large;
    return Stimulus::Unset;
}

// Whether the subject sees hit or miss after each guess. Unset until the first start, a
// name box, the selection file or a data file decides it; the files then keep an empty field.
enum class HitDisplay { Unset, Shown, Hidden };

// The files' letter for it: "D" shown, "-" hidden, "" unset.
inline QString hitDisplayLetter(HitDisplay h)
{
    switch (h) {
    case HitDisplay::Shown: return QStringLiteral("D");
    case HitDisplay::Hidden: return QStringLiteral("-");
    case HitDisplay::Unset: break;
    }
    return QString();
}

// Any other text (only an empty field passes the files' checks) reads as unset.
inline HitDisplay hitDisplayFromLetter(const QString &letter)
{
    if (letter == QLatin1String("D"))
        return HitDisplay::Shown;
    if (letter == QLatin1String("-"))
        return HitDisplay::Hidden;
    return HitDisplay::Unset;
}

// How the program names a set of conditions: "刺激=小、当り表示=有" from "S" and "D".
// A letter it does not know adds nothing.
inline QString conditionsDescription(const QString &stimulusLetter, const QString &hitDisplayLetter)
{
    QString text;
    if (stimulusLetter == QLatin1String("S"))
        text = QCoreApplication::translate("Conditions", "刺激=小");
    else if (stimulusLetter == QLatin1String("M"))
        text = QCoreApplication::translate("Conditions", "刺激=中");
    else if (stimulusLetter == QLatin1String("B"))
        text = QCoreApplication::translate("Conditions", "刺激=大");
    else if (stimulusLetter == QLatin1String("n"))
        text = QCoreApplication::translate("Conditions", "刺激=無");
    if (hitDisplayLetter == QLatin1String("D"))
        text += QCoreApplication::translate("Conditions", "、当り表示=有");
    else if (hitDisplayLetter == QLatin1String("-"))
        text += QCoreApplication::translate("Conditions", "、当り表示=なし");
    return text;
}

// The data file of an experiment: NAME-1.txt with a stimulus, NAME-0.txt without.
inline QString stimulusFileSuffix(bool withStimulus)
{
    return withStimulus ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace vora
