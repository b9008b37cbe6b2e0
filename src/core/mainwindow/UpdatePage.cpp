#include "core/mainwindow/UpdatePage.h"

#include "core/toolkit/Cp932.h"
#include "core/toolkit/FileStore.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <QRegularExpression>
#include <QStringDecoder>

namespace vora::updatepage {

namespace {
// The texts of this file, under the translation context "UpdatePage".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(UpdatePage)
};
} // namespace

QString defaultSiteFolder()
{
    return QStringLiteral("http://www.example.org/vora/esp/");
}

QString siteFolder(const QStringList &overrideLines)
{
    if (overrideLines.isEmpty())
        return defaultSiteFolder();
    QString line = overrideLines.first().trimmed();
    const QUrl url(line, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (line.isEmpty() || !url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return defaultSiteFolder();
    if (!line.endsWith(QLatin1Char('/')))
        line += QLatin1Char('/');
    return line;
}

QUrl pageUrl(const QString &folder)
{
    return QUrl(folder + pageFileName());
}

SmallFileRead readSmallFile(const FileStore &files, const QString &path, qint64 maxBytes)
{
    SmallFileRead result;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return result;
    if (info.size() > maxBytes) {
        result.tooLarge = true;
        return result;
    }
    const ReadResult read = files.readLines(path);
    result.ok = read.ok;
    if (read.ok)
        result.lines = read.lines;
    return result;
}

QString tooLargeCopyText()
{
    return Texts::tr("更新情報のページ（%1）が大きすぎるため、表示しません。\n"
                     "次にインターネットから正しいページを受け取ると、ここに表示されます。")
        .arg(pageFileName());
}

QString noCopyYetText()
{
    return Texts::tr("更新情報のページはまだありません。\n"
                     "インターネットにつながっているときに起動すると、ここに表示されます。");
}

QString declaredCharset(const QString &contentType, const QByteArray &body)
{
    static const QRegularExpression headerCharset(QStringLiteral("charset\\s*=\\s*\"?([^\";\\s]+)"),
                                                  QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch m = headerCharset.match(contentType);
    if (m.hasMatch())
        return m.captured(1);

    // A declaration in the page must come early; ASCII is enough to read it in any charset we meet.
    static const QRegularExpression metaCharset(
        QStringLiteral("<meta\\b[^>]*?charset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_:.\\-]+)"),
        QRegularExpression::CaseInsensitiveOption);
    m = metaCharset.match(QString::fromLatin1(body.left(4096)));
    if (m.hasMatch())
        return m.captured(1);
    if (body.startsWith("\xEF\xBB\xBF"))
        return QStringLiteral("UTF-8");
    return QString();
}

namespace {
bool isCodePage932Name(const QString &name)
{
    static const QStringList names = {QStringLiteral("shift_jis"),   QStringLiteral("shift-jis"),
                                      QStringLiteral("sjis"),        QStringLiteral("x-sjis"),
                                      QStringLiteral("ms_kanji"),    QStringLiteral("csshiftjis"),
                                      QStringLiteral("windows-31j"), QStringLiteral("cp932"),
                                      QStringLiteral("ms932"),       QStringLiteral("x-ms-cp932")};
    return names.contains(name.toLower());
}
} // namespace

QString decodePage(const QByteArray &body, const QString &contentType)
{
    const QString charset = declaredCharset(contentType, body);
    if (!charset.isEmpty() && !isCodePage932Name(charset)) {
        QStringDecoder decoder(charset.toLatin1().constData(), QStringDecoder::Flag::Stateless);
        if (decoder.isValid()) {
            QByteArray bytes = body;
            if (bytes.startsWith("\xEF\xBB\xBF") && charset.compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0)
                bytes.remove(0, 3);
            return decoder.decode(bytes);
        }
    }
    return cp932::decode(body).text;
}

namespace {
QString insertAfterMarker(const QString &text, const QString &mark, int replacedLength)
{
    const int p = text.indexOf(linkMarker());
    if (p < 0)
        return text;
    const int end = p + linkMarker().size();
    return text.left(end) + mark + text.mid(end + replacedLength);
}
} // namespace

QString withOnlineMark(const QString &page)
{
    return insertAfterMarker(page, onlineMark(), 0);
}

QString withOfflineMark(const QString &onlineCopy)
{
    const int p = onlineCopy.indexOf(linkMarker());
    // Replace the online mark only where it really follows the marker, so a page without it
    // loses none of its own text.
    const bool hasOnline = p >= 0 && onlineCopy.mid(p + linkMarker().size(), onlineMark().size()) == onlineMark();
    return insertAfterMarker(onlineCopy, offlineMark(), hasOnline ? onlineMark().size() : 0);
}

QString forLocalCopy(const QString &page)
{
    static const QRegularExpression metaTag(QStringLiteral("<meta\\b[^>]*>"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression charsetValue(QStringLiteral("(charset\\s*=\\s*[\"']?\\s*)[A-Za-z0-9_:.\\-]+"),
                                                 QRegularExpression::CaseInsensitiveOption);
    QString text;
    int from = 0;
    QRegularExpressionMatchIterator it = metaTag.globalMatch(page);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        text += page.mid(from, m.capturedStart() - from);
        QString tag = m.captured();
        tag.replace(charsetValue, QStringLiteral("\\1Shift_JIS"));
        text += tag;
        from = m.capturedEnd();
    }
    text += page.mid(from);

    if (cp932::canEncode(text))
        return text;
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const int len =
            (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        const QString ch = text.mid(i, len);
        if (cp932::canEncode(ch))
            out += ch;
        else
            out += QStringLiteral("&#%1;").arg(ch.toUcs4().value(0));
        i += len - 1;
    }
    return out;
}

int leadingNumber(const QString &text)
{
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > 999999999) // no version goes this high; keeps the value an int
            value = 999999999;
    }
    return static_cast<int>(value);
}

VersionNumbers parseVersionText(const QString &original)
{
    QString text = original;
    text.remove(QLatin1Char(' '));
    VersionNumbers v;
    const int d1 = text.indexOf(QLatin1Char('.'));
    if (d1 < 0) {
        v.major = leadingNumber(text.mid(1));
        return v;
    }
    v.major = leadingNumber(text.mid(1, d1 - 1));
    const int d2 = text.indexOf(QLatin1Char('.'), d1 + 1);
    if (d2 < 0) {
        v.minor = leadingNumber(text.mid(d1 + 1));
        return v;
    }
    v.minor = leadingNumber(text.mid(d1 + 1, d2 - d1 - 1));
    v.revision = leadingNumber(text.mid(d2 + 1));
    return v;
}

namespace {
// The candidate text of a "V" at `v`: up to 11 characters, cut at the first of the
// separators a page puts after a version.
QString candidateFragment(const QString &line, int v)
{
    QString frag = line.mid(v, 11);
    static const QString cuts[] = {QStringLiteral("<"), QStringLiteral(" "), QStringLiteral("　"), QStringLiteral("、"),
                                   QStringLiteral(",")};
    for (const QString &cut : cuts) {
        const int at = frag.indexOf(cut);
        if (at >= 0)
            frag.truncate(at);
    }
    return frag;
}

// The first candidate of a line, or false when the line has none.
bool firstCandidate(const QString &line, VersionNumbers *found)
{
    int s = 0;
    for (;;) {
        const int v = line.indexOf(QLatin1Char('V'), s);
        if (v < 0)
            return false;
        const int d = line.indexOf(QLatin1Char('.'), v + 1);
        if (d < 0)
            return false;
        if (d - v > 2) {
            s = d;
            continue;
        }
        *found = parseVersionText(candidateFragment(line, v));
        return true;
    }
}

bool isAbove(const VersionNumbers &page, const VersionNumbers &own)
{
    if (page.major != own.major)
        return page.major > own.major;
    if (page.minor != own.minor)
        return page.minor > own.minor;
    return page.revision > own.revision;
}
} // namespace

ScanResult scanForNewerVersion(const QStringList &lines, const QString &ownVersionText)
{
    ScanResult result;
    const VersionNumbers own = parseVersionText(ownVersionText);
    bool seen = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.contains(revisionMarker()))
            seen = true;
        if (!seen)
            continue;
        VersionNumbers page;
        if (!firstCandidate(line, &page))
            continue;
        if (isAbove(page, own)) {
            result.newer = true;
            result.line = i;
            result.page = page;
            return result;
        }
    }
    return result;
}

QString noticeText()
{
    return Texts::tr("新バージョンのプログラムができています。\r\n\r\n"
                     "右案内の（最新版の入手）をクリックし、ホームページの案内にそって更新してください。");
}

} // namespace vora::updatepage
