#pragma once
// The main window: five name boxes with their conditions, the registration view, the choice
// of the experiment to run, the results entry, help and exit, the update notice and the
// background pictures. Building it runs its load sequence.
#include "registry/MainControls.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;

namespace vora {

class BackgroundPictures;
class Module1;
class NameBoxes;
class RegistrationView;
class ResultsEntry;
class SelectionLaunch;
class UpdateFetch;
class UpdateNotice;

class frmMain : public QWidget {
    Q_OBJECT
public:
    // `fetch`: the update fetch the start module began with the splash (none: the window
    // starts its own).
    explicit frmMain(Module1 &module, UpdateFetch *fetch = nullptr, QWidget *parent = nullptr);
    ~frmMain() override;

    MainControls &controls() { return m_c; }

    // The window's client area in twips: every control the window places fits inside.
    static constexpr int kWidthTwips = 12400;
    static constexpr int kHeightTwips = 9000;

    QLabel *Label1 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label9 = nullptr;
    QPushButton *Command15 = nullptr;
    QStatusBar *sbStatusBar = nullptr;

    NameBoxes *nameBoxes = nullptr;
    RegistrationView *registration = nullptr;
    SelectionLaunch *selection = nullptr;
    ResultsEntry *resultsEntry = nullptr;
    UpdateNotice *updateNotice = nullptr;
    BackgroundPictures *backgrounds = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void buildControls();
    void buildNameBox(int box);
    void buildStatusBar();
    void load();
    void restoreSelections();
    void showSelection(int box, const QString &name, const QString &stimulus, const QString &hit);
    void fillNameLists();
    void updateClock();

    Module1 &m_module;
    MainControls m_c;
    QLabel *m_statusDate = nullptr;
    QLabel *m_statusTime = nullptr;
    QTimer *m_clockTimer = nullptr;
    QStringList m_loadProblems; // reported once, at the end of the load
};

} // namespace vora
