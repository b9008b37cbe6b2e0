#pragma once
#include <QWidget>

class QFrame;
class QLabel;

namespace vora {

// The start-up window: product name, subtitle, version, warning and credits.
// It does not react to clicks or keys.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(const QString &programFolder = QString(), QWidget *parent = nullptr);

    QFrame *fraMainFrame = nullptr;
    QLabel *picLogo = nullptr;
    QLabel *lblProductName = nullptr;
    QLabel *lblSubtitle = nullptr;
    QLabel *lblPlatform = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblWarning = nullptr;
    QLabel *lblCredit1 = nullptr;
    QLabel *lblCredit2 = nullptr;

    static QString logoFileName() { return QStringLiteral("vora_logo.jpg"); }
};

} // namespace vora
