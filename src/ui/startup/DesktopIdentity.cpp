#include "ui/startup/DesktopIdentity.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

namespace vora::desktop {

QString appId()
{
    return QStringLiteral(VORA_APP_ID);
}

QIcon iconFrom(const QString &iconFolder, const QString &id)
{
    static const QRegularExpression sizeName(QStringLiteral("^(\\d+)x\\1$"));
    QIcon icon;
    const QDir theme(QDir(iconFolder).filePath(QStringLiteral("hicolor")));
    for (const QString &sizeFolder : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch m = sizeName.match(sizeFolder);
        const QString file = theme.filePath(sizeFolder + QStringLiteral("/apps/") + id + QStringLiteral(".png"));
        if (m.hasMatch() && QFileInfo(file).isFile()) {
            const int size = m.captured(1).toInt();
            icon.addFile(file, QSize(size, size));
        }
    }
    return icon;
}

QIcon programIcon(const QString &executableFolder)
{
    const QIcon themed = QIcon::fromTheme(appId());
    if (!themed.isNull())
        return themed;
    const QDir exe(executableFolder);
    for (const char *folder : {"../share/icons", "../icons"}) {
        const QIcon icon = iconFrom(QDir::cleanPath(exe.filePath(QLatin1String(folder))), appId());
        if (!icon.isNull())
            return icon;
    }
    return {};
}

void applyIdentity(const QString &executableFolder)
{
    QGuiApplication::setDesktopFileName(appId());
    QGuiApplication::setWindowIcon(programIcon(executableFolder));
}

} // namespace vora::desktop
