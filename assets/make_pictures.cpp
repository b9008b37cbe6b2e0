// Paints the pictures the program loads by name: thumbnails, mountain backgrounds,
// stimulus silhouettes, the splash logo and the congratulation picture; and, when asked,
// the program's icon for the desktop in the sizes of the icon theme and as SVG, all from one
// painting.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QSvgGenerator>
#include <QtMath>

#include <cstdio>

namespace {

const int kBackgroundWidth = 1000;
const int kBackgroundHeight = 720;

bool save(const QImage &image, const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name);
    if (!image.save(path, "JPG", 90)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A ridge line across the picture: a sum of a few sine waves plus small noise.
QPainterPath ridge(QRandomGenerator &rng, int width, int height, double baseY, double amplitude)
{
    QPainterPath path;
    path.moveTo(0, height);
    const double f1 = 1.0 + rng.bounded(2.0), f2 = 3.0 + rng.bounded(3.0), f3 = 7.0 + rng.bounded(6.0);
    const double p1 = rng.bounded(6.28), p2 = rng.bounded(6.28), p3 = rng.bounded(6.28);
    for (int x = 0; x <= width; x += 4) {
        const double t = double(x) / width * 2 * M_PI;
        const double y =
            baseY
            - amplitude * (0.6 * std::sin(f1 * t + p1) + 0.3 * std::sin(f2 * t + p2) + 0.1 * std::sin(f3 * t + p3));
        path.lineTo(x, y + rng.bounded(3.0));
    }
    path.lineTo(width, height);
    path.closeSubpath();
    return path;
}

// The main window draws a picture unscaled from its top left corner, and its labels, option
// texts and frame titles stand on the upper part: black texts, and dark grey ones where the
// conditions are greyed. Down to this line the sky stays light (relative luminance above 0.55,
// so both keep a contrast of 4.5 : 1 or more) and no mountain rises into it; a darker sky,
// evening or night, begins below it, behind the window's opaque panel and buttons.
const int kLightSkyBottom = 275;

QImage mountains(int n)
{
    QRandomGenerator rng(1000 + n);
    QImage img(kBackgroundWidth, kBackgroundHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Sky: each picture has its own time of day, told by the colours below the light band.
    struct Sky {
        QColor top, band, horizon;
    };
    static const Sky skies[] = {
        {QColor(172, 207, 243), QColor(200, 225, 248), QColor(190, 220, 245)}, // clear day
        {QColor(182, 213, 245), QColor(215, 232, 250), QColor(230, 240, 250)}, // bright day
        {QColor(214, 206, 234), QColor(246, 212, 190), QColor(200, 100, 80)}, // sunset
        {QColor(178, 210, 242), QColor(212, 231, 249), QColor(220, 235, 250)}, // morning
        {QColor(242, 206, 168), QColor(250, 224, 178), QColor(245, 170, 110)}, // evening glow
        {QColor(175, 208, 242), QColor(205, 228, 246), QColor(200, 225, 245)}, // haze
        {QColor(208, 212, 222), QColor(226, 229, 236), QColor(225, 228, 236)}, // overcast
        {QColor(200, 204, 232), QColor(222, 214, 236), QColor(70, 60, 120)}, // moonrise over dusk
        {QColor(180, 210, 240), QColor(212, 230, 245), QColor(210, 230, 245)}, // afternoon
    };
    const int k = (n - 1) % 9;
    const Sky &sky = skies[k];
    QLinearGradient skyFill(0, 0, 0, kBackgroundHeight * 0.7);
    skyFill.setColorAt(0, sky.top);
    skyFill.setColorAt(double(kLightSkyBottom) / (kBackgroundHeight * 0.7), sky.band);
    skyFill.setColorAt(1, sky.horizon);
    p.fillRect(img.rect(), skyFill);

    // Sun or moon: a bright glow, which only lightens the band further.
    const QPointF sunAt(150 + rng.bounded(700), 90 + rng.bounded(120));
    QRadialGradient glow(sunAt, 90);
    glow.setColorAt(0, QColor(255, 250, 220, 230));
    glow.setColorAt(0.3, QColor(255, 240, 200, 120));
    glow.setColorAt(1, QColor(255, 240, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sunAt, 90, 90);

    // Layers of mountains, far (pale) to near (dark); the highest peak stays below the band.
    const int layers = 4;
    for (int i = 0; i < layers; ++i) {
        const double depth = double(i) / (layers - 1);
        const double amplitude = 100 - 12 * i;
        const double baseY = kLightSkyBottom + 3 + amplitude + 95 * i;
        const QPainterPath path = ridge(rng, kBackgroundWidth, kBackgroundHeight, baseY, amplitude);
        QColor c = QColor::fromHsvF(0.33 - 0.12 * depth + 0.02 * k, 0.35 + 0.3 * depth, 0.75 - 0.45 * depth);
        if (i == 0)
            c = QColor::fromHsvF(0.6, 0.25, 0.8);
        p.setBrush(c);
        p.drawPath(path);
        if (i == 0) {
            // Snow on the far peaks.
            p.save();
            p.setClipPath(path);
            p.setBrush(QColor(250, 250, 255));
            p.drawRect(QRectF(0, 0, kBackgroundWidth, baseY - 60));
            p.restore();
        }
    }
    // A lake in some pictures.
    if (n % 3 == 0) {
        QLinearGradient water(0, kBackgroundHeight * 0.85, 0, kBackgroundHeight);
        water.setColorAt(0, QColor(120, 170, 210));
        water.setColorAt(1, QColor(50, 90, 140));
        p.setBrush(water);
        p.drawRect(QRectF(0, kBackgroundHeight * 0.86, kBackgroundWidth, kBackgroundHeight * 0.14));
    }
    return img;
}

QImage thumbnailOf(const QImage &full)
{
    return full.scaled(81, 59, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage noPictureThumbnail()
{
    QImage img(81, 59, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.drawRect(0, 0, 80, 58);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 60, 60), 2));
    p.drawLine(12, 10, 69, 49);
    p.drawLine(69, 10, 12, 49);
    return img;
}

// Dark silhouettes on a plain light ground.
QImage silhouetteCanvas()
{
    QImage img(240, 180, QImage::Format_RGB32);
    img.fill(QColor(235, 235, 230));
    return img;
}

QImage snake()
{
    QImage img = silhouetteCanvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.moveTo(20, 120);
    for (int x = 20; x <= 200; x += 2)
        body.lineTo(x, 100 + 35 * std::sin((x - 20) / 28.0));
    p.setPen(QPen(QColor(25, 25, 20), 16, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 20));
    p.drawEllipse(QPointF(205, 100 + 35 * std::sin(185 / 28.0)), 14, 10);
    p.setPen(QPen(QColor(120, 20, 20), 2));
    p.drawLine(QPointF(218, 100 + 35 * std::sin(185 / 28.0)), QPointF(232, 95 + 35 * std::sin(185 / 28.0)));
    return img;
}

QImage centipede()
{
    QImage img = silhouetteCanvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(30, 20, 15));
    for (int i = 0; i < 16; ++i) {
        const double x = 20 + i * 12.5, y = 90 + 14 * std::sin(i / 2.5);
        p.setPen(QPen(QColor(30, 20, 15), 2));
        p.drawLine(QPointF(x, y), QPointF(x - 6, y - 22));
        p.drawLine(QPointF(x, y), QPointF(x - 6, y + 22));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(x, y), 8, 7);
    }
    p.setPen(QPen(QColor(30, 20, 15), 2));
    p.drawLine(QPointF(212, 90 + 14 * std::sin(15 / 2.5)), QPointF(232, 60));
    p.drawLine(QPointF(212, 90 + 14 * std::sin(15 / 2.5)), QPointF(234, 110));
    return img;
}

QImage caterpillar()
{
    QImage img = silhouetteCanvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 40, 20));
    for (int i = 0; i < 10; ++i) {
        const double x = 40 + i * 17, y = 105 - 30 * std::sin(i / 9.0 * M_PI);
        p.drawEllipse(QPointF(x, y), 13, 13);
        p.setPen(QPen(QColor(35, 40, 20), 1.5));
        for (int h = -2; h <= 2; ++h)
            p.drawLine(QPointF(x + h * 3, y - 12), QPointF(x + h * 4, y - 20));
        p.setPen(Qt::NoPen);
    }
    p.drawEllipse(QPointF(215, 110), 15, 14);
    return img;
}

