#include "ui/toolkit/Translations.h"

#include "core/toolkit/Language.h"

namespace vora::translations {

QString install()
{
    language::install(language::chosen());
    return language::current();
}

} // namespace vora::translations
