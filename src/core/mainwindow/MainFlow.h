#pragma once
// The main window's course as one state machine, as RunFlow is the run's. It owns what the
// window is doing (its mode), the five name boxes, the experiment chosen and what the window
// shows of it; the window's features only show that state and hand their inputs in. Each
// input is judged by the mode and by the question the window waits on; nothing waits in a
// handler: a question is asked through the View, and its answer comes back as an input.
// The one clock of the window, the status bar's time, is a deadline on the monotonic clock.
#include "core/mainwindow/LaunchCheck.h"
#include "core/mainwindow/MemoPanel.h"
#include "core/mainwindow/NameBoxModel.h"
#include "core/mainwindow/StatusClock.h"
#include "core/startup/SharedState.h"
#include "core/toolkit/Dialogs.h"
#include "core/toolkit/LockRetry.h"
#include "core/toolkit/Services.h"

#include <QObject>
#include <QStringList>

namespace vora {

class MainFlow : public QObject {
    Q_OBJECT
public:
    enum class Mode {
        NoSelection, // the selection view with no experiment that can run
        Registering, // the registration view: the name boxes can be edited
        Selected, // an experiment is chosen and its data file passed its check
        Launching, // the experiment window takes over; this window is on its way out
        Ended, // the program ends ("終わり", or a damaged data file): nothing more is handled
    };
    // The caption of the registration button (Command9).
    enum class RegistrationCaption { Register, EndRegistration, RegisterOrSelect };

    // What the window does for the flow. Calls never nest: each one comes from one input.
    class View {
    public:
        virtual ~View() = default;
        virtual void tell(const QString &text, MsgIcon icon) = 0; // OK only; nothing waits for it
        virtual void beep() = 0;
        virtual void askDeleteName() = 0; // answered by deleteAnswered()
        // OK only, and the window waits for it: answered by acknowledged().
        virtual void tellAndWait(const QString &text, MsgIcon icon) = 0;
        virtual void openExperimentWindow() = 0; // it replaces this window
        virtual void restartProgram() = 0; // a fresh instance starts, this one quits
        virtual void quit() = 0; // the program ends at once
        virtual QString memoText() const = 0; // Text1 as it stands, CR LF line breaks
    };

    MainFlow(View &view, Services &services, SharedState &state, QObject *parent = nullptr);

    // ---- the load (steps 6 to 8: selections and name lists) ----
    void load();
    // Tells what the load could not read or write, once, in one message.
    void reportLoadProblems();

    // ---- inputs ----
    void itemChosen(int box, int index); // an item picked from a name box's list
    void droppingDown(int box); // the list is about to open
    // A key typed into a name box (before it reaches the text): 13 Enter, 8 Backspace, else the
    // character; `text` is the box's text as it stands.
    void keyTyped(int box, int keyCode, const QString &text);
    void optionsChosen(int box, const QString &stimulusCode, const QString &hitDisplayCode);
    void registrationToggled(); // Command9
    void selectPressed(int box); // Command4 .. Command8
    void conditionsTicked(bool ticked); // Check1
    void memoUnlocked(); // double click on Text1
    void saveMemo(); // Command1
    void launch(); // Command10
    void showResults(); // Command13
    void endRequested(); // Command3
    void deleteAnswered(bool yes);
    void acknowledged(); // the message the window waits for was closed

    // The status bar's clock: monotonic ms of its next refresh, and its handler (early calls
    // re-arm and return; tests call it after moving a frozen clock).
    qint64 deadline() const { return m_clock.deadline(); }
    void onDeadline() { m_clock.onDeadline(); }

    // A write of the window (a name list, the selections, the condition memo) is waiting for
    // a lock another copy of the program holds: what would start another write, leave the
    // view or the window is off until it is done. Its retries, for tests on a frozen clock.
    bool writing() const { return m_writes.waiting(); }
    LockRetry &writes() { return m_writes; }

