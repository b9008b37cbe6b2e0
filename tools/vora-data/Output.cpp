#include "Output.h"

#include "core/toolkit/Cp932.h"
#include "core/toolkit/FileResult.h"

#include <cerrno>
#include <cstdio>

#include <QCoreApplication>

namespace voradata {

namespace {

// The texts of this file, under the translation context "Output".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Output)
};

} // namespace

namespace {

// The first errno of a failed write to each stream; 0 while every write went through.
int g_outFailure = 0;
int g_errFailure = 0;

void writeBytes(FILE *stream, const QByteArray &bytes, int *failure)
{
    // After a failure the output is cut short anyway; writing on would only hide where.
    if (*failure != 0)
        return;
    errno = 0;
    if (!bytes.isEmpty() && std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) != size_t(bytes.size())) {
        *failure = errno != 0 ? errno : EIO;
        return;
    }
    // Flushed at once, so that stdout and stderr lines keep their order on a terminal.
    if (std::fflush(stream) != 0)
        *failure = errno != 0 ? errno : EIO;
}

} // namespace

void writeOut(const QByteArray &utf8)
{
    writeBytes(stdout, utf8, &g_outFailure);
}

void writeOut(const QString &text)
{
    writeBytes(stdout, text.toUtf8(), &g_outFailure);
}

void writeErr(const QString &text)
{
    writeBytes(stderr, text.toUtf8(), &g_errFailure);
}

int finishOutput(int code)
{
    errno = 0;
    if (std::fflush(stdout) != 0 && g_outFailure == 0)
        g_outFailure = errno != 0 ? errno : EIO;
    if (std::ferror(stdout) && g_outFailure == 0)
        g_outFailure = EIO;
    // Closing reports what only the close can find (a file system that writes on close).
    errno = 0;
    if (std::fclose(stdout) != 0 && g_outFailure == 0)
        g_outFailure = errno != 0 ? errno : EIO;
    if (g_outFailure != 0) {
        writeErr(QStringLiteral("vora-data: ")
                 + Texts::tr("標準出力に書き込めません: %1。出力は途中で切れています")
                       .arg(vora::systemErrorText(g_outFailure, vora::Audience::Tool))
                 + QLatin1Char('\n'));
        code = kExitUsage;
    }
    if (std::fflush(stderr) != 0 && g_errFailure == 0)
        g_errFailure = errno != 0 ? errno : EIO;
    // A message that could not be shown still fails the command.
    if (g_errFailure != 0)
        code = kExitUsage;
    return code;
}

QString printableName(const QString &name)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u == '\\')
            out += QStringLiteral("\\\\");
        else if (u == '\n')
            out += QStringLiteral("\\n");
        else if (u == '\r')
            out += QStringLiteral("\\r");
        else if (u == '\t')
            out += QStringLiteral("\\t");
        else if (u < 0x20 || (u >= 0x7f && u < 0xa0) || u == 0x2028 || u == 0x2029)
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString unixLineBreaks(const QString &text)
{
    QString out = text;
    out.replace(vora::CRLF, QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

} // namespace voradata
