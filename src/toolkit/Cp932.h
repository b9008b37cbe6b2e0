#pragma once
#include <QByteArray>
#include <QString>

namespace vora::cp932 {

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
    bool damaged = false; // invalid byte sequences were met (shown as U+001A)
};

Decoded decode(const QByteArray &bytes);

// The message shown when a text cannot be stored.
QString unencodableMessage(const QString &badCharacter);

} // namespace vora::cp932
