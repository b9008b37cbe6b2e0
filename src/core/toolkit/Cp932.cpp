#include "core/toolkit/Cp932.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QVector>

#include <array>

namespace vora::cp932 {

namespace {
const char *const kCodec = "windows-31j";

bool isTrailByte(uchar b)
{
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

bool isInvalidSingleByte(uchar b)
{
    return b == 0x80 || b == 0xA0 || b >= 0xFD;
}

// Which lead and trail byte pairs the code page assigns a character to, asked of the codec
// once: every pair followed by a line feed, which no pair can swallow.
const std::array<bool, 0x10000> &assignedPairs()
{
    static const std::array<bool, 0x10000> table = [] {
        std::array<bool, 0x10000> t{};
        QByteArray probe;
        QVector<int> pairs;
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isLeadByte(uchar(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (!isTrailByte(uchar(trail)))
                    continue;
                probe += char(lead);
                probe += char(trail);
                probe += '\n';
                pairs.append(lead << 8 | trail);
            }
        }
        QStringDecoder decoder(kCodec, QStringDecoder::Flag::Stateless);
        const QStringList parts = QString(decoder.decode(probe)).split(QLatin1Char('\n'));
        for (int i = 0; i < pairs.size() && i < parts.size(); ++i) {
            const QString &c = parts.at(i);
            t[size_t(pairs.at(i))] = c.size() == 1 && c.at(0) != QChar(0xFFFD) && c.at(0) != QChar(0x1A);
        }
        return t;
    }();
    return table;
}

QString decodeValid(const QByteArray &bytes)
{
    QStringDecoder decoder(kCodec, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}
} // namespace

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
    Decoded out;
    {
        // Stateless: a lead byte left at the very end is an error, not silently dropped.
        QStringDecoder decoder(kCodec, QStringDecoder::Flag::Stateless);
        out.text = decoder.decode(bytes);
        if (!decoder.hasError())
            return out;
    }
    // The codec marks some damage with U+001A, which is also what a valid 0x7F byte decodes
    // to: walk the bytes and mark each bad sequence with U+FFFD instead.
    out.damaged = true;
    out.text.clear();
    const std::array<bool, 0x10000> &assigned = assignedPairs();
    const qsizetype n = bytes.size();
    qsizetype validFrom = 0;
    qsizetype i = 0;
    auto markBad = [&](qsizetype length) {
        if (i > validFrom)
            out.text += decodeValid(bytes.mid(validFrom, i - validFrom));
        out.text += QChar(0xFFFD);
        i += length;
        validFrom = i;
    };
    while (i < n) {
        const uchar b = uchar(bytes.at(i));
        if (isLeadByte(b)) {
            const uchar next = i + 1 < n ? uchar(bytes.at(i + 1)) : 0;
            if (i + 1 < n && isTrailByte(next)) {
                if (assigned[size_t(b << 8 | next)])
                    i += 2;
                else
                    markBad(2);
            } else {
                markBad(1); // the next byte starts a character of its own
            }
        } else if (isInvalidSingleByte(b)) {
            markBad(1);
        } else {
            ++i;
        }
    }
    out.text += decodeValid(bytes.mid(validFrom));
    return out;
}

} // namespace vora::cp932
