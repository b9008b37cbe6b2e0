#pragma once
// The study database's schema, version 2, as SQL run by `vora-data study init` (and, its
// tables part, by any program that finds the database empty and may create tables).
//
//   vora_schema       one row per schema version installed (the next versions add theirs)
//   vora_runs         one row per run: the key, the 261 record columns, the seal, and the
//                     columns a BEFORE INSERT trigger parses from the record (date, start time,
//                     stimulus, hit display, targets and inputs as bit(100), hits) with the
//                     per-run tallies the pooled figures add up on the server. Append-only: a
//                     trigger refuses UPDATE, DELETE and TRUNCATE, for the owner too.
//   vora_corrections  remarks on stored runs ("exclude", "note"), added as rows, append-only
//   vora_heads        each push's latest seal head per site and experiment, append-only
//   vora_protocols    preregistered protocols: the file as text under its SHA-256 (checked by
//                     the server), the server's time of registration; append-only
//   vora_looks        every interim call: who, when, trials, the point analysed, the decision;
//                     append-only
//   vora_trials       a view: one row per trial (site, experiment, run, trial, target, input, hit)
//   roles             vora_site (members insert rows of their own name only: row-level
//                     security), vora_analyst (reads everything, writes nothing)
//
// Every statement is idempotent: init can be run again at any time, also over a table that
// an earlier version of the program created with its first six columns only.
#include <QString>
#include <QStringList>

namespace vora::study {

constexpr int kSchemaVersion = 2;

// The tables, functions, triggers, view and indexes; needs the right to create tables.
QStringList schemaTableStatements();
// Roles, grants and row-level security; needs CREATEROLE and ownership of the tables.
QStringList schemaAccessStatements();

// The group roles the access statements create.
inline QString siteGroupRole()
{
    return QStringLiteral("vora_site");
}
inline QString analystRole()
{
    return QStringLiteral("vora_analyst");
}

} // namespace vora::study
