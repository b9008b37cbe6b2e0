// The desktop finds the program: every window carries its icon and desktop file name, and
// the build paints the icon in every size the icon theme asks for and as SVG, all alike.
#include "ui/startup/DesktopIdentity.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

using namespace vora;

class TestDesktopIdentity : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buildPaintsEverySize();
    void svgShowsWhatThePngsShow_data();
    void svgShowsWhatThePngsShow();
    void iconFolderIsReadInThemeLayout();
    void windowsCarryIconAndDesktopName();
};

namespace {
QString builtIcons()
{
    const QString appDir = qEnvironmentVariable("VORA_APP_DIR");
    return appDir.isEmpty() ? QString() : QDir::cleanPath(appDir + QStringLiteral("/../icons"));
}

void writePng(const QString &path, int width, int height)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(path, "PNG"));
}
} // namespace

void TestDesktopIdentity::buildPaintsEverySize()
{
    if (builtIcons().isEmpty() || !QFileInfo(builtIcons()).isDir())
        QSKIP("no icons built");
    QList<QSize> sizes = desktop::iconFrom(builtIcons(), desktop::appId()).availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QList<QSize> expected;
    for (const int n : {16, 22, 24, 32, 48, 64, 128, 256})
        expected << QSize(n, n);
    QCOMPARE(sizes, expected);
}

void TestDesktopIdentity::svgShowsWhatThePngsShow_data()
{
    QTest::addColumn<int>("size");
    for (const int n : {16, 32, 64, 256})
        QTest::addRow("%d px", n) << n;
}

// The SVG rendered at a size matches the PNG of that size: same painting, same place.
void TestDesktopIdentity::svgShowsWhatThePngsShow()
{
    QFETCH(int, size);
    if (builtIcons().isEmpty() || !QFileInfo(builtIcons()).isDir())
        QSKIP("no icons built");
    const QString id = desktop::appId();
    const QImage png = QImage(builtIcons() + QStringLiteral("/hicolor/%1x%1/apps/%2.png").arg(size).arg(id))
                           .convertToFormat(QImage::Format_ARGB32);
    QSvgRenderer svg(builtIcons() + QStringLiteral("/hicolor/scalable/apps/%1.svg").arg(id));
    QVERIFY(svg.isValid());
    QCOMPARE(png.size(), QSize(size, size));
    QImage rendered(size, size, QImage::Format_ARGB32);
    rendered.fill(Qt::transparent);
    QPainter p(&rendered);
    svg.render(&p);
    p.end();

    // Mean difference per channel, alpha included; edges may differ by antialiasing only.
    double difference = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb a = png.pixel(x, y), b = rendered.pixel(x, y);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b))
                          + std::abs(qAlpha(a) - qAlpha(b));
        }
    }
    difference /= 4.0 * size * size;
    QVERIFY2(difference < 4.0, qPrintable(QStringLiteral("mean difference %1").arg(difference)));
}

void TestDesktopIdentity::iconFolderIsReadInThemeLayout()
{
    QTemporaryDir icons;
    const QString id = QStringLiteral("org.example.Test");
    writePng(icons.filePath(QStringLiteral("hicolor/16x16/apps/org.example.Test.png")), 16, 16);
    writePng(icons.filePath(QStringLiteral("hicolor/64x64/apps/org.example.Test.png")), 64, 64);
    writePng(icons.filePath(QStringLiteral("hicolor/32x32/apps/org.example.Other.png")), 32, 32); // another program's
    writePng(icons.filePath(QStringLiteral("hicolor/48x24/apps/org.example.Test.png")), 48, 24); // no theme size
    writePng(icons.filePath(QStringLiteral("hicolor/128x128/org.example.Test.png")), 128, 128); // outside apps/
    QList<QSize> sizes = desktop::iconFrom(icons.path(), id).availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QCOMPARE(sizes, (QList<QSize>{QSize(16, 16), QSize(64, 64)}));
    QVERIFY(desktop::iconFrom(icons.filePath(QStringLiteral("missing")), id).isNull());
}

void TestDesktopIdentity::windowsCarryIconAndDesktopName()
{
    const QString appDir = qEnvironmentVariable("VORA_APP_DIR");
    if (appDir.isEmpty() || !QFileInfo(builtIcons()).isDir())
        QSKIP("no icons built");
    desktop::applyIdentity(appDir);
    QCOMPARE(QGuiApplication::desktopFileName(), desktop::appId());
    QVERIFY(!QGuiApplication::windowIcon().isNull());
    QWidget window;
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.windowIcon().cacheKey(), QGuiApplication::windowIcon().cacheKey());
}

QTEST_MAIN(TestDesktopIdentity)
#include "tst_desktopidentity.moc"
