#include "toolkit/FileStore.h"

#include "toolkit/Cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace vora {

namespace {

QString writeFailed(const QString &path, const QString &reason)
{
    return QStringLiteral("ファイル「%1」に書き込めませんでした。\r\n理由：%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// Pushes buffered bytes to the disk; a QIODevice that is not a file only needs its own flush.
bool syncDevice(QIODevice &device)
{
    if (auto *file = qobject_cast<QFileDevice *>(&device)) {
        if (!file->flush())
            return false;
        return ::fsync(file->handle()) == 0;
    }
    return true;
}

QByteArray encodeLines(const QStringList &lines, QString *bad)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    const cp932::Encoded enc = cp932::encode(text);
    if (!enc.ok) {
        *bad = enc.badCharacter;
        return QByteArray();
    }
    return enc.bytes;
}

} // namespace

QStringList splitLines(const QString &text)
{
    QStringList lines;
    QString current;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

QString FileStore::defaultWorkPath(const QString &path)
{
    return path + QStringLiteral(".work");
}

ReadResult FileStore::readLines(const QString &path) const
{
    ReadResult result;
    QFileInfo info(path);
    if (!info.exists()) {
        result.missing = true;
        return result;
    }
    if (info.isDir()) {
        result.message = QStringLiteral("「%1」はファイルではなくフォルダです。").arg(QDir::toNativeSeparators(path));
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.message = QStringLiteral("ファイル「%1」を読めませんでした。\r\n理由：%2")
                             .arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.message = QStringLiteral("ファイル「%1」を読めませんでした。\r\n理由：%2")
                             .arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    const cp932::Decoded decoded = cp932::decode(bytes);
    result.ok = true;
    result.damaged = decoded.damaged;
    result.lines = splitLines(decoded.text);
    return result;
}

bool FileStore::exists(const QString &path) const
{
    return QFileInfo::exists(path);
}

FileResult FileStore::ensureFolder(const QString &path)
{
    QFileInfo info(path);
    if (info.isDir())
        return {};
    if (info.exists() || !QDir().mkpath(path))
        return FileResult::failure(QStringLiteral("フォルダ「%1」を作れませんでした。")
                                       .arg(QDir::toNativeSeparators(path)));
    return {};
}

std::unique_ptr<QIODevice> FileStore::openForWriting(const QString &path, QIODevice::OpenMode mode)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(mode))
        return file; // the caller sees isOpen() == false and reads errorString()
    return file;
}

bool FileStore::renameOver(const QString &from, const QString &to, QString *error)
{
    // rename(2) replaces the target atomically: readers see the old or the new file, never neither.
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

FileResult FileStore::appendLine(const QString &path, const QString &line)
{
    const cp932::Encoded enc = cp932::encode(line + QStringLiteral("\r\n"));
    if (!enc.ok)
        return FileResult::failure(cp932::unencodableMessage(enc.badCharacter));

    QFileInfo info(path);
    if (info.isDir())
        return FileResult::failure(writeFailed(path, QStringLiteral("同じ名前のフォルダがあります")));
    const bool existed = info.exists();
    const qint64 originalSize = existed ? info.size() : 0;

    QByteArray bytes = enc.bytes;
    if (originalSize > 0) {
        // A file whose last line lacks its terminator would glue the new line onto it.
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly) && probe.seek(originalSize - 1)) {
            const QByteArray tail = probe.read(1);
            const char last = tail.isEmpty() ? '\n' : tail.at(0);
            if (last != '\n' && last != '\r')
                bytes.prepend("\r\n");
        }
    }

    std::unique_ptr<QIODevice> device = openForWriting(path, QIODevice::WriteOnly | QIODevice::Append);
    if (!device || !device->isOpen())
        return FileResult::failure(writeFailed(path, device ? device->errorString() : QString()));

    const qint64 written = device->write(bytes);
    const bool synced = written == bytes.size() && syncDevice(*device);
    const QString reason = device->errorString();
    device->close();
    if (!synced) {
        // Take back a partial line so the file holds whole records only.
        QFile undo(path);
        if (!existed)
            undo.remove(); // the failed append created it: leave no empty file behind
        else if (undo.exists() && undo.size() > originalSize)
            undo.resize(originalSize);
        return FileResult::failure(writeFailed(path, reason.isEmpty() ? QStringLiteral("書き込みが途中で止まりました") : reason));
    }
    return {};
}

FileResult FileStore::writeWorkFile(const QString &workPath, const QByteArray &bytes)
{
    std::unique_ptr<QIODevice> device = openForWriting(workPath, QIODevice::WriteOnly | QIODevice::Truncate);
    if (!device || !device->isOpen())
        return FileResult::failure(writeFailed(workPath, device ? device->errorString() : QString()));
    const qint64 written = device->write(bytes);
    const bool synced = written == bytes.size() && syncDevice(*device);
    const QString reason = device->errorString();
    device->close();
    if (!synced) {
        QFile::remove(workPath);
        return FileResult::failure(writeFailed(workPath, reason.isEmpty() ? QStringLiteral("書き込みが途中で止まりました") : reason));
    }
    return {};
}

FileResult FileStore::replaceAll(const QString &path, const QStringList &lines, const QString &workPath)
{
    QString bad;
    const QByteArray bytes = encodeLines(lines, &bad);
    if (!bad.isEmpty())
        return FileResult::failure(cp932::unencodableMessage(bad));
    if (QFileInfo(path).isDir())
        return FileResult::failure(writeFailed(path, QStringLiteral("同じ名前のフォルダがあります")));

    const QString work = workPath.isEmpty() ? defaultWorkPath(path) : workPath;
    FileResult wrote = writeWorkFile(work, bytes);
    if (!wrote)
        return wrote;
    QString error;
    if (!renameOver(work, path, &error)) {
        QFile::remove(work);
        return FileResult::failure(writeFailed(path, error));
    }
    return {};
}

FileResult FileStore::replaceBytes(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo(path).isDir())
        return FileResult::failure(writeFailed(path, QStringLiteral("同じ名前のフォルダがあります")));
    const QString work = defaultWorkPath(path);
    FileResult wrote = writeWorkFile(work, bytes);
    if (!wrote)
        return wrote;
    QString error;
    if (!renameOver(work, path, &error)) {
        QFile::remove(work);
        return FileResult::failure(writeFailed(path, error));
    }
    return {};
}

FileResult FileStore::copyOver(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return FileResult::failure(QStringLiteral("ファイル「%1」を読めませんでした。\r\n理由：%2")
                                       .arg(QDir::toNativeSeparators(from), source.errorString()));
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return FileResult::failure(QStringLiteral("ファイル「%1」を読めませんでした。\r\n理由：%2")
                                       .arg(QDir::toNativeSeparators(from), source.errorString()));
    const QString work = defaultWorkPath(to);
    FileResult wrote = writeWorkFile(work, bytes);
    if (!wrote)
        return wrote;
    QString error;
    if (!renameOver(work, to, &error)) {
        QFile::remove(work);
        return FileResult::failure(writeFailed(to, error));
    }
    return {};
}

} // namespace vora
