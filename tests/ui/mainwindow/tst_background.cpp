// Background pictures on a plain window: thumbnails, clicks, the random background and the
// work dialog that replaces or restores picture 1.
#include "Fakes.h"
#include "MainWindowHelpers.h"
#include "core/toolkit/Units.h"
#include "ui/mainwindow/BackgroundPictures.h"
#include "ui/startup/Module1.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>
#include <memory>

using namespace vora;
using namespace vora::testing;

namespace {

QColor slotColour(int n)
{
    return QColor::fromHsv((n * 36) % 360, 255, 230);
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 && qAbs(a.blue() - b.blue()) < 24;
}

bool saveSolid(const QString &path, const QColor &colour, QSize size = QSize(200, 150))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "JPG", 95);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(double a, double b)
{
    return (qMax(a, b) + 0.05) / (qMin(a, b) + 0.05);
}

// Texts painted straight onto the window's picture, each with the area it covers in the
// window: labels, option and check box texts, frame titles. Controls with a background of
// their own (buttons, boxes, the prompt, the status bar) are left out.
QVector<QPair<QWidget *, QRect>> textsOnPicture(QWidget *window)
{
    QVector<QPair<QWidget *, QRect>> out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        bool opaque = false;
        for (QWidget *up = w; up && up != window; up = up->parentWidget())
            opaque = opaque || up->autoFillBackground();
        if (opaque)
            continue;
        QRect area;
        if (auto *l = qobject_cast<QLabel *>(w); l && !l->text().trimmed().isEmpty())
            area = l->rect();
        else if (qobject_cast<QRadioButton *>(w) || qobject_cast<QCheckBox *>(w))
            area = w->rect();
        else if (qobject_cast<QGroupBox *>(w))
            area = QRect(0, 0, w->width(), w->fontMetrics().height() + 2); // the title line
        if (!area.isEmpty())
            out.append({w, QRect(w->mapTo(window, area.topLeft()), area.size())});
    }
    return out;
}

} // namespace

class TestBackground : public QObject {
    Q_OBJECT
private:
    struct Fixture {
        TestServices ts;
        std::unique_ptr<Module1> module;
        QWidget window;
        std::unique_ptr<BackgroundPictures> pictures;

        QTemporaryDir home;

        // Pictures of one colour each, so what is shown can be told apart. `perUser`: laid
        // out as installed, the pictures delivered in the fixture's folder and everything
        // written in a per-user folder.
        explicit Fixture(bool ownPictures = true, bool perUser = false)
        {
            window.resize(units::px(12300), units::px(9000));
            if (ownPictures) {
                for (int n = 1; n <= 9; ++n)
                    saveSolid(ts.path(QStringLiteral("yama%1.jpg").arg(n)), slotColour(n));
                for (int n = 0; n <= 9; ++n)
                    saveSolid(ts.path(QStringLiteral("yama%1s.jpg").arg(n)), slotColour(n), QSize(81, 59));
            } else {
                ts.copyAssets();
            }
            if (perUser) {
                ts.services.paths = AppPaths(ts.dir.path(), home.filePath(QStringLiteral("vora")));
                ts.services.paths.prepareUserFolder(*ts.files);
            }
            module = std::make_unique<Module1>(ts.services);
        }
        // One load of the window: steps 9 and 11.
        void load()
        {
            pictures.reset();
            pictures = std::make_unique<BackgroundPictures>(*module, &window);
            pictures->setUpThumbnails();
            pictures->showRandomOrChosen();
        }
        QString path() { return module->state().backgroundImagePath; }
        QLabel *thumb(int i) { return window.findChild<QLabel *>(QStringLiteral("Picture1(%1)").arg(i)); }
        QColor shownColour() { return window.grab().toImage().pixelColor(3, 3); }
        // A file where the program keeps it.
        QString file(const QString &name) { return ts.services.paths.file(name); }
        QByteArray bytes(const QString &name) { return readAll(file(name)); }
    };

private Q_SLOTS:
    void thumbnailsAlongTheBottom();
    void deliveredPicturesKeepTextsReadable();
    void clickSetsBackground_data();
    void clickSetsBackground();
    void thumbnailZeroClearsAndNextLoadDraws();
    void randomBackground_data();
    void randomBackground();
    void chosenPictureKeptAcrossLoads();
    void workDialogTexts();
    void workDialogFlows_data();
    void workDialogFlows();
    void doubleClickRunsClickThenDialog();
    void replaceAndRestore_data();
    void replaceAndRestore();
    void cancelledFileDialogChangesNothing();
    void notAPictureChangesNothing();
    void restoreWithoutMasterKeepsPicture();
    void masterCopyFailureKeepsDeliveredPicture();
};

