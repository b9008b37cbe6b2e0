#pragma once
// The study server settings: study-server.txt beside the program's writable files.
//   line 1: a libpq connection string (key=value pairs, values optionally in single quotes)
//   line 2: this computer's site name (1 to 32 of letters, digits, "-", "_")
#include "core/toolkit/AppPaths.h"

#include <QList>
#include <QPair>
#include <QString>

namespace vora::study {

// A parsed libpq key=value connection string.
class ConnInfo {
public:
    // Empty `error` on success. Only the key=value form is taken (no URI).
    static ConnInfo parse(const QString &text, QString *error);

    QString value(const QString &key) const;
    bool has(const QString &key) const;
    QString password() const { return value(QStringLiteral("password")); }
    const QList<QPair<QString, QString>> &pairs() const { return m_pairs; }
    // The same settings with the password shown as "********": safe to print or log.
    QString masked() const;
    // Replaces the password wherever it occurs in `text` (server or driver messages).
    QString mask(const QString &text) const;

private:
    QList<QPair<QString, QString>> m_pairs;
};

bool isValidSiteName(const QString &site);

struct StudyConfig {
    bool present = false; // the file exists
    bool valid = false; // present and both lines usable
    QString error; // why a present file is not usable (never holds the password)
    QString warning; // readable by others while holding a password
    ConnInfo conn;
    QString site;

    static QString fileName() { return QStringLiteral("study-server.txt"); }
    static StudyConfig load(const AppPaths &paths);
    // The same file anywhere (vora-data --server-file); absent: `present` is false.
    static StudyConfig loadFile(const QString &path);
    static StudyConfig fromText(const QString &connLine, const QString &siteLine);
};

} // namespace vora::study
