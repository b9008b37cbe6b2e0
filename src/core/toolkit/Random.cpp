#include "core/toolkit/Random.h"

#include <QRandomGenerator>

#include <cstring>

namespace vora {

namespace {
quint64 splitmix(quint64 x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}
} // namespace

void SystemRandom::reseed(double seed)
{
    quint64 bits = 0;
    std::memcpy(&bits, &seed, sizeof bits);
    m_mix = splitmix(m_mix ^ bits);
}

double SystemRandom::draw(double argument)
{
    if (argument == 0.0 && m_hasLast)
        return m_last;
    // XOR with the mixed state cannot reduce the entropy of the system draw.
    const quint64 raw = QRandomGenerator::system()->generate64() ^ m_mix;
    m_mix = splitmix(m_mix);
    m_last = static_cast<double>(raw >> 11) * (1.0 / 9007199254740992.0); // 53 bits -> [0, 1)
    m_hasLast = true;
    return m_last;
}

} // namespace vora
