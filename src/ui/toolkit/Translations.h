#pragma once

namespace vora::translations {

// Loads Qt's own Japanese texts (qtbase_ja from Qt's translation folder) into the
// application, so standard buttons read はい / いいえ / OK / キャンセル and the file dialog is
// Japanese, like the program's own texts. Call once, after the application object exists and
// before any window is built. False when the translation could not be found; Qt's English
// texts then stay.
bool install();

} // namespace vora::translations
