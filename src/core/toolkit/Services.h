#pragma once
#include "core/toolkit/AppPaths.h"
#include "core/toolkit/Clock.h"
#include "core/toolkit/Dialogs.h"
#include "core/toolkit/FileStore.h"
#include "core/toolkit/Network.h"
#include "core/toolkit/Platform.h"
#include "core/toolkit/Random.h"
#include "core/toolkit/RunMirror.h"
#include "core/toolkit/Timing.h"

#include <memory>

namespace vora {

// Everything that waits, asks, sounds, touches the OS or the network, gathered for the
// windows. The program builds the production set (ui/toolkit/DesktopServices.h); tests build
// one of fakes.
struct Services {
    AppPaths paths;
    std::shared_ptr<FileStore> files;
    std::shared_ptr<Clock> clock;
    std::shared_ptr<RandomSource> random;
    std::shared_ptr<Dialogs> dialogs;
    std::shared_ptr<Sound> sound;
    std::shared_ptr<Shell> shell;
    std::shared_ptr<Process> process;
    std::shared_ptr<Network> network;
    Timing timing;
    // Copies saved runs to the study database; null when the program works alone.
    std::shared_ptr<RunMirror> mirror;
};

} // namespace vora
