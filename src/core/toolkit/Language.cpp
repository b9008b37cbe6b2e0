#include "core/toolkit/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace vora::language {

namespace {

struct Installed {
    QString code = source();
    QPointer<QTranslator> own;
    QPointer<QTranslator> qt;
};

Installed &installed()
{
    static Installed state;
    return state;
}

QString catalogueName(const QString &code)
{
    return QStringLiteral("vora_") + code + QStringLiteral(".qm");
}

// "en-US", "en_GB", "en" -> "en".
QString languagePart(const QString &name)
{
    QString code = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    return code.toLower();
}

void drop(QPointer<QTranslator> &t)
{
    if (t) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

QTranslator *load(const QString &file, const QStringList &folders)
{
    auto *t = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : folders)
        if (t->load(file, folder))
            return t;
    delete t;
    return nullptr;
}

} // namespace

QStringList catalogueFolders()
{
    QStringList folders;
    const QString fromEnv = qEnvironmentVariable("VORA_TRANSLATIONS_DIR");
    if (!fromEnv.isEmpty())
        folders << fromEnv;
    if (QCoreApplication::instance()) {
        const QString exe = QCoreApplication::applicationDirPath();
        folders << exe + QStringLiteral("/translations");
        folders << QDir::cleanPath(exe + QStringLiteral("/../share/qt6/translations"));
    }
    folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    folders.removeDuplicates();
    return folders;
}

bool available(const QString &code)
{
    if (code == source())
        return true;
    if (code.isEmpty() || code.contains(QLatin1Char('/')) || code.contains(QLatin1Char('.')))
        return false;
    for (const QString &folder : catalogueFolders())
        if (QFileInfo(QDir(folder).filePath(catalogueName(code))).isFile())
            return true;
    return false;
}

QString choose(const QString &override, const QStringList &uiLanguages, bool cLocale)
{
    const QString wanted = override.trimmed().toLower();
    if (!wanted.isEmpty() && available(wanted))
        return wanted;
    if (cLocale)
        return source();
    for (const QString &name : uiLanguages) {
        const QString code = languagePart(name);
        if (code == source() || available(code))
            return code;
    }
    return source();
}

QString chosen()
{
    const QLocale locale = QLocale::system();
    return choose(qEnvironmentVariable("VORA_LANG"), locale.uiLanguages(), locale.language() == QLocale::C);
}

bool install(const QString &code)
{
    Installed &state = installed();
    if (!QCoreApplication::instance())
        return false;
    drop(state.own);
    drop(state.qt);
    state.code = source();
    const QStringList folders = catalogueFolders();
    if (code != source()) {
        state.own = load(catalogueName(code), folders);
        if (state.own) {
            QCoreApplication::installTranslator(state.own);
            state.code = code;
        }
    }
    // Qt's own buttons and dialogs follow; without Qt's catalogue they stay in Qt's English.
    state.qt = load(QStringLiteral("qtbase_") + state.code, {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    if (state.qt)
        QCoreApplication::installTranslator(state.qt);
    return state.code == code;
}

QString current()
{
    return installed().code;
}

Scope::Scope(const QString &code) : m_previous(current())
{
    if (code != m_previous) {
        install(code);
        m_changed = true;
    }
}

Scope::~Scope()
{
    if (m_changed)
        install(m_previous);
}

} // namespace vora::language
