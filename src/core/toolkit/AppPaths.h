#pragma once
#include <QString>
#include <QStringList>

namespace vora {

class FileStore;
struct FileResult;

// Where the program's files live; nothing else builds a path to them.
//
// Run from a build or an unpacked folder, everything lies in the program folder beside the
// executable, as it always has. An installed program cannot write beside itself: its
// delivered pictures and help page are read from share/vora, and everything it writes (data/,
// name lists, selection file, update copy, update-site.txt, the picture the user may replace)
// lives in the per-user folder $XDG_DATA_HOME/vora.
class AppPaths {
public:
    AppPaths() = default;
    // Everything in one folder (a build, an unpacked folder, a test's temporary folder).
    explicit AppPaths(const QString &programFolder);
    // Delivered files in `deliveredFolder`, everything written in `userFolder`.
    AppPaths(const QString &deliveredFolder, const QString &userFolder);

    static AppPaths fromApplication();
    // The decision behind fromApplication(): the delivered files are looked for beside the
    // executable, then in ../share/vora; the per-user folder ("vora" in `dataHome`) is used
    // when they are not beside the executable or its folder is not writable.
    static AppPaths decide(const QString &executableFolder, bool executableFolderWritable, const QString &dataHome);
    // The base folder of per-user data by the XDG rule: $XDG_DATA_HOME when it is an absolute
    // path; unset, empty or relative, it is ignored for `homeFolder`/.local/share.
    static QString dataHome(const QString &xdgDataHome, const QString &homeFolder);
    // The same from the environment and the user's home folder.
    static QString dataHomeFromEnvironment();

    // The folder of the delivered pictures and help page (the program folder of a build).
    QString folder() const { return m_folder; }
    // Where the program writes; the program folder itself unless the files are split.
    QString userFolder() const { return m_userFolder; }
    bool separateUserFolder() const { return m_userFolder != m_folder; }

    // A file by name ("Combo1.txt", "yama3.jpg", "esphelp2.htm", ...): a delivered file that
    // is only read comes from folder(), anything else belongs to userFolder().
    QString file(const QString &name) const;
    QString dataFolder() const;
    QString dataFile(const QString &name) const;

    // Files the build delivers and the program only reads.
    static QStringList readOnlyDeliveredFiles();
    // Delivered pictures the user may replace: with a separate user folder they are copied
    // there before first use and read from there.
    static QStringList replaceableFiles();
    // Makes the per-user folder and copies the replaceable pictures into it when missing.
    // Nothing to do without a separate user folder.
    FileResult prepareUserFolder(FileStore &files) const;

private:
    QString m_folder;
    QString m_userFolder;
};

} // namespace vora
