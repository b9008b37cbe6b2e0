#pragma once
// The main window's background: thumbnails Picture1(0..9) with the overlay Frame4(1)/Image1(1),
// the click and double-click handling of a slot, and the random background of every load.
#include <QObject>
#include <QPixmap>
#include <QString>

class QWidget;

namespace vora {

class Module1;

class BackgroundPictures : public QObject {
    Q_OBJECT
public:
    // Creates the thumbnails and the overlay as children of `window`.
    BackgroundPictures(Module1 &module, QWidget *window);
    ~BackgroundPictures() override;

    void setUpThumbnails(); // load step 9
    void showRandomOrChosen(); // load step 11 (backgroundImagePath)
    void clickSlot(int slot); // also the double click on a stimulus frame Frame1(N)
    void doubleClickSlot(int slot); // the work dialog: returns at once, its answers come later

    // The picture drawn under the window's controls from its top left corner; null for none.
    QPixmap windowPicture() const;

    // The work dialog's texts and the choice an answer stands for (1 to 3, 0 for none;
    // full-width digits count as their half-width twins).
    static QString workPrompt();
    static QString workTitle() { return tr("作業の選択"); }
    static QString confirmationText(const QString &answer);
    static int workChoice(const QString &answer);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class Impl;
    Impl *d;
};

} // namespace vora
