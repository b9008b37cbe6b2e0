// The subject's view: vora-xbench drives the real program and a minimal Qt window on a private
// Xvfb and watches their pixels (see bench/outside/XBench.cpp). Run here as a child; its JSON
// becomes the "outside" figures.
#include "BenchSupport.h"

#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>

namespace vorabench {

QJsonObject outsideFigures()
{
#if defined(VORA_BENCH_XBENCH) && defined(VORA_BENCH_FLOOR)
    const QString appDir = qEnvironmentVariable("VORA_APP_DIR");
    if (appDir.isEmpty())
        return notMeasured(QStringLiteral("VORA_APP_DIR names no program folder"));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM")); // the child's programs draw on its own display
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(VORA_BENCH_XBENCH),
                {QStringLiteral("--app-dir"), appDir, QStringLiteral("--floor"), QStringLiteral(VORA_BENCH_FLOOR)});
    if (!child.waitForFinished(15 * 60 * 1000)) {
        child.kill();
        child.waitForFinished(2000);
        return notMeasured(QStringLiteral("vora-xbench did not finish within 15 minutes"));
    }
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(child.readAllStandardOutput(), &parse);
    if (child.exitCode() != 0 || !doc.isObject())
        return notMeasured(QStringLiteral("vora-xbench failed (exit %1): %2")
                               .arg(child.exitCode())
                               .arg(QString::fromLocal8Bit(child.readAllStandardError().right(300))));
    return doc.object();
#else
    return notMeasured(QStringLiteral("built without X11, XTest and DAMAGE (libxtst-dev, libxdamage-dev)"));
#endif
}

} // namespace vorabench
