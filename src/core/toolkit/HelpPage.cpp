#include "core/toolkit/HelpPage.h"

#include "core/toolkit/FileStore.h"

#include <QCoreApplication>
#include <QDir>

namespace vora {

namespace {
// The texts of this file, under the translation context "HelpPage".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(HelpPage)
};
} // namespace

QString helpFileName()
{
    return QStringLiteral("esphelp2.htm");
}

QString openHelpPage(Shell &shell, const AppPaths &paths)
{
    const QString path = paths.file(helpFileName());
    const QString lead = Texts::tr("ヘルプのページを開けませんでした。\r\n");
    // A page that is not there would only make the desktop show an error of its own, or nothing.
    const BytesRead page = FileStore::readBytes(path, 0);
    if (!page && page.code != FileError::TooLarge)
        return lead + page.message;
    if (!shell.openDocument(path))
        return lead + Texts::tr("HTMLのページを開くプログラム（ウェブブラウザ）が見つかりません。\r\nファイル：")
               + QDir::toNativeSeparators(path);
    return QString();
}

} // namespace vora
