#include "toolkit/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vora::cp932 {

namespace {
const char *const kCodec = "windows-31j";
}

QString toCodePageForms(const QString &text)
{
    // Characters that Japanese input methods on Linux produce where Windows uses another
    // code point for the same glyph: store them as the code page's own character.
    QString out = text;
    for (QChar &c : out) {
        switch (c.unicode()) {
        case 0x301C: c = QChar(0xFF5E); break; // WAVE DASH -> FULLWIDTH TILDE
        case 0x2016: c = QChar(0x2225); break; // DOUBLE VERTICAL LINE -> PARALLEL TO
        case 0x2212: c = QChar(0xFF0D); break; // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
        case 0x00A2: c = QChar(0xFFE0); break; // CENT SIGN
        case 0x00A3: c = QChar(0xFFE1); break; // POUND SIGN
        case 0x00AC: c = QChar(0xFFE2); break; // NOT SIGN
        case 0x2014: c = QChar(0x2015); break; // EM DASH -> HORIZONTAL BAR
        default: break;
        }
    }
    return out;
}

Encoded encode(const QString &original)
{
    const QString text = toCodePageForms(original);
    Encoded out;
    // The encoder keeps a trailing unpaired surrogate as pending input and reports no error,
    // which would drop it silently; no surrogate half on its own is ever encodable.
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            out.ok = false;
            out.badCharacter = QString(c);
            return out;
        }
    }
    QStringEncoder encoder(kCodec);
    out.bytes = encoder.encode(text);
    if (!encoder.hasError())
        return out;
    out.ok = false;
    out.bytes.clear();
    // Find the culprit so the user is told which character to change.
    for (int i = 0; i < text.size(); ++i) {
        int len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringEncoder single(kCodec);
        const QString ch = text.mid(i, len);
        const QByteArray probe = single.encode(ch); // encoding happens on conversion
        if (single.hasError() || probe.isEmpty()) {
            out.badCharacter = ch;
            break;
        }
        i += len - 1;
    }
    if (out.badCharacter.isEmpty())
        out.badCharacter = QStringLiteral("?");
    return out;
}

bool canEncode(const QString &text)
{
    return encode(text).ok;
}

Decoded decode(const QByteArray &bytes)
{
    QStringDecoder decoder(kCodec);
    Decoded out;
    out.text = decoder.decode(bytes);
    out.damaged = decoder.hasError();
    return out;
}

QString unencodableMessage(const QString &badCharacter)
{
    return QStringLiteral("保存できない文字が含まれています（「%1」）。\r\n"
                          "この文字を別の文字に置き換えてから、もう一度保存してください。")
        .arg(badCharacter);
}

} // namespace vora::cp932
