#pragma once
// Run lines for the registry tests, built column by column here rather than through
// RunRecord::toLine, so that the writer and the check are each tested against this.
#include <QString>
#include <array>

namespace registrytest {

// Targets alternate "10"; inputs are arranged so that block k has matches[k] matches.
inline QString targetsPattern()
{
    return QString(QStringLiteral("10")).repeated(50);
}

inline QString inputsWithMatches(const QString &targets, const std::array<int, 5> &matches)
{
    QString inputs = targets;
    for (int k = 0; k < 5; ++k) {
        for (int i = matches[k]; i < 20; ++i) {
            QChar &c = inputs[k * 20 + i];
            c = c == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
        }
    }
    return inputs;
}

inline QString field(int value, int width)
{
    const QString digits = QString::number(value);
    return digits.size() >= width ? digits.right(width) : QString(width - digits.size(), QLatin1Char(' ')) + digits;
}

// A consistent 261-column run line.
inline QString runLine(const std::array<int, 5> &matches = {12, 9, 8, 11, 10},
                       const QString &date = QStringLiteral("2009/04/25"), const QString &name = QStringLiteral("Yama"),
                       QChar stimulus = QLatin1Char('S'), int stimulusTrial = 45)
{
    int total = 0;
    for (int m : matches)
        total += m;
    const QString targets = targetsPattern();
    QString line = (name + QString(10, QLatin1Char(' '))).left(10) + date + QStringLiteral(" 14:30") + stimulus
                   + field(total, 2) + QStringLiteral("D") + field(matches[0], 2);
    for (int k = 1; k < 5; ++k)
        line += field(matches[k], 3);
    line += field(stimulusTrial, 3) + QStringLiteral("  0  0  0  0") + QStringLiteral(" ") + targets
            + QStringLiteral(" ") + inputsWithMatches(targets, matches);
    return line;
}

inline QString withCharAt(QString line, int column, QChar c)
{
    line[column - 1] = c;
    return line;
}

inline QString flippedAt(const QString &line, int column)
{
    return withCharAt(line, column, line.at(column - 1) == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1'));
}

} // namespace registrytest
