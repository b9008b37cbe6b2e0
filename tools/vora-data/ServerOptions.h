#pragma once
// The study database options shared by push and summary: --server CONNINFO, --site NAME
// (defined with the other options in CommandLine.cpp).
#include "report/Pooled.h"
#include "study/mirror/StudyConfig.h"

#include <QStringList>

namespace voradata {

class CommandLine;

struct ServerOptions {
    bool given = false;          // --server was given
    vora::study::ConnInfo conn;
    QString site;                // empty when not given

    // Takes the options from the parsed command line. A bad value prints the usage and returns
    // its exit code. `required`: both options must be there.
    int read(const CommandLine &line, bool required);
};

// The runs stored in the study database (of `options.site` only, when given), one experiment
// per site and experiment. Refuses as loadExperiments does: 2 when the server cannot be read,
// 1 when a stored record fails the check.
int loadServerExperiments(const ServerOptions &options, QVector<vora::report::Experiment> *out);

} // namespace voradata
