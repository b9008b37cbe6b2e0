#pragma once
// The congratulation panel of the results view: the frame Frame1 with its caption Label29,
// and the picture Picture5 beside it. A click on the caption puts both away; moving the
// pointer over it walks the caption's colour one unit per event.
#include <QColor>
#include <QObject>

class QFrame;
class QLabel;
class QWidget;

namespace vora {

struct BoxGeometry;
struct LevelCounts;

class CongratulationPanel : public QObject {
    Q_OBJECT
public:
    // `picturePath`: the small picture from the program folder ("omedeto.jpg").
    CongratulationPanel(QWidget *window, const QString &picturePath);

    // Panel at (left, top) with the given size, in twips; caption on yellow.
    void show(int left, int top, int width, int height, const QString &caption);
    // The picture with its top-left corner at (left, top), in twips.
    void showPicture(int left, int top);
    // The panel for a significant run, with the picture at the rarer levels: over the run's
    // chart (box `chart`), or under it while continuous display runs, so as not to hide it.
    void showForRun(const BoxGeometry &chart, int hits, bool continuousRunning);
    // The panel for two or more significant runs, with the picture from four, over the overview's chart.
    void showForOverview(const BoxGeometry &chart, const LevelCounts &counts);
    void hidePanel();
    void hidePicture();
    // Every results display starts the colour walk again at yellow.
    void resetColour();

    QFrame *frame() const { return m_frame; }
    QLabel *caption() const { return m_caption; }
    QLabel *picture() const { return m_picture; }
    QColor colour() const { return m_colour; }

    // One step of the colour walk: yellow, green, cyan, blue, magenta, red and back to
    // yellow, one component moving by one unit at a time.
    static QColor nextColour(const QColor &c);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyColour();

    QFrame *m_frame;
    QLabel *m_caption;
    QLabel *m_picture;
    QColor m_colour{255, 255, 0};
};

} // namespace vora
