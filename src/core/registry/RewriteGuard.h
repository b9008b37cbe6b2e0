#pragma once
// Helpers shared by the registry's whole-file rewrites of data files. Internal to src/registry.
#include "core/toolkit/AppPaths.h"
#include "core/toolkit/FileStore.h"

#include <QString>
#include <QStringList>

namespace vora {

// Failure with the code page's message when `text` cannot be stored.
FileResult refuseUnencodable(const QString &text);
// Message for a data file that exists but could not be read, so it was left alone.
QString notReplacedMessage(const QString &path, const QString &reason);
// Refuses when lines that must stay unchanged hold bytes the code page could not decode.
FileResult refuseDamagedKeptLines(const QString &path, const ReadResult &read, const QStringList &kept);
// Rewrites the data file at `path` from its current content (read under the file's lock),
// creating the data folder as needed; see FileStore::editLines.
FileResult editDataFile(FileStore &files, const AppPaths &paths, const QString &path,
                        const std::function<FileEdit(const ReadResult &current)> &edit);
// Every line break (CR LF, lone CR, lone LF) of `text` replaced by `mark`.
QString lineBreaksTo(const QString &text, const QString &mark);

} // namespace vora
