#pragma once
// Telling a held key's repeats from fresh presses. The platform flags most repeats, but on X11
// a repeat arrives as a release and a press with one time stamp, and a toolkit that reads the
// two in separate passes cannot flag it. A press that comes with the very time stamp of the
// same key's last release is such a repeat: no hand lifts and presses a key within the same
// millisecond.
#include <QtGlobal>

namespace vora {

class KeyRepeats {
public:
    // A key release; `timestamp` in the platform's milliseconds (0: unknown).
    void released(int key, quint64 timestamp);
    // Whether a key press is a repeat of a key held down (and so no guess).
    bool isRepeat(int key, quint64 timestamp, bool flaggedAsRepeat);

private:
    int m_releasedKey = 0;
    quint64 m_releasedAt = 0;
};

} // namespace vora
