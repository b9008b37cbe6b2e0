// vora-floor: the least a Qt program can do for one feedback, to measure the machine and its X
// server against. A window that paints a light block (a digit's stroke) on a key press and clears it 300 ms later
// on a precise timer, with nothing else in the way; vora-xbench drives and watches it exactly
// as it drives and watches the program.
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class FloorWindow : public QWidget {
public:
    FloorWindow()
    {
        setWindowTitle(QStringLiteral("vora-floor"));
        setFixedSize(400, 300);
        setAttribute(Qt::WA_OpaquePaintEvent);
        m_clear.setSingleShot(true);
        m_clear.setTimerType(Qt::PreciseTimer);
        m_clear.setInterval(300);
        connect(&m_clear, &QTimer::timeout, this, [this] {
            m_block = false;
            update();
        });
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->isAutoRepeat() || m_block)
            return;
        m_block = true;
        update();
        m_clear.start();
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(64, 64, 64));
        if (m_block)
            p.fillRect(QRect(180, 104, 40, 90), Qt::white); // about a digit's stroke, mid-frame
    }

private:
    QTimer m_clear;
    bool m_block = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FloorWindow w;
    w.show();
    return app.exec();
}
