#include "mainwindow/BackgroundPictures.h"

namespace vora {

// Skeleton until the background pictures are built.
class BackgroundPictures::Impl {};

BackgroundPictures::BackgroundPictures(Module1 &, QWidget *) : d(new Impl) {}
BackgroundPictures::~BackgroundPictures() { delete d; }
void BackgroundPictures::setUpThumbnails() {}
void BackgroundPictures::showRandomOrChosen() {}
void BackgroundPictures::clickSlot(int) {}
void BackgroundPictures::doubleClickSlot(int) {}

} // namespace vora
