// The usage text and the usage error, shared by every command.
#include "Commands.h"
#include "Output.h"

QString voradata::usageText()
{
    return QStringLiteral(
        "usage:\n"
        "  vora-data check FILE...               check every run line; exit 0 all good, 1 damaged, 2 unreadable\n"
        "  vora-data summary FILE [--upto N]     the results view's figures and texts as JSON (runs 1..N)\n"
        "  vora-data summary --pooled FILE...    the evidence pooled over experiments, with its audits, as JSON\n"
        "  vora-data summary --pooled --server CONNINFO|--server-file FILE [--site NAME]\n"
        "                                        the same over the runs in the study database\n"
        "  vora-data report FILE... [-o OUT.html] [--lang ja|en]  a self-contained HTML report with charts\n"
        "  vora-data export FILE [--csv|--json]  one row per trial (CSV with header by default)\n"
        "  vora-data push FILE... --server CONNINFO --site NAME | --server-file FILE [--site NAME]\n"
        "                                        send every run to the study database (idempotent); the\n"
        "                                        password from ~/.pgpass, PGPASSFILE, PGPASSWORD or FILE\n"
        "  vora-data evaluate                    judge lines \"h s1 s2 s3 s4 s5\" read from standard input\n"
        "  vora-data seal [--reseal] FILE...     seal the runs not sealed yet (NAME.seal beside NAME.txt);\n"
        "                                        --reseal rewrites a chain that starts after run 1 from run 1\n"
        "  vora-data verify [--head] [--expect-head HASH] FILE...\n"
        "                                        compare the runs with their seal; --head prints the hash to\n"
        "                                        publish, --expect-head confirms a published one is still in the chain\n"
        "  vora-data --help                      this text\n"
        "Output is UTF-8. Exit code 2 means wrong arguments or an unreadable file.\n");
}

int voradata::usageError(const QString &problem)
{
    // The problem may quote an argument: printed escaped, like a file name.
    writeErr(QStringLiteral("vora-data: ") + printableName(problem) + QLatin1Char('\n') + usageText());
    return kExitUsage;
}
