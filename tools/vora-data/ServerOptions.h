#pragma once
// The study database options shared by push and summary: --server CONNINFO, --site NAME.
#include "report/Pooled.h"
#include "study/mirror/StudyConfig.h"

#include <QStringList>

namespace voradata {

struct ServerOptions {
    bool given = false;          // --server was given
    vora::study::ConnInfo conn;
    QString site;                // empty when not given

    // Takes --server and --site (also as --opt=value) out of `args`; the other arguments go
    // to `rest` in order. A bad value prints the usage and returns its exit code.
    // `required`: both options must be there.
    int parse(const QString &command, const QStringList &args, QStringList *rest, bool required);
};

// The runs stored in the study database (of `options.site` only, when given), one experiment
// per site and experiment. Refuses as loadExperiments does: 2 when the server cannot be read,
// 1 when a stored record fails the check.
int loadServerExperiments(const ServerOptions &options, QVector<vora::report::Experiment> *out);

} // namespace voradata
