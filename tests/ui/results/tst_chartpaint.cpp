// The chart boxes as painted: scale, colours, labels placed from the drawing lists, and the
// panel's colour walk.
#include "StoredRuns.h"
#include "core/results/ChartModel.h"
#include "core/results/Summary.h"
#include "core/toolkit/Units.h"
#include "ui/results/ChartBox.h"
#include "ui/results/CongratulationPanel.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QtTest>

using namespace vora;
using vora::testing::runLine;

namespace {

int at(double mm)
{
    return static_cast<int>(std::lround(ChartBox::mm(mm)));
}

RunSet runsWithSegments(const std::array<int, 5> &segments, int count)
{
    QStringList lines;
    for (int k = 0; k < count; ++k)
        lines << runLine(segments);
    return loadRunsFromLines(lines, 0);
}

// The colour of the painted chart at a point given in the chart's millimetres.
QColor pixel(const QImage &image, double xMm, double yMm)
{
    return image.pixelColor(at(xMm), at(yMm));
}

// Whether a one-pixel line of `colour` crosses the column at x within a pixel of y.
bool lineNear(const QImage &image, double xMm, double yMm, const QColor &colour)
{
    const int x = at(xMm);
    const int y = static_cast<int>(std::floor(ChartBox::mm(yMm)));
    for (int dy = -1; dy <= 1; ++dy) {
        if (image.pixelColor(x, y + dy) == colour)
            return true;
    }
    return false;
}

} // namespace

class TestChartPaint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void boxTakesItsPlaceInTwips();
    void linesAndDotsLandOnTheirMillimetres();
    void coloursFromColourNumbers();
    void labelsPlacedFromTheList();
    void limitLabelsFollowTheRunCount_data();
    void limitLabelsFollowTheRunCount();
    void verticalTitleStacksItsCharacters();
    void panelColourWalk();
    void axisNumbersStandOnTheirLines();
    void pictureLeavesTheHoverHintOut();
};

void TestChartPaint::boxTakesItsPlaceInTwips()
{
    QWidget window;
    ChartBox box(QStringLiteral("Picture1"), &window);
    box.setModel(segmentChart({10, 10, 10, 10, 10}, true));
    QCOMPARE(box.geometry(), QRect(units::px(360), units::px(1600), units::px(4100), units::px(4000)));
    box.setModel(overviewChart({}));
    QCOMPARE(box.geometry(), QRect(units::px(160), units::px(1600), units::px(6500), units::px(4000)));
    QCOMPARE(box.image().size(), box.size());
    // 56.693 twips per millimetre at 15 twips per pixel.
    QVERIFY(qAbs(ChartBox::mm(10) - 37.795) < 0.01);
}

void TestChartPaint::linesAndDotsLandOnTheirMillimetres()
{
    QWidget window;
    ChartBox box(QStringLiteral("Picture1"), &window);
    // Ten hits in every segment: five dots on the black chance line at y 34.
    box.setModel(segmentChart({10, 10, 10, 10, 10}, true));
    QImage img = box.image();
    QCOMPARE(pixel(img, 40, 34), QColor(Qt::black));
    QCOMPARE(pixel(img, 41, 36.5), QColor(Qt::white)); // beside the dot, off the grid
    // A dot of radius 1.1 mm is filled: one millimetre above its centre is still black.
    box.setModel(segmentChart({18, 10, 10, 10, 10}, true)); // first point at y 10 + 3 * 0 = 10
    img = box.image();
    QCOMPARE(pixel(img, 20, 10.8), QColor(Qt::black));
    // Without points (results only), nothing but the chance line stands at the point.
    box.setModel(segmentChart({18, 10, 10, 10, 10}, false));
    img = box.image();
    QCOMPARE(pixel(img, 20, 10.8), QColor(Qt::white));
    // Twenty hits lie beyond the frame: a triangle on its top edge points up out of it, and
    // nothing is drawn where the point would lie (y 4).
    box.setModel(segmentChart({20, 10, 10, 10, 10}, true));
    img = box.image();
    QVERIFY(qGray(pixel(img, 20, 8.6).rgb()) < 32);
    QCOMPARE(pixel(img, 20, 4), QColor(Qt::white));

    // All-run deviation of +25 over one run sits on the grid line labelled 25 (y 28).
    QWidget window2;
    ChartBox dev(QStringLiteral("Picture2"), &window2);
    dev.setModel(deviationChart({35, 10, 10, 10, 10}, 1, false));
    img = dev.image();
    QCOMPARE(pixel(img, 20, 28.8), QColor(Qt::black));
    QVERIFY(pixel(img, 20, 30.5) != QColor(Qt::black));
}

