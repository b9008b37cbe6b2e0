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

    static QString logoFileName() { return QStringLiteral("vora_logo.jpg"); }

private:
    QFrame *m_frame = nullptr;
    QLabel *m_logo = nullptr;
    QLabel *m_productName = nullptr;
    QLabel *m_subtitle = nullptr;
    QLabel *m_platform = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_warning = nullptr;
    QLabel *m_credit1 = nullptr;
    QLabel *m_credit2 = nullptr;
};

} // namespace vora
