#pragma once
#include <QString>

namespace vora {

// A field that holds text or a number, or nothing yet. An empty value compares equal to 0
// and to the empty text, so it is neither greater than 0 nor equal to 1.
class LooseValue {
public:
    LooseValue() = default;
    LooseValue(int number) : m_kind(Kind::Number), m_number(number) {}
    LooseValue(const QString &text) : m_kind(Kind::Text), m_text(text) {}
    LooseValue(const char *text) : LooseValue(QString::fromUtf8(text)) {}

    bool isEmpty() const { return m_kind == Kind::Empty; }
    void clear() { *this = LooseValue(); }

    // Numeric value: a number as it is, a text by its leading decimal number, empty as 0.
    int toInt() const;
    // Text value: a number in plain decimal, empty as "".
    QString toText() const;

    bool operator==(int n) const { return toInt() == n && (m_kind != Kind::Text || isNumericText()); }
    bool operator!=(int n) const { return !(*this == n); }
    bool operator>(int n) const { return toInt() > n; }
    bool operator<(int n) const { return toInt() < n; }
    bool operator>=(int n) const { return toInt() >= n; }
    bool operator<=(int n) const { return toInt() <= n; }
    bool operator==(const QString &s) const { return toText() == s; }
    bool operator!=(const QString &s) const { return !(*this == s); }
    bool operator==(const char *s) const { return toText() == QString::fromUtf8(s); }
    bool operator!=(const char *s) const { return !(*this == s); }

private:
    bool isNumericText() const;
    enum class Kind { Empty, Number, Text };
    Kind m_kind = Kind::Empty;
    int m_number = 0;
    QString m_text;
};

} // namespace vora