void TestChartPaint::coloursFromColourNumbers()
{
    QWidget window;
    ChartBox box(QStringLiteral("Picture1"), &window);
    box.setModel(segmentChart({10, 10, 10, 10, 10}, true));
    QImage img = box.image();
    // 1 % limits at y 16.6 and 51.4, colour &HAAAAFF: red is the low byte.
    QVERIFY(lineNear(img, 25, 16.6, QColor(255, 170, 170)));
    QVERIFY(lineNear(img, 25, 51.4, QColor(255, 170, 170)));
    QVERIFY(!lineNear(img, 25, 20, QColor(255, 170, 170)));

    ChartBox lower(QStringLiteral("Picture4"), &window);
    lower.setModel(aroundStimulusChart(QVector<int>(60, 5), 10, true));
    img = lower.image();
    // The seven stimulus trials are a filled zone of &HCCDDFF between the grid lines.
    const double zoneX = 1.4 * (30 + 3.5) + 8.7 + 0.3;
    QCOMPARE(pixel(img, zoneX, 20), QColor(255, 221, 204));
    // The onset line is red.
    const int onsetX = static_cast<int>(std::floor(ChartBox::mm(1.4 * 30.6 + 8.7)));
    bool red = false;
    for (int dx = -1; dx <= 1; ++dx)
        red = red || img.pixelColor(onsetX + dx, at(59.5)) == QColor(255, 0, 0);
    QVERIFY(red);
}

void TestChartPaint::labelsPlacedFromTheList()
{
    QWidget window;
    ChartBox box(QStringLiteral("Picture1"), &window);
    for (int v = 1; v <= 9; ++v)
        box.addLabel(ChartRole::YNumber, v);
    box.addLabel(ChartRole::XTitle);
    box.setModel(segmentChart({10, 10, 10, 10, 10}, true));
    QLabel *five = box.label(QStringLiteral("Label3(5)"));
    QVERIFY(five);
    QCOMPARE(five->text(), QStringLiteral("10"));
    QCOMPARE(five->pos(), QPoint(at(6), at(6 * 5 + 2.5)));
    QVERIFY(!five->isHidden());
    QCOMPARE(box.label(QStringLiteral("Label7"))->text(), QStringLiteral("試行部分"));

    // The same labels serve the overview with its own captions and places.
    box.setModel(overviewChart(runsWithSegments({10, 10, 10, 10, 10}, 2).runs));
    QCOMPARE(box.label(QStringLiteral("Label3(1)"))->text(), QStringLiteral("70"));
    QCOMPARE(box.label(QStringLiteral("Label7"))->text(), QStringLiteral("ラン番号"));
    QCOMPARE(box.label(QStringLiteral("Label7"))->pos(), QPoint(at(20), at(64)));
}

void TestChartPaint::limitLabelsFollowTheRunCount_data()
{
    QTest::addColumn<int>("runs");
    QTest::addColumn<bool>("shown");
    QTest::newRow("9 runs") << 9 << false;
    QTest::newRow("10 runs") << 10 << true;
}

void TestChartPaint::limitLabelsFollowTheRunCount()
{
    QFETCH(int, runs);
    QFETCH(bool, shown);
    QWidget window;
    ChartBox box(QStringLiteral("Picture4"), &window);
    box.addLabel(ChartRole::UpperLimit);
    box.addLabel(ChartRole::LowerLimit);
    box.label(QStringLiteral("Label37"))->show();
    const RunSet set = runsWithSegments({10, 10, 10, 10, 10}, runs);
    box.setModel(perTrialChart(perTrialCounts(set), set.runsRead, false));
    QCOMPARE(!box.label(QStringLiteral("Label37"))->isHidden(), shown);
    QCOMPARE(!box.label(QStringLiteral("Label38"))->isHidden(), shown);
    // The limit lines are painted exactly when their labels show.
    const double offset = 1.2 * 1.3 * std::sqrt(double(runs));
    const QImage img = box.image();
    QCOMPARE(lineNear(img, 50.45, 34 - offset, QColor(255, 170, 170)), shown);
    QCOMPARE(lineNear(img, 50.45, 34 + offset, QColor(255, 170, 170)), shown);
}

