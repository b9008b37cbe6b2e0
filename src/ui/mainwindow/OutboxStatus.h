#pragma once
// The status bar's note of runs not yet delivered to the study database.
#include "core/toolkit/RunMirror.h"

#include <memory>

class QStatusBar;

namespace vora {

// Adds the label "StudyOutbox" to `bar`: 「未送信 N件」 while runs wait, hidden otherwise;
// its tooltip says why the last delivery failed. Also shows the settings warning once.
// Does nothing without a mirror.
void attachOutboxStatus(QStatusBar *bar, const std::shared_ptr<RunMirror> &mirror);

} // namespace vora
