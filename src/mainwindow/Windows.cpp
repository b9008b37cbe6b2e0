#include "mainwindow/Windows.h"

#include "startup/Module1.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vora {

namespace {
// Stands in for the main window until it is built.
QWidget *makePlaceholderMain(Module1 &)
{
    auto *w = new QWidget();
    w->setObjectName(QStringLiteral("frmMain"));
    w->setWindowTitle(QStringLiteral("VORA"));
    auto *layout = new QVBoxLayout(w);
    auto *label = new QLabel(QStringLiteral("VORＡ　超能力の実験、測定、訓練システム\n（準備中）"), w);
    QFont f = label->font();
    f.setPointSize(16);
    label->setFont(f);
    layout->addWidget(label);
    w->resize(640, 360);
    return w;
}
} // namespace

void registerWindows(Module1 &module)
{
    module.setMainWindowFactory(makePlaceholderMain);
}

} // namespace vora
