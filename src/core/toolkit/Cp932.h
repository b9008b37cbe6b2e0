#pragma once
#include <QByteArray>
#include <QString>

namespace vora {

// The line end of every text file the program writes, and the line break of its messages.
inline const QString CRLF = QStringLiteral("\r\n");
constexpr char kCrLfBytes[] = "\r\n";

} // namespace vora

namespace vora::cp932 {

// A byte that begins a two-byte character; every other byte is a character of its own.
constexpr bool isLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The files are in the Windows Japanese code page. Encoding never substitutes "?":
// a character the code page lacks is an error the caller must report.
struct Encoded {
    QByteArray bytes;
    bool ok = true;
    QString badCharacter; // the first character that could not be encoded
};

Encoded encode(const QString &text);
// Replaces characters that have a same-looking twin in the code page (the wave dash of
// Linux input methods, for example) by that twin.
QString toCodePageForms(const QString &text);
bool canEncode(const QString &text);

struct Decoded {
    QString text;
    bool damaged = false; // bytes that are not valid CP932 were met
};

// Every byte sequence that is not valid CP932 becomes one U+FFFD, and only those do: no valid
// byte decodes to it, so a U+FFFD in decoded text marks exactly where the damage lies.
// A lead byte cut off by the end of the bytes is damage too.

Decoded decode(const QByteArray &bytes);

} // namespace vora::cp932