    // ---- state ----
    Mode mode() const { return m_mode; }
    // Inputs are taken: the window is not leaving and waits on no question.
    bool takesInput() const;
    bool questionOpen() const { return m_question != Question::None; }
    // Command9: off while the message on a name without its conditions is open.
    bool registrationEnabled() const { return m_question != Question::ConditionsMissing && !writing(); }
    const NameBox &box(int n) const { return m_boxes[n]; }
    QString experimentCaption() const { return m_caption; } // Label3
    bool experimentChosenOnce() const { return m_chosenOnce; } // Label3's tooltip changes
    // The preregistered study of the selected experiment, as the server last said.
    StudyStatus studyStatus() const;
    QString conditionsText() const { return m_conditionsText; } // Label18
    bool headingEnabled() const { return m_headingEnabled; } // Label2
    bool boxesHeadingEnabled() const { return m_boxesHeadingEnabled; } // Label5
    bool promptGrey() const { return m_promptGrey; } // Label4 in the selection view
    bool promptEnabled() const { return m_promptEnabled; }
    // The box whose select button is dark grey, the others the button face colour; 0 none,
    // -1 while no select button has been coloured yet.
    int highlightedBox() const { return m_highlightedBox; }
    bool memoCheckVisible() const { return m_memo.checkVisible(); } // Check1
    bool memoTicked() const { return m_memo.ticked(); }
    bool memoVisible() const { return m_memo.visible(); } // Text1
    bool memoEditable() const { return m_memo.editable(); }
    bool saveVisible() const { return m_memo.saveVisible(); } // Command1
    bool saveEnabled() const { return !writing(); }
    bool startEnabled() const { return m_startEnabled && !writing(); } // Command10
    bool resultsEnabled() const { return m_resultsEnabled && !writing(); } // Command13
    // A select button (its press may close the registration view, which stores the boxes).
    bool selectEnabled(int box) const { return m_boxes[box].selectEnabled && !writing(); }
    RegistrationCaption registrationCaption() const { return m_registrationCaption; }
    QString dateText() const; // the status bar's
    QString timeText() const;

Q_SIGNALS:
    void boxChanged(int box); // anything of box N
    void typedTextCleared(int box); // the name box's own text is emptied
    void windowChanged(); // anything of the window outside the boxes
    void memoReplaced(const QString &memo); // Text1 gets another text
    void registrationViewChanged(bool open); // the registration view opened or closed
    void clockChanged(); // the status bar's date and time

private:
    enum class Question { None, DeleteName, DataDamaged, ConditionsMissing };

    void answer(int box, const BoxReply &reply);
    // Runs `write` through the lock retries; `done` gets what became of it.
    void write(LockRetry::Write write, std::function<void(const FileResult &)> done);
    void openRegistration();
    void closeRegistration();
    void toggleRegistration();
    void chooseExperiment(const QString &caption);
    void loadExperiment(const QString &caption);
    void refuseDamagedData();
    void settleMode();
    void changedAll();

    View &m_view;
    Services &m_services;
    SharedState &m_state;
    NameBoxModel m_boxes;
    QStringList m_loadProblems;
    MemoPanel m_memo;

    Mode m_mode = Mode::NoSelection;
    Question m_question = Question::None;
    int m_selectedBox = 0; // the box whose select button chose the experiment; 0: none
    int m_deleteBox = 0; // the question's box and item
    int m_deleteIndex = -1;

    QString m_caption;
    bool m_chosenOnce = false;
    QString m_conditionsText = QString(10, QLatin1Char(' '));
    bool m_headingEnabled = false;
    bool m_boxesHeadingEnabled = true;
    bool m_promptGrey = false;
    bool m_promptEnabled = true;
    int m_highlightedBox = -1;
    bool m_startEnabled = false;
    bool m_resultsEnabled = false;
    RegistrationCaption m_registrationCaption = RegistrationCaption::Register;

    LockRetry m_writes;
    bool m_endAfterWrite = false; // "終わり" came while a write waited: it ends once that is done
    LaunchCheck m_launchCheck;
    StatusClock m_clock;
};

} // namespace vora
