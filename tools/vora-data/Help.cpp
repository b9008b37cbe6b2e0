// The usage text, each command's --help and the man page, all written from the command
// definitions in CommandLine.cpp.
#include "CommandLine.h"
#include "Commands.h"
#include "Output.h"

#include "core/toolkit/Language.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace voradata {

namespace {

// The texts of the usage and help, under the translation context "Help". The man page is
// written in English whatever the user's language (its sections below are English only).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Help)
};

#define VORA_STR2(x) #x
#define VORA_STR(x) VORA_STR2(x)

constexpr int kUsageColumn = 40; // where a form's summary starts in the usage text
constexpr int kUsageWidth = 110;
constexpr int kHelpWidth = 79;

// Columns a character takes on a terminal: two for the wide characters of East Asian scripts
// (kana, kanji, full-width forms), one for the rest.
int columnsOf(QChar c)
{
    const char16_t u = c.unicode();
    const bool wide = (u >= 0x1100 && u <= 0x115f) || (u >= 0x2e80 && u <= 0xa4cf) || (u >= 0xac00 && u <= 0xd7a3)
                      || (u >= 0xf900 && u <= 0xfaff) || (u >= 0xfe30 && u <= 0xfe4f) || (u >= 0xff00 && u <= 0xff60)
                      || (u >= 0xffe0 && u <= 0xffe6);
    return wide ? 2 : 1;
}

int columnsOf(const QString &text)
{
    int columns = 0;
    for (const QChar c : text)
        columns += columnsOf(c);
    return columns;
}

// Japanese line-breaking: no line starts with a closing mark or small kana, none ends with an
// opening bracket.
bool mayNotStartLine(QChar c)
{
    // 、。，．）」』】〕・ー：；？！ and the small kana ぁぃぅぇぉっゃゅょァィゥェォッャュョ, 〜
    static const QString marks = QStringLiteral(
        "\u3001\u3002\uff0c\uff0e\uff09\u300d\u300f\u3011\u3015\u30fb\u30fc\uff1a\uff1b\uff1f\uff01\u3041\u3043\u3045\u3047\u3049\u3063\u3083\u3085\u3087\u30a1\u30a3\u30a5\u30a7\u30a9\u30c3\u30e3\u30e5\u30e7\u301c");
    return marks.contains(c);
}

bool mayNotEndLine(QChar c)
{
    // （「『【〔
    static const QString marks = QStringLiteral("\uff08\u300c\u300e\u3010\u3014");
    return marks.contains(c);
}

// The pieces a line may break between: a word between spaces, or one wide character (with the
// marks that must stay beside it). `spaced`: a space stood before the piece.
struct Piece {
    QString text;
    bool spaced = false;
};

QVector<Piece> piecesOf(const QString &text)
{
    QVector<Piece> pieces;
    bool space = false;
    bool open = false; // the last piece may take the next character (a word, an opening bracket)
    for (const QChar c : text) {
        if (c == QLatin1Char(' ')) {
            space = true;
            open = false;
            continue;
        }
        const bool wide = columnsOf(c) == 2;
        const bool last = !pieces.isEmpty() && !space;
        const bool joins = last
                           && (mayNotStartLine(c) || mayNotEndLine(pieces.last().text.back())
                               || (open && !wide && columnsOf(pieces.last().text.back()) == 1));
        if (joins) {
            pieces.last().text += c;
        } else {
            pieces.append({QString(c), space && !pieces.isEmpty()});
        }
        open = !wide;
        space = false;
    }
    return pieces;
}

// Words wrapped to `width` columns, every line after the first starting with `indent` spaces.
// A line breaks at a space (which it drops) or between two Japanese characters.
QString wrapped(const QString &text, int width, int indent, int firstColumn = 0)
{
    QString out;
    int column = firstColumn;
    bool lineEmpty = true;
    for (const Piece &piece : piecesOf(text)) {
        const int columns = columnsOf(piece.text);
        const int gap = piece.spaced ? 1 : 0;
        if (!lineEmpty && column + gap + columns > width) {
            out += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
            lineEmpty = true;
        }
        if (!lineEmpty && gap) {
            out += QLatin1Char(' ');
            ++column;
        }
        out += piece.text;
        column += columns;
        lineEmpty = false;
    }
    return out;
}

