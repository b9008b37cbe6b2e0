#include "ui/mainwindow/Windows.h"

#include "core/mainwindow/UpdateFetch.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/run/ExperimentWindow.h"
#include "ui/startup/Module1.h"

namespace vora {

void registerWindows(Module1 &module)
{
    // The update page is fetched while the splash waits; the first load of the main window
    // takes over that fetch, later loads start their own.
    auto *fetch = new UpdateFetch(module.services(), &module);
    QObject::connect(&module, &Module1::splashShown, fetch, &UpdateFetch::start);
    // Building the main window runs its load sequence.
    module.setMainWindowFactory([fetch](Module1 &m) -> QWidget * { return new frmMain(m, fetch); });
    module.setExperimentWindowFactory(makeExperimentWindow);
}

} // namespace vora
