#pragma once
// The five experiment-name boxes: choosing an item, the drop-down refresh of the run counts,
// typed keys with registration and deletion of names.
#include <QObject>
#include <QString>

namespace vora {

class Module1;
struct MainControls;

class NameBoxes : public QObject {
    Q_OBJECT
public:
    NameBoxes(Module1 &module, MainControls &controls, QObject *parent = nullptr);

    void itemChosen(int box, int index);
    void droppingDown(int box);
    void keyTyped(int box, int keyCode);

    // Shows the run count and last date of a name's data file under box N.
    void showRunCount(int box, const QString &name, const QString &suffix);

    // The item a deletion may remove: chosen in `box` and still at its place in the list.
    int deletableIndex(int box) const;

private:
    void enterPressed(int box);
    void deleteChosenItem(int box);
    void registerName(int box, const QString &text);
    void writeList(int box);
    void report(const QString &text);

    Module1 &m_module;
    MainControls &m_c;
    // The item last chosen from a list; a deletion in another box does not touch it.
    int m_chosenBox = 0;
    int m_chosenIndex = -1;
    QString m_chosenText;
    bool m_justRegistered = false;
};

// Messages of box N (1 to 5).
QString conditionMessage(int box);
QString lengthMessage(int box);
// A name that box N already holds.
QString nameInUseMessage(const QString &name, int box);
// Box N's list file could not be read at load (`why` names the file and the cause).
QString unreadableListMessage(int box, const QString &why);

} // namespace vora
