#pragma once
// Every command's arguments, defined once. QCommandLineParser reads them (one parser per
// command), and the same definitions write the usage text, each command's --help and the man
// page, so that none of them can drift from what is parsed. Their texts are written in the
// program's language and read in the user's (commandDefs() per language); the man page reads
// them in English.
//
// Texts may mark literal output or input with backquotes (`FILE: ok (N runs)`): the man page
// sets it in bold, --help drops the quotes. Option names and the placeholders listed in
// Help.cpp (FILE, N, CONNINFO, ...) are found by themselves.
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QVector>

namespace voradata {

struct OptionDef {
    QStringList names; // "o", "output": -o and --output
    QString valueName; // what the value is ("N", "CONNINFO"); empty for a switch
    QString help; // one or more sentences
};

// One way to call a command.
struct FormDef {
    QString synopsis; // what follows "vora-data COMMAND"
    QString summary; // its line in the usage text
};

struct ExitDef {
    int code;
    QString meaning;
};

struct CommandDef {
    QString name;
    QVector<FormDef> forms;
    QString description; // paragraphs separated by blank lines
    QVector<OptionDef> options;
    QVector<ExitDef> exits;
};

// Every command, in the order the usage text and the man page list them.
const QVector<CommandDef> &commandDefs();
const CommandDef *findCommand(const QString &name);

// One command's arguments, read by a parser that knows that command's options only.
class CommandLine {
public:
    explicit CommandLine(const QString &command);

    // Reads `args`, the arguments after the command's name. False when the command ends here
    // with exitCode(): 0 after --help (printed), 2 after a usage error (printed with the usage).
    bool parse(const QStringList &args);
    int exitCode() const { return m_exitCode; }

    bool isSet(const QString &option) const { return m_parser.isSet(option); }
    // The last value given (an option may be repeated; the last one counts).
    QString value(const QString &option) const { return m_parser.value(option); }
    QStringList values(const QString &option) const { return m_parser.values(option); }
    QStringList positional() const { return m_parser.positionalArguments(); }

    // "vora-data: COMMAND: problem" and the usage text on stderr; returns the usage exit code.
    int usageError(const QString &problem) const;

    const CommandDef &def() const { return *m_spec; }

private:
    QString culprit(const QStringList &args) const;

    const CommandDef *m_spec;
    QCommandLineParser m_parser;
    int m_exitCode = 0;
};

// The usage text of every command (vora-data --help, and after a usage error).
QString usageText();
// One command's help: its forms, description, options and exit statuses.
QString commandHelp(const CommandDef &def);
// The manual page in roff (man(7)), dated `date`: in English whatever the user's language, and
// empty when the English catalogue cannot be found.
QString manPage(const QString &date);
// "vora-data VERSION"
QString versionText();

} // namespace voradata
