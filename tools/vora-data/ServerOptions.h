#pragma once
// The study database options shared by push and summary: --server CONNINFO or
// --server-file FILE (the program's study-server.txt: the connection, then the site), and
// --site NAME. The password is best left to libpq (~/.pgpass, PGPASSFILE, PGPASSWORD) or the
// file: one on the command line is seen by every user through ps, and is warned about.
#include "core/report/Study.h"
#include "core/study/mirror/StudyConfig.h"

#include <QStringList>

namespace voradata {

class CommandLine;

// How a command uses the study database.
enum class ServerUse {
    Push, // --server and --site required (the site may come from --server-file)
    Filter, // optional; --site narrows what is read
    Admin, // --server required, no site
    Check, // optional; with it a site is required (it may come from --server-file)
};

struct ServerOptions {
    bool given = false; // --server or --server-file was given
    vora::study::ConnInfo conn;
    QString site; // empty when not given

    // Takes --server, --server-file and --site from the parsed command line. A bad value prints
    // the usage and returns its exit code.
    int read(const CommandLine &line, ServerUse use);
};

// The runs stored in the study database (of `options.site` only, when given), one experiment
// per site and experiment. Refuses as loadExperiments does: 2 when the server cannot be read,
// 1 when a stored record fails the check or a site given has no run at all.
int loadServerExperiments(const ServerOptions &options, QVector<vora::report::Experiment> *out);

// The pooled figures' sums per site and experiment, added up by the server where its schema
// keeps them (else from every record, as loadServerExperiments), with the runs per day when
// `days` is given. Refuses as loadServerExperiments does.
int loadServerTallies(const ServerOptions &options, QVector<vora::report::ExperimentTally> *out,
                      QStringList *sites = nullptr, QVector<vora::report::DayCount> *days = nullptr);

} // namespace voradata
