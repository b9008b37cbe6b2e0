#pragma once
#include <QtGlobal>

namespace vora {

// The program's random calls: reseed from a number, draw with an argument.
// draw(n): n > 0 (or negative) gives the next value in [0, 1); n == 0 repeats the previous value.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed(double seed) = 0;
    virtual double draw(double argument = 1.0) = 0;
};

// Production: every value comes from the operating system's cryptographic source.
// A reseed only mixes its number into an extra state, so the clock can never make
// the targets predictable.
class SystemRandom : public RandomSource {
public:
    void reseed(double seed) override;
    double draw(double argument = 1.0) override;

private:
    quint64 m_mix = 0;
    double m_last = 0.0;
    bool m_hasLast = false;
};

} // namespace vora