void TestBackground::thumbnailsAlongTheBottom()
{
    Fixture f;
    f.load();
    for (int i = 0; i < 10; ++i) {
        QLabel *t = f.thumb(i);
        QVERIFY(t);
        QCOMPARE(t->toolTip(), QStringLiteral("クリックすれば背景画像になります"));
        QCOMPARE(t->x(), units::px(90 + 1215 * i));
        QVERIFY(!t->pixmap().isNull());
        const double height = i == 0 ? 885 : 888;
        const double distance = i == 0 ? 660 : 650;
        QCOMPARE(t->size(), QSize(units::px(i == 0 ? 1215 : 1222), units::px(height)));
        QCOMPARE(t->y(), units::px(9000 - height - distance));
    }
    QCOMPARE(f.thumb(0)->palette().color(QPalette::Window), QColor(Qt::white));

    // The overlay lies 30 twips inside thumbnail 1 and shows yama1.jpg shrunk.
    auto *frame = f.window.findChild<QFrame *>(QStringLiteral("Frame4(1)"));
    auto *image = f.window.findChild<QLabel *>(QStringLiteral("Image1(1)"));
    QVERIFY(frame && image);
    QVERIFY(!frame->isHidden() && !image->isHidden());
    const QRect t1 = f.thumb(1)->geometry();
    QCOMPARE(frame->geometry(), t1.adjusted(units::px(30), units::px(30), -units::px(30), -units::px(30)));
    QCOMPARE(image->size(), frame->size() + QSize(units::px(50), units::px(50)));
    QCOMPARE(image->pixmap().size(), image->size());
    QVERIFY(near(image->pixmap().toImage().pixelColor(5, 5), slotColour(1)));
    QVERIFY(f.window.findChild<QFrame *>(QStringLiteral("Frame4(0)"))->isHidden());

    // Thumbnails follow the window's bottom.
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.resize(f.window.width(), units::px(7500));
    QCOMPARE(f.thumb(4)->y(), units::px(7500 - 888 - 650));
    QCOMPARE(frame->y(), f.thumb(1)->y() + units::px(30));
}

