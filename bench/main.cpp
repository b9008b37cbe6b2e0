// vora-bench: prints one JSON object of figures. Nothing here is asserted; absolute times
// depend on the machine and its load, so compare figures from the same machine only.
#include "BenchSupport.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSysInfo>

#include <cstdio>
#include <thread>

#ifndef VORA_BENCH_DATA_TOOL
#define VORA_BENCH_DATA_TOOL ""
#endif

int main(int argc, char *argv[])
{
    // The windows are measured offscreen: no display is needed and nothing appears.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (vorabench::isWindowSession(QCoreApplication::arguments()))
        return vorabench::runWindowSession();

    QString dataTool = QString::fromLocal8Bit(qgetenv("VORA_DATA_TOOL"));
    if (dataTool.isEmpty())
        dataTool = QStringLiteral(VORA_BENCH_DATA_TOOL);
    // The window session copies the pictures and help page from the build's program folder.
    if (qEnvironmentVariableIsEmpty("VORA_APP_DIR") && !dataTool.isEmpty())
        qputenv("VORA_APP_DIR", QFileInfo(dataTool).absolutePath().toLocal8Bit());

    // --study: the study figures alone (they take minutes; the others do not need a server).
    if (QCoreApplication::arguments().contains(QStringLiteral("--study"))) {
        const QJsonObject study{{QStringLiteral("study"), vorabench::studyFigures(dataTool)}};
        const QByteArray json = QJsonDocument(study).toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, json.size(), stdout);
        return 0;
    }

    QJsonObject root;
    root.insert(QStringLiteral("date"), QDateTime::currentDateTime().toString(Qt::ISODate));
    root.insert(QStringLiteral("machine"),
                QJsonObject{
                    {QStringLiteral("os"), QSysInfo::prettyProductName()},
                    {QStringLiteral("cpu_threads"), int(std::thread::hardware_concurrency())},
                    {QStringLiteral("qt"), QString::fromLatin1(qVersion())},
                });
    root.insert(QStringLiteral("data_core"), vorabench::dataCoreFigures(dataTool));
    root.insert(QStringLiteral("report"), vorabench::reportFigures(dataTool));
    root.insert(QStringLiteral("study"), vorabench::studyFigures(dataTool));
    root.insert(QStringLiteral("randomness"), vorabench::randomnessFigures());
    root.insert(QStringLiteral("windows"), vorabench::windowFigures());
    root.insert(QStringLiteral("outside"), vorabench::outsideFigures());

    const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, json.size(), stdout);
    return 0;
}
