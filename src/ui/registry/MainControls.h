#pragma once
// The controls of the main window that the name boxes, the registration view and the
// selection share, with the few widget kinds whose events the plain Qt widgets do not raise.
#include "core/registry/NameList.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include <array>
#include <functional>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace vora {

// A label whose caption changes are announced: the selection load hangs on Label3's.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // A different text emits captionChanged after it is shown; the same text does nothing.
    void setCaption(const QString &text);
    QString caption() const { return text(); }

Q_SIGNALS:
    void captionChanged(const QString &text);
};

// An editable name box: announces its drop-down before the list opens and hands every typed
// character to its owner before the character reaches the text.
class NameCombo : public QComboBox {
    Q_OBJECT
public:
    explicit NameCombo(QWidget *parent = nullptr);
    void showPopup() override;

    // Character codes as the handlers see them: 13 Enter, 8 Backspace, 27 Esc, else the character.
    static int keyCodeOf(const QKeyEvent *event);

Q_SIGNALS:
    void droppingDown();
    void keyTyped(int keyCode);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The stimulus frame of a name box: a double click is passed on (it picks a background).
class ConditionFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

// The condition memo box: a double click unlocks it for typing.
class MemoBox : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;
    // The text with CR LF line breaks, as the memo is kept everywhere else.
    QString memoText() const;
    void setMemoText(const QString &text);

Q_SIGNALS:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

constexpr int kNameBoxes = 5;

// Pointers to the main window's controls; arrays are indexed by box number (element 0 is
// the hidden design element and has no behaviour). Built by the main window.
struct MainControls {
    QWidget *window = nullptr;

    CaptionLabel *experimentName = nullptr; // Label3: name of the experiment to run
    QLabel *experimentHeading = nullptr; // Label2: "実施する実験名"
    QLabel *prompt = nullptr; // Label4: prompt / guidance
    QLabel *boxesHeading = nullptr; // Label5: "実験名"
    QLabel *selectionConditions = nullptr; // Label18: conditions of the selection
    QCheckBox *showMemoCheck = nullptr; // Check1: "実験条件の表示"
    MemoBox *conditionMemo = nullptr; // Text1
    QPushButton *saveMemoButton = nullptr; // Command1: "保存"
    QPushButton *computerOnlyButton = nullptr; // Command2: "コンピュータだけの実験" (always hidden)
    QPushButton *exitButton = nullptr; // Command3: "終わり"
    QPushButton *registrationButton = nullptr; // Command9: registration view toggle
    QPushButton *startButton = nullptr; // Command10: "実験の開始"
    QPushButton *resultsButton = nullptr; // Command13: "結果の表示"

    std::array<NameCombo *, kNameBoxes + 1> nameBox{}; // Combo1 .. Combo5
    std::array<QPushButton *, kNameBoxes + 1> selectButton{}; // Command4 .. Command8
    std::array<ConditionFrame *, kNameBoxes + 1> stimulusFrame{}; // Frame1(N)
    std::array<QGroupBox *, kNameBoxes + 1> hitDisplayFrame{}; // Frame2(N)
    // The stimulus levels and the hit display choices of each box.
    std::array<QRadioButton *, kNameBoxes + 1> smallStimulus{}; // Option1(N): "小"
    std::array<QRadioButton *, kNameBoxes + 1> mediumStimulus{}; // Option2(N): "中"
    std::array<QRadioButton *, kNameBoxes + 1> largeStimulus{}; // Option3(N): "大"
    std::array<QRadioButton *, kNameBoxes + 1> noStimulus{}; // Option6(N): "無"
    std::array<QRadioButton *, kNameBoxes + 1> showHits{}; // Option4(N): "する"
    std::array<QRadioButton *, kNameBoxes + 1> hideHits{}; // Option5(N): "しない"
    std::array<QLabel *, kNameBoxes + 1> runsDone{}; // Label10(N)
    std::array<QLabel *, kNameBoxes + 1> lastDate{}; // Label11(N)

    // Window-level state shared by the features.
    bool registrationOpen = false; // while the registration view is shown
    bool ended = false; // the integrity failure has ended this instance: handle nothing more
    // Per box: the name and codes its select button was last given (from the selection file,
    // a chosen item or a registration), and the list file's lines that give no item.
    std::array<BoxSelection, kNameBoxes + 1> selected{};
    std::array<KeptListLines, kNameBoxes + 1> keptLines{};
    // Files that were there but could not be read at load (why, naming the file; empty when
    // read): such a file is never rewritten, or what it holds would be lost.
    std::array<QString, kNameBoxes + 1> listRefused{};
    QString selectionRefused;

    // Hooks into the window's other features.
    std::function<void(bool)> setWebPanelVisible;
    std::function<void(int)> frameDoubleClicked; // the background of slot N

    // The six option buttons of a box, in the order Option1 .. Option6 (small, medium, large,
    // show hits, hide hits, none).
    std::array<QRadioButton *, 6> optionsOf(int box) const;
    // "S", "M", "B", "n" of the selected stimulus option; empty when none is selected.
    QString stimulusCodeOf(int box) const;
    // "D" or "-" of the selected hit display option; empty when none is selected.
    QString hitDisplayCodeOf(int box) const;
    // Selects the option of a code; any other code selects nothing (and clears nothing).
    void selectStimulus(int box, const QString &code) const;
    void selectHitDisplay(int box, const QString &code) const;
    void clearOptions(int box) const;
    void setConditionsEnabled(int box, bool enabled) const;

    // The item texts of a box's list, in order.
    QStringList listItems(int box) const;
    // The name on the select button of a box, without padding.
    QString selectedName(int box) const;
    // The registered conditions of the name on a box's select button (see registeredSelection);
    // empty name when the button is empty or its name is not in the box's list.
    BoxSelection registeredSelectionOf(int box) const;
    // Writes a box's list file: its items and the kept lines. Refused for a list that could
    // not be read at load.
    FileResult writeList(FileStore &files, const AppPaths &paths, int box) const;

    // Where a name stands in the boxes: each box whose list or select button holds it, with
    // the conditions it holds it under (one entry per box, its first).
    struct Holding {
        int box = 0;
        QString stimulusCode;
        QString hitDisplayCode;
    };
    QVector<Holding> holdingsOf(const QString &name) const;
};

} // namespace vora