QString plain(QString text)
{
    return text.remove(QLatin1Char('`'));
}

QString formLine(const CommandDef &def, const FormDef &form)
{
    return QStringLiteral("vora-data ") + def.name
           + (form.synopsis.isEmpty() ? QString() : QLatin1Char(' ') + form.synopsis);
}

QString optionLabel(const OptionDef &o)
{
    QStringList spelled;
    for (const QString &n : o.names)
        spelled << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
    return spelled.join(QStringLiteral(", ")) + (o.valueName.isEmpty() ? QString() : QLatin1Char(' ') + o.valueName);
}

// ---- roff ----------------------------------------------------------------------------------

const QRegularExpression &placeholderPattern()
{
    static const QRegularExpression re(QStringLiteral(
        "\\b(FILE|PROTOCOL|RATE|CONNINFO|NAME|HASH|OUT\\.html|LINE|TIME|SITE|EXPERIMENT|COMMAND|N|K|M)\\b"));
    return re;
}

QString roffEscaped(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    return out;
}

// Placeholders in italics, the rest in `base` ("R" or "B"); minus signs where `minus`.
QString roffRun(const QString &text, const QString &base, bool minus)
{
    QString out;
    int at = 0;
    auto flush = [&](const QString &piece) {
        QString p = roffEscaped(piece);
        if (minus)
            p.replace(QLatin1Char('-'), QStringLiteral("\\-"));
        out += p;
    };
    QRegularExpressionMatchIterator it = placeholderPattern().globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        flush(text.mid(at, m.capturedStart() - at));
        out += QStringLiteral("\\fI") + m.captured(0) + QStringLiteral("\\f") + base;
        at = m.capturedEnd();
    }
    flush(text.mid(at));
    return out;
}

// Text outside backquotes: option names bold, placeholders italic.
QString roffProse(const QString &text)
{
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*)"));
    QString out;
    int at = 0;
    QRegularExpressionMatchIterator it = option.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += roffRun(text.mid(at, m.capturedStart() - at), QStringLiteral("R"), false);
        out += QStringLiteral("\\fB") + roffRun(m.captured(1), QStringLiteral("B"), true) + QStringLiteral("\\fR");
        at = m.capturedEnd();
    }
    return out + roffRun(text.mid(at), QStringLiteral("R"), false);
}

// A paragraph of definition text: `literal` spans bold (a span that is one placeholder word
// alone is the word itself, bold), the rest as prose.
QString roffText(const QString &text)
{
    QString out;
    const QStringList parts = text.split(QLatin1Char('`'));
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        if (i % 2 == 0) {
            out += roffProse(part);
        } else if (placeholderPattern().match(part).captured(0) == part) {
            out += QStringLiteral("\\fB") + roffEscaped(part) + QStringLiteral("\\fR");
        } else {
            out += QStringLiteral("\\fB") + roffRun(part, QStringLiteral("B"), true) + QStringLiteral("\\fR");
        }
    }
    // A line may not start with a control character.
    if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')))
        out.prepend(QStringLiteral("\\&"));
    return out;
}

QString roffParagraphs(const QString &text)
{
    QStringList paragraphs;
    for (const QString &p : text.split(QStringLiteral("\n\n")))
        paragraphs << roffText(p);
    return paragraphs.join(QStringLiteral("\n.PP\n")) + QLatin1Char('\n');
}

QString roffForm(const CommandDef &def, const FormDef &form)
{
    return QStringLiteral("\\fBvora\\-data ") + def.name + QStringLiteral("\\fR")
           + (form.synopsis.isEmpty() ? QString() : QLatin1Char(' ') + roffProse(form.synopsis));
}

QString roffOptionLabel(const OptionDef &o)
{
    QStringList spelled;
    for (const QString &n : o.names)
        spelled << QStringLiteral("\\fB") + QString(n.size() == 1 ? QStringLiteral("\\-") : QStringLiteral("\\-\\-"))
                       + n + QStringLiteral("\\fR");
    QString label = spelled.join(QStringLiteral(", "));
    if (!o.valueName.isEmpty())
        label += QLatin1Char(' ') + roffRun(o.valueName, QStringLiteral("R"), false);
    return label;
}

