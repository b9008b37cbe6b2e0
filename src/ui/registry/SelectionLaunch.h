#pragma once
// The experiment chosen to run: its heading and name (Label2, Label3), its conditions
// (Label18), the condition memo (Check1, Text1 and its save button Command1) and "実験の開始"
// (Command10). They show the main window's flow and hand it the user's clicks.
#include <QObject>
#include <QPlainTextEdit>
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;

namespace vora {

class MainFlow;

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

class SelectionLaunch : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QLabel *heading = nullptr; // Label2: "実施する実験名"
        QLabel *experimentName = nullptr; // Label3
        QLabel *conditions = nullptr; // Label18
        QCheckBox *showMemo = nullptr; // Check1: "実験条件の表示"
        MemoBox *memo = nullptr; // Text1
        QPushButton *saveMemo = nullptr; // Command1: "保存"
        QPushButton *start = nullptr; // Command10: "実験の開始"
    };

    SelectionLaunch(MainFlow &flow, const Controls &controls, QObject *parent = nullptr);

    QString memoText() const;

private:
    void showWindowState();

    MainFlow &m_flow;
    Controls m_c;
};

} // namespace vora
