#pragma once
// Whether the chosen experiment may run, judged when "実験の開始" is pressed: runs left, its
// name not held by an earlier box under other conditions, its study still open, and its data
// file as it is now taking one more run.
#include "core/mainwindow/NameBoxModel.h"
#include "core/startup/SharedState.h"
#include "core/toolkit/Dialogs.h"
#include "core/toolkit/Services.h"

#include <QString>

namespace vora {

class LaunchCheck {
public:
    // What stops the launch, as the user is told it; an empty message: nothing does.
    struct Refusal {
        QString message;
        MsgIcon icon = MsgIcon::None;
    };

    LaunchCheck(const Services &services, const SharedState &state, const NameBoxModel &boxes);

    // `selectedBox`: the box whose select button chose the experiment.
    Refusal refusal(int selectedBox) const;
    // The preregistered study of the chosen experiment, as the server last said.
    StudyStatus studyStatus() const;

private:
    QString conditionsRefusal(int selectedBox) const;

    const Services &m_services;
    const SharedState &m_state;
    const NameBoxModel &m_boxes;
};

} // namespace vora
