// The study database mirror: settings, outbox and sender against a real PostgreSQL server,
// and vora-data push. The server cases need VORA_TEST_PG (a libpq connection string to a
// scratch database, as scripts/pg-cluster.sh prints it) and skip without it; the restart case
// also needs VORA_TEST_PG_DIR, the cluster folder that scripts/pg-cluster.sh manages.
#include "Fakes.h"
#include "StoredRuns.h"

#include "core/registry/DataFile.h"
#include "core/registry/RunRecord.h"
#include "core/study/SealWriter.h"
#include "core/study/mirror/RunSeal.h"
#include "core/study/mirror/StudyDatabase.h"
#include "core/study/mirror/StudyMirror.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <tuple>

using namespace vora;
using namespace vora::study;
using vora::testing::alternating;
using vora::testing::RunHead;
using vora::testing::storedLine;

namespace {

const int kWait = 60000; // bound on waiting for the sender thread; not a timing assertion

// The database this run of the test works in; empty until initTestCase has made it.
QString &runConn()
{
    static QString conn;
    return conn;
}

// The server as the environment names it, or this run's own database on it once made: a
// database left by an earlier version or run never decides what the cases see.
QString serverConn()
{
    return runConn().isEmpty() ? qEnvironmentVariable("VORA_TEST_PG") : runConn();
}

// A site of its own for each case, so cases and repeated runs never see each other's rows.
QString freshSite(const char *tag)
{
    return QStringLiteral("%1-%2")
        .arg(QLatin1String(tag))
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// The tables on the test server as the program makes them at its first mirror, so that a
// test writing to them directly does not rely on one that ran before it; the error, if any.
QString makeTables()
{
    QString error;
    StudyDatabase db(ConnInfo::parse(serverConn(), &error));
    return db.open(&error) ? QString() : error;
}

// A consistent run of `name`; "n" for the series without stimulus ("-0"), as the program writes it.
QString randomLine(QRandomGenerator &rng, const QString &name, const QString &stimulus = QStringLiteral("S"))
{
    RunHead head;
    head.name = name;
    head.date = QStringLiteral("2026/12/08");
    head.stimulus = stimulus;
    head.stimulusTrial = stimulus == QLatin1String("n") ? 0 : int(rng.bounded(31, 70));
    QString targets, inputs;
    for (int i = 0; i < kTrialsPerRun; ++i) {
        targets += rng.bounded(2) ? QLatin1Char('1') : QLatin1Char('0');
        inputs += rng.bounded(2) ? QLatin1Char('1') : QLatin1Char('0');
    }
    return storedLine(head, targets, inputs);
}

// A run line of `name` with exactly `hits` hits: targets alternate, the answers match them
// for the first `hits` trials.
QString lineWithHits(const QString &name, int hits)
{
    RunHead head;
    head.name = name;
    head.date = QStringLiteral("2026/12/08");
    head.stimulus = QStringLiteral("n");
    head.stimulusTrial = 0;
    return storedLine(head, alternating, [hits](int t) { return t < hits; });
}

// A raw connection of the test's own, to look at the table independently of the code under test.
class Peek {
public:
    Peek()
    {
        QString error;
        const ConnInfo c = ConnInfo::parse(serverConn(), &error);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("peek"));
        db.setHostName(c.value(QStringLiteral("host")));
        db.setPort(c.value(QStringLiteral("port")).toInt());
        db.setDatabaseName(c.value(QStringLiteral("dbname")));
        db.setUserName(c.value(QStringLiteral("user")));
        db.setPassword(c.password());
    }
    ~Peek() { QSqlDatabase::removeDatabase(QStringLiteral("peek")); }
    // run -> record of a site's rows; -1 keys mean the query failed.
    QMap<QString, QString> rows(const QString &site)
    {
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("peek"));
        QMap<QString, QString> out;
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT experiment, run, record FROM vora_runs WHERE site = ?"));
        q.addBindValue(site);
        if (!q.exec()) {
            out.insert(QStringLiteral("error"), q.lastError().text());
            return out;
        }
        while (q.next()) {
            const QString key = q.value(0).toString() + QLatin1Char('/') + q.value(1).toString();
            // A key met twice would be a doubled run: make it show.
            out.insert(out.contains(key) ? key + QStringLiteral("(again)") : key, q.value(2).toString());
        }
        return out;
    }
};

// experiment/run -> seal of a site's rows.
QMap<QString, QString> storedSeals(const QString &site)
{
    QMap<QString, QString> out;
    QSqlQuery q(QSqlDatabase::database(QStringLiteral("peek")));
    q.prepare(QStringLiteral("SELECT experiment, run, seal FROM vora_runs WHERE site = ?"));
    q.addBindValue(site);
    if (q.exec())
        while (q.next())
            out.insert(q.value(0).toString() + QLatin1Char('/') + q.value(1).toString(), q.value(2).toString());
    return out;
}

struct ToolResult {
    int exitCode = -1;
    QString out;
    QString err;
};

// The environment vora-data runs in here: English, as the cases read its own messages.
QProcessEnvironment toolEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VORA_LANG"), QStringLiteral("en"));
    return env;
}

ToolResult runTool(const QStringList &args, const QProcessEnvironment &env = toolEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("VORA_DATA_TOOL"), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The test server's connection string without its password, and the password.
QString withoutPassword(const QString &conn)
{
    return QString(conn).remove(QRegularExpression(QStringLiteral("\\s*password=\\S+")));
}

QString serverPassword()
{
    QString error;
    return ConnInfo::parse(serverConn(), &error).password();
}

// A tool environment that knows no password of the user's own.
QProcessEnvironment cleanEnvironment(const QString &home)
{
    QProcessEnvironment env = toolEnvironment();
    env.remove(QStringLiteral("PGPASSWORD"));
    env.remove(QStringLiteral("PGPASSFILE"));
    env.insert(QStringLiteral("HOME"), home);
    return env;
}

// The watermark the sender keeps for an experiment: "RUN HASH", or empty.
QString watermarkOf(testing::TestServices &ts, const QString &experiment)
{
    return ts.readLines(QStringLiteral("data/outbox/confirmed/") + experiment + QStringLiteral(".txt"))
        .value(1)
        .section(QLatin1Char(' '), 0, 0);
}

bool cluster(const QString &command)
{
    QString error;
    const QString port = ConnInfo::parse(serverConn(), &error).value(QStringLiteral("port"));
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QStringLiteral("bash"),
            {qEnvironmentVariable("VORA_PG_CLUSTER"), command, qEnvironmentVariable("VORA_TEST_PG_DIR"), port});
    return p.waitForFinished(180000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A database of its own, so that a case can set up the schema from nothing; dropped by the
// test's own connection when the object goes.
class ScratchDatabase {
public:
    ScratchDatabase()
    {
        m_name = QStringLiteral("scratch_%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        Peek peek;
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("peek")));
        if (!q.exec(QStringLiteral("CREATE DATABASE ") + m_name))
            qWarning() << q.lastError().text();
    }
    ~ScratchDatabase()
    {
        Peek peek;
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("peek")));
        q.exec(QStringLiteral("DROP DATABASE ") + m_name + QStringLiteral(" WITH (FORCE)"));
    }
    // The test server's connection to this database, as `user` with `password` when given.
    QString conn(const QString &user = QString(), const QString &password = QString()) const
    {
        QString c = QString(serverConn())
                        .replace(QRegularExpression(QStringLiteral("dbname=\\S+")), QStringLiteral("dbname=") + m_name);
        if (!user.isEmpty())
            c.replace(QRegularExpression(QStringLiteral("user=\\S+")), QStringLiteral("user=") + user);
        if (!password.isEmpty())
            c.replace(QRegularExpression(QStringLiteral("password=\\S+")), QStringLiteral("password=") + password);
        return c;
    }

private:
    QString m_name;
};

// Runs `sql` on a connection of its own made from `conn`; the error text, empty on success.
QString runSql(const QString &conn, const QString &sql, QVariant *first = nullptr)
{
    QString error;
    const ConnInfo c = ConnInfo::parse(conn, &error);
    const QString name = QStringLiteral("sql-%1").arg(QRandomGenerator::global()->generate());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(c.value(QStringLiteral("host")));
        db.setPort(c.value(QStringLiteral("port")).toInt());
        db.setDatabaseName(c.value(QStringLiteral("dbname")));
        db.setUserName(c.value(QStringLiteral("user")));
        db.setPassword(c.password());
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (!q.exec(sql))
                error = q.lastError().text();
            else if (first && q.next())
                *first = q.value(0);
        }
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

} // namespace

