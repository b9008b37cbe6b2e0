// Target randomness: a million targets drawn through the production generator and clock
// exactly as a run draws them, judged with four NIST SP 800-22 tests.
#include "BenchSupport.h"
#include "Nist.h"

#include "core/run/TrialEngine.h"
#include "core/toolkit/Clock.h"
#include "core/toolkit/Random.h"

#include <QElapsedTimer>

namespace vorabench {
namespace nist = vora::nist;

QJsonObject randomnessFigures()
{
    constexpr int kTargets = 1000000;
    vora::SystemClock clock;
    vora::SystemRandom random;
    vora::TrialEngine engine(clock, random);

    nist::Bits bits;
    bits.reserve(kTargets);
    int zeroArgument = 0; // draws whose clock argument was 0, which repeat the previous value
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kTargets; ++i) {
        if (vora::TrialEngine::lastTwoCharactersNumber(clock.secondsText()) == 0.0)
            ++zeroArgument;
        engine.drawNextTarget(); // reseed from the clock's last character, draw with the last two
        bits.push_back(engine.vars().CurrentTarget == QLatin1String("1") ? 1 : 0);
    }
    const double drawSeconds = timer.nsecsElapsed() / 1e9;

    const nist::SerialResult serial = nist::serial(bits, 2);
    QJsonObject out;
    out.insert(QStringLiteral("targets"), kTargets);
    out.insert(QStringLiteral("share_of_1"), rounded(nist::ones(bits) / bits.size(), 6));
    out.insert(QStringLiteral("monobit_p"), rounded(nist::monobit(bits), 6));
    out.insert(QStringLiteral("block_frequency_m128_p"), rounded(nist::blockFrequency(bits, 128), 6));
    out.insert(QStringLiteral("runs_p"), rounded(nist::runs(bits), 6));
    out.insert(QStringLiteral("serial_m2_p1"), rounded(serial.p1, 6));
    out.insert(QStringLiteral("serial_m2_p2"), rounded(serial.p2, 6));
    out.insert(QStringLiteral("draws_with_zero_argument"), zeroArgument);
    out.insert(QStringLiteral("draw_seconds"), rounded(drawSeconds, 3));
    out.insert(QStringLiteral("pass_level"), 0.01);
    return out;
}

} // namespace vorabench
