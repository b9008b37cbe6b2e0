#pragma once
// The main window: five name boxes with their conditions, the registration view, the choice
// of the experiment to run, the results entry, help and exit, the update notice and the
// background pictures. Its state is a MainFlow; each feature shows that state with controls
// of its own and hands the flow its inputs. Building the window runs its load sequence.
#include "core/mainwindow/MainFlow.h"

#include <QWidget>

#include <memory>

class QLabel;
class QStatusBar;

namespace vora {

class BackgroundPictures;
class Module1;
class NameBoxes;
class RegistrationView;
class ResultsEntry;
class SelectionLaunch;
class UpdateFetch;
class UpdateNotice;

class frmMain : public QWidget, private MainFlow::View {
    Q_OBJECT
public:
    // `fetch`: the update fetch the start module began with the splash (none: the window
    // starts its own).
    explicit frmMain(Module1 &module, UpdateFetch *fetch = nullptr, QWidget *parent = nullptr);
    ~frmMain() override;

    const MainFlow &flow() const { return *m_flow; }
    MainFlow &flow() { return *m_flow; }
    bool registrationViewOpen() const { return m_flow->mode() == MainFlow::Mode::Registering; }
    BackgroundPictures &backgrounds() { return *m_backgrounds; }
    const UpdateNotice &updateNotice() const { return *m_updateNotice; }

    // The window's client area in twips: every control the window places fits inside.
    static constexpr int kWidthTwips = 12400;
    static constexpr int kHeightTwips = 9000;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct Ui;
    void load();
    void updateClock();

    // MainFlow::View
    void tell(const QString &text, MsgIcon icon) override;
    void beep() override;
    void askDeleteName() override;
    void tellAndWait(const QString &text, MsgIcon icon) override;
    void openExperimentWindow() override;
    void restartProgram() override;
    void quit() override;
    QString memoText() const override;

    Module1 &m_module;
    std::unique_ptr<MainFlow> m_flow;
    std::unique_ptr<Ui> m_ui; // the controls, built in the window's own order

    NameBoxes *m_nameBoxes = nullptr;
    RegistrationView *m_registration = nullptr;
    SelectionLaunch *m_selection = nullptr;
    ResultsEntry *m_resultsEntry = nullptr;
    UpdateNotice *m_updateNotice = nullptr;
    BackgroundPictures *m_backgrounds = nullptr;
};

} // namespace vora