class MirrorTest : public QObject {
    Q_OBJECT

private:
    // Appends `count` runs to the experiment's data file and hands each to the mirror as the
    // experiment window does; returns experiment/run -> record.
    QMap<QString, QString> saveRuns(testing::TestServices &ts, StudyMirror *mirror, const QString &experiment,
                                    int count, quint32 seed)
    {
        QRandomGenerator rng(seed);
        QMap<QString, QString> expected;
        const QString path = ts.services.paths.dataFile(experiment + QStringLiteral(".txt"));
        const int before = countRuns(*ts.files, path).runs;
        for (int i = 1; i <= count; ++i) {
            const QString line =
                randomLine(rng, experiment.left(experiment.indexOf(QLatin1Char('-'))),
                           experiment.endsWith(QLatin1String("-0")) ? QStringLiteral("n") : QStringLiteral("S"));
            // Appended and sealed as the experiment window does.
            const study::SavedRun saved =
                study::appendAndSealRun(*ts.files, path, line, QDateTime::currentDateTime(),
                                        [&] { return appendRunLine(*ts.files, ts.services.paths, path, line); });
            if (!saved.append || !saved.seal.sealed) {
                qWarning() << "not saved or sealed:" << saved.append.message << saved.seal.message << line;
                return {};
            }
            if (mirror)
                mirror->runSaved(path, line);
            expected.insert(experiment + QLatin1Char('/') + QString::number(before + i), line);
        }
        return expected;
    }

    StudyConfig config(const QString &conn, const QString &site) { return StudyConfig::fromText(conn, site); }

    // A study set up as a coordinator does it, for the cases on who may do what.
    struct Study {
        ScratchDatabase database;
        QString site, other, analyst;
        QString siteConn, otherConn, analystConn;
    };
    std::unique_ptr<Study> m_study;

    Study *study()
    {
        if (m_study)
            return m_study.get();
        auto s = std::make_unique<Study>();
        if (runTool({QStringLiteral("study"), QStringLiteral("init"), QStringLiteral("--server"), s->database.conn()})
                .exitCode
            != 0)
            return nullptr;
        for (QString *site : {&s->site, &s->other}) {
            *site = freshSite("rls");
            const ToolResult r = runTool({QStringLiteral("study"), QStringLiteral("add-site"), *site,
                                          QStringLiteral("--server"), s->database.conn()});
            if (r.exitCode != 0)
                return nullptr;
            (site == &s->site ? s->siteConn : s->otherConn) = r.out.section(QLatin1Char('\n'), 0, 0);
        }
        s->analyst = QStringLiteral("analyst_%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        if (!runSql(s->database.conn(),
                    QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'an4lyst' IN ROLE vora_analyst").arg(s->analyst))
                 .isEmpty())
            return nullptr;
        s->analystConn = s->database.conn(s->analyst, QStringLiteral("an4lyst"));
        // One run of each site, stored by the owner.
        QRandomGenerator rng(81);
        for (const QString &site : {s->site, s->other}) {
            if (!runSql(s->database.conn(),
                        QStringLiteral(
                            "INSERT INTO vora_runs (site, experiment, run, record) VALUES ('%1', 'X-1', 1, '%2')")
                            .arg(site, randomLine(rng, QStringLiteral("X"))))
                     .isEmpty())
                return nullptr;
        }
        m_study = std::move(s);
        return m_study.get();
    }

    std::unique_ptr<ScratchDatabase> m_runDatabase;

private Q_SLOTS:
    void initTestCase()
    {
        if (serverConn().isEmpty())
            return;
        m_runDatabase = std::make_unique<ScratchDatabase>();
        runConn() = m_runDatabase->conn();
        // Set up as a coordinator sets up a study; the cases on an empty server make their own.
        const ToolResult init =
            runTool({QStringLiteral("study"), QStringLiteral("init"), QStringLiteral("--server"), serverConn()});
        QVERIFY2(init.exitCode == 0, qPrintable(init.err));
    }
    void cleanupTestCase()
    {
        m_study.reset();
        // Dropped from a connection to the server's own database, not from inside itself.
        runConn().clear();
        m_runDatabase.reset();
    }

