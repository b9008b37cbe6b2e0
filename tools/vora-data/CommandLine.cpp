#include "CommandLine.h"

#include "Commands.h"
#include "Output.h"

namespace voradata {

namespace {

// `siteHelp`: what --site means for the command; empty: the command takes no --site.
QVector<OptionDef> serverOptions(const QString &siteHelp)
{
    QVector<OptionDef> options{
        {{QStringLiteral("server")},
         QStringLiteral("CONNINFO"),
         QStringLiteral("The study database: a libpq connection string of key=value pairs "
                        "(`host=study.example.org dbname=vora_study user=tokyo1`; a value with spaces in single "
                        "quotes). What it leaves out, the password included, libpq takes from the PG* environment "
                        "variables and ~/.pgpass (see ENVIRONMENT); a password written here is never printed.")},
        {{QStringLiteral("server-file")},
         QStringLiteral("FILE"),
         QStringLiteral("The study database from a file in the program's own study-server.txt form: line 1 the "
                        "connection string, line 2 the site name (used when --site is not given). Keep it readable "
                        "by its owner only (chmod 600); a password on the command line is seen by every user "
                        "through ps, and is warned about.")},
    };
    if (!siteHelp.isEmpty())
        options.append({{QStringLiteral("site")}, QStringLiteral("NAME"), siteHelp});
    return options;
}

const QString kSiteRule = QStringLiteral(": 1 to 32 letters, digits, \"-\" or \"_\".");

QVector<CommandDef> makeSpecs()
{
    const ExitDef unreadable{2,
                             QStringLiteral("a file cannot be read, the arguments are wrong, or the output cannot be "
                                            "written")};
    QVector<CommandDef> defs;

    defs.append(
        {QStringLiteral("check"),
         {{QStringLiteral("FILE..."),
           QStringLiteral("check every run line; exit 0 all good, 1 damaged, 2 unreadable")}},
         QStringLiteral("Runs the program's integrity check on every FILE. Per file one line on standard output: "
                        "`FILE: ok (N runs)`, or `FILE:LINE: reason` for its first bad line (LINE counts file lines, "
                        "the condition memo line included; bytes that are not valid CP932 in a run's columns count as "
                        "damage). A file that cannot be read (missing, a folder, a pipe or device, over 16 MiB, no "
                        "permission) is reported on standard error. Every file is checked; the worst outcome decides "
                        "the exit status."),
         {},
         {{0, QStringLiteral("every file is sound")}, {1, QStringLiteral("a file is damaged")}, unreadable}});

    QVector<OptionDef> summaryOptions{
        {{QStringLiteral("upto")},
         QStringLiteral("N"),
         QStringLiteral("Read runs 1 to N only, as browsing run N in the program does.")},
        {{QStringLiteral("pooled")},
         QString(),
         QStringLiteral("Pool the evidence over every FILE given, or over the study database's runs with --server.")},
    };
    summaryOptions += serverOptions(QStringLiteral("Pool the runs of this site only") + kSiteRule);
    defs.append(
        {QStringLiteral("summary"),
         {{QStringLiteral("FILE [--upto N]"),
           QStringLiteral("the results view's figures and texts as JSON (runs 1..N)")},
          {QStringLiteral("--pooled FILE..."),
           QStringLiteral("the evidence pooled over experiments, with its audits, as JSON")},
          {QStringLiteral("--pooled --server CONNINFO|--server-file FILE [--site NAME]"),
           QStringLiteral("the same over the runs in the study database")}},
         QStringLiteral(
             "Without --pooled: one JSON object with what the results view shows for FILE: `runs`, `summaryLine`, "
             "`periodLine`, `allRunAnalysis`, `congratulation`, the significance `levels`, `perRun` (n, date, time, "
             "hits, segments, stimulusTrial, tr1, in1, memo, and `p`, the exact two-tailed binomial p of the run) "
             "and `total` (hits, trials, z and p over all trials read). Line breaks appear as \\n.\n\n"
             "With --pooled: one JSON object with `experiments` (per file: file, runs, trials, hits, hitRate, z, p) "
             "and `pooled`, the evidence over all files: the exact binomial p, the 95 % Clopper-Pearson interval "
             "`ci95`, Stouffer's `stoufferZ` and `stoufferP`, the Bayes factors `log10Bf10` (uniform and "
             "replication prior), the `posterior` mode and 90 % highest-density interval, the `responseBias` "
             "shares of \"1\", the `dependency` of a trial on the one before (Fisher's exact test) and the NIST "
             "frequency and runs tests of the `targets`. A file named twice (also as ./a and a, or through a "
             "link) is counted once, and runs stored identically in two places are named; both are warnings on "
             "standard error.\n\n"
             "A figure that needs trials is null when there is none. Every p comes with its log10 "
             "(`pLog10`, `stoufferPLog10`, `monobitPLog10`, `runsPLog10`), exact also where the p is below "
             "1e-300; such a p is given as 1e-300, a bound, never as 0. `runsP` is 0 with `runsPLog10` null "
             "when the runs test's frequency prerequisite fails.\n\n"
             "With --server, the runs come from the study database (of one site with --site): one experiment "
             "per site and experiment, named `SITE/EXPERIMENT`."),
         summaryOptions,
         {{0, QStringLiteral("the figures were written")},
          {1, QStringLiteral("a file or a stored run fails the check (nothing is written)")},
          {2, QStringLiteral("a file or the study database cannot be read, the arguments are wrong, or the output "
                             "cannot be written")}}});

    QVector<OptionDef> reportOptions{
        {{QStringLiteral("o"), QStringLiteral("output")},
         QStringLiteral("OUT.html"),
         QStringLiteral("Write the page to OUT.html, replaced atomically, instead of standard output.")},
        {{QStringLiteral("lang")},
         QStringLiteral("ja|en"),
         QStringLiteral("Japanese labels (`ja`) or English ones (`en`); by default the language of vora-data's "
                        "texts: VORA_LANG, else the locale's (LANG, LC_MESSAGES) when VORA speaks it, else "
                        "Japanese.")},
        {{QStringLiteral("experiments")},
         QString(),
         QStringLiteral("Add every experiment's own page: its conditions, texts, memos and the five charts of the "
                        "results view with the run-score histogram and the cumulative deviation.")},
        {{QStringLiteral("protocol")},
         QStringLiteral("PROTOCOL"),
         QStringLiteral("With --server: add the section that tests the data against this preregistered protocol, "
                        "each question answered yes or no with its evidence (registered before the first run, "
                        "unchanged since, every look at a stopping point, the stopping rule followed, every "
                        "included site present, the seal heads borne out by the stored runs), then the primary "
                        "analysis at the decision point and all data as exploratory.")},
    };
    reportOptions += serverOptions(QStringLiteral("Report the runs of this site only") + kSiteRule);
    defs.append(
        {QStringLiteral("report"),
         {{QStringLiteral("FILE... [-o OUT.html] [--lang ja|en] [--experiments]"),
           QStringLiteral("a self-contained HTML study report with charts")},
          {QStringLiteral("--server CONNINFO|--server-file FILE [--site NAME] [--protocol PROTOCOL] [-o OUT.html] "
                          "[--lang ja|en]"),
           QStringLiteral("the same over the runs in the study database")}},
         QStringLiteral(
             "Writes the study report: one HTML page in UTF-8 with its CSS and charts (inline SVG) inside, no "
             "script and nothing loaded from anywhere, printable on A4. It shows the figures of summary --pooled "
             "with a plain-language reading of each and the audits; the effect size (hit rate - 0.5 and Cohen's h) "
             "with the heterogeneity of the experiments (Cochran's Q, I2 with its 95 % interval, tau2 by "
             "DerSimonian-Laird, the random-effects estimate); a forest plot of the hit rate with its 95 % "
             "interval per site and per experiment, sorted, with the pooled estimate; the evidence as it "
             "accumulated day by day (log10 BF10 and z); and tables per site and per experiment. The site of a "
             "file is the name of its folder; with --server, the site its runs were sent under. Files named "
             "twice and identical runs are handled as summary --pooled handles them.\n\n"
             "Each experiment's own page, one per A4 page, is added with --experiments."),
         reportOptions,
         {{0, QStringLiteral("the page was written")},
          {1, QStringLiteral("a file or a stored run fails the check (nothing is written)")},
          {2, QStringLiteral("a file or the study database cannot be read, the arguments are wrong, or the page "
                             "cannot be written")}}});

    defs.append(
        {QStringLiteral("export"),
         {{QStringLiteral("FILE [--csv|--json]"), QStringLiteral("one row per trial (CSV with header by default)")}},
         QStringLiteral("Writes one row per trial: run, trial, target, input, hit, inStimulusEpisode (the seven "
                        "trials from the run's stimulus trial), date and startTime. In CSV a text cell that starts "
                        "with =, +, -, @, a tab or a carriage return gets a leading ' so that a spreadsheet shows it "
                        "as text instead of running it as a formula; JSON gives every text exactly."),
         {{{QStringLiteral("csv")},
           QString(),
           QStringLiteral("CSV with a header line, 1/0 for hit and inStimulusEpisode (the default).")},
          {{QStringLiteral("json")}, QString(), QStringLiteral("A JSON array of objects.")}},
         {{0, QStringLiteral("the rows were written")},
          {1, QStringLiteral("the file fails the check (nothing is written)")},
          unreadable}});

    defs.append(
        {QStringLiteral("push"),
         {{QStringLiteral("FILE... --server CONNINFO --site NAME | --server-file FILE [--site NAME]"),
           QStringLiteral("send every run to the study database (idempotent)")}},
         QStringLiteral("Sends every run of the files to the study database under site NAME, many files' runs in one "
                        "statement (one transaction, one round trip), with each file's seal head, which the server "
                        "keeps in vora_heads. A run already there is "
                        "not sent again, so a push can be repeated at any time. Per file one line "
                        "`FILE: sent N, already there M, conflict K`, and for each conflict "
                        "`FILE:LINE: run N conflicts with the record stored for it (not overwritten)`. A file named "
                        "twice is sent once, with a warning."),
         serverOptions(QStringLiteral("The site the runs are sent under") + kSiteRule),
         {{0, QStringLiteral("every run is in the study database")},
          {1, QStringLiteral("a run conflicts with the stored one, or a file is damaged (not sent)")},
          {2, QStringLiteral("the server or a file cannot be read, the arguments are wrong, or the output "
                             "cannot be written")}}});

    defs.append(
        {QStringLiteral("evaluate"),
         {{QString(), QStringLiteral("judge lines \"h s1 s2 s3 s4 s5\" read from standard input")}},
         QStringLiteral("Reads lines `h s1 s2 s3 s4 s5` from standard input (decimals allowed; five numbers are "
                        "taken as the segments, h as their sum) and writes one compact JSON object per non-blank "
                        "line: `line`, `flag` (1 at the 1 % level), `profile` (`P`, `D`, `S` or `N`) and "
                        "`analysisText`. A malformed line (h that differs from the sum of the segments included) "
                        "gives `{\"line\":n,\"error\":\"...\"}` and a note on standard error."),
         {},
         {{0, QStringLiteral("every line was judged")},
          {1, QStringLiteral("a line was malformed")},
          {2, QStringLiteral("the arguments are wrong, or the output cannot be written")}}});

    defs.append(
        {QStringLiteral("seal"),
         {{QStringLiteral("[--reseal] FILE..."),
           QStringLiteral("seal the runs not sealed yet (NAME.seal beside NAME.txt)")}},
         QStringLiteral("Seals the runs of each file that are not sealed yet in the file's hash chain "
                        "(`NAME-C.seal` beside `NAME-C.txt`), from run 1 in a file without a seal, and prints "
                        "`FILE: sealed (N runs, K new); head HASH`. Refuses a file that fails the check, a file whose "
                        "existing seal does not verify, and runs whose sealed columns a later rewrite could change. "
                        "A chain that starts after run 1 (left by an earlier version after a crash) is only extended "
                        "at its end: the runs before it are named, and --reseal seals them."),
         {{{QStringLiteral("reseal")},
           QString(),
           QStringLiteral("Rewrite a chain that starts after run 1 from run 1, so that every run is sealed. "
                          "Its head changes: the old head and every head published before no longer "
                          "match, and the command says so before it prints the new head.")}},
         {{0, QStringLiteral("every file is sealed")},
          {1, QStringLiteral("a file was refused")},
          {2, QStringLiteral("a file cannot be read, a seal file cannot be written, the arguments are wrong, "
                             "or the output cannot be written")}}});

    QVector<OptionDef> verifyOptions{
        {{QStringLiteral("head")},
         QString(),
         QStringLiteral("Print `FILE: head HASH (run N)`, the hash to publish (in a preregistration, an e-mail "
                        "to a colleague, a lab notebook).")},
        {{QStringLiteral("expect-head")},
         QStringLiteral("HASH"),
         QStringLiteral("Confirm that a published head (64 hex digits) is still an entry of the chain: "
                        "`FILE: head HASH found at run N (sealed TIME)`; else the exit status is 1.")},
    };
    verifyOptions += serverOptions(QStringLiteral("The site whose heads the server recorded (with --server-file, "
                                                  "its second line by default)")
                                   + kSiteRule);
    defs.append(
        {QStringLiteral("verify"),
         {{QStringLiteral("[--head] [--expect-head HASH] FILE..."),
           QStringLiteral("compare the runs with their seal; --head prints the hash to publish, --expect-head "
                          "confirms a published one is still in the chain")},
          {QStringLiteral("--server CONNINFO --site NAME | --server-file FILE FILE..."),
           QStringLiteral("check each file against every head the study database recorded for it")}},
         QStringLiteral(
             "Compares each file with its seal: `FILE: sealed (N runs)` (with `, K not sealed` when some runs are "
             "not sealed yet), or `FILE:LINE: reason` for every run changed, inserted, removed or reordered since "
             "it was sealed (LINE counted as check counts it; a fault of the seal file itself names "
             "`NAME.seal:LINE`). Runs that are not sealed are listed as `FILE:LINE: run N not sealed` and do not "
             "change the exit status.\n\n"
             "With --server, each file is also checked against the heads the study database recorded when the "
             "site pushed it (vora_heads): `FILE: head HASH of run N, pushed TIME: found` when the chain still "
             "holds it at that run, else `FILE: head HASH of run N, pushed TIME: not in the chain (runs sealed "
             "before it were rewritten or rolled back)` and the exit status is 1. A file the server has no head "
             "of is said (`FILE: no head recorded by the server`) and does not change the exit status."),
         verifyOptions,
         {{0, QStringLiteral("every file matches its seal")},
          {1, QStringLiteral("runs were changed since they were sealed, or the expected head is not in the chain")},
          unreadable}});
    defs.append(
        {QStringLiteral("study"),
         {{QStringLiteral("init --server CONNINFO|--server-file FILE"),
           QStringLiteral("create or complete the study database: tables, roles, row-level security")},
          {QStringLiteral("add-site NAME --server CONNINFO|--server-file FILE"),
           QStringLiteral("create the login role of a site and print its study-server.txt once")}},
         QStringLiteral(
             "For the study coordinator, connected as the database's owner with the right to create roles.\n\n"
             "init creates what is missing and leaves what is there, so it can be run again at any time (also over "
             "a table an earlier version made): the table vora_runs with the columns the server parses from each "
             "record at insert (run_date, start_time, stimulus, hit_display, targets and inputs as bit(100), hits, "
             "and the per-run tallies of the pooled figures), append-only (a trigger refuses UPDATE, DELETE and "
             "TRUNCATE, also for the owner); vora_corrections, remarks on stored runs added as rows; vora_heads, "
             "the seal head of every push; the view vora_trials, one row per trial; indexes per site, experiment, "
             "date and arrival; the group role vora_site, whose members add rows under their own name only (row-level "
             "security) and change nothing; and the read-only role vora_analyst. It prints `study database ready "
             "(schema version N)`.\n\n"
             "add-site creates the login role NAME (1 to 32 letters, digits, \"-\" or \"_\"), a member of "
             "vora_site, with a new random password, and prints the site's study-server.txt: line 1 the connection "
             "string with that password, line 2 the site name. The password is shown this once and stored nowhere "
             "else: put the two lines in the site's study-server.txt (chmod 600). A name that is a role already is "
             "refused and keeps its password."),
         serverOptions(QString()),
         {{0, QStringLiteral("done")},
          {1, QStringLiteral("the site is a role already, or the database is not ready for sites (run init first)")},
          {2, QStringLiteral("the study database cannot be reached or changed, the arguments are wrong, or the output "
                             "cannot be written")}}});

    QVector<OptionDef> protocolOptions = serverOptions(QString());
    protocolOptions.append({{QStringLiteral("rate")},
                            QStringLiteral("RATE"),
                            QStringLiteral("simulate: the hit rate to simulate besides chance (0.5), e.g. 0.51.")});
    protocolOptions.append({{QStringLiteral("sims")},
                            QStringLiteral("N"),
                            QStringLiteral("simulate: the number of simulated studies per rate (10000).")});
    protocolOptions.append({{QStringLiteral("seed")},
                            QStringLiteral("N"),
                            QStringLiteral("simulate: the random seed; the same seed gives the same figures.")});
    defs.append(
        {QStringLiteral("protocol"),
         {{QStringLiteral("check FILE"), QStringLiteral("validate a preregistered study's protocol (JSON)")},
          {QStringLiteral("register FILE --server CONNINFO|--server-file FILE"),
           QStringLiteral("store the protocol in vora_protocols with the server's time; prints its SHA-256")},
          {QStringLiteral("simulate FILE [--rate RATE] [--sims N] [--seed N]"),
           QStringLiteral("the plan's operating characteristics under chance and at RATE")}},
         QStringLiteral(
             "The protocol of a preregistered study: a JSON file fixed before the first run (its fields are in the "
             "README). check reads it and prints `FILE: ok`, the plan and the file's SHA-256, or one line "
             "`FILE: problem` per problem, naming the field.\n\n"
             "register stores the file's bytes in the append-only table vora_protocols of the study database, "
             "with the server's time, and prints `registered TITLE at TIME by ROLE` and `sha256 HASH` (`already "
             "registered` with the first time when the same bytes were registered before). A protocol registered "
             "after the study's first run is warned about: it never passes the report's audit; nor does a file "
             "changed after registration, whose hash is another.\n\n"
             "simulate runs the sequential plan on simulated studies, drawing the binomial count of hits between "
             "stopping points, and prints per rate the probability of stopping for H1, for H0 and at the maximum, "
             "and the expected number of trials, each with its Monte-Carlo standard error; for plans of at most "
             "20000 trials also the exact figures, summed over every binomial path."),
         protocolOptions,
         {{0, QStringLiteral("the protocol is valid (and registered, or simulated)")},
          {1, QStringLiteral("the protocol is not valid")},
          {2, QStringLiteral("the file or the study database cannot be read, the arguments are wrong, or the output "
                             "cannot be written")}}});
    defs.append(
        {QStringLiteral("interim"),
         {{QStringLiteral("PROTOCOL --server CONNINFO|--server-file FILE"),
           QStringLiteral("the primary analysis at the planned stopping points; every call recorded")}},
         QStringLiteral(
             "For the study coordinator. Analyses the registered study's runs (its sites and experiments, the runs "
             "that pass the check, in the order the server received them) at each stopping point the data have "
             "reached and no earlier call analysed, over exactly that point's first trials, and records every call "
             "in vora_looks (who, when, the trials there were, the point, the decision). Per point one line `at N "
             "trials: DECISION`: continue, or a stop for H1, for H0 or at the maximum, each after its Japanese label. With blinding on, "
             "the figures (hits, hit rate, each prior's BF10) are printed only once the study has stopped; with "
             "blinding off, at every point. A stop closes the study: the program refuses new runs of it. Before the "
             "next point: `no stopping point reached: N trials, the next point at M`. After the stop every call "
             "repeats the decision with its figures. The protocol file must be the registered one (same SHA-256)."),
         serverOptions(QString()),
         {{0, QStringLiteral("the call was analysed and recorded")},
          {1, QStringLiteral("the protocol is not valid or not registered")},
          {2, QStringLiteral("the file or the study database cannot be read or written, or the arguments are "
                             "wrong")}}});
    return defs;
}

} // namespace

const QVector<CommandDef> &commandDefs()
{
    static const QVector<CommandDef> defs = makeSpecs();
    return defs;
}

const CommandDef *findCommand(const QString &name)
{
    for (const CommandDef &def : commandDefs())
        if (def.name == name)
            return &def;
    return nullptr;
}

CommandLine::CommandLine(const QString &command) : m_spec(findCommand(command))
{
    Q_ASSERT(m_spec);
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    for (const OptionDef &o : m_spec->options)
        m_parser.addOption(QCommandLineOption(o.names, o.help, o.valueName));
    m_parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QString()));
}

