#pragma once
#include <QString>
#include <QStringList>

namespace vora {

// The program's command line: --help and --version, nothing else of its own. Qt's own
// options (-platform, -style, ...) belong to QApplication, which takes them out of the
// arguments when it is built.
struct CommandLine {
    enum class Action { Start, Help, Version, Error };
    // BeforeQt: Qt's options are still among the arguments, so anything unknown is let
    // through and only --help and --version are answered, before any window system is
    // touched. AfterQt: QApplication has taken its options; whatever is left is refused.
    enum class Stage { BeforeQt, AfterQt };

    static CommandLine parse(const QStringList &arguments, Stage stage);

    Action action = Action::Start;
    QString output; // to print: on stdout for help and version, on stderr for an error
    int exitCode = 0; // for every action but Start
};

} // namespace vora
