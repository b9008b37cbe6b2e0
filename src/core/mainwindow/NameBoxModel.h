#pragma once
// The five name boxes as the main window holds them: each box's list of names, its select
// button, its condition options and run counts, and the lines of its list file that give no
// name; read from the selection and list files at load, edited by the user in the
// registration view, and stored when the view closes. The window's controls only show this.
#include "core/registry/NameList.h"
#include "core/startup/SharedState.h"
#include "core/toolkit/Dialogs.h"
#include "core/toolkit/Services.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

namespace vora {

constexpr int kNameBoxes = 5;

struct NameBox {
    QStringList items; // the list, in order ("Yama090425-SD3")
    KeptListLines kept; // lines of the list file that give no item
    // Why the list file could not be read at load (naming the file); empty when it was read.
    // Such a list is never rewritten, or the names in it would be lost.
    QString listRefused;
    QString caption; // the select button
    bool selectEnabled = true;
    BoxSelection remembered; // the name and codes the select button was last given
    QString stimulus; // code of the ticked stimulus option ("S", "M", "B", "n"); empty: none
    QString hitDisplay; // code of the ticked hit display option ("D", "-"); empty: none
    bool conditionsEnabled = false; // the condition frames: only while a new name is typed
    QString runs; // runs done, with one leading space (" 3"); empty before any count
    QString lastDate; // date of the last run, "-" when none

    // The name on the select button, without padding.
    QString selectedName() const;
    // Ticks the option of a code; any other code ticks nothing (and clears nothing).
    void tickStimulus(const QString &code);
    void tickHitDisplay(const QString &code);
    void clearOptions();
    // "0" when the ticked stimulus is none, else "1": which data file the box's name counts.
    QString fileSuffix() const;
    // The conditions the name on the select button was registered with (see
    // registeredSelection); an empty name when the button is empty or the list lacks it.
    BoxSelection registeredSelection() const;
    // Writes the list file: the items and the kept lines. Refused for a list that could not be
    // read at load.
    FileResult writeList(FileStore &files, const AppPaths &paths, int box) const;
};

// What an edit of a box asks of the window, in this order.
struct BoxReply {
    bool textCleared = false; // the box's own typed text is emptied
    bool beep = false;
    QString message; // told with `icon`; empty: nothing to tell
    MsgIcon icon = MsgIcon::None;
    bool waits = false; // the message is one the window waits for (the registration button is off)
    bool askDelete = false; // the user means to delete the item chosen: the question is put
    int writeList = 0; // the box whose list file is to be written now (writeList()); 0: none
};

class NameBoxModel {
public:
    // The edits write the conditions they take into `state`, as the selection does.
    NameBoxModel(Services &services, SharedState &state);

    // Boxes 1 to 5.
    NameBox &operator[](int box) { return m_boxes.at(box); }
    const NameBox &operator[](int box) const { return m_boxes.at(box); }

    // ---- files ----
    // Load steps 6 to 8: the selections (a first run makes box 1's name), then the lists.
    // Returns what could not be read or written, one message each.
    QStringList load();
    // The view closes: each box settles on the conditions it stores, and the selections to
    // be written are given back. Changes the boxes and the experiment's conditions: once.
    QVector<BoxSelection> settleForStore();
    // Writes the selection file and every readable list. Not ok with the message of all that
    // was not stored; its code is LockBusy when another copy's lock kept a file from being
    // written (nothing half-written: the write may simply be tried again).
    FileResult store(const QVector<BoxSelection> &selections);
    // Writes the list file of a box as it stands now (after an edit's `writeList`).
    FileResult writeList(int box);
    // What the user is told when the list of a box could not be written.
    static QString listNotSavedMessage(int box, const FileResult &result);

    // ---- edits ----
    void choose(int box, int index); // an item picked from the list
    void dropDown(int box); // the list is about to open: the counts are refreshed
    void setOptions(int box, const QString &stimulusCode, const QString &hitDisplayCode);
    // A key typed into the box (13 Enter, 8 Backspace, else the character); `text` is the box's
    // text as it stands.
    BoxReply keyTyped(int box, int keyCode, const QString &text);
    // The item a delete question is about: the one chosen in this box, as long as it is
    // still there; -1 when there is none.
    int deletableIndex(int box) const;
    BoxReply deleteItem(int box, int index); // the question was answered Yes
    // The registration view closes: every select button is enabled, no condition can be chosen.
    void endEditing();
    // The box's ticked options become the conditions of the experiment (a kind with no tick
    // leaves its condition as it is).
    void takeConditions(int box);

    // Where a name stands in the boxes: each box whose list or select button holds it, with
    // the conditions it holds it under (one entry per box, its first).
    struct Holding {
        int box = 0;
        QString stimulusCode;
        QString hitDisplayCode;
    };
    QVector<Holding> holdingsOf(const QString &name) const;

private:
    void restoreSelections(QStringList &problems);
    void readLists(QStringList &problems);
    void showSelection(int box, const BoxSelection &selection);
    void showRunCount(int box, const QString &name, const QString &suffix);
    void registerName(int box, const QString &text, BoxReply &reply);
    void takeConditions(const QString &stimulusCode, const QString &hitDisplayCode);

    Services &m_services;
    SharedState &m_state;
    std::array<NameBox, kNameBoxes + 1> m_boxes; // element 0 is never used
    QString m_selectionRefused; // the selection file could not be read: it is never rewritten
    // The item last chosen from a list; a deletion in another box does not touch it.
    int m_chosenBox = 0;
    int m_chosenIndex = -1;
    QString m_chosenText;
    bool m_justRegistered = false; // Enter on the box emptied by a registration deletes nothing
};

} // namespace vora
