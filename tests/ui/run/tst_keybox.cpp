// The key box alone: which key events become guesses. A key held down is one guess whether the
// platform flags its repeats or (X11) sends each as a release and a press with one time stamp;
// keys without a text, Tab and composed text are none, and the box never shows what was typed.
#include "ui/run/KeyBox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QtTest>

using namespace vora;

class KeyBoxTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void guesses_data();
    void guesses();
};

void KeyBoxTest::guesses_data()
{
    // Events, in order: P (press), A (press flagged as a repeat), R (release), each with its
    // key's character and the time stamp in ms; T (Tab), S (Shift alone), I (composed "1").
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("guesses");
    QTest::newRow("one press") << "P1:10"
                               << "1";
    QTest::newRow("letters go to the run too") << "Pa:10 Ra:20"
                                               << "a";
    QTest::newRow("flagged repeats") << "P1:10 A1:40 A1:70 R1:90"
                                     << "1";
    QTest::newRow("X11 repeat: release and press at one stamp") << "P1:10 R1:50 P1:50 R1:80 P1:80"
                                                                << "1";
    QTest::newRow("lifted and pressed again") << "P1:10 R1:50 P1:51"
                                              << "11";
    QTest::newRow("another key at the release's stamp") << "P1:10 R1:50 P0:50"
                                                        << "10";
    QTest::newRow("the release's stamp is used once") << "P1:10 R1:50 P1:50 P1:50"
                                                      << "11";
    QTest::newRow("unknown stamps never pair") << "P1:0 R1:0 P1:0"
                                               << "11";
    QTest::newRow("no text, Tab, composed text") << "S P0:10 T I"
                                                 << "0";
}

void KeyBoxTest::guesses()
{
    QFETCH(QString, events);
    QFETCH(QString, guesses);
    KeyBox box(nullptr);
    QCOMPARE(box.objectName(), QStringLiteral("Text1"));
    QSignalSpy typed(&box, &KeyBox::typed);
    for (const QString &e : events.split(QLatin1Char(' '))) {
        const QChar kind = e.at(0);
        if (kind == QLatin1Char('T')) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
            QCoreApplication::sendEvent(&box, &tab);
        } else if (kind == QLatin1Char('S')) {
            QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
            QCoreApplication::sendEvent(&box, &shift);
        } else if (kind == QLatin1Char('I')) {
            QInputMethodEvent composed;
            composed.setCommitString(QStringLiteral("1"));
            QCoreApplication::sendEvent(&box, &composed);
        } else {
            const QString text = e.mid(1, 1);
            const int key = text == QLatin1String("a") ? Qt::Key_A : Qt::Key_0 + text.toInt();
            const bool release = kind == QLatin1Char('R');
            QKeyEvent k(release ? QEvent::KeyRelease : QEvent::KeyPress, key, Qt::NoModifier, text,
                        kind == QLatin1Char('A'));
            k.setTimestamp(e.section(QLatin1Char(':'), 1).toULongLong());
            QCoreApplication::sendEvent(&box, &k);
        }
    }
    QString got;
    for (const QList<QVariant> &args : typed)
        got += QChar(args.at(0).toInt());
    QCOMPARE(got, guesses);
    QVERIFY(box.text().isEmpty());
}

QTEST_MAIN(KeyBoxTest)
#include "tst_keybox.moc"
