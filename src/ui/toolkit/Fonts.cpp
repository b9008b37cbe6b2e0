#include "ui/toolkit/Fonts.h"

#include <QApplication>
#include <QFont>

namespace vora::fonts {

void install()
{
    // IPA Gothic is metric-compatible with MS Gothic; the proportional variant stands in
    // for MS P Gothic and for the default UI font.
    QFont::insertSubstitutions(msGothic(), {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                                            QStringLiteral("Noto Sans Mono CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), {QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QFont base(QStringLiteral("MS UI Gothic"));
    base.setPointSize(9);
    QApplication::setFont(base);
}

} // namespace vora::fonts
