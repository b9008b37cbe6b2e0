#pragma once
// Opening a data file named on the command line and running the program's check on it.
#include "core/registry/DataFile.h"

#include <QString>

namespace voradata {

struct CheckedFile {
    QString path; // as given on the command line
    bool readable = false;
    QString readError; // why the file could not be read, in one line
    vora::DataFileContents contents;
    int badLine = 0; // 1-based file line of the first fault, 0 when none
    QString badReason;

    bool passed() const { return readable && badLine == 0; }
    // "FILE:LINE: reason"
    QString faultText() const;
};

// Why a named file could not be read, in one line without the name: the cause as the
// file layer's table says it; what stands there instead of a file, or is too large, is no data file.
QString readFailureText(const vora::FileResult &read);

// Reads and checks one file with the program's own check. Unlike the program, which treats
// a missing file as an empty experiment, a file named here must exist. `lines` receives the
// file's lines as read (decoded once), for a caller that goes on to use them.
CheckedFile checkFile(const QString &path, QStringList *lines = nullptr);

} // namespace voradata

namespace voradata {

// For commands that read one file's runs: reports an unreadable or damaged file on stderr and
// returns its exit code; returns kExitOk for a file fit to read. Damaged files are refused as
// the program refuses them: figures from an edited file would be reported as if they were sound.
int refuseUnfit(const CheckedFile &file);

} // namespace voradata
