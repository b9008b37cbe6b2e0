#include "ui/toolkit/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vora::translations {

bool install()
{
    auto *app = QCoreApplication::instance();
    if (!app)
        return false;
    // The program speaks Japanese whatever the desktop's language, so the name is fixed
    // rather than taken from the locale.
    auto *qt = new QTranslator(app);
    if (!qt->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    return QCoreApplication::installTranslator(qt);
}

} // namespace vora::translations
