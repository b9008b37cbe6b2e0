#pragma once
// Writing to the terminal: always UTF-8, whatever the locale says, so Japanese texts
// reach a pipe or a file intact. Every write is checked: once one fails (a full disk, a
// closed pipe, /dev/full), nothing more is written there and finishOutput() turns the
// command's exit code into kExitUsage with the cause on stderr.
#include <QByteArray>
#include <QString>

namespace voradata {

void writeOut(const QByteArray &utf8);
void writeOut(const QString &text);
void writeErr(const QString &text);

// Flushes and closes standard output, checks standard error, and returns `code`, or
// kExitUsage after a failed write (its cause printed on stderr while stderr still works).
// Called once, as the command ends.
int finishOutput(int code);

// A file name as printed: a control character (a line break, ESC, ...) or a backslash in it
// becomes a visible escape ("\n", "\x1b", "\\"), so that no name can forge a result line.
QString printableName(const QString &name);

// The program's texts carry CR LF (and lone CR/LF from hand edits); JSON and CSV readers
// expect plain "\n".
QString unixLineBreaks(const QString &text);

// Exit codes shared by every command.
constexpr int kExitOk = 0;
constexpr int kExitBadData = 1; // a damaged data file, a malformed input line
constexpr int kExitUsage = 2; // wrong arguments, a file that cannot be read, output that cannot be written

} // namespace voradata
