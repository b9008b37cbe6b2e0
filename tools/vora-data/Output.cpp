#include "Output.h"

#include <cstdio>

namespace voradata {

namespace {

void writeBytes(FILE *stream, const QByteArray &bytes)
{
    if (!bytes.isEmpty())
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void writeOut(const QByteArray &utf8)
{
    writeBytes(stdout, utf8);
}

void writeOut(const QString &text)
{
    writeBytes(stdout, text.toUtf8());
}

void writeErr(const QString &text)
{
    writeBytes(stderr, text.toUtf8());
}

QString unixLineBreaks(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

} // namespace voradata
