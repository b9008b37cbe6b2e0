// Longer texts in fixed geometry: a text that does not fit steps its font down one point, a
// label with room wraps, a text that fits is left alone, and a refit starts from the original.
#include "ui/run/InstructionPanel.h"
#include "ui/toolkit/TextFit.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace vora;

class TestTextFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void label_data();
    void label();
    void refitStartsFromTheOriginalFont();
    void buttonStepsDown();
    void shownLabelsAreFitted();
    void instructionLinesBreakBetweenWords_data();
    void instructionLinesBreakBetweenWords();
};

namespace {
constexpr int kPoints = 12;
const QString kText = QStringLiteral("Press [Start] when you are ready to begin the run");

// The width of kText at `points` plus the label's frame.
int textWidth(int points)
{
    QFont f;
    f.setPointSize(points);
    return QFontMetrics(f).horizontalAdvance(kText);
}
int lineHeight(int points)
{
    QFont f;
    f.setPointSize(points);
    return QFontMetrics(f).lineSpacing();
}
} // namespace

void TestTextFit::label_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("wraps");
    QTest::newRow("fits") << textWidth(kPoints) + 2 << lineHeight(kPoints) << kPoints << false;
    QTest::newRow("fits one point smaller")
        << textWidth(kPoints - 1) + 2 << lineHeight(kPoints) << kPoints - 1 << false;
    QTest::newRow("too wide, room for two lines")
        << textWidth(kPoints) * 2 / 3 << 3 * lineHeight(kPoints) << kPoints - 1 << true;
    QTest::newRow("too wide, one line high") << textWidth(kPoints) / 2 << lineHeight(kPoints) << kPoints - 1 << false;
}

void TestTextFit::label()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, points);
    QFETCH(bool, wraps);
    QLabel label(kText);
    QFont f = label.font();
    f.setPointSize(kPoints);
    label.setFont(f);
    label.setGeometry(0, 0, width, height);
    textfit::fit(&label);
    QCOMPARE(label.font().pointSize(), points);
    QCOMPARE(label.wordWrap(), wraps);
    QCOMPARE(label.size(), QSize(width, height)); // the geometry stays
}

void TestTextFit::refitStartsFromTheOriginalFont()
{
    QLabel label(kText);
    QFont f = label.font();
    f.setPointSize(kPoints);
    label.setFont(f);
    label.setGeometry(0, 0, textWidth(kPoints - 1) + 2, lineHeight(kPoints));
    textfit::fit(&label);
    QCOMPARE(label.font().pointSize(), kPoints - 1);
    textfit::fit(&label); // no second step
    QCOMPARE(label.font().pointSize(), kPoints - 1);
    label.setText(QStringLiteral("OK"));
    textfit::fit(&label);
    QCOMPARE(label.font().pointSize(), kPoints);
    // A font the program sets itself is the new original.
    f.setPointSize(kPoints + 4);
    label.setFont(f);
    textfit::fit(&label);
    QCOMPARE(label.font().pointSize(), kPoints + 4);
}

void TestTextFit::buttonStepsDown()
{
    QPushButton button(kText);
    QFont f = button.font();
    f.setPointSize(kPoints);
    button.setFont(f);
    button.setGeometry(0, 0, button.sizeHint().width() - 4, 30);
    textfit::fit(&button);
    QCOMPARE(button.font().pointSize(), kPoints - 1);
    QPushButton wide(QStringLiteral("OK"));
    wide.setFont(f);
    wide.setGeometry(0, 0, 200, 30);
    textfit::fit(&wide);
    QCOMPARE(wide.font().pointSize(), kPoints);
}

void TestTextFit::shownLabelsAreFitted()
{
    textfit::fitWhenShown();
    QWidget window;
    auto *label = new QLabel(kText, &window);
    QFont f = label->font();
    f.setPointSize(kPoints);
    label->setFont(f);
    label->setGeometry(0, 0, textWidth(kPoints - 1) + 2, lineHeight(kPoints));
    window.resize(600, 100);
    window.show();
    QCOMPARE(label->font().pointSize(), kPoints - 1);
    // A text set while the window is open is fitted too, from the original font.
    label->setText(QStringLiteral("OK"));
    QTRY_COMPARE(label->font().pointSize(), kPoints);
    label->setText(kText);
    QTRY_COMPARE(label->font().pointSize(), kPoints - 1);
}

void TestTextFit::instructionLinesBreakBetweenWords_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("widthInChars"); // of 'x'
    QTest::addColumn<int>("parts");
    QTest::newRow("fits") << QStringLiteral("  • Go through one run") << 40 << 1;
    QTest::newRow("two parts") << QStringLiteral("  • Hit or miss shows briefly; then press the next key") << 36 << 2;
    QTest::newRow("three parts") << QStringLiteral("    Then press the next key within a few seconds; later is fine")
                                 << 26 << 3;
    QTest::newRow("one long word stays") << QStringLiteral("  Abcdefghijklmnopqrstuvwxyz") << 10 << 1;
    QTest::newRow("Japanese fits as before")
        << QStringLiteral("　・１ラン（100試行）の間は休まず続けてください。") << 80 << 1;
}

void TestTextFit::instructionLinesBreakBetweenWords()
{
    QFETCH(QString, line);
    QFETCH(int, widthInChars);
    QFETCH(int, parts);
    QFont f(QStringLiteral("monospace"));
    f.setPointSize(10);
    const QFontMetrics fm(f);
    const int width = widthInChars * fm.horizontalAdvance(QLatin1Char('x'));
    const QStringList out = InstructionPanel::fitted(line, fm, width);
    QCOMPARE(out.size(), parts);
    // Nothing lost or reordered, every part within the width (a single word may not be broken).
    QCOMPARE(out.join(QLatin1Char(' ')).simplified(), line.simplified());
    for (int i = 0; i < out.size(); ++i) {
        if (out.at(i).trimmed().contains(QLatin1Char(' ')))
            QVERIFY2(fm.horizontalAdvance(out.at(i)) <= width, qPrintable(out.at(i)));
        if (i > 0) // continuations are indented under the text after the bullet
            QCOMPARE(out.at(i).indexOf(QRegularExpression(QStringLiteral("\\S"))),
                     line.indexOf(QRegularExpression(QStringLiteral("[A-Za-z(]"))));
    }
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