// The sections that are about the tool as a whole rather than one command.
const char kDescription[] = R"(.B vora-data
is the command-line companion of the VORA clairvoyance experiment program
.BR VORAjikken (1).
It reads the program's experiment data files with the program's own reader and integrity
check (Windows Japanese code page CP932, CR LF line ends), and its output is UTF-8 whatever
the locale says.
.PP
An installed VORA keeps its data files in
.I $XDG_DATA_HOME/vora/data
(by default
.IR ~/.local/share/vora/data );
run from a build or an unpacked folder, in the
.I data
folder beside the program.
One file holds one experiment,
.IR NAME \-1.txt
with the stimulus episode and
.IR NAME \-0.txt
without; its runs are sealed in
.IR NAME \-C.seal
beside it.
.PP
.BR summary " (also " \-\-pooled "), " report " and " export
refuse a file that fails the check, as the program does
(\fIFILE\fR:\fILINE\fR: \fIreason\fR on standard error, exit status 1).
File names and arguments are printed with control characters and backslashes escaped
(\fB\en\fR, \fB\er\fR, \fB\et\fR, \fB\ex1b\fR, \fB\e\e\fR), so that a name cannot forge a result
line.
Every write to standard output and standard error is checked, the final flush and close
included: a full disk, a closed pipe or
.I /dev/full
ends the command with the cause on standard error and exit status 2, never with a cut-short
output and status 0.
)";

const char kEnvironment[] = R"(.TP
.BR PGHOST ", " PGPORT ", " PGDATABASE ", " PGUSER ", " PGSSLMODE ", " PGCONNECT_TIMEOUT ", ..."
libpq's connection variables, used by
.B push
and
.B summary \-\-pooled \-\-server
for whatever
.I CONNINFO
leaves out.
.TP
.B PGPASSWORD
The password, when neither
.I CONNINFO
nor the password file gives one. Other users may see a process's environment on some
systems; the password file is the safer place.
.TP
.B PGPASSFILE
The password file libpq reads instead of
.IR ~/.pgpass .
.TP
.BR VORA_LANG ", " LANG ", " LC_MESSAGES
The language of vora\-data's messages, usage and help, and of the texts it takes from VORA
(check reasons, why a file cannot be read, seal findings, protocol problems, results texts,
the report):
.B VORA_LANG=ja
or
.B en
chooses one; else the locale's language when VORA has a catalogue for it, else Japanese.
A script that reads its lines sets
.BR VORA_LANG=en .
This page is English in every language. JSON, CSV, the files written, exit statuses and the
bytes of the data files read are the same in every language.
.TP
.B XDG_DATA_HOME
Where an installed program keeps its data folder
.RI ( $XDG_DATA_HOME/vora/data ,
by default
.IR ~/.local/share/vora/data ).
.TP
.BR LC_ALL ", " LANG
Not used for the output, which is UTF-8 in any locale.
)";

const char kFiles[] = R"(.TP
.IR NAME \-1.txt ", " NAME \-0.txt
An experiment's data file: an optional condition memo line, then one line per run (100 trials),
CP932 with CR LF.
.TP
.IR NAME \-1.seal
The hash chain of the file's runs, written by the program after each run and by
.BR "vora\-data seal" ;
.IB NAME \-1.seal\-lock
is held while it is extended.
.TP
.IB FILE .lock
Held for the moment a file is appended to or rewritten.
.TP
.I study\-server.txt
The program's study database settings (connection string, site name), beside its writable
files.
.TP
.I data/outbox/
Runs the program has queued for the study database;
.I data/outbox/held/
those set aside after a conflict.
.TP
.I ~/.pgpass
The libpq password file (mode 0600):
.IR host : port : database : user : password
per line.
)";

