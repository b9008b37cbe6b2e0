#include "startup/LooseValue.h"

namespace vora {

int LooseValue::toInt() const
{
    switch (m_kind) {
    case Kind::Empty: return 0;
    case Kind::Number: return m_number;
    case Kind::Text: {
        const QString t = m_text.trimmed();
        int i = 0;
        bool negative = false;
        if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
            negative = t.at(i) == QLatin1Char('-');
            ++i;
        }
        long long value = 0;
        for (; i < t.size() && t.at(i).isDigit() && t.at(i).unicode() < 128; ++i) {
            value = value * 10 + (t.at(i).unicode() - '0');
            if (value > 1000000000LL)
                break;
        }
        return static_cast<int>(negative ? -value : value);
    }
    }
    return 0;
}

bool LooseValue::isNumericText() const
{
    bool ok = false;
    m_text.trimmed().toInt(&ok);
    return ok || m_text.trimmed().isEmpty();
}

QString LooseValue::toText() const
{
    switch (m_kind) {
    case Kind::Empty: return QString();
    case Kind::Number: return QString::number(m_number);
    case Kind::Text: return m_text;
    }
    return QString();
}

} // namespace vora
