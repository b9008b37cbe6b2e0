#pragma once
// The one result of every read and write of a file, with a code for what went wrong, and the
// one table that says it, in the program's language (Japanese, or a catalogue's): to the user
// as a whole message, and to vora-data's user as a short cause.
#include <QString>

namespace vora {

enum class FileError {
    None,
    // Reading, or finding something where a file belongs.
    Missing, // no such file
    Folder, // a folder stands where the file belongs
    NotRegular, // a pipe, device or socket stands there: never opened for reading
    TooLarge, // over the bound of a text file; nothing was kept
    PictureTooLarge, // over the bound of a picture
    Unreadable, // open or read failed (`error`)
    // Writing.
    NotWritten, // a write failed (`error`, or `detail` where the system gave no errno)
    FolderInPlace, // a folder stands where the file is to be written
    OtherInPlace, // a pipe, device or socket stands there
    LockNotRegular, // the lock file (`detail`) is a link, a pipe or a folder
    LockNotMade, // the lock file (`detail`) could not be made (`error`)
    LockBusy, // another copy of the program holds the lock
    FileInPlaceOfFolder, // a file stands where the folder (`path`) is to be made
    FolderNotMade, // the folder (`path`) could not be made (`error`)
    Unencodable, // text the code page cannot hold (`detail`: the first such character)
    Refused, // the file's own rules: `message` says why
};

// Who reads a failure: the program's user (a whole message, translated by the catalogues) or
// vora-data's (the cause alone, for a line that names the file itself).
enum class Audience { User, Tool };

struct FileResult {
    bool ok = true;
    QString message; // the user's message, ready to show; empty when ok
    FileError code = FileError::None;
    int error = 0; // the errno value, where the system gave one
    QString path; // the file (or folder) concerned
    QString detail; // see the codes

    explicit operator bool() const { return ok; }
    // A refusal in the caller's own words.
    static FileResult failure(const QString &message);
    // A failure with its code; the message comes from the table.
    static FileResult failure(FileError code, const QString &path, int error = 0, const QString &detail = QString());
    // The failure as the table says it: to the user the whole message, naming the file; to
    // vora-data's user the cause alone ("ファイルがありません", in English "no such file").
    QString text(Audience audience) const;
};

// The cause a system error (an errno value) stands for; 0 is an error of unknown cause.
QString systemErrorText(int error, Audience audience);

} // namespace vora
