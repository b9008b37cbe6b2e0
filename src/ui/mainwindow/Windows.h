#pragma once

namespace vora {

class Module1;

// Tells the start module how to build the main window and the experiment window.
void registerWindows(Module1 &module);

} // namespace vora
