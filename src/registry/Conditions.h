#pragma once
#include <QString>

namespace vora {

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

// The data file of an experiment: NAME-1.txt with a stimulus, NAME-0.txt without.
inline QString stimulusFileSuffix(bool withStimulus)
{
    return withStimulus ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace vora
