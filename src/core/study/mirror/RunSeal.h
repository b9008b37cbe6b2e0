#pragma once
// The chained seal hash of each run of a data file, as the mirror sends it.
#include <QHash>
#include <QString>

namespace vora::study {

// Run number (1-based) -> chained hash (hex) of every sealed run of `dataFilePath`.
// Runs without a seal entry, and every run of a file whose chain does not verify, are absent.
QHash<int, QString> chainedHashes(const QString &dataFilePath);

} // namespace vora::study