void TestBackground::deliveredPicturesKeepTextsReadable()
{
    MainFixture f;
    f.t.copyAssets();
    if (!QFile::exists(f.t.path(QStringLiteral("yama1.jpg"))))
        QSKIP("the program folder's pictures are not available");
    frmMain &w = f.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *pictures = w.findChild<BackgroundPictures *>();
    QVERIFY(pictures);
    for (int i = 0; i < 10; ++i) {
        const auto *thumb = w.findChild<QLabel *>(QStringLiteral("Picture1(%1)").arg(i));
        QVERIFY2(!thumb->pixmap().isNull(), qPrintable(QStringLiteral("yama%1s.jpg").arg(i)));
    }

    // Every text over every delivered picture, with the condition frames greyed (selection)
    // and enabled (a new name being registered): no pixel under a text may fall below 4.5 : 1.
    QStringList failures;
    int texts = 0;
    for (const bool framesEnabled : {false, true}) {
        for (int box = 1; box <= 5; ++box) {
            f.frame(1, box)->setEnabled(framesEnabled);
            f.frame(2, box)->setEnabled(framesEnabled);
        }
        const auto areas = textsOnPicture(&w);
        texts = qMax(texts, int(areas.size()));
        for (int n = 1; n <= 9; ++n) {
            QTest::mouseClick(w.findChild<QWidget *>(QStringLiteral("Picture1(%1)").arg(n)), Qt::LeftButton);
            const QImage picture = pictures->windowPicture().toImage();
            QVERIFY(!picture.isNull());
            for (const auto &[widget, area] : areas) {
                const QColor ink = widget->palette().color(widget->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                                           widget->foregroundRole());
                const double inkLuminance = luminance(ink);
                double worst = 21;
                const QRect inside = area & picture.rect();
                for (int y = inside.top(); y <= inside.bottom(); ++y)
                    for (int x = inside.left(); x <= inside.right(); ++x)
                        worst = qMin(worst, contrast(inkLuminance, luminance(picture.pixelColor(x, y))));
                if (worst < 4.5)
                    failures << QStringLiteral("yama%1.jpg under %2 (%3): %4")
                                    .arg(n)
                                    .arg(widget->objectName(), ink.name())
                                    .arg(worst, 0, 'f', 2);
            }
        }
    }
    QVERIFY(texts > 40); // labels, option texts and frame titles of five boxes were found
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

void TestBackground::clickSetsBackground_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("slot");
    QTest::newRow("thumbnail 3") << "Picture1(3)" << 3;
    QTest::newRow("thumbnail 9") << "Picture1(9)" << 9;
    QTest::newRow("thumbnail 1") << "Picture1(1)" << 1;
    QTest::newRow("overlay of slot 1") << "Image1(1)" << 1;
}

void TestBackground::clickSetsBackground()
{
    QFETCH(QString, control);
    QFETCH(int, slot);
    Fixture f;
    f.load();
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QTest::mouseClick(f.window.findChild<QWidget *>(control), Qt::LeftButton);

    QCOMPARE(f.path(), f.ts.path(QStringLiteral("yama%1.jpg").arg(slot)));
    QCOMPARE(f.pictures->windowPicture().size(), QSize(200, 150));
    // Drawn on the window under its controls, from the top left corner.
    QVERIFY(near(f.shownColour(), slotColour(slot)));
    QCOMPARE(f.ts.dialogs->records.size(), 0);
}

void TestBackground::thumbnailZeroClearsAndNextLoadDraws()
{
    Fixture f;
    f.ts.random->script({0.35});
    f.load();
    QVERIFY(!f.pictures->windowPicture().isNull());
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QTest::mouseClick(f.thumb(0), Qt::LeftButton);
    QVERIFY(f.module->state().backgroundImagePath.isEmpty());
    QVERIFY(f.pictures->windowPicture().isNull());
    QVERIFY(!near(f.shownColour(), slotColour(3)));

    // The next load draws again: 0 is drawn over, 7 is taken.
    f.ts.random->script({0.05, 0.71});
    f.load();
    QCOMPARE(f.path(), f.ts.path(QStringLiteral("yama7.jpg")));
    QVERIFY(near(f.shownColour(), slotColour(7)));

    // Reached through the registration panel's frame, slot 0 clears the picture too.
    f.pictures->clickSlot(0);
    QVERIFY(f.path().isEmpty());
    QVERIFY(f.pictures->windowPicture().isNull());
}

void TestBackground::randomBackground_data()
{
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("drawsUsed");
    QTest::newRow("first draw") << QList<double>{0.12} << QString() << 1 << 1;
    QTest::newRow("top of the range") << QList<double>{0.9999} << QString() << 9 << 1;
    QTest::newRow("zeros drawn over") << QList<double>{0.0, 0.01, 0.099, 0.55} << QString() << 5 << 4;
    QTest::newRow("yamaX.jpg is no choice") << QList<double>{0.42} << "yamaX.jpg" << 4 << 1;
    QTest::newRow("a generator stuck at 0 cannot hang the load") << QList<double>() << QString() << 1 << 1000;
}