QImage ant()
{
    QImage img = silhouetteCanvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c(20, 15, 10);
    p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = -1; i <= 1; ++i) {
        p.drawLine(QPointF(120 + i * 12, 92), QPointF(95 + i * 30, 50));
        p.drawLine(QPointF(120 + i * 12, 92), QPointF(95 + i * 30, 140));
    }
    p.drawLine(QPointF(170, 85), QPointF(200, 45));
    p.drawLine(QPointF(170, 85), QPointF(208, 62));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(70, 95), 34, 24);
    p.drawEllipse(QPointF(122, 92), 20, 12);
    p.drawEllipse(QPointF(163, 90), 16, 15);
    return img;
}

QImage cockroach()
{
    QImage img = silhouetteCanvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c(40, 22, 10);
    p.setPen(QPen(c, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = -1; i <= 1; ++i) {
        p.drawLine(QPointF(115 + i * 25, 90), QPointF(100 + i * 45, 35));
        p.drawLine(QPointF(115 + i * 25, 90), QPointF(100 + i * 45, 150));
    }
    p.setPen(QPen(c, 1.5));
    p.drawLine(QPointF(185, 85), QPointF(235, 20));
    p.drawLine(QPointF(185, 95), QPointF(235, 165));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(115, 90), 72, 36);
    p.drawEllipse(QPointF(186, 90), 14, 18);
    return img;
}

