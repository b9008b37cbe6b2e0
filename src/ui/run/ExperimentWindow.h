#pragma once
// Builds the experiment window for the start module.
class QWidget;

namespace vora {

class Module1;

// A new toushiJikken whose load has run; the caller shows it.
QWidget *makeExperimentWindow(Module1 &module);

} // namespace vora
