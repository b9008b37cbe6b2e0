#include "mainwindow/Windows.h"

#include "mainwindow/frmMain.h"
#include "run/ExperimentWindow.h"
#include "startup/Module1.h"

namespace vora {

void registerWindows(Module1 &module)
{
    // Building the main window runs its load sequence.
    module.setMainWindowFactory([](Module1 &m) -> QWidget * { return new frmMain(m); });
    module.setExperimentWindowFactory(makeExperimentWindow);
}

} // namespace vora
