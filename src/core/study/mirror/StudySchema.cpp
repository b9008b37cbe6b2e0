#include "core/study/mirror/StudySchema.h"

#include "core/registry/RecordFormat.h"

#include <utility>

namespace vora::study {

namespace {

using namespace runline;

// The record's tail: its targets, the space after them and its inputs.
constexpr int kTailBytes = kRunColumns - kTargets.first + 1;

// Bytes 61-261 of an ASCII record (targets, a space, inputs) as 1608 bits: every target and
// input byte must be "0" or "1" (0x30 or 0x31: only its lowest bit may vary) and the byte
// between them a space. One masked comparison checks all 201 bytes, far faster than a
// regular expression or translate() over the text.
QString tailMask()
{
    return QStringLiteral("11111110").repeated(kTrialsPerRun) + QStringLiteral("11111111")
           + QStringLiteral("11111110").repeated(kTrialsPerRun);
}

QString tailPattern()
{
    return QStringLiteral("00110000").repeated(kTrialsPerRun) + QStringLiteral("00100000")
           + QStringLiteral("00110000").repeated(kTrialsPerRun);
}

// The SQL below names the record's columns and counts as {words}; they are filled in from
// the record format, so the server parses what the program writes.
QString withRecordFormat(QString sql)
{
    const std::pair<const char *, int> numbers[] = {
        {"{columns}", kRunColumns},
        {"{trials}", kTrialsPerRun},
        {"{trials-1}", kTrialsPerRun - 1},
        {"{block}", kTrialsPerBlock},
        {"{block2}", kTrialsPerBlock + 1},
        {"{block3}", 2 * kTrialsPerBlock + 1},
        {"{block4}", 3 * kTrialsPerBlock + 1},
        {"{block5}", 4 * kTrialsPerBlock + 1},
        {"{head}", kTargets.first - 1},
        {"{tail}", kTargets.first},
        {"{tail-bytes}", kTailBytes},
        {"{tail-bits}", 8 * kTailBytes},
        {"{inputs}", kInputs.first - kTargets.first + 1},
        {"{date}", kDate.first},
        {"{date-width}", kDate.width()},
        {"{start}", kStartTime.first},
        {"{start-width}", kStartTime.width()},
        {"{stimulus}", kStimulus.first},
        {"{hit-display}", kHitDisplay.first},
        {"{counts}", kTotal.first},
        {"{counts-width}", kStimulusTrials[0].first - kTotal.first},
        {"{total-width}", kTotal.width()},
    };
    static_assert(kBlocksPerRun == 5, "the trigger counts five blocks");
    for (const auto &[name, value] : numbers)
        sql.replace(QLatin1String(name), QString::number(value));
    for (int k = 0; k < kBlocksPerRun; ++k) {
        sql.replace(QStringLiteral("{block%1-hits}").arg(k + 1), QString::number(kBlockHits[k].first));
        sql.replace(QStringLiteral("{block%1-width}").arg(k + 1), QString::number(kBlockHits[k].width()));
    }
    return sql;
}

} // namespace

QStringList schemaTableStatements()
{
    QStringList s;
    s << QStringLiteral("CREATE TABLE IF NOT EXISTS vora_schema ("
                        " version integer PRIMARY KEY,"
                        " installed_at timestamptz NOT NULL DEFAULT now(),"
                        " note text NOT NULL)");
    // The first six columns are those every version of the program has written.
    s << withRecordFormat(QStringLiteral("CREATE TABLE IF NOT EXISTS vora_runs ("
                                         " site text NOT NULL CHECK (site ~ '^[A-Za-z0-9_-]{1,32}$'),"
                                         " experiment text NOT NULL,"
                                         " run integer NOT NULL CHECK (run >= 1),"
                                         " record text NOT NULL CHECK (char_length(record) = {columns}),"
                                         " seal text,"
                                         " received_at timestamptz NOT NULL DEFAULT now(),"
                                         " PRIMARY KEY (site, experiment, run))"));
    // Parsed at insert by vora_runs_parse(); a client's values for them are overwritten.
    s << withRecordFormat(QStringLiteral("ALTER TABLE vora_runs"
                                         " ADD COLUMN IF NOT EXISTS run_date date,"
                                         " ADD COLUMN IF NOT EXISTS start_time text,"
                                         " ADD COLUMN IF NOT EXISTS stimulus text,"
                                         " ADD COLUMN IF NOT EXISTS hit_display text,"
                                         " ADD COLUMN IF NOT EXISTS targets bit({trials}),"
                                         " ADD COLUMN IF NOT EXISTS inputs bit({trials}),"
                                         " ADD COLUMN IF NOT EXISTS hits smallint,"
                                         " ADD COLUMN IF NOT EXISTS target_ones smallint,"
                                         " ADD COLUMN IF NOT EXISTS input_ones smallint,"
                                         " ADD COLUMN IF NOT EXISTS after_hit_trials smallint,"
                                         " ADD COLUMN IF NOT EXISTS after_hit_hits smallint,"
                                         " ADD COLUMN IF NOT EXISTS after_miss_hits smallint,"
                                         " ADD COLUMN IF NOT EXISTS target_runs smallint,"
                                         " ADD COLUMN IF NOT EXISTS target_first smallint,"
                                         " ADD COLUMN IF NOT EXISTS target_last smallint,"
                                         " ADD COLUMN IF NOT EXISTS joins_previous boolean,"
                                         " ADD COLUMN IF NOT EXISTS consistent boolean"));
    // A number as the data file check reads it: blanks skipped, the digits up to the first
    // other character, 0 without digits.
    s << QStringLiteral(
        "CREATE OR REPLACE FUNCTION vora_lenient(t text) RETURNS integer LANGUAGE sql IMMUTABLE PARALLEL SAFE AS"
        " $$ SELECT coalesce(nullif(substring(translate(t, E' \\t', '') FROM '^[0-9]{0,8}'), '')::integer, 0) $$");
    s << withRecordFormat(
             QStringLiteral(
                 "CREATE OR REPLACE FUNCTION vora_runs_parse() RETURNS trigger LANGUAGE plpgsql AS $$\n"
                 "DECLARE\n"
                 // Columns 1-60 and 61-261 apart: substr() walks a text character by character,
                 // and bytes of an ASCII tail are reached at once.
                 "  head text := substr(NEW.record, 1, {head});\n"
                 "  tail bytea := convert_to(substr(NEW.record, {tail}), 'UTF8');\n"
                 "  d text := substr(head, {date}, {date-width});\n"
                 "  h bit({trials});\n"
                 "  b integer[];\n"
                 "  stored integer;\n"
                 "  previous smallint;\n"
                 "BEGIN\n"
                 "  NEW.start_time := substr(head, {start}, {start-width});\n"
                 "  NEW.stimulus := substr(head, {stimulus}, 1);\n"
                 "  NEW.hit_display := substr(head, {hit-display}, 1);\n"
                 "  NEW.run_date := NULL;\n"
                 "  IF translate(d, '0123456789', '0000000000') = '0000/00/00' AND substr(d, 1, 4) <> '0000'\n"
                 "     AND substr(d, 6, 2)::integer BETWEEN 1 AND 12 AND substr(d, 9, 2)::integer BETWEEN 1 AND 31 THEN\n"
                 "    NEW.run_date := make_date(substr(d, 1, 4)::integer, substr(d, 6, 2)::integer, 1)\n"
                 "                    + (substr(d, 9, 2)::integer - 1);\n"
                 "    IF extract(day FROM NEW.run_date) <> substr(d, 9, 2)::integer THEN\n"
                 "      NEW.run_date := NULL;\n"
                 "    END IF;\n"
                 "  END IF;\n"
                 "  NEW.targets := NULL; NEW.inputs := NULL; NEW.hits := NULL;\n"
                 "  NEW.target_ones := NULL; NEW.input_ones := NULL; NEW.after_hit_trials := NULL;\n"
                 "  NEW.after_hit_hits := NULL; NEW.after_miss_hits := NULL; NEW.target_runs := NULL;\n"
                 "  NEW.target_first := NULL; NEW.target_last := NULL; NEW.joins_previous := NULL;\n"
                 "  NEW.consistent := false;\n"
                 "  IF octet_length(tail) = {tail-bytes}\n"
                 "     AND (('x' || encode(tail, 'hex'))::bit({tail-bits}) & B'%1') = B'%2' THEN\n"
                 "    NEW.targets := encode(substring(tail FROM 1 FOR {trials}), 'escape')::bit({trials});\n"
                 "    NEW.inputs := encode(substring(tail FROM {inputs} FOR {trials}), 'escape')::bit({trials});\n"
                 "    h := ~(NEW.targets # NEW.inputs);\n"
                 "    NEW.hits := bit_count(h);\n"
                 "    NEW.target_ones := bit_count(NEW.targets);\n"
                 "    NEW.input_ones := bit_count(NEW.inputs);\n"
                 "    NEW.after_hit_trials := bit_count(substring(h FROM 1 FOR {trials-1}));\n"
                 "    NEW.after_hit_hits := bit_count(substring(h FROM 1 FOR {trials-1}) & substring(h FROM 2 FOR {trials-1}));\n"
                 "    NEW.after_miss_hits := NEW.hits - get_bit(h, 0) - NEW.after_hit_hits;\n"
                 "    NEW.target_runs := 1 + bit_count(substring(NEW.targets FROM 1 FOR {trials-1})\n"
                 "                                     # substring(NEW.targets FROM 2 FOR {trials-1}));\n"
                 "    NEW.target_first := get_bit(NEW.targets, 0);\n"
                 "    NEW.target_last := get_bit(NEW.targets, {trials-1});\n"
                 // Whether the targets continue the previous run's without a change: known when
                 // that run was stored first (as it always is when a file is pushed in order).
                 "    SELECT target_last INTO previous FROM vora_runs\n"
                 "     WHERE site = NEW.site AND experiment = NEW.experiment AND run = NEW.run - 1;\n"
                 "    IF previous IS NOT NULL THEN\n"
                 "      NEW.joins_previous := previous = NEW.target_first;\n"
                 "    END IF;\n"
                 // The data file check: no control character or undecodable byte, the five
                 // block counts and the total as the matches say. Columns 28-44 as the program
                 // writes them are compared as text; anything else is read as the check reads it.
                 "    b := ARRAY[bit_count(substring(h FROM 1 FOR {block})), bit_count(substring(h FROM {block2} FOR {block})),\n"
                 "               bit_count(substring(h FROM {block3} FOR {block})), bit_count(substring(h FROM {block4} FOR {block})),\n"
                 "               bit_count(substring(h FROM {block5} FOR {block}))];\n"
                 "    IF substr(head, {counts}, {counts-width}) = right(' ' || NEW.hits, 2) || NEW.hit_display || right(' ' || b[1], 2)\n"
                 "       || right('  ' || b[2], 3) || right('  ' || b[3], 3) || right('  ' || b[4], 3)\n"
                 "       || right('  ' || b[5], 3) THEN\n"
                 "      NEW.consistent := true;\n"
                 "    ELSE\n"
                 "      stored := vora_lenient(substr(head, {counts}, {total-width}));\n"
                 "      IF substr(head, {counts}, {total-width}) = '00' AND NEW.hits = {trials} THEN\n"
                 "        stored := {trials};\n"
                 "      END IF;\n"
                 "      NEW.consistent := stored = NEW.hits\n"
                 "        AND vora_lenient(substr(head, {block1-hits}, {block1-width})) = b[1]"
                 " AND vora_lenient(substr(head, {block2-hits}, {block2-width})) = b[2]\n"
                 "        AND vora_lenient(substr(head, {block3-hits}, {block3-width})) = b[3]"
                 " AND vora_lenient(substr(head, {block4-hits}, {block4-width})) = b[4]\n"
                 "        AND vora_lenient(substr(head, {block5-hits}, {block5-width})) = b[5];\n"
                 "    END IF;\n"
                 "    NEW.consistent := NEW.consistent AND head !~ '[\\x01-\\x1f\\x7f\\ufffd]';\n"
                 "  END IF;\n"
                 "  RETURN NEW;\n"
                 "END $$"))
             .arg(tailMask(), tailPattern());
    s << QStringLiteral("CREATE OR REPLACE TRIGGER vora_runs_parse BEFORE INSERT OR UPDATE OF record ON vora_runs"
                        " FOR EACH ROW EXECUTE FUNCTION vora_runs_parse()");

    s << QStringLiteral("CREATE TABLE IF NOT EXISTS vora_corrections ("
                        " id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,"
                        " site text NOT NULL,"
                        " experiment text NOT NULL,"
                        " run integer NOT NULL,"
                        " kind text NOT NULL CHECK (kind <> ''),"
                        " reason text NOT NULL CHECK (reason <> ''),"
                        " made_by text NOT NULL DEFAULT current_user,"
                        " made_at timestamptz NOT NULL DEFAULT now(),"
                        " FOREIGN KEY (site, experiment, run) REFERENCES vora_runs (site, experiment, run))");
    s << QStringLiteral("CREATE TABLE IF NOT EXISTS vora_heads ("
                        " site text NOT NULL CHECK (site ~ '^[A-Za-z0-9_-]{1,32}$'),"
                        " experiment text NOT NULL,"
                        " run integer NOT NULL CHECK (run >= 1),"
                        " head text NOT NULL CHECK (head ~ '^[0-9a-f]{64}$'),"
                        " pushed_at timestamptz NOT NULL DEFAULT clock_timestamp(),"
                        " pushed_by text NOT NULL DEFAULT current_user)");

    // A preregistered protocol: the file's bytes (UTF-8 JSON) under their SHA-256, which the
    // server checks, and the server's time of registration.
    s << QStringLiteral("CREATE TABLE IF NOT EXISTS vora_protocols ("
                        " sha256 text PRIMARY KEY CHECK (sha256 = encode(sha256(convert_to(protocol, 'UTF8')), 'hex')),"
                        " protocol text NOT NULL,"
                        " title text NOT NULL,"
                        " registered_at timestamptz NOT NULL DEFAULT clock_timestamp(),"
                        " registered_by text NOT NULL DEFAULT current_user)");
    // Every interim call: who, when, the trials there were, the stopping point analysed (none
    // when the data had not reached the next one) and the decision ("stopped": a call after
    // the stop, which analyses nothing). No figure is kept here:
    // the sites read this table, and a blind study shows them the decision only.
    s << QStringLiteral(
        "CREATE TABLE IF NOT EXISTS vora_looks ("
        " id bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,"
        " sha256 text NOT NULL REFERENCES vora_protocols (sha256),"
        " looked_at timestamptz NOT NULL DEFAULT clock_timestamp(),"
        " looked_by text NOT NULL DEFAULT current_user,"
        " trials bigint NOT NULL CHECK (trials >= 0),"
        " point bigint,"
        " decision text NOT NULL CHECK (decision IN ('waiting', 'continue', 'stop-h1', 'stop-h0', 'stop-max',"
        " 'stopped')))");

    // Append-only: what the server once received stays as it was, whoever asks.
    s << QStringLiteral(
        "CREATE OR REPLACE FUNCTION vora_append_only() RETURNS trigger LANGUAGE plpgsql AS $$\n"
        "BEGIN\n"
        "  RAISE EXCEPTION '% is append-only: a stored row is never changed or removed', TG_TABLE_NAME\n"
        "    USING HINT = 'A correction is a new row of vora_corrections.';\n"
        "END $$");
    for (const char *table : {"vora_runs", "vora_corrections", "vora_heads", "vora_protocols", "vora_looks"}) {
        s << QStringLiteral("CREATE OR REPLACE TRIGGER %1_append_only BEFORE UPDATE OR DELETE ON %1"
                            " FOR EACH ROW EXECUTE FUNCTION vora_append_only()")
                 .arg(QLatin1String(table));
        s << QStringLiteral("CREATE OR REPLACE TRIGGER %1_no_truncate BEFORE TRUNCATE ON %1"
                            " FOR EACH STATEMENT EXECUTE FUNCTION vora_append_only()")
                 .arg(QLatin1String(table));
    }
    // Rows stored before the parsed columns existed get them once (the only UPDATE ever run).
    s << QStringLiteral("ALTER TABLE vora_runs DISABLE TRIGGER vora_runs_append_only");
    s << QStringLiteral("UPDATE vora_runs SET record = record WHERE consistent IS NULL");
    s << QStringLiteral("ALTER TABLE vora_runs ENABLE TRIGGER vora_runs_append_only");

    s << withRecordFormat(QStringLiteral("CREATE OR REPLACE VIEW vora_trials AS"
                                         " SELECT r.site, r.experiment, r.run, t.trial,"
                                         " get_bit(r.targets, t.trial - 1) AS target,"
                                         " get_bit(r.inputs, t.trial - 1) AS input,"
                                         " 1 - get_bit(r.targets # r.inputs, t.trial - 1) AS hit,"
                                         " r.run_date"
                                         " FROM vora_runs r CROSS JOIN LATERAL generate_series(1, {trials}) AS t(trial)"
                                         " WHERE r.targets IS NOT NULL"));
    // The primary key serves "per site" and "per site and experiment".
    s << QStringLiteral("CREATE INDEX IF NOT EXISTS vora_runs_experiment ON vora_runs (experiment, site)");
    s << QStringLiteral("CREATE INDEX IF NOT EXISTS vora_runs_date ON vora_runs (run_date)");
    // The pooled figures read the tallies from this index alone, a seventh of the table's size.
    s << QStringLiteral(
        "CREATE INDEX IF NOT EXISTS vora_runs_tallies ON vora_runs (site, experiment) INCLUDE (run, hits,"
        " target_ones, input_ones, after_hit_trials, after_hit_hits, after_miss_hits, target_runs,"
        " target_first, target_last, joins_previous)");
    // Runs that fail the check, found without reading the others.
    s << QStringLiteral("CREATE INDEX IF NOT EXISTS vora_runs_unchecked ON vora_runs (site, experiment, run)"
                        " WHERE consistent IS NOT TRUE");
    s << QStringLiteral("CREATE INDEX IF NOT EXISTS vora_runs_received ON vora_runs (received_at)");
    s << QStringLiteral("CREATE INDEX IF NOT EXISTS vora_heads_key ON vora_heads (site, experiment, pushed_at)");
    s << QStringLiteral("INSERT INTO vora_schema (version, note) VALUES (1, 'runs with parsed columns and tallies,"
                        " corrections, heads, trials view, site and analyst roles') ON CONFLICT DO NOTHING");
    s << QStringLiteral("INSERT INTO vora_schema (version, note) VALUES (2, 'preregistered protocols and interim"
                        " looks') ON CONFLICT DO NOTHING");
    return s;
}

QStringList schemaAccessStatements()
{
    QStringList s;
    s << QStringLiteral("DO $$ BEGIN\n"
                        "  IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'vora_site') THEN\n"
                        "    CREATE ROLE vora_site NOLOGIN;\n"
                        "  END IF;\n"
                        "  IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'vora_analyst') THEN\n"
                        "    CREATE ROLE vora_analyst NOLOGIN;\n"
                        "  END IF;\n"
                        "END $$");
    s << QStringLiteral(
        "DO $$ BEGIN\n"
        "  EXECUTE format('GRANT CONNECT ON DATABASE %I TO vora_site, vora_analyst', current_database());\n"
        "END $$");
    s << QStringLiteral("REVOKE ALL ON vora_schema, vora_runs, vora_corrections, vora_heads, vora_trials,"
                        " vora_protocols, vora_looks FROM PUBLIC");
    // Protocols and looks are the coordinator's to write (the tables' owner); everyone reads them.
    s << QStringLiteral("GRANT SELECT ON vora_schema, vora_runs, vora_corrections, vora_heads, vora_trials,"
                        " vora_protocols, vora_looks TO vora_site, vora_analyst");
    s << QStringLiteral("GRANT INSERT ON vora_runs, vora_heads, vora_corrections TO vora_site");
    // An analyst's session cannot write even where a grant slipped in.
    s << QStringLiteral("ALTER ROLE vora_analyst SET default_transaction_read_only = on");
    // Row-level security: everyone reads every row; a role other than the tables' owner adds
    // rows under its own name only (the site name is the role name).
    for (const char *table : {"vora_runs", "vora_corrections", "vora_heads"}) {
        const QLatin1String t(table);
        s << QStringLiteral("ALTER TABLE %1 ENABLE ROW LEVEL SECURITY").arg(t);
        s << QStringLiteral("DROP POLICY IF EXISTS %1_read ON %1").arg(t);
        s << QStringLiteral("CREATE POLICY %1_read ON %1 FOR SELECT USING (true)").arg(t);
        s << QStringLiteral("DROP POLICY IF EXISTS %1_insert_own ON %1").arg(t);
        s << QStringLiteral("CREATE POLICY %1_insert_own ON %1 FOR INSERT WITH CHECK (site = current_user)").arg(t);
    }
    return s;
}

} // namespace vora::study
