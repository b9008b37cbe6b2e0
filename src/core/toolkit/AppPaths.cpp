#include "core/toolkit/AppPaths.h"

#include "core/toolkit/FileStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vora {

namespace {
// The help page is always delivered; where it lies tells where the delivered files are.
const QString kMarkerFile = QStringLiteral("esphelp2.htm");
} // namespace

AppPaths::AppPaths(const QString &programFolder) : m_folder(QDir::cleanPath(programFolder)), m_userFolder(m_folder)
{
}

AppPaths::AppPaths(const QString &deliveredFolder, const QString &userFolder)
    : m_folder(QDir::cleanPath(deliveredFolder)), m_userFolder(QDir::cleanPath(userFolder))
{
}

AppPaths AppPaths::fromApplication()
{
    const QString exe = QCoreApplication::applicationDirPath();
    return decide(exe, QFileInfo(exe).isWritable(), dataHomeFromEnvironment());
}

QString AppPaths::dataHome(const QString &xdgDataHome, const QString &homeFolder)
{
    // A relative value would make the folder depend on wherever the program was started.
    if (!xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome))
        return QDir::cleanPath(xdgDataHome);
    return QDir::cleanPath(homeFolder + QStringLiteral("/.local/share"));
}

QString AppPaths::dataHomeFromEnvironment()
{
    return dataHome(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
}

AppPaths AppPaths::decide(const QString &executableFolder, bool executableFolderWritable, const QString &dataHome)
{
    const QDir exe(executableFolder);
    const QString shared = QDir::cleanPath(exe.filePath(QStringLiteral("../share/vora")));
    const bool besideExe = QFileInfo(exe.filePath(kMarkerFile)).isFile();
    const bool installed = !besideExe && QFileInfo(QDir(shared).filePath(kMarkerFile)).isFile();
    if (!installed && executableFolderWritable)
        return AppPaths(executableFolder);
    return AppPaths(installed ? shared : executableFolder, QDir(dataHome).filePath(QStringLiteral("vora")));
}

QStringList AppPaths::readOnlyDeliveredFiles()
{
    QStringList names;
    for (int i = 0; i <= 9; ++i)
        names << QStringLiteral("yama%1s.jpg").arg(i);
    for (int i = 2; i <= 9; ++i)
        names << QStringLiteral("yama%1.jpg").arg(i);
    for (const char *stimulus : {"hebi", "mukade", "kemushi", "ari", "goki", "ha"})
        names << QStringLiteral("kage_%1.jpg").arg(QLatin1String(stimulus));
    names << QStringLiteral("vora_logo.jpg") << QStringLiteral("omedeto.jpg") << kMarkerFile;
    return names;
}

QStringList AppPaths::replaceableFiles()
{
    return {QStringLiteral("yama1.jpg")};
}

QString AppPaths::file(const QString &name) const
{
    static const QStringList readOnly = readOnlyDeliveredFiles();
    const QString &folder = readOnly.contains(name) ? m_folder : m_userFolder;
    return folder + QLatin1Char('/') + name;
}

QString AppPaths::dataFolder() const
{
    return file(QStringLiteral("data"));
}

QString AppPaths::dataFile(const QString &name) const
{
    return dataFolder() + QLatin1Char('/') + name;
}

FileResult AppPaths::prepareUserFolder(FileStore &files) const
{
    if (!separateUserFolder())
        return {};
    if (FileResult made = files.ensureFolder(m_userFolder); !made)
        return made;
    for (const QString &name : replaceableFiles()) {
        const QString copy = file(name);
        const QString delivered = m_folder + QLatin1Char('/') + name;
        if (files.exists(copy) || !files.exists(delivered))
            continue;
        if (FileResult copied = files.copyOver(delivered, copy); !copied)
            return copied;
    }
    return {};
}

} // namespace vora
