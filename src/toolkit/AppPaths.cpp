#include "toolkit/AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace vora {

AppPaths::AppPaths(const QString &programFolder)
    : m_folder(QDir::cleanPath(programFolder)) {}

AppPaths AppPaths::fromApplication()
{
    return AppPaths(QCoreApplication::applicationDirPath());
}

QString AppPaths::file(const QString &name) const
{
    return m_folder + QLatin1Char('/') + name;
}

QString AppPaths::dataFolder() const
{
    return file(QStringLiteral("data"));
}

QString AppPaths::dataFile(const QString &name) const
{
    return dataFolder() + QLatin1Char('/') + name;
}

} // namespace vora
