#include "Fakes.h"
#include "core/registry/RecordFormat.h"
#include "core/toolkit/Language.h"
#include "ui/mainwindow/Windows.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/results/ResultsDisplay.h"
#include "ui/run/toushiJikken.h"
#include "ui/startup/Module1.h"

#include <QComboBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

using namespace vora;
using namespace vora::testing;

// The program as a new user meets it: start, register a name, select it, do one run,
// look at the results, go back, and find the run counted in the main window. In Japanese and
// in English the same keys write the same bytes: the language is in the windows only.
class TestWholeFlow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startRegisterSelectRunAndComeBack_data();
    void startRegisterSelectRunAndComeBack();
    void cleanupTestCase();

private:
    // Every file the first language's session left in the program folder, by name.
    QMap<QString, QByteArray> m_written;
};

namespace {
QMap<QString, QByteArray> filesIn(const QString &folder)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QByteArray bytes = f.readAll();
        // A seal entry ends with the time it was sealed, the clock's and not the session's: it is
        // information only, outside the hashes.
        if (it.fileName().endsWith(QLatin1String(".seal"))) {
            static const QRegularExpression sealedAt(QStringLiteral("^(\\d+ [0-9a-f]{64} [0-9a-f]{64}) \\S+\r$"),
                                                     QRegularExpression::MultilineOption);
            bytes = QString::fromLatin1(bytes).replace(sealedAt, QStringLiteral("\\1")).toLatin1();
        }
        out.insert(it.filePath().mid(folder.size() + 1), bytes);
    }
    return out;
}
} // namespace

void TestWholeFlow::startRegisterSelectRunAndComeBack_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("backCaption");
    QTest::newRow("ja") << "ja" << QStringLiteral("最初に戻る");
    QTest::newRow("en") << "en" << QStringLiteral("Back to the start");
}

void TestWholeFlow::cleanupTestCase()
{
    language::install(language::source());
}

void TestWholeFlow::startRegisterSelectRunAndComeBack()
{
    QFETCH(QString, lang);
    QFETCH(QString, backCaption);
    QVERIFY(language::install(lang));
    TestServices t;
    t.clock->setTime(14, 30, 12);
    Module1 module(t.services);
    registerWindows(module);
    module.start();
    QTRY_VERIFY(module.mainWindow());

    auto *main = qobject_cast<frmMain *>(module.mainWindow());
    QVERIFY(main);
    QVERIFY(main->isVisible());

    // Register Yama090425 in box 2 with a small stimulus and the hit display.
    QTest::mouseClick(control<QPushButton>(main, "Command9"), Qt::LeftButton);
    QComboBox *edit = control<QComboBox>(main, "Combo2"); // keys arrive at the focused box, as typed by the user
    QTest::keyClicks(edit, QStringLiteral("Yama090425"));
    QTest::mouseClick(control<QRadioButton>(main, "Option1(2)"), Qt::LeftButton);
    QTest::mouseClick(control<QRadioButton>(main, "Option4(2)"), Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(t.readLines(QStringLiteral("Combo2.txt")), QStringList{QStringLiteral("Yama090425-SD")});
    QTest::mouseClick(control<QPushButton>(main, "Command9"), Qt::LeftButton); // back to the selection view

    // Select it and start.
    QTest::mouseClick(control<QPushButton>(main, "Command5"), Qt::LeftButton);
    QCOMPARE(control<QLabel>(main, "Label3")->text(), QStringLiteral("Yama090425"));
    QVERIFY(control<QPushButton>(main, "Command10")->isEnabled());
    QTest::mouseClick(control<QPushButton>(main, "Command10"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(module.mainWindow() == nullptr);

    auto *run = qobject_cast<toushiJikken *>(module.experimentWindow());
    QVERIFY(run);
    QVERIFY(run->isVisible());
    QMetaObject::invokeMethod(vora::testing::control<QPushButton>(run, "Command4"), "click");
    QTRY_VERIFY(vora::testing::control<QLineEdit>(run, "Text1")->isVisible());
    for (int i = 0; i < vora::kTrialsPerRun; ++i) {
        QTRY_COMPARE(run->runVariables().TrialNo, i);
        QTest::keyClick(vora::testing::control<QLineEdit>(run, "Text1"), i % 3 == 0 ? '0' : '1');
    }
    QTRY_VERIFY(run->results().resultsShown());
    QCOMPARE(t.readLines(QStringLiteral("data/Yama090425-1.txt")).size(), 1);

    // "最初に戻る" brings a freshly loaded main window.
    auto *back = run->findChild<QPushButton *>(QStringLiteral("Command2"));
    QVERIFY(back);
    QTRY_VERIFY(back->isVisible());
    QCOMPARE(back->text(), backCaption);
    QTest::mouseClick(back, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(module.experimentWindow() == nullptr);

    main = qobject_cast<frmMain *>(module.mainWindow());
    QVERIFY(main);
    QVERIFY(main->isVisible());
    QCOMPARE(control<QPushButton>(main, "Command5")->text(), QStringLiteral("Yama090425"));
    QCOMPARE(control<QLabel>(main, "Label10(2)")->text(), QStringLiteral(" 1"));
    QCOMPARE(control<QLabel>(main, "Label11(2)")->text(), t.clock->dateText());
    QVERIFY(control<QRadioButton>(main, "Option1(2)")->isChecked());
    QVERIFY(control<QRadioButton>(main, "Option4(2)")->isChecked());
    QCOMPARE(t.process->quits, 0);
    QCOMPARE(t.process->restarts, 0);
    QCOMPARE(t.dialogs->count(DialogRecord::Message), 0);

    const QMap<QString, QByteArray> written = filesIn(t.dir.path());
    QVERIFY(written.contains(QStringLiteral("data/Yama090425-1.txt")));
    if (m_written.isEmpty()) {
        m_written = written;
        return;
    }
    QCOMPARE(written.keys(), m_written.keys());
    for (auto it = written.cbegin(); it != written.cend(); ++it)
        QVERIFY2(it.value() == m_written.value(it.key()), qPrintable(it.key()));
}

QTEST_MAIN(TestWholeFlow)
#include "tst_wholeflow.moc"