void TestBackground::randomBackground()
{
    QFETCH(QList<double>, draws);
    QFETCH(QString, before);
    QFETCH(int, picture);
    QFETCH(int, drawsUsed);
    Fixture f;
    f.ts.clock->setTime(14, 30, 7);
    f.ts.random->script(draws);
    f.ts.random->fallback = 0.0;
    if (!before.isEmpty())
        f.module->state().backgroundImagePath = before;
    f.load();
    QCOMPARE(f.path(), f.ts.path(QStringLiteral("yama%1.jpg").arg(picture)));
    QCOMPARE(f.ts.random->arguments.size(), drawsUsed);
    QCOMPARE(f.ts.random->reseeds, QList<double>{7.0}); // the last digit of the time
    QVERIFY(!f.pictures->windowPicture().isNull());
}

void TestBackground::chosenPictureKeptAcrossLoads()
{
    Fixture f;
    f.load();
    f.pictures->clickSlot(6);
    f.load();
    QCOMPARE(f.path(), f.ts.path(QStringLiteral("yama6.jpg")));
    QCOMPARE(f.ts.random->arguments.size(), 1); // only the first load drew

    // A relative name is made a full path; a missing file leaves the window without a picture.
    f.module->state().backgroundImagePath = QStringLiteral("gone.jpg");
    f.load();
    QCOMPARE(f.path(), f.ts.path(QStringLiteral("gone.jpg")));
    QVERIFY(f.pictures->windowPicture().isNull());
}

void TestBackground::workDialogTexts()
{
    Fixture f;
    f.load();
    f.ts.dialogs->inputAnswers.enqueue(QStringLiteral("２"));
    f.ts.dialogs->messageAnswers.enqueue(MsgAnswer::Yes);
    f.pictures->doubleClickSlot(5);
    QTRY_COMPARE(f.ts.dialogs->unanswered(), 0); // the questions are over
    QCOMPARE(f.ts.dialogs->records.size(), 2);
    const DialogRecord &in = f.ts.dialogs->records.at(0);
    QCOMPARE(in.kind, DialogRecord::Input);
    QCOMPARE(in.title, QStringLiteral("作業の選択"));
    QCOMPARE(in.defaultText, QStringLiteral("2"));
    QCOMPARE(in.text, QStringLiteral("背景画像を選択してください。\r\n\r\n　　１．初期画面に戻す\r\n\r\n"
                                     "　　２．希望画面を指定する\r\n\r\n　　３．何もしない\r\n\r\n"));
    const DialogRecord &confirm = f.ts.dialogs->records.at(1);
    QCOMPARE(confirm.buttons, MsgButtons::YesNo);
    QCOMPARE(confirm.icon, MsgIcon::None);
    QCOMPARE(confirm.text, QStringLiteral("\r\n\r\n下記で良いですか？　　　　　　　　　　　　　　　\r\n\r\n"
                                          "　　作業＝２．希望画面を指定する\r\n\r\n"));
    QCOMPARE(BackgroundPictures::confirmationText(QStringLiteral("4")),
             QStringLiteral("\r\n\r\n下記で良いですか？　　　　　　　　　　　　　　　\r\n\r\n\r\n\r\n"));
}

void TestBackground::workDialogFlows_data()
{
    QTest::addColumn<QStringList>("answers"); // a null entry is Cancel
    QTest::addColumn<QList<int>>("confirmations"); // 1 Yes, 0 No
    QTest::addColumn<int>("inputs");
    QTest::addColumn<int>("fileDialogs");
    QTest::addColumn<bool>("restored");
    QTest::newRow("cancel ends") << QStringList{QString()} << QList<int>{} << 1 << 0 << false;
    QTest::newRow("empty answer ends") << QStringList{QStringLiteral("")} << QList<int>{} << 1 << 0 << false;
    QTest::newRow("3 does nothing") << QStringList{"3"} << QList<int>{1} << 1 << 0 << false;
    QTest::newRow("full-width ３") << QStringList{"３"} << QList<int>{1} << 1 << 0 << false;
    QTest::newRow("4 then Yes asks again") << QStringList{"4", "3"} << QList<int>{1, 1} << 2 << 0 << false;
    QTest::newRow("No asks again") << QStringList{"1", "3"} << QList<int>{0, 1} << 2 << 0 << false;
    QTest::newRow("1 restores") << QStringList{"1"} << QList<int>{1} << 1 << 0 << true;
    QTest::newRow("full-width １ restores") << QStringList{"１"} << QList<int>{1} << 1 << 0 << true;
    QTest::newRow("2 opens the file dialog") << QStringList{"2"} << QList<int>{1} << 1 << 1 << false;
    QTest::newRow("full-width ２ is 2") << QStringList{"２"} << QList<int>{1} << 1 << 1 << false;
    QTest::newRow("No, then cancel") << QStringList{"2", QString()} << QList<int>{0} << 2 << 0 << false;
}

