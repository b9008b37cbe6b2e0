#include "core/run/KeyRepeats.h"

namespace vora {

void KeyRepeats::released(int key, quint64 timestamp)
{
    m_releasedKey = key;
    m_releasedAt = timestamp;
}

bool KeyRepeats::isRepeat(int key, quint64 timestamp, bool flaggedAsRepeat)
{
    const bool pairedWithRelease = timestamp != 0 && key == m_releasedKey && timestamp == m_releasedAt;
    m_releasedKey = 0;
    m_releasedAt = 0;
    return flaggedAsRepeat || pairedWithRelease;
}

} // namespace vora
