#pragma once
// Browsing the stored runs from the results view: "<" and ">" step one run, "<<" and ">>"
// pass the runs by one after another (a double click: faster) until the first or the last.
#include <QObject>
#include <optional>

class QPushButton;
class QTimer;
class QWidget;

namespace vora {

class Module1;

class RunBrowser : public QObject {
    Q_OBJECT
public:
    // What the browser needs of the results view it steps through.
    class View {
    public:
        virtual ~View() = default;
        virtual int runCount() const = 0; // runs of the experiment as far as known
        virtual int runsRead() const = 0; // runs the last display read
        virtual void leaveShownRun() = 0; // before a step: the judgement panel goes
        virtual void showBrowsedRun() = 0; // SharedState names the run now
    };

    // The four buttons Command7 .. Command10 and Timer1 are made in `window`.
    RunBrowser(QWidget *window, View &view, Module1 &module);

    // The buttons in a row from `leftTwips`; returns where the row ends.
    int placeButtons(int leftTwips, int topTwips, int widthTwips, int heightTwips);
    void hideButtons();
    // A newly opened window: takes up a continuous display that was running.
    void onWindowLoad();
    // Continuous display stops here, for good.
    void stop();
    // Closing a run: only the timer stops.
    void stopTimer();
    void forgetClicks() { m_navClickAt.reset(); }

private:
    void previous(); // "<"
    void next(); // ">"
    void continuous(int step); // "<<" (-1), ">>" (+1)
    void tick(); // Timer1
    int clamp(int run);
    void show(int run);

    View &m_view;
    Module1 &m_module;
    QPushButton *m_buttons[4];
    QTimer *m_timer;
    std::optional<qint64> m_navClickAt; // LastNavClickTime of "<<" / ">>"
};

} // namespace vora
