#pragma once
// The five name boxes as the main window holds them: each box's list of names, its select
// button, its condition options and run counts, and the lines of its list file that give no
// name. The window's controls only show this.
#include "core/registry/NameList.h"

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

class NameBoxModel {
public:
    // Boxes 1 to 5.
    NameBox &operator[](int box) { return m_boxes.at(box); }
    const NameBox &operator[](int box) const { return m_boxes.at(box); }

    // Where a name stands in the boxes: each box whose list or select button holds it, with
    // the conditions it holds it under (one entry per box, its first).
    struct Holding {
        int box = 0;
        QString stimulusCode;
        QString hitDisplayCode;
    };
    QVector<Holding> holdingsOf(const QString &name) const;

private:
    std::array<NameBox, kNameBoxes + 1> m_boxes; // element 0 is never used
};

} // namespace vora