void TestBackground::workDialogFlows()
{
    QFETCH(QStringList, answers);
    QFETCH(QList<int>, confirmations);
    QFETCH(int, inputs);
    QFETCH(int, fileDialogs);
    QFETCH(bool, restored);
    Fixture f;
    // A master copy that differs from the current picture shows whether a restore ran.
    QVERIFY(saveSolid(f.ts.path(QStringLiteral("yama1m.jpg")), Qt::black));
    f.load();
    for (const QString &a : answers)
        f.ts.dialogs->inputAnswers.enqueue(a);
    for (int c : confirmations)
        f.ts.dialogs->messageAnswers.enqueue(c ? MsgAnswer::Yes : MsgAnswer::No);
    f.pictures->doubleClickSlot(1);
    QTRY_COMPARE(f.ts.dialogs->unanswered(), 0); // the questions are over

    QCOMPARE(f.ts.dialogs->count(DialogRecord::Input), inputs);
    QCOMPARE(f.ts.dialogs->count(DialogRecord::Message), confirmations.size());
    QCOMPARE(f.ts.dialogs->count(DialogRecord::OpenFile), fileDialogs);
    QCOMPARE(f.bytes(QStringLiteral("yama1.jpg")) == f.bytes(QStringLiteral("yama1m.jpg")), restored);
}

void TestBackground::doubleClickRunsClickThenDialog()
{
    Fixture f;
    f.load();
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.ts.dialogs->inputAnswers.enqueue(QStringLiteral("3"));
    QTest::mouseDClick(f.thumb(2), Qt::LeftButton);
    QTRY_COMPARE(f.ts.dialogs->unanswered(), 0); // the questions are over
    QCOMPARE(f.path(), f.ts.path(QStringLiteral("yama2.jpg")));
    QCOMPARE(f.ts.dialogs->count(DialogRecord::Input), 1);

    // Replace on a slot other than 1 does nothing after the confirmation.
    f.ts.dialogs->inputAnswers.enqueue(QStringLiteral("2"));
    f.ts.dialogs->fileAnswers.enqueue(f.ts.path(QStringLiteral("yama5.jpg")));
    f.pictures->doubleClickSlot(2);
    QTRY_COMPARE(f.ts.dialogs->unanswered(), 0); // the questions are over
    QCOMPARE(f.ts.dialogs->count(DialogRecord::OpenFile), 0);
    QVERIFY(!QFile::exists(f.ts.path(QStringLiteral("yama1m.jpg"))));
}

void TestBackground::replaceAndRestore_data()
{
    QTest::addColumn<bool>("perUser");
    QTest::newRow("program folder") << false;
    QTest::newRow("installed: per-user folder") << true;
}