const char kExamples[] = R"(.nf
$ vora\-data check data/Yama090425\-1.txt data/Test\-0.txt
data/Yama090425\-1.txt: ok (12 runs)
$ vora\-data export data/Yama090425\-1.txt > yama.csv     # then read.csv("yama.csv") in R
$ vora\-data summary \-\-pooled data/*.txt > pooled.json
$ vora\-data report data/Yama090425\-1.txt data/Ito\-0.txt \-o report.html \-\-lang en
$ echo "63 13 13 13 12 12" | vora\-data evaluate
$ vora\-data verify \-\-head data/Yama090425\-1.txt
data/Yama090425\-1.txt: head 3b1262024366fab2...9133f1 (run 12)
$ vora\-data verify \-\-expect\-head 3b1262024366fab2...9133f1 data/Yama090425\-1.txt
$ vora\-data push data/*.txt \-\-server "host=study.example.org dbname=vora_study user=tokyo1" \-\-site tokyo1
.fi
(the hashes shortened here are 64 hex digits; the password of
.B push
comes from
.I ~/.pgpass
or
.BR PGPASSWORD ,
never from the command line, where
.BR ps (1)
shows it to every user)
)";

const char kSeeAlso[] = R"(.BR VORAjikken (1),
.BR psql (1),
.BR sha256sum (1)
)";

} // namespace

QString versionText()
{
    return QStringLiteral("vora-data %1.%2.%3\n")
        .arg(QStringLiteral(VORA_STR(VORA_VERSION_MAJOR)), QStringLiteral(VORA_STR(VORA_VERSION_MINOR)),
             QStringLiteral(VORA_STR(VORA_VERSION_REVISION)));
}

QString usageText()
{
    QString out = Texts::tr("使い方:") + QLatin1Char('\n');
    auto entry = [&](const QString &left, const QString &summary) {
        QString line = QStringLiteral("  ") + left;
        if (line.size() >= kUsageColumn)
            line += QLatin1Char('\n') + QString(kUsageColumn, QLatin1Char(' '));
        else
            line = line.leftJustified(kUsageColumn);
        out += line + wrapped(summary, kUsageWidth, kUsageColumn, kUsageColumn) + QLatin1Char('\n');
    };
    for (const CommandDef &def : commandDefs())
        for (const FormDef &form : def.forms)
            entry(formLine(def, form), form.summary);
    entry(QStringLiteral("vora-data COMMAND --help"), Texts::tr("1 つのコマンドの詳しい説明"));
    entry(QStringLiteral("vora-data --version"), Texts::tr("バージョン"));
    entry(QStringLiteral("vora-data --help"), Texts::tr("この説明"));
    return out
           + Texts::tr(
               "出力は UTF-8 です。終了コード 2 は、引数が正しくない、読めないファイルがある、または出力を書き込め"
               "ないことを表します。\nマニュアル: man vora-data\n");
}

QString commandHelp(const CommandDef &def)
{
    QString out;
    // The further forms line up under the first, after "usage: " in whatever language.
    const QString usage = Texts::tr("使い方:") + QLatin1Char(' ');
    for (int i = 0; i < def.forms.size(); ++i)
        out += (i == 0 ? usage : QString(columnsOf(usage), QLatin1Char(' '))) + formLine(def, def.forms.at(i))
               + QLatin1Char('\n');
    for (const QString &p : def.description.split(QStringLiteral("\n\n")))
        out += QLatin1Char('\n') + wrapped(plain(p), kHelpWidth, 0) + QLatin1Char('\n');

    QVector<OptionDef> options = def.options;
    options.append({{QStringLiteral("h"), QStringLiteral("help")}, QString(), Texts::tr("この説明。")});
    out += QLatin1Char('\n') + Texts::tr("オプション:") + QLatin1Char('\n');
    for (const OptionDef &o : options) {
        const QString label = QStringLiteral("  ") + optionLabel(o);
        const int column = 24;
        const QString head = label.size() >= column - 1 ? label + QLatin1Char('\n') + QString(column, QLatin1Char(' '))
                                                        : label.leftJustified(column);
        out += head + wrapped(plain(o.help), kHelpWidth, column, column) + QLatin1Char('\n');
    }
    out += QLatin1Char('\n') + Texts::tr("終了コード:") + QLatin1Char('\n');
    for (const ExitDef &e : def.exits)
        out += QStringLiteral("  %1  ").arg(e.code) + wrapped(e.meaning, kHelpWidth, 5, 5) + QLatin1Char('\n');
    return out;
}

QString manPage(const QString &date)
{
    // The installed page is English: the definitions' texts come from the English catalogue.
    const vora::language::Scope english(QStringLiteral("en"));
    if (vora::language::current() != QLatin1String("en"))
        return QString();
    const QString version = versionText().section(QLatin1Char(' '), 1).trimmed();
    QString out;
    out += QStringLiteral(".\\\" Written by vora-data --man from the definitions its parser reads; do not edit.\n");
    out += QStringLiteral(".TH VORA\\-DATA 1 \"%1\" \"VORA %2\" \"User Commands\"\n").arg(date, version);
    // Left-aligned and unhyphenated: the texts are full of JSON keys and file names.
    out += QStringLiteral(".nh\n.ad l\n");
    out += QStringLiteral(".SH NAME\nvora\\-data \\- check, summarise, export, report, seal and mirror VORA experiment "
                          "data files\n");
    out += QStringLiteral(".SH SYNOPSIS\n.nf\n");
    for (const CommandDef &def : commandDefs())
        for (const FormDef &form : def.forms)
            out += roffForm(def, form) + QLatin1Char('\n');
    out += QStringLiteral("\\fBvora\\-data\\fR \\fICOMMAND\\fR \\fB\\-\\-help\\fR\n"
                          "\\fBvora\\-data \\-\\-help\\fR | \\fB\\-\\-version\\fR\n.fi\n");
    out += QStringLiteral(".SH DESCRIPTION\n") + QString::fromUtf8(kDescription);

    out += QStringLiteral(".SH COMMANDS\n");
    for (const CommandDef &def : commandDefs()) {
        out += QStringLiteral(".SS ") + def.name + QStringLiteral("\n.nf\n");
        for (const FormDef &form : def.forms)
            out += roffForm(def, form) + QLatin1Char('\n');
        out += QStringLiteral(".fi\n.PP\n") + roffParagraphs(def.description);
        if (!def.options.isEmpty()) {
            out += QStringLiteral(".PP\nOptions:\n.RS\n");
            for (const OptionDef &o : def.options)
                out += QStringLiteral(".TP\n") + roffOptionLabel(o) + QLatin1Char('\n') + roffText(o.help)
                       + QLatin1Char('\n');
            out += QStringLiteral(".RE\n");
        }
        out += QStringLiteral(".PP\nExit status:\n.RS\n.PD 0\n");
        for (const ExitDef &e : def.exits)
            out += QStringLiteral(".TP 4\n.B %1\n").arg(e.code) + roffText(e.meaning) + QLatin1Char('\n');
        out += QStringLiteral(".PD\n.RE\n");
    }

    out += QStringLiteral(".SH OPTIONS\nEvery command takes\n.TP\n.BR \\-h \", \" \\-\\-help\n"
                          "Print the command's usage, options and exit statuses, and exit 0.\n"
                          ".PP\nand, in place of a command:\n.TP\n.B \\-\\-help\n"
                          "Print the usage of every command and exit 0.\n.TP\n.B \\-\\-version\n"
                          "Print the version and exit 0.\n");

    out += QStringLiteral(".SH \"EXIT STATUS\"\n");
    for (int code = 0; code <= 2; ++code) {
        out += QStringLiteral(".TP\n.B %1\n").arg(code);
        QStringList lines;
        for (const CommandDef &def : commandDefs())
            for (const ExitDef &e : def.exits)
                if (e.code == code)
                    lines << QStringLiteral("\\fB") + def.name + QStringLiteral("\\fR: ") + roffText(e.meaning);
        out += lines.join(QStringLiteral("\n.br\n")) + QLatin1Char('\n');
    }
    out += QStringLiteral(".SH ENVIRONMENT\n") + QString::fromUtf8(kEnvironment);
    out += QStringLiteral(".SH FILES\n") + QString::fromUtf8(kFiles);
    out += QStringLiteral(".SH EXAMPLES\n") + QString::fromUtf8(kExamples);
    out += QStringLiteral(".SH \"SEE ALSO\"\n") + QString::fromUtf8(kSeeAlso);
    return out;
}

int usageError(const QString &problem)
{
    // The problem may quote an argument: printed escaped, like a file name.
    writeErr(QStringLiteral("vora-data: ") + printableName(problem) + QLatin1Char('\n') + usageText());
    return kExitUsage;
}

} // namespace voradata