QImage leaf()
{
    QImage img = silhouetteCanvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.moveTo(30, 150);
    shape.cubicTo(40, 40, 150, 20, 215, 25);
    shape.cubicTo(200, 100, 120, 170, 30, 150);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 45, 20));
    p.drawPath(shape);
    p.setPen(QPen(QColor(90, 110, 70), 2));
    p.drawLine(QPointF(30, 150), QPointF(205, 32));
    for (int i = 1; i < 7; ++i) {
        const QPointF at(30 + i * 25, 150 - i * 17);
        p.drawLine(at, at + QPointF(10, -28));
        p.drawLine(at, at + QPointF(28, 6));
    }
    p.setPen(QPen(QColor(25, 45, 20), 4));
    p.drawLine(QPointF(30, 150), QPointF(12, 168));
    return img;
}

// The logo on a 280 x 280 square: a round ground with an eye.
void paintLogo(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(140, 140), 130);
    g.setColorAt(0, QColor(255, 255, 210));
    g.setColorAt(0.55, QColor(120, 90, 200));
    g.setColorAt(1, QColor(30, 20, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(140, 140), 128, 128);
    // An eye: the symbol of seeing what is hidden.
    QPainterPath eye;
    eye.moveTo(45, 140);
    eye.quadTo(140, 60, 235, 140);
    eye.quadTo(140, 220, 45, 140);
    p.setBrush(Qt::white);
    p.drawPath(eye);
    p.setBrush(QColor(40, 30, 110));
    p.drawEllipse(QPointF(140, 140), 36, 36);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(140, 140), 15, 15);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(150, 128), 6, 6);
}

QImage logo()
{
    QImage img(280, 280, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    paintLogo(p);
    return img;
}

// The program's icon for the desktop's menus: the logo, transparent outside its circle,
// painted on a square of `size`.
void paintIcon(QPainter &p, int size)
{
    p.scale(size / 268.0, size / 268.0);
    p.translate(-6, -6); // the circle (radius 128 around 140) fills the square
    paintLogo(p);
}

QImage icon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    paintIcon(p, size);
    return img;
}

// The same painting as scalable vector graphics, on a 256 x 256 view box.
bool saveIconSvg(const QString &path)
{
    const int size = 256;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("VORA"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    paintIcon(p, size);
    return p.end();
}

QImage congratulation()
{
    QImage img(96, 96, QImage::Format_RGB32);
    img.fill(QColor(255, 255, 0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? 44 : 18;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(48 + r * std::cos(a), 50 + r * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(200, 80, 0), 3));
    p.setBrush(QColor(255, 140, 0));
    p.drawPath(star);
    return img;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: vora-make-pictures FOLDER [ICON_FOLDER ICON_NAME]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    bool ok = save(noPictureThumbnail(), folder, QStringLiteral("yama0s.jpg"));
    for (int n = 1; n <= 9; ++n) {
        const QImage full = mountains(n);
        ok = save(full, folder, QStringLiteral("yama%1.jpg").arg(n)) && ok;
        ok = save(thumbnailOf(full), folder, QStringLiteral("yama%1s.jpg").arg(n)) && ok;
    }
    ok = save(snake(), folder, QStringLiteral("kage_hebi.jpg")) && ok;
    ok = save(centipede(), folder, QStringLiteral("kage_mukade.jpg")) && ok;
    ok = save(caterpillar(), folder, QStringLiteral("kage_kemushi.jpg")) && ok;
    ok = save(ant(), folder, QStringLiteral("kage_ari.jpg")) && ok;
    ok = save(cockroach(), folder, QStringLiteral("kage_goki.jpg")) && ok;
    ok = save(leaf(), folder, QStringLiteral("kage_ha.jpg")) && ok;
    ok = save(logo(), folder, QStringLiteral("vora_logo.jpg")) && ok;
    ok = save(congratulation(), folder, QStringLiteral("omedeto.jpg")) && ok;
    if (argc == 4) {
        // ICON_FOLDER/hicolor/NxN/apps/ICON_NAME.png in the sizes desktops ask for and
        // ICON_FOLDER/hicolor/scalable/apps/ICON_NAME.svg, laid out as the icon theme installs them.
        const QDir icons(QString::fromLocal8Bit(argv[2]));
        const QString name = QString::fromLocal8Bit(argv[3]);
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString sizeFolder = icons.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(size));
            QDir().mkpath(sizeFolder);
            const QString path = QDir(sizeFolder).filePath(name + QStringLiteral(".png"));
            if (!icon(size).save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                ok = false;
            }
        }
        const QString scalable = icons.filePath(QStringLiteral("hicolor/scalable/apps"));
        QDir().mkpath(scalable);
        const QString path = QDir(scalable).filePath(name + QStringLiteral(".svg"));
        if (!saveIconSvg(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