void TestChartPaint::verticalTitleStacksItsCharacters()
{
    QWidget window;
    ChartBox box(QStringLiteral("Picture2"), &window);
    box.addLabel(ChartRole::YTitle);
    box.setModel(deviationChart({10, 10, 10, 10, 10}, 1, false));
    QLabel *title = box.label(QStringLiteral("Label8"));
    QCOMPARE(title->text(), QStringLiteral("一\n致\n数\nの\n偏\n差"));
    QVERIFY(title->height() > title->width());
}

void TestChartPaint::axisNumbersStandOnTheirLines()
{
    QWidget window;
    ChartBox *box = ChartBox::trialsChart(&window);
    box->setModel(aroundStimulusChart(QVector<int>(60, 5), 10, true));
    // The visible digits' middle on the line, whatever the padding of the caption.
    auto middle = [&](const char *name) {
        const QLabel *l = box->label(QString::fromLatin1(name));
        const QString body = l->text().trimmed();
        const QFontMetricsF fm(l->font());
        return l->x() + fm.horizontalAdvance(l->text().left(l->text().indexOf(body))) + fm.horizontalAdvance(body) / 2;
    };
    QVERIFY(qAbs(middle("Label22(1)") - ChartBox::mm(1.4 * 1 + 8.6)) <= 1.0); // "30"
    QVERIFY(qAbs(middle("Label22(8)") - ChartBox::mm(1.4 * 60 + 8.6)) <= 1.0); // "-30"
    // "1" ends before the onset line, "-1" begins after it.
    const QLabel *one = box->label(QStringLiteral("Label22(4)"));
    const QLabel *minusOne = box->label(QStringLiteral("Label22(5)"));
    const double onset = ChartBox::mm(1.4 * 30.6 + 8.7);
    QVERIFY(one->geometry().right() <= onset + 1);
    QVERIFY(minusOne->x()
                + QFontMetricsF(minusOne->font())
                      .horizontalAdvance(minusOne->text().left(minusOne->text().indexOf(QLatin1Char('-'))))
            >= onset - 1);
}

void TestChartPaint::pictureLeavesTheHoverHintOut()
{
    QWidget window;
    ChartBox box(QStringLiteral("Picture1"), &window);
    box.setModel(segmentChart({10, 10, 10, 10, 10}, true));
    auto *hint = new QLabel(QStringLiteral("hint"), &box);
    hint->setAutoFillBackground(true);
    QPalette pal = hint->palette();
    pal.setColor(QPalette::Window, QColor(255, 0, 255));
    hint->setPalette(pal);
    hint->setGeometry(at(20), at(20), at(20), at(8));
    box.addOverlay(hint);
    window.show();
    hint->show();
    const QImage picture = box.image();
    QVERIFY(picture.pixelColor(at(30), at(24)) != QColor(255, 0, 255));
    QVERIFY(!hint->isHidden()); // still there for the pointer
    QCOMPARE(box.grab().toImage().pixelColor(at(30), at(24)), QColor(255, 0, 255));
}

void TestChartPaint::panelColourWalk()
{
    QColor c(255, 255, 0);
    QSet<QRgb> seen;
    // One component moves by one unit per step, and after a full round the walk is back
    // at yellow having passed the six corner colours.
    const int round = 6 * 255;
    for (int step = 1; step <= round; ++step) {
        const QColor n = CongratulationPanel::nextColour(c);
        const int moved = qAbs(n.red() - c.red()) + qAbs(n.green() - c.green()) + qAbs(n.blue() - c.blue());
        QCOMPARE(moved, 1);
        c = n;
        seen.insert(c.rgb());
    }
    QCOMPARE(c, QColor(255, 255, 0));
    for (const QColor &corner :
         {QColor(0, 255, 0), QColor(0, 255, 255), QColor(0, 0, 255), QColor(255, 0, 255), QColor(255, 0, 0)})
        QVERIFY2(seen.contains(corner.rgb()), qPrintable(corner.name()));
    // A colour off the walk starts it again at yellow.
    QCOMPARE(CongratulationPanel::nextColour(QColor(10, 20, 30)), QColor(255, 255, 0));
}

QTEST_MAIN(TestChartPaint)
#include "tst_chartpaint.moc"
