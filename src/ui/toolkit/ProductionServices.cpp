#include "ui/toolkit/DesktopServices.h"

#include <cstdio>

namespace vora {

Services productionServices()
{
    Services s;
    s.paths = AppPaths::fromApplication();
    s.files = std::make_shared<FileStore>();
    s.clock = std::make_shared<SystemClock>();
    s.random = std::make_shared<SystemRandom>();
    s.dialogs = std::make_shared<QtDialogs>();
    s.sound = std::make_shared<SystemSound>();
    s.shell = std::make_shared<DesktopShell>();
    s.process = std::make_shared<SystemProcess>();
    s.network = std::make_shared<QtNetwork>();
    // A folder that cannot be made shows itself at the first write, which reports it; the
    // window still opens.
    if (const FileResult prepared = s.paths.prepareUserFolder(*s.files); !prepared)
        std::fprintf(stderr, "%s\n", qPrintable(prepared.message));
    // From here on the writes come from the windows, which never wait for another copy's
    // lock: a busy lock refuses at once and the feature tries again on a deadline.
    s.files->setLockWait(LockWait::TryOnce);
    return s;
}

} // namespace vora
