#include "ui/results/ChartImageExport.h"

#include "core/results/ChartModel.h"
#include "core/toolkit/Cp932.h"
#include "core/toolkit/Services.h"
#include "ui/results/ChartBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPointer>
#include <QRegularExpression>
#include <QSaveFile>

namespace vora {

namespace {
// The texts of this file, under the translation context "ChartImageExport".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ChartImageExport)
};
} // namespace

namespace {

// Writes the picture whole or not at all, and says why when it cannot.
void writeChartImage(QWidget *parent, Dialogs &dialogs, QString path, const QImage &image)
{
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".png");
    QSaveFile file(path);
    QString error;
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
    } else {
        QImageWriter writer(&file, "png");
        if (!writer.write(image)) {
            error = writer.errorString();
            file.cancelWriting();
        } else if (!file.commit()) {
            error = file.errorString();
        }
    }
    if (!error.isEmpty())
        dialogs.tell(parent,
                     Texts::tr("グラフの画像を保存できませんでした。") + CRLF + CRLF + Texts::tr("保存先：")
                         + QDir::toNativeSeparators(path) + CRLF + Texts::tr("理由：") + error,
                     MsgIcon::Exclamation);
}

} // namespace

void saveChartImage(QWidget *parent, Services &sv, const QString &experimentName, ChartBox &box)
{
    QString title = box.model().titleCaption;
    title.remove(QChar(0x3000));
    title.remove(QLatin1Char(' '));
    title.remove(QRegularExpression(QStringLiteral("[()（）]")));
    const QString name =
        experimentName + QLatin1Char('_') + (title.isEmpty() ? box.objectName() : title) + QStringLiteral(".png");
    // The chart as it is now, when the user asked for it.
    const QImage image = box.image();
    sv.dialogs->saveFile(parent, ChartBox::saveActionText().chopped(1), sv.paths.file(name),
                         Texts::tr("PNG画像 (*.png)"),
                         [parent = QPointer<QWidget>(parent), dialogs = sv.dialogs, image](const QString &chosen) {
                             if (chosen.isEmpty())
                                 return;
                             writeChartImage(parent, *dialogs, chosen, image);
                         });
}

} // namespace vora