void TestBackground::replaceAndRestore()
{
    QFETCH(bool, perUser);
    Fixture f(true, perUser);
    const QByteArray deliveredFile = f.ts.readBytes(QStringLiteral("yama1.jpg"));
    QTemporaryDir elsewhere;
    const QString mine1 = elsewhere.filePath(QStringLiteral("mine1.jpg"));
    const QString mine2 = elsewhere.filePath(QStringLiteral("mine2.png"));
    QVERIFY(saveSolid(mine1, Qt::red, QSize(320, 240)));
    QVERIFY(saveSolid(mine2, Qt::blue, QSize(64, 48)));
    f.load();
    const QByteArray delivered = f.bytes(QStringLiteral("yama1.jpg"));
    auto *overlay = f.window.findChild<QLabel *>(QStringLiteral("Image1(1)"));

    // First replacement: the delivered picture is kept as yama1m.jpg, then replaced.
    f.ts.dialogs->inputAnswers.enqueue(QStringLiteral("2"));
    f.ts.dialogs->fileAnswers.enqueue(mine1);
    f.pictures->doubleClickSlot(1);
    QTRY_COMPARE(f.ts.dialogs->unanswered(), 0); // the questions are over
    QCOMPARE(f.bytes(QStringLiteral("yama1m.jpg")), delivered);
    QCOMPARE(f.bytes(QStringLiteral("yama1.jpg")), readAll(mine1));
    QCOMPARE(f.path(), mine1);
    QCOMPARE(f.pictures->windowPicture().size(), QSize(320, 240));
    QVERIFY(near(overlay->pixmap().toImage().pixelColor(5, 5), Qt::red));
    const QByteArray thumbnail = f.bytes(QStringLiteral("yama1s.jpg"));

    // Second replacement: the master copy stays the delivered picture.
    f.ts.dialogs->inputAnswers.enqueue(QStringLiteral("２"));
    f.ts.dialogs->fileAnswers.enqueue(mine2);
    f.pictures->doubleClickSlot(1);
    QTRY_COMPARE(f.ts.dialogs->unanswered(), 0); // the questions are over
    QCOMPARE(f.bytes(QStringLiteral("yama1m.jpg")), delivered);
    QCOMPARE(f.bytes(QStringLiteral("yama1.jpg")), readAll(mine2));
    QVERIFY(near(overlay->pixmap().toImage().pixelColor(5, 5), Qt::blue));

    // Restore copies the master back and shows it.
    f.ts.dialogs->inputAnswers.enqueue(QStringLiteral("1"));
    f.pictures->doubleClickSlot(1);
    QTRY_COMPARE(f.ts.dialogs->unanswered(), 0); // the questions are over
    QCOMPARE(f.bytes(QStringLiteral("yama1.jpg")), delivered);
    QCOMPARE(f.path(), f.file(QStringLiteral("yama1m.jpg")));
    QVERIFY(near(f.pictures->windowPicture().toImage().pixelColor(5, 5), slotColour(1)));
    QVERIFY(near(overlay->pixmap().toImage().pixelColor(5, 5), slotColour(1)));
    QCOMPARE(f.bytes(QStringLiteral("yama1s.jpg")), thumbnail);
    QCOMPARE(f.ts.dialogs->count(DialogRecord::Message), 3); // the three confirmations, no errors
    QVERIFY(!QFile::exists(f.file(QStringLiteral("yama1.jpg.work"))));
    // The delivered picture itself is never written.
    QCOMPARE(f.ts.readBytes(QStringLiteral("yama1.jpg")), deliveredFile);
    QCOMPARE(QFile::exists(f.ts.path(QStringLiteral("yama1m.jpg"))), !perUser);
}

void TestBackground::cancelledFileDialogChangesNothing()
{
    Fixture f;
    f.load();
    f.pictures->clickSlot(4);
    const QByteArray delivered = f.bytes(QStringLiteral("yama1.jpg"));
    f.ts.dialogs->inputAnswers.enqueue(QStringLiteral("2"));
    f.pictures->doubleClickSlot(1); // the file dialog answers with nothing
    QTRY_COMPARE(f.ts.dialogs->unanswered(), 0); // the questions are over
    QCOMPARE(f.ts.dialogs->count(DialogRecord::OpenFile), 1);
    QCOMPARE(f.bytes(QStringLiteral("yama1.jpg")), delivered);
    QVERIFY(!QFile::exists(f.ts.path(QStringLiteral("yama1m.jpg"))));
    QCOMPARE(f.path(), f.ts.path(QStringLiteral("yama4.jpg")));
    QVERIFY(near(f.pictures->windowPicture().toImage().pixelColor(5, 5), slotColour(4)));
}

