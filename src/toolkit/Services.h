#pragma once
#include "toolkit/AppPaths.h"
#include "toolkit/Clock.h"
#include "toolkit/Dialogs.h"
#include "toolkit/FileStore.h"
#include "toolkit/Network.h"
#include "toolkit/Platform.h"
#include "toolkit/Random.h"
#include "toolkit/RunMirror.h"
#include "toolkit/Timing.h"

#include <memory>

namespace vora {

// Everything that waits, asks, sounds, touches the OS or the network, gathered for the
// windows. The start module creates the production set; tests build one of fakes.
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

    static Services production();
};

} // namespace vora
