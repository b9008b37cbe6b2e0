#include "core/study/mirror/StudyConfig.h"

#include "core/toolkit/FileStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace vora::study {

namespace {
// The texts of this file, under the translation context "StudyConfig".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(StudyConfig)
};
} // namespace

namespace {

const QString kMask = QStringLiteral("********");

bool isKeyChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

QString quoted(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    v.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + v + QLatin1Char('\'');
}

} // namespace

ConnInfo ConnInfo::parse(const QString &text, QString *error)
{
    // libpq's rules: key = value, whitespace around "=", a value in single quotes may hold
    // spaces; a backslash escapes the next character.
    ConnInfo info;
    error->clear();
    const QString t = text.trimmed();
    if (t.startsWith(QStringLiteral("postgres://")) || t.startsWith(QStringLiteral("postgresql://"))) {
        *error = Texts::tr("接続文字列は key=value の形で書いてください（URIの形は使えません）。");
        return info;
    }
    int i = 0;
    const int n = t.size();
    while (i < n) {
        while (i < n && t.at(i).isSpace())
            ++i;
        if (i >= n)
            break;
        const int keyStart = i;
        while (i < n && isKeyChar(t.at(i)))
            ++i;
        const QString key = t.mid(keyStart, i - keyStart);
        while (i < n && t.at(i).isSpace())
            ++i;
        if (key.isEmpty() || i >= n || t.at(i) != QLatin1Char('=')) {
            *error = Texts::tr("接続文字列の %1 文字目が key=value の形になっていません。").arg(keyStart + 1);
            info.m_pairs.clear();
            return info;
        }
        ++i;
        while (i < n && t.at(i).isSpace())
            ++i;
        QString value;
        if (i < n && t.at(i) == QLatin1Char('\'')) {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = t.at(i++);
                if (c == QLatin1Char('\\') && i < n) {
                    value += t.at(i++);
                } else if (c == QLatin1Char('\'')) {
                    closed = true;
                    break;
                } else {
                    value += c;
                }
            }
            if (!closed) {
                *error = Texts::tr("接続文字列の「%1」の値の引用符が閉じていません。").arg(key);
                info.m_pairs.clear();
                return info;
            }
        } else {
            while (i < n && !t.at(i).isSpace()) {
                const QChar c = t.at(i++);
                if (c == QLatin1Char('\\') && i < n)
                    value += t.at(i++);
                else
                    value += c;
            }
        }
        info.m_pairs.append({key, value});
    }
    if (info.m_pairs.isEmpty())
        *error = Texts::tr("接続文字列が空です。");
    return info;
}

QString ConnInfo::value(const QString &key) const
{
    // libpq takes the last of repeated keys.
    for (auto it = m_pairs.crbegin(); it != m_pairs.crend(); ++it)
        if (it->first == key)
            return it->second;
    return QString();
}

bool ConnInfo::has(const QString &key) const
{
    for (const auto &p : m_pairs)
        if (p.first == key)
            return true;
    return false;
}

QString ConnInfo::masked() const
{
    QStringList parts;
    for (const auto &p : m_pairs) {
        const QString v = p.first == QLatin1String("password") ? kMask : p.second;
        const bool plain = !v.isEmpty() && !v.contains(QLatin1Char(' ')) && !v.contains(QLatin1Char('\''))
                           && !v.contains(QLatin1Char('\\'));
        parts.append(p.first + QLatin1Char('=') + (plain ? v : quoted(v)));
    }
    return parts.join(QLatin1Char(' '));
}

QString ConnInfo::mask(const QString &text) const
{
    QString out = text;
    for (const auto &p : m_pairs)
        if (p.first == QLatin1String("password") && !p.second.isEmpty())
            out.replace(p.second, kMask);
    return out;
}

bool isValidSiteName(const QString &site)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9_-]{1,32}$"));
    return re.match(site).hasMatch();
}

StudyConfig StudyConfig::fromText(const QString &connLine, const QString &siteLine)
{
    StudyConfig c;
    c.present = true;
    QString error;
    c.conn = ConnInfo::parse(connLine, &error);
    c.site = siteLine.trimmed();
    if (!error.isEmpty())
        c.error = error;
    else if (!isValidSiteName(c.site))
        c.error = Texts::tr("2行目のサイト名は英数字と「-」「_」の1～32文字で書いてください。");
    c.valid = c.error.isEmpty();
    return c;
}

StudyConfig StudyConfig::load(const AppPaths &paths)
{
    return loadFile(paths.file(fileName()));
}

StudyConfig StudyConfig::loadFile(const QString &path)
{
    const FileStore store;
    const ReadResult read = store.readLines(path);
    if (read.missing)
        return StudyConfig();
    if (!read.ok) {
        StudyConfig c;
        c.present = true;
        c.error = read.message;
        return c;
    }
    StudyConfig c = fromText(read.lines.value(0), read.lines.value(1));
    const QFileInfo info(path);
    const auto othersRead = QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (!c.conn.password().isEmpty() && (info.permissions() & othersRead))
        c.warning = Texts::tr("%1 はパスワードを含み、他のユーザーも読めます。"
                              "所有者だけが読めるようにしてください（chmod 600）。")
                        .arg(info.fileName());
    return c;
}

} // namespace vora::study