void TestBackground::notAPictureChangesNothing()
{
    Fixture f;
    f.load();
    f.pictures->clickSlot(4);
    QTemporaryDir elsewhere;
    const QString notes = elsewhere.filePath(QStringLiteral("notes.jpg"));
    QFile file(notes);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    const QByteArray delivered = f.bytes(QStringLiteral("yama1.jpg"));
    f.ts.dialogs->inputAnswers.enqueue(QStringLiteral("2"));
    f.ts.dialogs->fileAnswers.enqueue(notes);
    f.pictures->doubleClickSlot(1);
    QTRY_COMPARE(f.ts.dialogs->unanswered(), 0); // the questions are over
    QCOMPARE(f.bytes(QStringLiteral("yama1.jpg")), delivered);
    QVERIFY(!QFile::exists(f.ts.path(QStringLiteral("yama1m.jpg"))));
    QCOMPARE(f.path(), f.ts.path(QStringLiteral("yama4.jpg")));
    QCOMPARE(f.ts.dialogs->last()->icon, MsgIcon::Exclamation);
    QVERIFY(f.ts.dialogs->last()->text.contains(QStringLiteral("notes.jpg")));
}

void TestBackground::restoreWithoutMasterKeepsPicture()
{
    // Never replaced: yama1.jpg is still the delivered picture and stays the background.
    Fixture f;
    f.load();
    const QByteArray delivered = f.bytes(QStringLiteral("yama1.jpg"));
    f.ts.dialogs->inputAnswers.enqueue(QStringLiteral("1"));
    f.pictures->doubleClickSlot(1);
    QTRY_COMPARE(f.ts.dialogs->unanswered(), 0); // the questions are over
    QCOMPARE(f.bytes(QStringLiteral("yama1.jpg")), delivered);
    QVERIFY(!QFile::exists(f.ts.path(QStringLiteral("yama1m.jpg"))));
    QCOMPARE(f.path(), f.ts.path(QStringLiteral("yama1.jpg")));
    QVERIFY(near(f.pictures->windowPicture().toImage().pixelColor(5, 5), slotColour(1)));
    QCOMPARE(f.ts.dialogs->count(DialogRecord::Message), 1); // only the confirmation
}

void TestBackground::masterCopyFailureKeepsDeliveredPicture()
{
    Fixture f;
    auto failing = std::make_shared<FailingFileStore>();
    failing->failRename = true;
    int writes = 0;
    failing->setWriteDevice([&writes](QIODevice &, const QString &, bool) -> std::unique_ptr<QIODevice> {
        ++writes;
        return nullptr;
    });
    f.ts.services.files = failing;
    f.module = std::make_unique<Module1>(f.ts.services);
    f.load();
    QTemporaryDir elsewhere;
    const QString mine = elsewhere.filePath(QStringLiteral("mine.jpg"));
    QVERIFY(saveSolid(mine, Qt::red));
    const QByteArray delivered = f.bytes(QStringLiteral("yama1.jpg"));
    f.ts.dialogs->inputAnswers.enqueue(QStringLiteral("2"));
    f.ts.dialogs->fileAnswers.enqueue(mine);
    f.pictures->doubleClickSlot(1);
    QTRY_COMPARE(f.ts.dialogs->unanswered(), 0); // the questions are over
    // Without its master copy the delivered picture would be lost: yama1.jpg is not replaced.
    QCOMPARE(f.bytes(QStringLiteral("yama1.jpg")), delivered);
    QVERIFY(!QFile::exists(f.ts.path(QStringLiteral("yama1m.jpg"))));
    QCOMPARE(f.ts.dialogs->last()->kind, DialogRecord::Message);
    QCOMPARE(f.ts.dialogs->last()->icon, MsgIcon::Exclamation);
    QCOMPARE(writes, 1); // the master copy's, and no more
}

QTEST_MAIN(TestBackground)
#include "tst_background.moc"
