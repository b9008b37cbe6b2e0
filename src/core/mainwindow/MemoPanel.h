#pragma once
// The conditions memo of the main window: the tick box that shows it (Check1), the box that
// holds it (Text1), editable after a double click, and its save button (Command1), which
// writes it into the chosen experiment's data file.
#include "core/startup/SharedState.h"
#include "core/toolkit/FileResult.h"
#include "core/toolkit/Services.h"

namespace vora {

class MemoPanel {
public:
    MemoPanel(Services &services, SharedState &state);

    bool checkVisible() const { return m_checkVisible; } // Check1
    bool ticked() const { return m_ticked; }
    bool visible() const { return m_visible; } // Text1
    bool editable() const { return m_editable; }
    bool saveVisible() const { return m_saveVisible; } // Command1

    // Ticks or unticks Check1; a tick that changes nothing does nothing.
    void tick(bool ticked);
    // Check1 as clicked: its effect even where the tick was already so.
    void clickTick(bool ticked);
    // A select button pressed: Check1 shows, unticked, and the memo is put away.
    void startSelection();
    // The chosen experiment's data file holds a memo: it is shown.
    void showStored();
    void hideCheck();
    // The view changes: Check1, the memo and its save button go.
    void hide();
    // The double click on Text1.
    void unlock();
    // Writes `text` into the chosen experiment's data file; it may be tried again while
    // another copy holds the file's lock. Nothing changes here until saved().
    FileResult save(const QString &text) const;
    // The write succeeded: the memo is locked again. On failure it stays as it is, so nothing
    // typed is lost.
    void saved();

private:
    Services &m_services;
    SharedState &m_state;
    bool m_checkVisible = false;
    bool m_ticked = false;
    bool m_visible = false;
    bool m_editable = false;
    bool m_saveVisible = false;
};

} // namespace vora
