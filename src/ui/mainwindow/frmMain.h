#pragma once
// The main window: five name boxes with their conditions, the registration view, the choice
// of the experiment to run, the results entry, help and exit, the update notice and the
// background pictures. Building it runs its load sequence.
#include "ui/registry/MainControls.h"

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

    // Whether the registration view is shown: the window's mode, which no control holds.
    bool registrationViewOpen() const { return m_c.registrationOpen; }
    BackgroundPictures &backgrounds() { return *m_backgrounds; }
    const UpdateNotice &updateNotice() const { return *m_updateNotice; }

    // The window's client area in twips: every control the window places fits inside.
    static constexpr int kWidthTwips = 12400;
    static constexpr int kHeightTwips = 9000;

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

    // The window's own controls; the features share theirs through m_c.
    QLabel *m_title = nullptr; // "VORＡ"
    QLabel *m_boxesNote = nullptr; // five boxes side by side
    QLabel *m_onePersonNote = nullptr; // one box for one person
    QLabel *m_version = nullptr; // version line, compared with the update page
    QPushButton *m_helpButton = nullptr;
    QStatusBar *m_statusBar = nullptr;

    NameBoxes *m_nameBoxes = nullptr;
    RegistrationView *m_registration = nullptr;
    SelectionLaunch *m_selection = nullptr;
    ResultsEntry *m_resultsEntry = nullptr;
    UpdateNotice *m_updateNotice = nullptr;
    BackgroundPictures *m_backgrounds = nullptr;

    QLabel *m_statusDate = nullptr;
    QLabel *m_statusTime = nullptr;
    QTimer *m_clockTimer = nullptr;
    QStringList m_loadProblems; // reported once, at the end of the load
};

} // namespace vora
