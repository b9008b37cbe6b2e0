// The study at scale, against the PostgreSQL server named by VORA_BENCH_PG (a superuser's
// connection string; scripts/bench.sh starts a private cluster for it): 1,000 files of 100
// runs pushed into a fresh study database and, beside it, the same rows loaded by a bare COPY
// into the same table; the pooled figures and the study report from the server at 100,000
// and 1,000,000 runs (10,000,000 with VORA_BENCH_10M=1); the local pooled summary and report
// over the same 1,000 files. Every step is a whole process, timed with its peak memory.
#include "BenchSupport.h"

#include "core/toolkit/FileStore.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace vorabench {

namespace {

constexpr int kFiles = 1000;

struct Process {
    bool ok = false;
    double seconds = 0;
    double peakMb = 0; // the process's own peak resident memory
    QByteArray out;
};

// GNU time, whose own small size is the floor of the peak it reports: a child's peak taken
// here directly would start at this process's size (the kernel carries the parent's
// high-water mark into the child it forks).
QString timeProgram()
{
    return QFileInfo(QStringLiteral("/usr/bin/time")).isExecutable() ? QStringLiteral("/usr/bin/time") : QString();
}

// One whole process; its standard output goes to `outFile` (read back when asked).
Process run(const QString &program, const QStringList &args, const QString &outFile, bool keepOut = false)
{
    Process p;
    const QString timeTool = timeProgram();
    const QString peakFile = outFile + QStringLiteral(".peak");
    std::vector<QByteArray> storage;
    if (!timeTool.isEmpty()) {
        for (const QString &a : {timeTool, QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("-o"), peakFile})
            storage.push_back(QFile::encodeName(a));
    }
    storage.push_back(QFile::encodeName(program));
    for (const QString &a : args)
        storage.push_back(a.toUtf8());
    std::vector<char *> argv;
    for (QByteArray &s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray outName = QFile::encodeName(outFile);
    posix_spawn_file_actions_addopen(&actions, 1, outName.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return p;
    int status = 0;
    pid_t waited = 0;
    do
        waited = waitpid(pid, &status, 0);
    while (waited < 0 && errno == EINTR);
    p.seconds = timer.nsecsElapsed() / 1e9;
    p.ok = waited == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    QFile peak(peakFile);
    if (!timeTool.isEmpty() && peak.open(QIODevice::ReadOnly))
        p.peakMb = peak.readAll().trimmed().split('\n').last().toDouble() / 1024.0;
    if (keepOut) {
        QFile f(outFile);
        if (f.open(QIODevice::ReadOnly))
            p.out = f.readAll();
    }
    return p;
}

QJsonObject figure(const Process &p)
{
    QJsonObject f{{QStringLiteral("s"), rounded(p.seconds, 3)}};
    f.insert(QStringLiteral("peak_mb"), timeProgram().isEmpty()
                                            ? QJsonValue(QStringLiteral("GNU time is not installed"))
                                            : QJsonValue(rounded(p.peakMb, 1)));
    return f;
}

class Bench {
public:
    Bench(QString tool, QString server, QString psql, const QTemporaryDir &dir)
        : m_tool(std::move(tool)), m_server(std::move(server)), m_psql(std::move(psql)), m_dir(dir)
    {
    }

    const QString &server() const { return m_server; }

    QString inDatabase(const QString &database) const
    {
        QString c = m_server;
        static const QRegularExpression dbname(QStringLiteral("dbname=\\S+"));
        if (c.contains(dbname))
            c.replace(dbname, QStringLiteral("dbname=") + database);
        else
            c += QStringLiteral(" dbname=") + database;
        return c;
    }

    // One SQL statement through psql; its output unaligned, without headers.
    Process sql(const QString &conn, const QString &statement) const
    {
        return run(m_psql,
                   {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-A"), QStringLiteral("-t"),
                    QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-d"), conn,
                    QStringLiteral("-c"), statement},
                   m_dir.filePath(QStringLiteral("psql.out")), true);
    }

    Process tool(const QStringList &args, bool keepOut = false) const
    {
        return run(m_tool, args, m_dir.filePath(QStringLiteral("tool.out")), keepOut);
    }

    // A fresh database made ready by `study init`.
    bool freshStudy(const QString &database) const
    {
        return sql(m_server, QStringLiteral("DROP DATABASE IF EXISTS ") + database).ok
               && sql(m_server, QStringLiteral("CREATE DATABASE ") + database).ok
               && tool({QStringLiteral("study"), QStringLiteral("init"), QStringLiteral("--server"),
                        inDatabase(database)})
                      .ok;
    }

    qint64 commits(const QString &database) const
    {
        const Process p = sql(
            m_server, QStringLiteral("SELECT xact_commit + xact_rollback FROM pg_stat_database WHERE datname = '%1'")
                          .arg(database));
        return p.ok ? p.out.trimmed().toLongLong() : -1;
    }

private:
    QString m_tool;
    QString m_server;
    QString m_psql;
    const QTemporaryDir &m_dir;
};

// The rows a push of these lines sends, in COPY's text form: site, experiment, run, record
// (columns 1-261, the memo left out), no seal (the files have none).
void appendCopyRows(QByteArray &out, const QString &site, const QString &experiment, const QStringList &lines)
{
    for (int i = 0; i < lines.size(); ++i)
        out += site.toUtf8() + '\t' + experiment.toUtf8() + '\t' + QByteArray::number(i + 1) + '\t'
               + lines.at(i).left(vora::kRunColumns).toUtf8() + "\t\\N\n";
}

} // namespace

QJsonObject studyFigures(const QString &dataToolPath)
{
    QJsonObject out;
    const QString server = qEnvironmentVariable("VORA_BENCH_PG");
    const QString psql = QStandardPaths::findExecutable(QStringLiteral("psql"));
    if (server.isEmpty())
        return notMeasured(QStringLiteral("VORA_BENCH_PG is not set: no study database server"));
    if (psql.isEmpty())
        return notMeasured(QStringLiteral("psql is not installed"));
    if (dataToolPath.isEmpty() || !QFileInfo(dataToolPath).isExecutable())
        return notMeasured(QStringLiteral("vora-data not built at ") + dataToolPath);
    QFile startLoad(QStringLiteral("/proc/loadavg"));
    if (startLoad.open(QIODevice::ReadOnly))
        out.insert(QStringLiteral("load_average_at_start"), QString::fromLatin1(startLoad.readAll().trimmed()));
    QTemporaryDir dir;
    const Bench b(dataToolPath, server, psql, dir);

    // 1,000 files of 100 runs, and the same rows as a COPY file.
    vora::FileStore files;
    QStringList paths;
    QByteArray copyRows;
    for (int k = 0; k < kFiles; ++k) {
        const QString name = QStringLiteral("B%1").arg(k, 3, 10, QLatin1Char('0'));
        const QString path = dir.filePath(name + QStringLiteral("-1.txt"));
        const QStringList lines = experimentLines(k);
        if (!files.replaceAll(path, lines).ok)
            return notMeasured(QStringLiteral("could not write the data files"));
        paths << path;
        appendCopyRows(copyRows, QStringLiteral("bench-1"), name + QStringLiteral("-1"), lines);
    }
    const QString copyFile = dir.filePath(QStringLiteral("rows.copy"));
    {
        QFile f(copyFile);
        if (!f.open(QIODevice::WriteOnly) || f.write(copyRows) != copyRows.size())
            return notMeasured(QStringLiteral("could not write the COPY file"));
    }
    out.insert(QStringLiteral("files"), kFiles);
    out.insert(QStringLiteral("runs"), kFiles * 100);

    // Local: the pooled summary and the study report over the 1,000 files.
    const QString localHtml = dir.filePath(QStringLiteral("local.html"));
    const Process localPooled = b.tool(QStringList{QStringLiteral("summary"), QStringLiteral("--pooled")} + paths);
    const Process localReport =
        b.tool(QStringList{QStringLiteral("report")} + paths + QStringList{QStringLiteral("-o"), localHtml});
    if (localPooled.ok)
        out.insert(QStringLiteral("local_summary_pooled"), figure(localPooled));
    if (localReport.ok) {
        QJsonObject f = figure(localReport);
        f.insert(QStringLiteral("html_bytes"), QFileInfo(localHtml).size());
        out.insert(QStringLiteral("local_report"), f);
    }

    // The bare COPY of the same rows into the same table (its insert trigger included).
    const QString copyDb = QStringLiteral("vora_bench_copy");
    if (b.freshStudy(copyDb)) {
        const Process copy =
            b.sql(b.inDatabase(copyDb),
                  QStringLiteral("\\copy vora_runs (site, experiment, run, record, seal) FROM '%1'").arg(copyFile));
        if (copy.ok)
            out.insert(QStringLiteral("bare_copy"), figure(copy));
        b.sql(b.server(), QStringLiteral("DROP DATABASE IF EXISTS ") + copyDb);
    }

    // The push into a fresh study database, then the same push again (everything there).
    const QString db = QStringLiteral("vora_bench_study");
    if (!b.freshStudy(db)) {
        out.insert(QStringLiteral("push"), notMeasured(QStringLiteral("study init failed")));
        return out;
    }
    const QString conn = b.inDatabase(db);
    const QStringList push =
        QStringList{QStringLiteral("push")} + paths
        + QStringList{QStringLiteral("--server"), conn, QStringLiteral("--site"), QStringLiteral("bench-1")};
    const qint64 before = b.commits(db);
    const Process pushed = b.tool(push);
    const qint64 after = b.commits(db);
    if (!pushed.ok) {
        out.insert(QStringLiteral("push"), notMeasured(QStringLiteral("vora-data push failed")));
        return out;
    }
    QJsonObject pushFigure = figure(pushed);
    // The look-ups ran in another database: every transaction counted here is the push's.
    pushFigure.insert(QStringLiteral("transactions"), after - before);
    if (out.contains(QStringLiteral("bare_copy")))
        pushFigure.insert(
            QStringLiteral("times_bare_copy"),
            rounded(pushed.seconds
                        / out.value(QStringLiteral("bare_copy")).toObject().value(QStringLiteral("s")).toDouble(),
                    2));
    out.insert(QStringLiteral("push"), pushFigure);
    const Process again = b.tool(push);
    if (again.ok)
        out.insert(QStringLiteral("push_again_all_there"), figure(again));

    auto pooledAndReport = [&](const QString &key, const QStringList &siteArgs) {
        QJsonObject f;
        const Process pooled =
            b.tool(QStringList{QStringLiteral("summary"), QStringLiteral("--pooled"), QStringLiteral("--server"), conn}
                   + siteArgs);
        f.insert(QStringLiteral("summary_pooled_server"),
                 pooled.ok ? QJsonValue(figure(pooled)) : QJsonValue(notMeasured(QStringLiteral("failed"))));
        const QString html = dir.filePath(key + QStringLiteral(".html"));
        const Process report =
            b.tool(QStringList{QStringLiteral("report"), QStringLiteral("--server"), conn, QStringLiteral("-o"), html}
                   + siteArgs);
        QJsonObject r = figure(report);
        r.insert(QStringLiteral("html_bytes"), QFileInfo(html).size());
        f.insert(QStringLiteral("report_server"),
                 report.ok ? QJsonValue(r) : QJsonValue(notMeasured(QStringLiteral("failed"))));
        out.insert(key, f);
    };
    pooledAndReport(QStringLiteral("server_100k_runs"), {});

    // Sites 2-10 as copies of site 1 made on the server (the insert trigger fills their columns).
    QElapsedTimer grow;
    grow.start();
    const Process grown = b.sql(conn, QStringLiteral("INSERT INTO vora_runs (site, experiment, run, record, seal)"
                                                     " SELECT 'bench-' || k, experiment, run, record, seal"
                                                     " FROM vora_runs, generate_series(2, 10) k WHERE site = 'bench-1'"
                                                     " ORDER BY k, experiment, run"));
    if (!grown.ok) {
        out.insert(QStringLiteral("server_1m_runs"), notMeasured(QStringLiteral("could not add the runs")));
        return out;
    }
    b.sql(conn, QStringLiteral("VACUUM ANALYZE vora_runs"));
    out.insert(QStringLiteral("server_insert_900k_runs_s"), rounded(grow.nsecsElapsed() / 1e9, 1));
    pooledAndReport(QStringLiteral("server_1m_runs"), {});
    pooledAndReport(QStringLiteral("server_1m_runs_one_site"), {QStringLiteral("--site"), QStringLiteral("bench-1")});

    if (qEnvironmentVariable("VORA_BENCH_10M") == QLatin1String("1")) {
        const Process tenfold = b.sql(conn, QStringLiteral("INSERT INTO vora_runs (site, experiment, run, record, seal)"
                                                           " SELECT site || '-' || k, experiment, run, record, seal"
                                                           " FROM vora_runs, generate_series(2, 10) k"
                                                           " ORDER BY k, site, experiment, run"));
        if (tenfold.ok) {
            b.sql(conn, QStringLiteral("VACUUM ANALYZE vora_runs"));
            const Process pooled =
                b.tool({QStringLiteral("summary"), QStringLiteral("--pooled"), QStringLiteral("--server"), conn});
            out.insert(QStringLiteral("server_10m_runs_summary_pooled"),
                       pooled.ok ? QJsonValue(figure(pooled)) : QJsonValue(notMeasured(QStringLiteral("failed"))));
        }
    } else {
        out.insert(QStringLiteral("server_10m_runs_summary_pooled"),
                   notMeasured(QStringLiteral("set VORA_BENCH_10M=1 (about 4 GB and many minutes)")));
    }
    if (qEnvironmentVariable("VORA_BENCH_KEEP") != QLatin1String("1"))
        b.sql(b.server(), QStringLiteral("DROP DATABASE IF EXISTS ") + db);
    QFile load(QStringLiteral("/proc/loadavg"));
    if (load.open(QIODevice::ReadOnly))
        out.insert(QStringLiteral("load_average_at_end"), QString::fromLatin1(load.readAll().trimmed()));
    return out;
}

} // namespace vorabench
