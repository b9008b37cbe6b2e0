#pragma once
// The main window's background: thumbnails Picture1(0..9) with the overlay Frame4(1)/Image1(1),
// the click and double-click handling of a slot, and the random background of every load.
#include <QObject>

class QWidget;

namespace vora {

class Module1;

class BackgroundPictures : public QObject {
    Q_OBJECT
public:
    // Creates the thumbnails and the overlay as children of `window`.
    BackgroundPictures(Module1 &module, QWidget *window);
    ~BackgroundPictures() override;

    void setUpThumbnails();          // load step 9
    void showRandomOrChosen();       // load step 11 (BackgroundImagePath)
    void clickSlot(int slot);        // also the double click on a stimulus frame Frame1(N)
    void doubleClickSlot(int slot);  // the work dialog

private:
    class Impl;
    Impl *d;
};

} // namespace vora
