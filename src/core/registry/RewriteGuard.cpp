#include "core/registry/RewriteGuard.h"

#include "core/registry/DataFile.h"

#include "core/toolkit/Cp932.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vora {

namespace {
// The texts of this file, under the translation context "RewriteGuard".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RewriteGuard)
};
} // namespace

FileResult refuseUnencodable(const QString &text)
{
    const cp932::Encoded enc = cp932::encode(text);
    if (!enc.ok)
        return FileResult::failure(FileError::Unencodable, QString(), 0, enc.badCharacter);
    return {};
}

QString notReplacedMessage(const QString &path, const QString &reason)
{
    return Texts::tr(
               "データファイル「%1」を読めないため、書き換えを中止しました。ファイルはそのまま残っています。\r\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

FileResult refuseDamagedKeptLines(const QString &path, const ReadResult &read, const QStringList &kept)
{
    if (!read.damaged)
        return {};
    // Bytes the code page does not know were decoded to U+FFFD; writing them back would
    // change lines that must stay exactly as they are.
    for (const QString &line : kept) {
        if (line.contains(undecodableMark()))
            return FileResult::failure(
                Texts::tr(
                    "データファイル「%1」に文字として読めない部分があるため、書き換えを中止しました。ファイルはそのまま残っています。")
                    .arg(QDir::toNativeSeparators(path)));
    }
    return {};
}

FileResult editDataFile(FileStore &files, const AppPaths &paths, const QString &path,
                        const std::function<FileEdit(const ReadResult &current)> &edit)
{
    if (FileResult folder = files.ensureFolder(paths.dataFolder()); !folder)
        return folder;
    if (FileResult folder = files.ensureFolder(QFileInfo(path).absolutePath()); !folder)
        return folder;
    return files.editLines(path, edit);
}

// A lone CR or LF must not survive either: it would split the record over two file lines.
QString lineBreaksTo(const QString &text, const QString &mark)
{
    QString out;
    out.reserve(text.size());
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            out += mark;
            if (i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n')) {
            out += mark;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace vora
