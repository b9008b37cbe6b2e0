#pragma once
// The commands. Each takes the arguments after its own name and returns the exit code.
#include <QStringList>

#include <cstdio>

namespace voradata {

class CommandLine;

int runCheck(const QStringList &args);
// summary FILE, or with --pooled the evidence over several files (runPooledSummary).
int runSummary(const QStringList &args);
int runPooledSummary(const CommandLine &line);
int runReport(const QStringList &args);
int runExport(const QStringList &args);
// Sends every run of the files to the study database.
int runPush(const QStringList &args);
int runSeal(const QStringList &args);
int runVerify(const QStringList &args);
// study init | add-site NAME: the study database's schema, roles and sites.
int runStudy(const QStringList &args);
// protocol check|register|simulate FILE: a preregistered study's plan.
int runProtocol(const QStringList &args);
// interim PROTOCOL: the primary analysis at the planned stopping points, recorded.
int runInterim(const QStringList &args);
// Reads "h s1 s2 s3 s4 s5" lines from `in`.
int runEvaluate(const QStringList &args, std::FILE *in);

// Prints `problem` and the usage text (CommandLine.h) to stderr; returns the usage exit code.
int usageError(const QString &problem);

} // namespace voradata
