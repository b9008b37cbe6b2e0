#pragma once
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <memory>

namespace vora {

// Outcome of a write. `message` is a Japanese text ready to show to the user.
struct FileResult {
    bool ok = true;
    QString message;
    static FileResult failure(const QString &message) { return {false, message}; }
    explicit operator bool() const { return ok; }
};

struct ReadResult {
    bool ok = false;       // the file was read (a missing file is not ok, but `missing` tells why)
    bool missing = false;  // no such file
    bool damaged = false;  // bytes that are not valid in the code page were met
    QStringList lines;     // decoded lines without their terminators
    QString message;       // why reading failed (Japanese), empty when ok or missing
};

// All text files of the program go through here: CP932, CR LF, whole lines.
// Whole-file rewrites write a complete work file, flush it to disk and rename it over
// the target, so the target is either the old or the new content, never partial.
// Subclasses may override the device hooks to inject faults in tests.
class FileStore {
public:
    virtual ~FileStore() = default;

    ReadResult readLines(const QString &path) const;
    // Appends one line plus CR LF. On any failure the file is left as it was.
    FileResult appendLine(const QString &path, const QString &line);
    // Replaces the whole file with `lines` (each followed by CR LF) through `workPath`
    // (default: the target's name + ".work" in the same folder). Never deletes the target first.
    FileResult replaceAll(const QString &path, const QStringList &lines, const QString &workPath = QString());
    // Replaces the whole file with `bytes` as they are, atomically in the same way: for files
    // of other formats (the UTF-8 report), which no code page conversion must touch.
    FileResult replaceBytes(const QString &path, const QByteArray &bytes);
    // Copies a binary file over a target, atomically in the same way.
    FileResult copyOver(const QString &from, const QString &to);
    FileResult ensureFolder(const QString &path);
    bool exists(const QString &path) const;

    static QString defaultWorkPath(const QString &path);

protected:
    virtual std::unique_ptr<QIODevice> openForWriting(const QString &path, QIODevice::OpenMode mode);
    virtual bool renameOver(const QString &from, const QString &to, QString *error);

private:
    FileResult writeWorkFile(const QString &workPath, const QByteArray &bytes);
};

// Splits decoded file text into lines: CR LF, lone CR and lone LF all end a line;
// a terminator at the very end does not start another (empty) line.
QStringList splitLines(const QString &text);

} // namespace vora