    // init sets up a database from nothing or completes a table an earlier version made, and
    // can run again; the pooled figures come from the tallies then, and do not change.
    void studyInit()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        ScratchDatabase scratch;
        QRandomGenerator rng(61);
        QStringList legacyRuns;
        QCOMPARE(runSql(scratch.conn(), QStringLiteral("CREATE TABLE vora_runs ("
                                                       " site text NOT NULL, experiment text NOT NULL,"
                                                       " run integer NOT NULL, record text NOT NULL, seal text,"
                                                       " received_at timestamptz NOT NULL DEFAULT now(),"
                                                       " PRIMARY KEY (site, experiment, run))")),
                 QString());
        for (int run = 1; run <= 3; ++run) {
            legacyRuns << randomLine(rng, QStringLiteral("Old"));
            QCOMPARE(runSql(scratch.conn(), QStringLiteral("INSERT INTO vora_runs (site, experiment, run, record)"
                                                           " VALUES ('lab0', 'Old-1', %1, '%2')")
                                                .arg(run)
                                                .arg(legacyRuns.last())),
                     QString());
        }
        const QStringList pooled = {QStringLiteral("summary"), QStringLiteral("--pooled"), QStringLiteral("--server"),
                                    scratch.conn()};
        const ToolResult before = runTool(pooled); // every record fetched: no tallies yet
        QCOMPARE(before.exitCode, 0);
        for (int i = 0; i < 2; ++i) {
            const ToolResult r =
                runTool({QStringLiteral("study"), QStringLiteral("init"), QStringLiteral("--server"), scratch.conn()});
            QCOMPARE(r.exitCode, 0);
            QCOMPARE(r.out, QStringLiteral("study database ready (schema version 2)\n"));
        }
        QVariant value;
        QCOMPARE(runSql(scratch.conn(),
                        QStringLiteral("SELECT string_agg(hits::text, ',' ORDER BY run) FROM vora_runs"), &value),
                 QString());
        QStringList hits;
        for (const QString &line : legacyRuns)
            hits << QString::number(RunRecord::fromLine(line).hits);
        QCOMPARE(value.toString(), hits.join(QLatin1Char(',')));
        const ToolResult after = runTool(pooled);
        QCOMPARE(after.exitCode, 0);
        QCOMPARE(after.out, before.out);
        // The trials view: 100 rows a run, its hits counted again from targets and inputs.
        QCOMPARE(runSql(scratch.conn(),
                        QStringLiteral("SELECT count(*)::text || '/' || sum(hit) FROM vora_trials WHERE run = 2"),
                        &value),
                 QString());
        QCOMPARE(value.toString(), QStringLiteral("100/") + hits.at(1));
        QCOMPARE(runSql(scratch.conn(), QStringLiteral("SELECT max(version) FROM vora_schema"), &value), QString());
        QCOMPARE(value.toInt(), 2);
    }

    // add-site prints the site's two settings lines once; the password works and is not
    // given out again.
    void addSite()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        Study *s = study();
        QVERIFY(s);
        const QStringList settings = {s->siteConn, s->site};
        QVERIFY2(s->siteConn.contains(QStringLiteral(" user=") + s->site + QStringLiteral(" password=")),
                 qPrintable(s->siteConn));
        QVariant who;
        QCOMPARE(runSql(s->siteConn, QStringLiteral("SELECT current_user"), &who), QString());
        QCOMPARE(who.toString(), s->site);
        const ToolResult again = runTool({QStringLiteral("study"), QStringLiteral("add-site"), s->site,
                                          QStringLiteral("--server"), s->database.conn()});
        QCOMPARE(again.exitCode, 1);
        QCOMPARE(again.out, QString());
        QVERIFY2(again.err.contains(QStringLiteral("exists already")), qPrintable(again.err));
        QCOMPARE(runSql(s->siteConn, QStringLiteral("SELECT 1")), QString()); // the password stands
        const ToolResult badName = runTool({QStringLiteral("study"), QStringLiteral("add-site"), QStringLiteral("a b"),
                                            QStringLiteral("--server"), s->database.conn()});
        QCOMPARE(badName.exitCode, 2);
        Q_UNUSED(settings);
    }

    // Row-level security and the append-only trigger: a site adds its own rows only, nobody
    // changes or removes a stored row, the analyst reads and never writes.
    void whoMayDoWhat_data()
    {
        QTest::addColumn<QString>("who"); // site, analyst, owner
        QTest::addColumn<QString>("sql"); // SITE: the site's name, OTHER: the other site's
        QTest::addColumn<QString>("refusal"); // a pattern of the error; empty: allowed
        const QString rec = QStringLiteral("REC");
        QTest::newRow("a site adds its own run")
            << "site"
            << "INSERT INTO vora_runs (site, experiment, run, record) VALUES ('SITE', 'X-1', 2, 'REC')"
            << "";
        QTest::newRow("a site adds a run under another site's name")
            << "site"
            << "INSERT INTO vora_runs (site, experiment, run, record) VALUES ('OTHER', 'X-1', 2, 'REC')"
            << "row-level security";
        QTest::newRow("a site changes its own run") << "site"
                                                    << "UPDATE vora_runs SET seal = 'x' WHERE site = 'SITE'"
                                                    << "permission denied|append-only";
        QTest::newRow("a site removes its own run") << "site"
                                                    << "DELETE FROM vora_runs WHERE site = 'SITE'"
                                                    << "permission denied|append-only";
        QTest::newRow("a site notes a correction of its run")
            << "site"
            << "INSERT INTO vora_corrections (site, experiment, run, kind, reason) VALUES ('SITE', 'X-1', 1, 'note', 'r')"
            << "";
        QTest::newRow("a site corrects another site's run")
            << "site"
            << "INSERT INTO vora_corrections (site, experiment, run, kind, reason) VALUES ('OTHER', 'X-1', 1, 'exclude', 'r')"
            << "row-level security";
        QTest::newRow("a site records its head")
            << "site"
            << "INSERT INTO vora_heads (site, experiment, run, head) VALUES ('SITE', 'X-1', 1, repeat('a', 64))"
            << "";
        QTest::newRow("the owner changes a run") << "owner"
                                                 << "UPDATE vora_runs SET record = record WHERE site = 'SITE'"
                                                 << "append-only";
        QTest::newRow("the owner removes a run") << "owner"
                                                 << "DELETE FROM vora_runs WHERE site = 'OTHER'"
                                                 << "append-only";
        QTest::newRow("the owner empties the table") << "owner"
                                                     << "TRUNCATE vora_runs CASCADE"
                                                     << "append-only";
        QTest::newRow("the owner rewrites a head") << "owner"
                                                   << "UPDATE vora_heads SET run = 2"
                                                   << "append-only";
        QTest::newRow("the analyst reads every trial")
            << "analyst"
            << "SELECT count(*) FROM vora_trials WHERE site IN ('SITE', 'OTHER')"
            << "";
        QTest::newRow("the analyst adds a run")
            << "analyst"
            << "INSERT INTO vora_runs (site, experiment, run, record) VALUES ('SITE', 'X-1', 3, 'REC')"
            << "permission denied|read-only";
        QTest::newRow("the analyst notes a correction")
            << "analyst"
            << "INSERT INTO vora_corrections (site, experiment, run, kind, reason) VALUES ('SITE', 'X-1', 1, 'note', 'r')"
            << "permission denied|read-only";
        Q_UNUSED(rec);
    }

    void whoMayDoWhat()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        QFETCH(QString, who);
        QFETCH(QString, sql);
        QFETCH(QString, refusal);
        Study *s = study();
        QVERIFY(s);
        QRandomGenerator rng(QRandomGenerator::global()->generate());
        sql.replace(QStringLiteral("OTHER"), s->other)
            .replace(QStringLiteral("SITE"), s->site)
            .replace(QStringLiteral("REC"), randomLine(rng, QStringLiteral("X")));
        const QString conn = who == QLatin1String("site")      ? s->siteConn
                             : who == QLatin1String("analyst") ? s->analystConn
                                                               : s->database.conn();
        QVariant before;
        QCOMPARE(runSql(s->database.conn(), QStringLiteral("SELECT count(*) FROM vora_runs"), &before), QString());
        const QString error = runSql(conn, sql);
        if (refusal.isEmpty()) {
            QCOMPARE(error, QString());
            return;
        }
        QVERIFY2(error.contains(QRegularExpression(refusal)), qPrintable(error));
        QVariant after;
        QCOMPARE(runSql(s->database.conn(), QStringLiteral("SELECT count(*) FROM vora_runs"), &after), QString());
        QCOMPARE(after, before);
    }

    // A run stored by another session between the push's look and its COPY (here held
    // uncommitted until the push waits on it): the batch goes again row by row, and the run
    // is said to be there, never sent twice.
    void aRunStoredWhilePushIsUnderway()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        testing::TestServices ts;
        const QString site = freshSite("race");
        QCOMPARE(makeTables(), QString());
        const QMap<QString, QString> runs = saveRuns(ts, nullptr, QStringLiteral("Kiri-1"), 4, 91);
        const QString file = ts.services.paths.dataFile(QStringLiteral("Kiri-1.txt"));
        Peek peek;
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("peek"));
        QVERIFY(db.transaction());
        QSqlQuery q(db);
        QVERIFY2(
            q.exec(QStringLiteral("INSERT INTO vora_runs (site, experiment, run, record, seal) VALUES ('%1', 'Kiri-1', "
                                  "3, '%2', '%3')")
                       .arg(site, runs.value(QStringLiteral("Kiri-1/3")), chainedHashes(file).value(3))),
            qPrintable(q.lastError().text()));
        QProcess tool;
        tool.setProcessEnvironment(toolEnvironment());
        tool.start(qEnvironmentVariable("VORA_DATA_TOOL"), {QStringLiteral("push"), file, QStringLiteral("--server"),
                                                            serverConn(), QStringLiteral("--site"), site});
        // The push's COPY waits for the uncommitted row's key.
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                QVariant waiting;
                runSql(serverConn(),
                       QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE wait_event_type = 'Lock'"
                                      " AND query LIKE 'COPY vora_runs%'"),
                       &waiting);
                return waiting.toInt() == 1;
            }(),
            kWait);
        QVERIFY(db.commit());
        QVERIFY(tool.waitForFinished(kWait));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()),
                 file + QStringLiteral(": sent 3, already there 1, conflict 0\n"));
        QCOMPARE(peek.rows(site).size(), 4);
    }

    // A preregistered study run to its stop: the protocol registered once, interim calls before
    // the first point, at a point (blind: the decision only) and past the next one (the stop,
    // with its figures), each recorded; after the stop every call says so. The analysis at a
    // point takes exactly that point's first trials in arrival order.
    void preregisteredStudy()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        ScratchDatabase scratch;
        QCOMPARE(runTool({QStringLiteral("study"), QStringLiteral("init"), QStringLiteral("--server"), scratch.conn()})
                     .exitCode,
                 0);
        QTemporaryDir folder;
        const QString protocol = folder.filePath(QStringLiteral("plan.json"));
        {
            QFile f(protocol);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(R"({"title": "Plan", "sites": ["lab1"], "hypothesis": "greater",
  "primary": {"priors": [{"name": "uniform", "a": 1, "b": 1}], "rule": "all"},
  "stoppingPoints": [300, 600, 1000], "thresholds": {"h1": 25, "h0": 0.04},
  "minTrials": 300, "maxTrials": 1000, "blinding": true})");
        }
        const QStringList reg = {QStringLiteral("protocol"), QStringLiteral("register"), protocol,
                                 QStringLiteral("--server"), scratch.conn()};
        const ToolResult first = runTool(reg);
        QCOMPARE(first.exitCode, 0);
        QVERIFY2(first.out.startsWith(QStringLiteral("registered Plan at ")), qPrintable(first.out));
        const ToolResult again = runTool(reg);
        QCOMPARE(again.exitCode, 0);
        // The same bytes keep their first registration.
        QCOMPARE(again.out, QString(first.out).replace(0, 10, QStringLiteral("already registered")));

        // Runs of lab1 in steps (and one of another site, outside the study).
        int run = 0;
        auto add = [&](const QList<int> &hits) {
            QString values;
            for (const int h : hits)
                values += QStringLiteral("%1('lab1', 'P-0', %2, '%3')")
                              .arg(values.isEmpty() ? QString() : QStringLiteral(","))
                              .arg(++run)
                              .arg(lineWithHits(QStringLiteral("P"), h));
            return runSql(scratch.conn(),
                          QStringLiteral("INSERT INTO vora_runs (site, experiment, run, record) VALUES ") + values);
        };
        const QStringList interim = {QStringLiteral("interim"), protocol, QStringLiteral("--server"), scratch.conn()};
        QCOMPARE(add({50, 50}), QString());
        QCOMPARE(runSql(scratch.conn(), QStringLiteral("INSERT INTO vora_runs (site, experiment, run, record) VALUES "
                                                       "('lab2', 'P-0', 1, '%1')")
                                            .arg(lineWithHits(QStringLiteral("P"), kTrialsPerRun))),
                 QString());
        ToolResult r = runTool(interim);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("no stopping point reached: 200 trials, the next point at 300\n"));

        // 400 trials: the point at 300 (150 hits, BF10 about 0.046) says continue, and only that.
        QCOMPARE(add({50, 50}), QString());
        r = runTool(interim);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("at 300 trials: continue\n"));

        // 700 trials: the point at 600 holds 200 + 180 hits (the last run is not counted).
        QCOMPARE(add({90, 90, 90}), QString());
        r = runTool(interim);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.startsWith(QStringLiteral("at 600 trials: stop for H1\n"
                                                 "  hits 380 of 600 trials (hit rate 0.63333)\n"
                                                 "  BF10 uniform Beta(1, 1): ")),
                 qPrintable(r.out));
        QVERIFY(r.out.endsWith(QStringLiteral("the study is closed: the program refuses new runs of it\n")));

        r = runTool(interim);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.startsWith(QStringLiteral("the study stopped at 600 trials (")), qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("hits 380 of 600 trials")));

        QVariant looks;
        QCOMPARE(
            runSql(scratch.conn(),
                   QStringLiteral("SELECT string_agg(trials || ':' || coalesce(point::text, '-') || ':' || decision,"
                                  " ' ' ORDER BY id) FROM vora_looks"),
                   &looks),
            QString());
        QCOMPARE(looks.toString(), QStringLiteral("200:-:waiting 400:300:continue 700:600:stop-h1 700:-:stopped"));
        // The record of looks stays as it was.
        QVERIFY(
            runSql(scratch.conn(), QStringLiteral("DELETE FROM vora_looks")).contains(QStringLiteral("append-only")));
        QVERIFY(runSql(scratch.conn(), QStringLiteral("UPDATE vora_protocols SET title = 'x'"))
                    .contains(QStringLiteral("append-only")));

        // The report's audit: every answer yes as things stand, with the decision point's figures.
        const QString html = folder.filePath(QStringLiteral("report.html"));
        auto audit = [&](const QString &plan) {
            const ToolResult report = runTool({QStringLiteral("report"), QStringLiteral("--server"), scratch.conn(),
                                               QStringLiteral("--protocol"), plan, QStringLiteral("--lang"),
                                               QStringLiteral("en"), QStringLiteral("-o"), html});
            if (report.exitCode != 0)
                return QStringList{report.err};
            QFile f(html);
            if (!f.open(QIODevice::ReadOnly))
                return QStringList{QStringLiteral("no page")};
            const QString page = QString::fromUtf8(f.readAll());
            QStringList answers;
            static const QRegularExpression row(
                QStringLiteral("<tr><td>([^<]*)</td><td class=\"(?:ok|warn)\">(yes|no)</td>"));
            for (auto it = row.globalMatch(page); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                answers << m.captured(1) + QLatin1Char('=') + m.captured(2);
            }
            if (!page.contains(QStringLiteral("Primary analysis at 600 trials (stop for H1)")))
                answers << QStringLiteral("no primary analysis at 600");
            return answers;
        };
        const QStringList questions = {QStringLiteral("Protocol registered before the first run"),
                                       QStringLiteral("Protocol unchanged (hash)"),
                                       QStringLiteral("Every look at a stopping point"),
                                       QStringLiteral("Stopping rule followed"),
                                       QStringLiteral("All included sites present"),
                                       QStringLiteral("Every site's seal heads consistent")};
        auto expect = [&](const QStringList &no) {
            QStringList out;
            for (const QString &q : questions)
                out << q + (no.contains(q) ? QStringLiteral("=no") : QStringLiteral("=yes"));
            return out;
        };
        QCOMPARE(audit(protocol), expect({}));
        {
            // In Japanese whatever vora-data speaks otherwise: the audit follows --lang.
            QProcessEnvironment english = QProcessEnvironment::systemEnvironment();
            english.insert(QStringLiteral("VORA_LANG"), QStringLiteral("en"));
            QCOMPARE(runTool({QStringLiteral("report"), QStringLiteral("--server"), scratch.conn(),
                              QStringLiteral("--protocol"), protocol, QStringLiteral("--lang"), QStringLiteral("ja"),
                              QStringLiteral("-o"), html},
                             english)
                         .exitCode,
                     0);
            QFile f(html);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString page = QString::fromUtf8(f.readAll());
            QVERIFY(page.contains(
                QStringLiteral("<tr><td>計画は最初のランより前に登録されたか</td><td class=\"ok\">はい</td>")));
            QVERIFY(page.contains(QStringLiteral("主解析：600 試行の時点（停止：H1）")));
        }

        // A run collected after the stop breaks the rule (it is kept, and counted as after-stop).
        QCOMPARE(add({50}), QString());
        QCOMPARE(audit(protocol), expect({questions.at(3)}));

        // A look off the planned points.
        QCOMPARE(
            runSql(scratch.conn(),
                   QStringLiteral("INSERT INTO vora_looks (sha256, trials, point, decision) SELECT sha256, 800, 450,"
                                  " 'continue' FROM vora_protocols")),
            QString());
        QCOMPARE(audit(protocol), expect({questions.at(2), questions.at(3)}));

        // The protocol changed after registration: another hash, registered (if at all) after
        // the first run.
        QFile changed(protocol);
        QVERIFY(changed.open(QIODevice::Append));
        changed.write("\n");
        changed.close();
        QStringList answers = audit(protocol);
        QCOMPARE(answers.mid(0, 2),
                 QStringList({questions.at(0) + QStringLiteral("=no"), questions.at(1) + QStringLiteral("=no")}));
        QCOMPARE(runTool(reg).exitCode, 0);
        answers = audit(protocol);
        QCOMPARE(answers.mid(0, 2),
                 QStringList({questions.at(0) + QStringLiteral("=no"), questions.at(1) + QStringLiteral("=yes")}));

        // The program's mirror reads the studies at each pass: lab1's experiment is in the
        // stopped study, lab2's in an open one registered now, lab3's in none.
        const QString second = folder.filePath(QStringLiteral("second.json"));
        {
            QFile f(second);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(R"({"title": "Second", "sites": ["lab2"], "hypothesis": "two-sided",
  "primary": {"priors": [{"name": "uniform", "a": 1, "b": 1}], "rule": "all"},
  "stoppingPoints": [1000], "thresholds": {"h1": 25, "h0": 0.04},
  "minTrials": 0, "maxTrials": 1000, "blinding": false})");
        }
        QCOMPARE(runTool({QStringLiteral("protocol"), QStringLiteral("register"), second, QStringLiteral("--server"),
                          scratch.conn()})
                     .exitCode,
                 0);
        testing::TestServices ts;
        const QList<std::tuple<QString, StudyStatus::State, QString>> sites = {
            {QStringLiteral("lab1"), StudyStatus::Closed, QStringLiteral("Plan")},
            {QStringLiteral("lab2"), StudyStatus::Open, QStringLiteral("Second")},
            {QStringLiteral("lab3"), StudyStatus::NoStudy, QString()}};
        for (const auto &[site, state, title] : sites) {
            StudyMirror mirror(config(scratch.conn(), site), ts.services.paths, 0);
            QCOMPARE(mirror.studyStatus(QStringLiteral("P-0")).state, StudyStatus::Unknown); // no answer yet
            mirror.retry();
            QTRY_VERIFY_WITH_TIMEOUT(mirror.studyStatus(QStringLiteral("P-0")).state != StudyStatus::Unknown, kWait);
            QCOMPARE(mirror.studyStatus(QStringLiteral("P-0")).state, state);
            QCOMPARE(mirror.studyStatus(QStringLiteral("P-0")).title, title);
        }
    }

    // protocol register and interim refuse what they must, with the reason.
    void protocolRefusals_data()
    {
        QTest::addColumn<QString>("what"); // the case
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");
        QTest::newRow("an invalid protocol is not registered") << "invalid" << 1 << "hypothesis:";
        QTest::newRow("interim over a protocol never registered") << "unregistered" << 1 << "is not registered";
        QTest::newRow("a site may not register") << "site" << 2 << "permission denied";
    }

    void protocolRefusals()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        QFETCH(QString, what);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        Study *s = study();
        QVERIFY(s);
        QTemporaryDir folder;
        const QString protocol = folder.filePath(QStringLiteral("plan.json"));
        QFile source(QFINDTESTDATA("../../../../examples/study-protocol.json"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QByteArray bytes = source.readAll();
        if (what == QLatin1String("invalid"))
            bytes.replace("\"greater\"", "\"above\"");
        if (what == QLatin1String("unregistered"))
            bytes.replace("\"Two sites", "\"Three sites");
        {
            QFile f(protocol);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        const QString conn = what == QLatin1String("site") ? s->siteConn : s->database.conn();
        const ToolResult r =
            runTool(what == QLatin1String("unregistered")
                        ? QStringList{QStringLiteral("interim"), protocol, QStringLiteral("--server"), conn}
                        : QStringList{QStringLiteral("protocol"), QStringLiteral("register"), protocol,
                                      QStringLiteral("--server"), conn});
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
    }

    // Every push records each file's seal head; verify --server finds them in the file's
    // chain, and says so when the file no longer holds what the server saw.
    void headsRecordedAndChecked()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        testing::TestServices ts;
        const QString site = freshSite("heads");
        QCOMPARE(makeTables(), QString());
        const QString file = ts.services.paths.dataFile(QStringLiteral("Hoshi-1.txt"));
        const QStringList server = {QStringLiteral("--server"), serverConn(), QStringLiteral("--site"), site};
        const QStringList verify = QStringList{QStringLiteral("verify")} + server + QStringList{file};
        saveRuns(ts, nullptr, QStringLiteral("Hoshi-1"), 3, 71);
        ToolResult r = runTool(verify);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, file + QStringLiteral(": sealed (3 runs)\n") + file
                            + QStringLiteral(": no head recorded by the server\n"));
        QCOMPARE(runTool(QStringList{QStringLiteral("push"), file} + server).exitCode, 0);
        const QString head3 = chainedHashes(file).value(3);
        saveRuns(ts, nullptr, QStringLiteral("Hoshi-1"), 2, 72);
        QCOMPARE(runTool(QStringList{QStringLiteral("push"), file} + server).exitCode, 0);
        QCOMPARE(runTool(QStringList{QStringLiteral("push"), file} + server).exitCode, 0); // the same head again
        const QString head5 = chainedHashes(file).value(5);
        QVariant stored;
        Peek peek;
        QCOMPARE(runSql(serverConn(),
                        QStringLiteral("SELECT string_agg(run || ' ' || head, ',' ORDER BY pushed_at)"
                                       " FROM vora_heads WHERE site = '%1'")
                            .arg(site),
                        &stored),
                 QString());
        QCOMPARE(stored.toString(), QStringLiteral("3 %1,5 %2,5 %2").arg(head3, head5));

        r = runTool(verify);
        QCOMPARE(r.exitCode, 0);
        QRegularExpression found(QStringLiteral(": head ([0-9a-f]{64}) of run (\\d), pushed [-0-9T:+]+: found\n"));
        QCOMPARE(r.out.count(found), 2); // the head pushed twice is said once

        // Another file under the same name: the runs the server saw are gone from the chain.
        QFile::remove(file);
        QFile::remove(ts.path(QStringLiteral("data/Hoshi-1.seal")));
        saveRuns(ts, nullptr, QStringLiteral("Hoshi-1"), 5, 73);
        r = runTool(verify);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(
            r.out.count(QStringLiteral(": not in the chain (runs sealed before it were rewritten or rolled back)")), 2);
    }

    void settings_data()
    {
        QTest::addColumn<QString>("conn");
        QTest::addColumn<QString>("site");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("masked");

        QTest::newRow("plain") << "host=db.example dbname=vora user=lab1 password=s3cret sslmode=require"
                               << "Tokyo_1" << true
                               << "host=db.example dbname=vora user=lab1 password=******** sslmode=require";
        QTest::newRow("doubled quote") << "host = h  password = 'it''s x'"
                                       << "a" << false << "";
        QTest::newRow("quoted with escapes") << "host=h password='a \\'b\\\\ c' user='x y'"
                                             << "a-b" << true << "host=h password=******** user='x y'";
        QTest::newRow("site too long") << "host=h" << QString(33, QLatin1Char('s')) << false << "";
        QTest::newRow("site 32") << "host=h" << QString(32, QLatin1Char('s')) << true << "host=h";
        QTest::newRow("site with space") << "host=h"
                                         << "lab 1" << false << "";
        QTest::newRow("site empty") << "host=h"
                                    << "" << false << "";
        QTest::newRow("uri form") << "postgresql://u:pw@h/db"
                                  << "a" << false << "";
        QTest::newRow("open quote") << "host=h password='abc"
                                    << "a" << false << "";
        QTest::newRow("no =") << "host h"
                              << "a" << false << "";
    }

    void settings()
    {
        QFETCH(QString, conn);
        QFETCH(QString, site);
        QFETCH(bool, valid);
        QFETCH(QString, masked);
        const StudyConfig c = config(conn, site);
        QCOMPARE(c.valid, valid);
        if (valid) {
            QCOMPARE(c.conn.masked(), masked);
            QVERIFY(c.error.isEmpty());
        } else {
            QVERIFY(!c.error.isEmpty());
        }
        // No message ever carries the password.
        for (const QString &text : {c.error, c.conn.masked(), c.conn.mask(QStringLiteral("x ") + c.conn.password())})
            QVERIFY2(c.conn.password().isEmpty() || !text.contains(c.conn.password()), qPrintable(text));
    }

    void settingsFile()
    {
        testing::TestServices ts;
        QVERIFY(!StudyMirror::fromSettings(ts.services.paths)); // absent: nothing changes

        // Unreachable on purpose (port 1): nothing must wait on it.
        ts.writeLines(StudyConfig::fileName(),
                      {QStringLiteral("host=127.0.0.1 port=1 password=hunter22"), QStringLiteral("lab1")});
        const QString file = ts.path(StudyConfig::fileName());
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
        StudyConfig c = StudyConfig::load(ts.services.paths);
        QVERIFY(c.valid);
        QCOMPARE(c.site, QStringLiteral("lab1"));
        QVERIFY(c.warning.contains(QStringLiteral("chmod 600")));
        QVERIFY(!c.warning.contains(QStringLiteral("hunter22")));

        auto mirror = StudyMirror::fromSettings(ts.services.paths, 0);
        QVERIFY(mirror);
        QCOMPARE(mirror->takeWarning(), c.warning);
        QVERIFY(mirror->takeWarning().isEmpty()); // once

        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(StudyConfig::load(ts.services.paths).warning.isEmpty());
    }

    void runNumbers()
    {
        QRandomGenerator rng(7);
        const QString a = randomLine(rng, QStringLiteral("A"));
        const QString b = randomLine(rng, QStringLiteral("A"));
        const QStringList lines = {QStringLiteral("実験条件=memo"), a, b + QStringLiteral(" a run memo"), a};
        QCOMPARE(runNumberOf(lines, b), 2);
        QCOMPARE(runNumberOf(lines, a), 3); // appended last
        QCOMPARE(runNumberOf(lines, randomLine(rng, QStringLiteral("A"))), 0);
    }

    // Saved runs arrive exactly once; a run handed over twice is still one row.
    void mirrorDeliversOnce()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        testing::TestServices ts;
        const QString site = freshSite("once");
        StudyMirror mirror(config(serverConn(), site), ts.services.paths, 0);
        QMap<QString, QString> expected = saveRuns(ts, &mirror, QStringLiteral("Yama-1"), 3, 1);
        expected.insert(saveRuns(ts, &mirror, QStringLiteral("Kawa-0"), 2, 2));
        QCOMPARE(expected.size(), 5);
        QTRY_COMPARE_WITH_TIMEOUT(mirror.pendingCount(), 0, kWait);
        QCOMPARE(mirror.lastProblem(), QString());

        const QString path = ts.services.paths.dataFile(QStringLiteral("Yama-1.txt"));
        mirror.runSaved(path, expected.value(QStringLiteral("Yama-1/2")));
        QTRY_COMPARE_WITH_TIMEOUT(mirror.pendingCount(), 0, kWait);
        Peek peek;
        QCOMPARE(peek.rows(site), expected);
        QCOMPARE(mirror.heldCount(), 0);

        // Each row carries its run's chained hash from the seal file.
        const QHash<int, QString> local = chainedHashes(path);
        QCOMPARE(local.size(), 3);
        const QMap<QString, QString> seals = storedSeals(site);
        for (int run = 1; run <= 3; ++run)
            QCOMPARE(seals.value(QStringLiteral("Yama-1/%1").arg(run)), local.value(run));
    }

    // The server goes down while runs are saved: the outbox keeps them across a restart of
    // the program, and after the server is back every run arrives once.
    void serverDownThenBack()
    {
        if (serverConn().isEmpty() || qEnvironmentVariableIsEmpty("VORA_TEST_PG_DIR"))
            QSKIP("VORA_TEST_PG and VORA_TEST_PG_DIR are not set: no server to stop and start");
        testing::TestServices ts;
        const QString site = freshSite("down");
        QMap<QString, QString> expected;
        {
            StudyMirror mirror(config(serverConn(), site), ts.services.paths, 0);
            expected = saveRuns(ts, &mirror, QStringLiteral("Umi-1"), 1, 3);
            QTRY_COMPARE_WITH_TIMEOUT(mirror.pendingCount(), 0, kWait);

            QVERIFY(cluster(QStringLiteral("stop")));
            QSignalSpy passes(&mirror, &StudyMirror::passFinished);
            expected.insert(saveRuns(ts, &mirror, QStringLiteral("Umi-1"), 3, 4));
            QTRY_VERIFY_WITH_TIMEOUT(passes.size() >= 3, kWait);
            QCOMPARE(mirror.pendingCount(), 3);
            QVERIFY(!mirror.lastProblem().isEmpty());
        } // the program ends with the runs still queued
        QVERIFY(cluster(QStringLiteral("start")));

        StudyMirror restarted(config(serverConn(), site), ts.services.paths, 0); // delivers at start
        QTRY_COMPARE_WITH_TIMEOUT(restarted.pendingCount(), 0, kWait);
        restarted.retry(); // a second pass finds nothing to send again
        QSignalSpy passes(&restarted, &StudyMirror::passFinished);
        QVERIFY(passes.wait(kWait));
        Peek peek;
        QCOMPARE(peek.rows(site), expected);
        QCOMPARE(expected.size(), 4);
    }

    // A wrong password is reported, never shown, and the local save stands.
    void wrongPassword()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        testing::TestServices ts;
        QString conn = serverConn();
        conn.replace(QRegularExpression(QStringLiteral("password=\\S+")), QStringLiteral("password=Wr0ngPass"));
        StudyMirror mirror(config(conn, freshSite("pw")), ts.services.paths, 0);
        QSignalSpy passes(&mirror, &StudyMirror::passFinished);
        const QMap<QString, QString> saved = saveRuns(ts, &mirror, QStringLiteral("Sora-1"), 1, 5);
        QTRY_VERIFY_WITH_TIMEOUT(passes.size() >= 2, kWait); // the start pass and the save's
        QVERIFY2(mirror.lastProblem().contains(QStringLiteral("password authentication failed")),
                 qPrintable(mirror.lastProblem()));
        QVERIFY(!mirror.lastProblem().contains(QStringLiteral("Wr0ngPass")));
        QCOMPARE(mirror.pendingCount(), 1);
        QCOMPARE(ts.readLines(QStringLiteral("data/Sora-1.txt")), QStringList(saved.first()));
    }

    // push back-fills idempotently; a changed record is a conflict and the row stays.
    void push()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        testing::TestServices ts;
        const QString site = freshSite("push");
        const QMap<QString, QString> expected = saveRuns(ts, nullptr, QStringLiteral("Kumo-1"), 4, 6);
        const QString file = ts.services.paths.dataFile(QStringLiteral("Kumo-1.txt"));
        const QStringList args = {QStringLiteral("push"),   file, QStringLiteral("--server"), serverConn(),
                                  QStringLiteral("--site"), site};

        ToolResult r = runTool(args);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, file + QStringLiteral(": sent 4, already there 0, conflict 0\n"));
        r = runTool(args);
        QCOMPARE(r.out, file + QStringLiteral(": sent 0, already there 4, conflict 0\n"));
        // The same file named again (here through "."): sent once, with a warning.
        const QString again = QFileInfo(file).path() + QStringLiteral("/./") + QFileInfo(file).fileName();
        r = runTool(QStringList{QStringLiteral("push"), file, again} + args.mid(2));
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, file + QStringLiteral(": sent 0, already there 4, conflict 0\n"));
        QVERIFY2(
            r.err.contains(again + QStringLiteral(" names the same file as ") + file + QStringLiteral("; sent once")),
            qPrintable(r.err));
        Peek peek;
        QCOMPARE(peek.rows(site), expected);

        // Run 3 edited consistently (another date), and a new run 5.
        QStringList lines = ts.readLines(QStringLiteral("data/Kumo-1.txt"));
        lines[2].replace(10, 10, QStringLiteral("2026/12/09"));
        QRandomGenerator rng(9);
        lines.append(randomLine(rng, QStringLiteral("Kumo")));
        ts.writeLines(QStringLiteral("data/Kumo-1.txt"), lines);
        r = runTool(args);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, file + QStringLiteral(":3: run 3 conflicts with the record stored for it (not overwritten)\n")
                            + file + QStringLiteral(": sent 1, already there 3, conflict 1\n"));
        QMap<QString, QString> now = expected;
        now.insert(QStringLiteral("Kumo-1/5"), lines.last());
        QCOMPARE(peek.rows(site), now);

        // The connection string's password never reaches the terminal.
        QString wrong = serverConn();
        wrong.replace(QRegularExpression(QStringLiteral("password=\\S+")), QStringLiteral("password=Wr0ngPass"));
        r = runTool({QStringLiteral("push"), file, QStringLiteral("--server"), wrong, QStringLiteral("--site"), site});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("password authentication failed")));
        QVERIFY(!(r.out + r.err).contains(QStringLiteral("Wr0ngPass")));
    }

    // The data file decides what reaches the server: whatever became of a run's outbox entry,
    // the sender finds it above the file's watermark, at start and on every pass.
    void everySavedRunArrives_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("the outbox cannot be written (a full disk)") << "blocked";
        QTest::newRow("outbox entries deleted") << "deleted";
        QTest::newRow("runs restored from a backup") << "restored";
        QTest::newRow("runs added behind the program's back, found by the periodic pass") << "periodic";
        QTest::newRow("the program saves while vora-data pushes the same file") << "push";
    }

    void everySavedRunArrives()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        QFETCH(QString, fault);
        testing::TestServices ts;
        const QString site = freshSite("heal");
        const QString experiment = QStringLiteral("Mori-1");
        const QString file = ts.services.paths.dataFile(experiment + QStringLiteral(".txt"));
        QMap<QString, QString> expected;
        if (fault == QLatin1String("blocked"))
            ts.writeLines(QStringLiteral("data/outbox"), {QStringLiteral("a file where the outbox folder belongs")});

        // Saved while the server cannot be reached: the runs wait, and the status bar counts them.
        if (fault != QLatin1String("periodic") && fault != QLatin1String("push")) {
            StudyMirror down(config(QStringLiteral("host=127.0.0.1 port=1 connect_timeout=2"), site), ts.services.paths,
                             0);
            QSignalSpy passes(&down, &StudyMirror::passFinished);
            expected = saveRuns(ts, &down, experiment, 3, 21);
            QTRY_VERIFY_WITH_TIMEOUT(passes.size() >= 4, kWait); // at start and after each save
            QCOMPARE(down.pendingCount(), 3);
        }
        if (fault == QLatin1String("deleted")) {
            for (const QString &entry :
                 QDir(ts.path(QStringLiteral("data/outbox"))).entryList({QStringLiteral("*.json")}))
                QVERIFY(QFile::remove(ts.path(QStringLiteral("data/outbox/")) + entry));
        } else if (fault == QLatin1String("restored")) {
            // The backup holds two more runs the outbox never knew of.
            QStringList lines = ts.readLines(QStringLiteral("data/Mori-1.txt"));
            QRandomGenerator rng(22);
            for (int run = 4; run <= 5; ++run) {
                lines.append(randomLine(rng, QStringLiteral("Mori")));
                expected.insert(experiment + QStringLiteral("/%1").arg(run), lines.last());
            }
            ts.writeLines(QStringLiteral("data/Mori-1.txt"), lines);
        }

        StudyMirror mirror(config(serverConn(), site), ts.services.paths, fault == QLatin1String("periodic") ? 200 : 0);
        ToolResult pushed;
        if (fault == QLatin1String("periodic")) {
            QTRY_COMPARE_WITH_TIMEOUT(mirror.pendingCount(), 0, kWait);
            QStringList lines;
            QRandomGenerator rng(23);
            for (int run = 1; run <= 3; ++run) {
                lines.append(randomLine(rng, QStringLiteral("Mori")));
                expected.insert(experiment + QStringLiteral("/%1").arg(run), lines.last());
            }
            ts.writeLines(QStringLiteral("data/Mori-1.txt"), lines); // no save, no retry(): the timer finds them
        } else if (fault == QLatin1String("push")) {
            QTRY_COMPARE_WITH_TIMEOUT(mirror.pendingCount(), 0, kWait);
            expected = saveRuns(ts, &mirror, experiment, 1, 24);
            // A second process sends the same runs while the program saves more.
            QProcess tool;
            tool.setProcessEnvironment(toolEnvironment());
            tool.start(qEnvironmentVariable("VORA_DATA_TOOL"),
                       {QStringLiteral("push"), file, QStringLiteral("--server"), serverConn(),
                        QStringLiteral("--site"), site});
            expected.insert(saveRuns(ts, &mirror, experiment, 6, 25));
            QVERIFY(tool.waitForFinished(kWait));
            pushed = {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput()),
                      QString::fromUtf8(tool.readAllStandardError())};
            QCOMPARE(pushed.exitCode, 0);
            QVERIFY2(pushed.out.contains(QStringLiteral("conflict 0")), qPrintable(pushed.out));
            mirror.retry();
        }
        QTRY_VERIFY_WITH_TIMEOUT(Peek().rows(site).size() == expected.size() && mirror.pendingCount() == 0, kWait);
        Peek peek;
        QCOMPARE(peek.rows(site), expected); // each once
        QCOMPARE(mirror.heldCount(), 0);
        if (fault != QLatin1String("blocked"))
            QCOMPARE(watermarkOf(ts, experiment), QString::number(expected.size()));
        // Every run sealed and sent with its seal.
        const QHash<int, QString> local = chainedHashes(file);
        const QMap<QString, QString> seals = storedSeals(site);
        for (auto it = local.cbegin(); it != local.cend(); ++it)
            QCOMPARE(seals.value(experiment + QStringLiteral("/%1").arg(it.key())), it.value());
    }

    // A watermark vouches only for the file it was kept for: a data file replaced by another
    // of the same name goes again, and the server tells what differs.
    void aReplacedFileIsSentAgain()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        testing::TestServices ts;
        const QString site = freshSite("again");
        {
            StudyMirror mirror(config(serverConn(), site), ts.services.paths, 0);
            saveRuns(ts, &mirror, QStringLiteral("Hana-1"), 2, 31);
            QTRY_COMPARE_WITH_TIMEOUT(mirror.pendingCount(), 0, kWait);
        }
        QCOMPARE(watermarkOf(ts, QStringLiteral("Hana-1")), QStringLiteral("2"));
        QFile::remove(ts.path(QStringLiteral("data/Hana-1.txt")));
        QFile::remove(ts.path(QStringLiteral("data/Hana-1.seal")));
        StudyMirror mirror(config(serverConn(), site), ts.services.paths, 0);
        saveRuns(ts, nullptr, QStringLiteral("Hana-1"), 2, 32); // other runs under the same numbers
        mirror.retry();
        QTRY_VERIFY_WITH_TIMEOUT(mirror.lastProblem().contains(QStringLiteral("Hana-1 のラン 2")), kWait);
        QVERIFY2(mirror.lastProblem().contains(QStringLiteral("Hana-1 のラン 1")), qPrintable(mirror.lastProblem()));
        QCOMPARE(mirror.heldCount(), 2);
        QCOMPARE(mirror.pendingCount(), 0);
    }

    // The password the libpq way, or from the program's own settings file; never needed on
    // the command line, and warned about there.
    void passwordsForVoraData_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("warning"); // part of stderr, empty: stderr is empty
        QTest::newRow("~/.pgpass") << "pgpass" << 0 << "";
        QTest::newRow("--server-file, site from its second line") << "server-file" << 0 << "";
        QTest::newRow("--server-file that others may read") << "server-file-shared" << 0 << "other users may read it";
        QTest::newRow("on the command line") << "command-line" << 0 << "a password on the command line";
        QTest::newRow("nowhere") << "none" << 2 << "password";
    }

    void passwordsForVoraData()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        QFETCH(QString, way);
        QFETCH(int, exitCode);
        QFETCH(QString, warning);
        testing::TestServices ts;
        QTemporaryDir home;
        const QString site = freshSite("pw");
        saveRuns(ts, nullptr, QStringLiteral("Kaze-1"), 1, 41);
        const QString file = ts.services.paths.dataFile(QStringLiteral("Kaze-1.txt"));
        QProcessEnvironment env = cleanEnvironment(home.path());
        QString error;
        const ConnInfo conn = ConnInfo::parse(serverConn(), &error);
        const QString passLine = QStringLiteral("%1:%2:*:%3:%4\n")
                                     .arg(conn.value(QStringLiteral("host")), conn.value(QStringLiteral("port")),
                                          conn.value(QStringLiteral("user")), serverPassword());
        const auto privateFile = [](const QString &path, const QByteArray &bytes, bool shared = false) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
            f.close();
            QFile::setPermissions(
                path, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                          | (shared ? QFileDevice::ReadOther | QFileDevice::ReadGroup : QFileDevice::Permissions()));
        };
        QStringList server = {QStringLiteral("--server"), withoutPassword(serverConn()), QStringLiteral("--site"),
                              site};
        if (way == QLatin1String("pgpass")) {
            privateFile(home.path() + QStringLiteral("/.pgpass"), passLine.toUtf8());
        } else if (way.startsWith(QLatin1String("server-file"))) {
            privateFile(home.path() + QStringLiteral("/study-server.txt"),
                        (serverConn() + QStringLiteral("\r\n") + site + QStringLiteral("\r\n")).toUtf8(),
                        way.endsWith(QLatin1String("shared")));
            server = {QStringLiteral("--server-file"), home.path() + QStringLiteral("/study-server.txt")};
        } else if (way == QLatin1String("command-line")) {
            server = {QStringLiteral("--server"), serverConn(), QStringLiteral("--site"), site};
        }
        const ToolResult r = runTool(QStringList{QStringLiteral("push"), file} + server, env);
        QCOMPARE(r.exitCode, exitCode);
        if (warning.isEmpty())
            QCOMPARE(r.err, QString());
        else
            QVERIFY2(r.err.contains(warning), qPrintable(r.err));
        QVERIFY(!(r.out + r.err).contains(serverPassword()));
        if (exitCode == 0) {
            QCOMPARE(r.out, file + QStringLiteral(": sent 1, already there 0, conflict 0\n"));
            QCOMPARE(Peek().rows(site).size(), 1);
        }
    }

    // A site that has no row is most likely misspelt: said so, never pooled as nothing.
    void aSiteWithoutRows()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        const QString site = freshSite("none");
        const ToolResult r = runTool({QStringLiteral("summary"), QStringLiteral("--pooled"), QStringLiteral("--server"),
                                      withoutPassword(serverConn()), QStringLiteral("--site"), site},
                                     [] {
                                         QProcessEnvironment env = toolEnvironment();
                                         env.insert(QStringLiteral("PGPASSWORD"), serverPassword());
                                         return env;
                                     }());
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err, QStringLiteral("vora-data: no run of site %1 in the study database\n").arg(site));
    }

    // A server that drops the connection in the middle of an insert (here a trigger ends its
    // own session): the run stays unsent with one message of ours, and no stray line of the
    // driver's follows it.
    void aDroppedConnectionLeavesNoStrayLine()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        const QString database =
            QStringLiteral("dropping_%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        QString error;
        {
            Peek peek;
            QSqlQuery q(QSqlDatabase::database(QStringLiteral("peek")));
            QVERIFY2(q.exec(QStringLiteral("CREATE DATABASE ") + database), qPrintable(q.lastError().text()));
        }
        const QString conn =
            QString(serverConn())
                .replace(QRegularExpression(QStringLiteral("dbname=\\S+")), QStringLiteral("dbname=") + database);
        {
            StudyDatabase db(ConnInfo::parse(conn, &error));
            QVERIFY2(db.open(&error), qPrintable(error)); // creates the table
            QSqlQuery q(
                QSqlDatabase::database(QSqlDatabase::connectionNames().filter(QStringLiteral("vora-study")).last()));
            QVERIFY(q.exec(QStringLiteral(
                "CREATE FUNCTION drop_session() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                "PERFORM pg_terminate_backend(pg_backend_pid()); PERFORM pg_sleep(5); RETURN NEW; END $$")));
            QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER drop_session BEFORE INSERT ON vora_runs FOR EACH ROW "
                                          "EXECUTE FUNCTION drop_session()")));
        }
        QRandomGenerator rng(51);
        testing::TestServices ts;
        ts.writeLines(QStringLiteral("data/Ame-1.txt"), {randomLine(rng, QStringLiteral("Ame"))});
        const ToolResult r =
            runTool({QStringLiteral("push"), ts.path(QStringLiteral("data/Ame-1.txt")), QStringLiteral("--server"),
                     withoutPassword(conn), QStringLiteral("--site"), QStringLiteral("lab1")},
                    [] {
                        QProcessEnvironment env = toolEnvironment();
                        env.insert(QStringLiteral("PGPASSWORD"), serverPassword());
                        return env;
                    }());
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.count(QLatin1Char('\n')) == 1, qPrintable(r.err));
        QVERIFY2(r.err.startsWith(QStringLiteral("vora-data: "))
                     && r.err.contains(QStringLiteral("terminating connection")),
                 qPrintable(r.err));
        Peek peek;
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("peek")));
        QVERIFY2(q.exec(QStringLiteral("DROP DATABASE ") + database + QStringLiteral(" WITH (FORCE)")),
                 qPrintable(q.lastError().text()));
    }

    // The pooled figures over the database, added up by the server, equal those over the same
    // files; so does the study report. Also where a run was stored before the run it follows,
    // and where a second site's experiments come between.
    void pooledFromServer_data()
    {
        QTest::addColumn<bool>("lastRunFirst");
        QTest::newRow("runs stored in order") << false;
        QTest::newRow("a run stored before the run it follows") << true;
    }

    void pooledFromServer()
    {
        if (serverConn().isEmpty())
            QSKIP("VORA_TEST_PG is not set: no study database server");
        QFETCH(bool, lastRunFirst);
        testing::TestServices ts;
        const QString site = freshSite("pool");
        const QMap<QString, QString> aki = saveRuns(ts, nullptr, QStringLiteral("Aki-1"), 7, 10);
        saveRuns(ts, nullptr, QStringLiteral("Fuyu-0"), 5, 11);
        const QStringList files = {ts.services.paths.dataFile(QStringLiteral("Aki-1.txt")),
                                   ts.services.paths.dataFile(QStringLiteral("Fuyu-0.txt"))};
        if (lastRunFirst)
            QCOMPARE(runSql(serverConn(), QStringLiteral("INSERT INTO vora_runs (site, experiment, run, record)"
                                                         " VALUES ('%1', 'Aki-1', 7, '%2')")
                                              .arg(site, aki.value(QStringLiteral("Aki-1/7")))),
                     QString());
        const ToolResult pushed =
            runTool(QStringList{QStringLiteral("push")} + files
                    + QStringList{QStringLiteral("--server"), serverConn(), QStringLiteral("--site"), site});
        QCOMPARE(pushed.exitCode, 0);
        QCOMPARE(pushed.out,
                 QStringLiteral("%1: sent %2, already there %3, conflict 0\n%4: sent 5, already there 0, conflict 0\n")
                     .arg(files.at(0))
                     .arg(lastRunFirst ? 6 : 7)
                     .arg(lastRunFirst ? 1 : 0)
                     .arg(files.at(1)));
        const ToolResult local = runTool(QStringList{QStringLiteral("summary"), QStringLiteral("--pooled")} + files);
        const ToolResult remote = runTool({QStringLiteral("summary"), QStringLiteral("--pooled"),
                                           QStringLiteral("--server"), serverConn(), QStringLiteral("--site"), site});
        QCOMPARE(local.exitCode, 0);
        QCOMPARE(remote.exitCode, 0);
        const QJsonObject a = QJsonDocument::fromJson(local.out.toUtf8()).object();
        const QJsonObject b = QJsonDocument::fromJson(remote.out.toUtf8()).object();
        QCOMPARE(b.value(QStringLiteral("pooled")).toObject().value(QStringLiteral("runs")).toInt(), 12);
        QCOMPARE(b.value(QStringLiteral("pooled")), a.value(QStringLiteral("pooled")));
        QJsonArray perFile = a.value(QStringLiteral("experiments")).toArray();
        for (int i = 0; i < perFile.size(); ++i) {
            QJsonObject o = perFile.at(i).toObject();
            o.insert(QStringLiteral("file"),
                     site + QLatin1Char('/')
                         + QFileInfo(o.value(QStringLiteral("file")).toString()).completeBaseName());
            perFile[i] = o;
        }
        QCOMPARE(b.value(QStringLiteral("experiments")).toArray(), perFile);

        // The study report: the files in a folder named after the site give the same page.
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(site));
        QStringList copies;
        for (const QString &f : files) {
            copies << folder.path() + QLatin1Char('/') + site + QLatin1Char('/') + QFileInfo(f).fileName();
            QVERIFY(QFile::copy(f, copies.last()));
        }
        const QString fromFiles = folder.filePath(QStringLiteral("files.html"));
        const QString fromServer = folder.filePath(QStringLiteral("server.html"));
        // In Japanese, whose date line is taken out below.
        QCOMPARE(runTool(QStringList{QStringLiteral("report")} + copies
                         + QStringList{QStringLiteral("--lang"), QStringLiteral("ja"), QStringLiteral("-o"), fromFiles})
                     .exitCode,
                 0);
        QCOMPARE(runTool({QStringLiteral("report"), QStringLiteral("--server"), serverConn(), QStringLiteral("--site"),
                          site, QStringLiteral("--lang"), QStringLiteral("ja"), QStringLiteral("-o"), fromServer})
                     .exitCode,
                 0);
        auto page = [](const QString &path) {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            // The minute it was made may differ.
            return QString::fromUtf8(f.readAll()).remove(QRegularExpression(QStringLiteral("作成 [0-9/: ]+")));
        };
        const QString expected = page(fromFiles);
        QVERIFY(expected.contains(QStringLiteral("data-chart=\"forest-sites\"")));
        QCOMPARE(page(fromServer), expected);
    }
};

QTEST_GUILESS_MAIN(MirrorTest)
#include "tst_mirror.moc"