bool CommandLine::parse(const QStringList &args)
{
    // The parser takes the first argument for the program's name.
    if (!m_parser.parse(QStringList{QStringLiteral("vora-data")} + args)) {
        m_exitCode = usageError(culprit(args));
        return false;
    }
    if (m_parser.isSet(QStringLiteral("help"))) {
        writeOut(commandHelp(*m_spec));
        m_exitCode = kExitOk;
        return false;
    }
    return true;
}

// The argument the parser refused, in the words the usage errors use.
QString CommandLine::culprit(const QStringList &args) const
{
    auto find = [&](const QString &name) -> const OptionDef * {
        for (const OptionDef &o : m_spec->options)
            if (o.names.contains(name))
                return &o;
        return nullptr;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--"))
            break;
        if (!a.startsWith(QLatin1Char('-')) || a.size() == 1)
            continue;
        if (a.startsWith(QLatin1String("--"))) {
            const QString name = a.mid(2).section(QLatin1Char('='), 0, 0);
            const OptionDef *o = find(name);
            if (!o && name != QLatin1String("help"))
                return QStringLiteral("unknown option ") + a;
            if (o && o->valueName.isEmpty() && a.contains(QLatin1Char('=')))
                return QStringLiteral("--") + name + QStringLiteral(" takes no value");
            if (o && !o->valueName.isEmpty() && !a.contains(QLatin1Char('='))) {
                if (i + 1 >= args.size())
                    return QStringLiteral("--") + name + QStringLiteral(" needs ") + o->valueName;
                ++i;
            }
            continue;
        }
        // -xyz: letters of one-letter options; a letter that takes a value takes the rest.
        for (int k = 1; k < a.size(); ++k) {
            const QString letter = a.mid(k, 1);
            const OptionDef *o = find(letter);
            if (!o && letter != QLatin1String("h"))
                return QStringLiteral("unknown option ") + a;
            if (o && !o->valueName.isEmpty()) {
                if (k + 1 == a.size()) {
                    if (i + 1 >= args.size())
                        return QLatin1Char('-') + letter + QStringLiteral(" needs ") + o->valueName;
                    ++i;
                }
                break;
            }
        }
    }
    return m_parser.errorText();
}

int CommandLine::usageError(const QString &problem) const
{
    return voradata::usageError(m_spec->name + QStringLiteral(": ") + problem);
}

} // namespace voradata
