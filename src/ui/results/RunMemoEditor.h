#pragma once
// The run memo beside the per-run chart: the floating caption Command6 with the run's number
// and date, the memo box Text4 (a read-only preview on hover, an editor after a double
// click) and the editor's buttons Command13 "保存" and Command14 "キャンセル".
#include <QObject>
#include <QString>

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace vora {

class RunMemoEditor : public QObject {
    Q_OBJECT
public:
    explicit RunMemoEditor(QWidget *window);

    // The caption "No." + run + " " + date and time at (left, top) in twips, 100 twips wide
    // per character.
    void showCaption(int left, int top, int run, const QString &dateTime);
    // The stored memo under the caption, read-only, in the window's font: 4000 twips wide,
    // 120 twips high per ten characters started, or higher where the text needs it. An
    // empty memo hides the box.
    void showPreview(const QString &storedMemo);
    // The memo under the caption for typing, with the two buttons right of the caption.
    void openEditor(const QString &storedMemo);
    void hideAll();
    void hidePreview();
    // While the save waits for another copy's lock: the memo as sent, its buttons off.
    void setSaving(bool saving);

    bool editing() const { return m_editing; }
    // The memo as typed, line breaks as CR LF.
    QString typedText() const;

    QPushButton *caption() const { return m_caption; }
    QPlainTextEdit *box() const { return m_box; }

    static int previewHeightTwips(int characters) { return (characters / 10 + 1) * 120; }

Q_SIGNALS:
    void saveClicked();
    void cancelClicked();

private:
    QPushButton *m_caption;
    QPlainTextEdit *m_box;
    QPushButton *m_save;
    QPushButton *m_cancel;
    bool m_editing = false;
};

} // namespace vora
