#pragma once
// The study database options shared by push and summary: --server CONNINFO, --site NAME.
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

} // namespace voradata
