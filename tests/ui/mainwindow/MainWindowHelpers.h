#pragma once
// Shared by the main window tests: a window on fake services, run lines and key typing.
#include "Fakes.h"
#include "StoredRuns.h"
#include "core/registry/RunRecord.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/registry/NameBoxes.h"
#include "ui/startup/Module1.h"
#include "ui/toolkit/Style.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <initializer_list>
#include <memory>
#include <utility>

namespace vora::testing {

// The colours the tests compare the controls' with.
using namespace vora::style;

// A consistent run line: `hits` matches spread from trial 1 on, every target "1".
inline QString runLine(const QString &name, const QString &date, int hits,
                       const QString &stimulus = QStringLiteral("S"), const QString &hitCode = QStringLiteral("D"))
{
    return storedLine(
        {name, date, QStringLiteral("14:30"), stimulus, hitCode, 0, QString()}, [](int) { return true; },
        [hits](int t) { return t < hits; });
}

// `codes`: the stimulus and hit display letters of every run ("SD", "n-" ...).
inline QStringList runLines(const QString &name, int count, int hits = 50, const QString &codes = QStringLiteral("SD"))
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(
            runLine(name, QStringLiteral("2009/04/%1").arg(10 + i % 15), hits, codes.left(1), codes.mid(1, 1)));
    return lines;
}

// The main window on fake services in a temporary program folder. The experiment window
// is a bare widget that records what the main window handed over.
struct MainFixture {
    TestServices t;
    Module1 module{t.services};
    std::unique_ptr<frmMain> window;
    int experimentWindows = 0;

    MainFixture()
    {
        module.setExperimentWindowFactory([this](Module1 &) {
            ++experimentWindows;
            auto *w = new QWidget();
            w->setObjectName(QStringLiteral("toushiJikken"));
            return w;
        });
    }
    frmMain &open()
    {
        window = std::make_unique<frmMain>(module);
        return *window;
    }
    SharedState &state() { return module.state(); }
    template <typename T> T *find(const QString &name) { return window->findChild<T *>(name); }

    // The window's controls by their control names: "Command10", "Label10(2)" and so on.
    template <typename T> T *named(const QString &name) { return control<T>(window.get(), qPrintable(name)); }
    QPushButton *button(const char *name) { return named<QPushButton>(QLatin1String(name)); }
    QLabel *label(const char *name) { return named<QLabel>(QLatin1String(name)); }
    QLabel *label(const char *name, int box)
    {
        return named<QLabel>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(box));
    }
    QCheckBox *checkBox(const char *name) { return named<QCheckBox>(QLatin1String(name)); }
    QPlainTextEdit *textBox(const char *name) { return named<QPlainTextEdit>(QLatin1String(name)); }
    NameCombo *nameBox(int box) { return named<NameCombo>(QStringLiteral("Combo%1").arg(box)); }
    QPushButton *selectButton(int box) { return named<QPushButton>(QStringLiteral("Command%1").arg(box + 3)); }
    // OptionN(box): 1 小, 2 中, 3 大, 6 無 in Frame1(box); 4 する, 5 しない in Frame2(box).
    QRadioButton *option(int n, int box) { return named<QRadioButton>(QStringLiteral("Option%1(%2)").arg(n).arg(box)); }
    QGroupBox *frame(int n, int box) { return named<QGroupBox>(QStringLiteral("Frame%1(%2)").arg(n).arg(box)); }

    // The condition codes a box's ticked options stand for, as its list line writes them;
    // empty when no option of the kind is ticked.
    QString stimulusCode(int box) { return tickedCode(box, {{1, "S"}, {2, "M"}, {3, "B"}, {6, "n"}}); }
    QString hitDisplayCode(int box) { return tickedCode(box, {{4, "D"}, {5, "-"}}); }
    QString tickedCode(int box, std::initializer_list<std::pair<int, const char *>> codes)
    {
        for (const auto &[n, code] : codes)
            if (option(n, box)->isChecked())
                return QLatin1String(code);
        return QString();
    }

    // Keys go to the combo box, as the window system delivers them: the box has the focus
    // and hands the keys to its line edit itself.
    void typeInto(int box, const QString &text)
    {
        QComboBox *edit = nameBox(box);
        for (const QChar ch : text) {
            if (ch.unicode() < 128) {
                QTest::keyClick(edit, ch.toLatin1());
            } else {
                // Typed characters beyond ASCII arrive as key events carrying their text.
                QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            }
        }
    }
    void enter(int box) { QTest::keyClick(nameBox(box), Qt::Key_Return); }
    void eraseText(int box)
    {
        QLineEdit *edit = nameBox(box)->lineEdit();
        const int n = edit->text().size();
        edit->end(false);
        for (int i = 0; i < n; ++i)
            QTest::keyClick(nameBox(box), Qt::Key_Backspace);
    }
    void chooseItem(int box, int index)
    {
        NameCombo *combo = nameBox(box);
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }
    // Registers a name in the open registration view with the given options.
    void registerName(int box, const QString &name, QRadioButton *stimulus, QRadioButton *hit)
    {
        typeInto(box, name);
        QTest::mouseClick(stimulus, Qt::LeftButton);
        QTest::mouseClick(hit, Qt::LeftButton);
        enter(box);
    }
    void toggleView() { QTest::mouseClick(button("Command9"), Qt::LeftButton); }
    void select(int box) { QTest::mouseClick(selectButton(box), Qt::LeftButton); }
    int messages() const { return t.dialogs->count(DialogRecord::Message); }
};

} // namespace vora::testing
