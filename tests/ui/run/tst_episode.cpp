// The stimulus episode in a run: the trial it comes on, the window filling the screen, flashing
// and coming back, the line it leaves, and the stimulus picture with and without the program's
// pictures.
#include "RunRig.h"
#include "core/run/Instructions.h"
#include "core/run/StimulusEpisode.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>

using namespace vora;
using namespace vora::testing;

class EpisodeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void stimulusEpisode_data();
    void stimulusEpisode();
    void stimulusPicture_data();
    void stimulusPicture();
};

void EpisodeTest::stimulusEpisode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("fillsScreen");
    QTest::newRow("S at 45") << "S" << 0.375 << 45 << false;
    QTest::newRow("M at 45") << "M" << 0.375 << 45 << true;
    QTest::newRow("B at 31") << "B" << 0.025 << 31 << true;
    QTest::newRow("B at 69") << "B" << 0.999 << 69 << true;
}

void EpisodeTest::stimulusEpisode()
{
    QFETCH(QString, code);
    QFETCH(double, draw);
    QFETCH(int, start);
    QFETCH(bool, fillsScreen);
    Rig r(code);
    QImage background(40, 30, QImage::Format_RGB32);
    background.fill(Qt::darkGreen);
    const QString backgroundPath = r.ts.path(QStringLiteral("yama1.png"));
    QVERIFY(background.save(backgroundPath));
    r.module->state().backgroundImagePath = backgroundPath;
    QList<double> draws(30, 0.9);
    draws << draw;
    r.ts.random->script(draws);
    r.open();
    r.start();
    const QRect home = r.w->geometry();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const StimulusEpisode &ep = r.w->episode();
    for (int trial = 1; trial <= 100; ++trial) {
        r.key('1');
        if (trial < start - 1) {
            QVERIFY2(!ep.isActive(), qPrintable(QString::number(trial)));
        } else if (trial == start - 1) {
            QVERIFY(ep.isActive());
            QVERIFY(!r.w->hasBackgroundPicture());
            if (fillsScreen)
                QTRY_COMPARE(r.w->geometry(), screen);
            else
                QCOMPARE(r.w->geometry(), home);
            QTRY_VERIFY(ep.flashes() >= 2);
            QVERIFY(r.w->backColour() != QColor(255, 255, 255) || ep.flashes() > 0);
        } else if (trial < start + 6) {
            QVERIFY(ep.isActive());
        } else if (trial == start + 6) {
            QTRY_VERIFY(!ep.isActive());
            QTRY_COMPARE(r.w->geometry(), home);
            QCOMPARE(r.w->backColour(), QColor(255, 255, 255));
            QCOMPARE(vora::testing::control<QLabel>(r.w, "Label2")->text(), instructions::shortText(true, false));
            QVERIFY(r.w->hasBackgroundPicture());
        } else {
            QVERIFY(!ep.isActive());
        }
    }
    r.settleAfterRun();
    const QStringList lines = r.ts.readLines(r.dataFile());
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.at(0).size(), 261);
    QCOMPARE(lines.at(0).mid(26, 1), code);
    QCOMPARE(lines.at(0).mid(44, 3), QString::asprintf("%3d", start));
    QCOMPARE(lines.at(0).mid(47, 12), QStringLiteral("  0  0  0  0"));
}

void EpisodeTest::stimulusPicture_data()
{
    QTest::addColumn<bool>("withPictures");
    QTest::newRow("pictures present") << true;
    QTest::newRow("pictures missing") << false;
}

void EpisodeTest::stimulusPicture()
{
    QFETCH(bool, withPictures);
    Rig r(QStringLiteral("B"), QStringLiteral("-"), [](Services &s) { s.timing.stimulusPictureMs = 400; });
    if (withPictures) {
        r.ts.copyAssets();
        if (!QFile::exists(r.ts.path(QStringLiteral("kage_hebi.jpg"))))
            QSKIP("the program's pictures are not built here");
    }
    QList<double> draws(30, 0.9);
    // trial 31 at 31, the target of trial 31, then R1..R3, a picture pass, "kage_hebi.jpg", its place
    draws << 0.025 << 0.9 << 0.1 << 0.2 << 0.3 << 0.95 << 0.1 << 0.5 << 0.5;
    r.ts.random->script(draws);
    r.open();
    r.start();
    for (int i = 0; i < 30; ++i)
        r.key('1');
    QVERIFY(r.w->episode().isActive());
    QTRY_VERIFY(vora::testing::control<QLabel>(r.w, "StimulusPicture")->isVisible());
    QCOMPARE(vora::testing::control<QLabel>(r.w, "StimulusPicture")->pixmap().isNull(), !withPictures);
    QCOMPARE(vora::testing::control<QLabel>(r.w, "StimulusPicture")->pos(),
             QPoint(r.w->width() / 4, r.w->height() / 4));
    QTRY_VERIFY(vora::testing::control<QLabel>(r.w, "StimulusPicture")->isHidden());
}

QTEST_MAIN(EpisodeTest)
#include "tst_episode.moc"
