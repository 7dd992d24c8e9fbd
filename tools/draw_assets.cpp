// Draws Velmora's pictures: the 32 x 32, 16-colour application icon (also as
// the Windows .ico and at desktop sizes) and the ten 24-bit pictures of the
// Sun, the Moon and the planets, each a disc on black. Run it to rewrite the
// files in the folder given as argument.
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

// The colour of a body's surface at (x, y), both in [-1, 1] on the disc.
using Surface = std::function<QColor(double x, double y)>;

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
        static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
        static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// A disc of the given radius centred in a width x height picture on black,
// with its edge smoothed by 4 x 4 samples per pixel and its limb darkened.
QImage disc(int width, int height, double radius, const Surface& surface, double limbDarkening = 0.35)
{
    QImage image(width, height, QImage::Format_RGB888);
    const double cx = width / 2.0;
    const double cy = height / 2.0;
    for (int py = 0; py < height; ++py) {
        for (int px = 0; px < width; ++px) {
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx) {
                    const double x = (px + (sx + 0.5) / 4 - cx) / radius;
                    const double y = (py + (sy + 0.5) / 4 - cy) / radius;
                    const double d2 = x * x + y * y;
                    if (d2 > 1)
                        continue;
                    const double light = 1 - limbDarkening * (1 - std::sqrt(1 - d2));
                    const QColor c = surface(x, y);
                    r += c.redF() * light;
                    g += c.greenF() * light;
                    b += c.blueF() * light;
                }
            }
            image.setPixelColor(px, py,
                QColor::fromRgbF(static_cast<float>(r / 16), static_cast<float>(g / 16), static_cast<float>(b / 16)));
        }
    }
    return image;
}

double spot(double x, double y, double sx, double sy, double size)
{
    const double d = std::hypot(x - sx, y - sy) / size;
    return d < 1 ? 1 - d * d : 0;
}

QImage sun()
{
    return disc(
        30, 29, 13.8,
        [](double x, double y) {
            QColor c(255, 244, 170);
            const bool grid = std::fabs(std::fmod(x + 1.0, 0.5)) < 0.06 || std::fabs(std::fmod(y + 1.0, 0.5)) < 0.06;
            if (grid)
                c = QColor(236, 214, 130);
            return mix(c, QColor(70, 50, 20), spot(x, y, 0.3, -0.25, 0.17) * 1.2);
        },
        0.45);
}

QImage mercury()
{
    return disc(29, 30, 13.5, [](double x, double y) {
        double crater = 0;
        const double craters[][3] = {{-0.4, -0.3, 0.22}, {0.35, 0.2, 0.18}, {0.0, 0.55, 0.15}, {0.5, -0.45, 0.13},
            {-0.3, 0.4, 0.12}, {0.1, -0.05, 0.1}};
        for (const auto& k : craters)
            crater = std::max(crater, spot(x, y, k[0], k[1], k[2]));
        return mix(QColor(165, 160, 155), QColor(95, 92, 90), crater);
    });
}

QImage venus()
{
    return disc(
        29, 30, 13.5,
        [](double, double y) {
            return mix(QColor(236, 216, 170), QColor(205, 180, 135), 0.5 + 0.5 * std::sin(y * 7.0));
        },
        0.3);
}

QImage moon()
{
    return disc(
        29, 30, 13.5,
        [](double x, double y) {
            const double plains =
                std::max({spot(x, y, -0.3, -0.3, 0.45), spot(x, y, 0.25, -0.1, 0.35), spot(x, y, -0.1, 0.35, 0.3)});
            return mix(QColor(200, 200, 196), QColor(115, 115, 112), plains);
        },
        0.15);
}

QImage mars()
{
    return disc(30, 28, 13.0, [](double x, double y) {
        if (std::fabs(y) > 0.78)
            return QColor(245, 245, 245);
        return mix(QColor(214, 96, 48), QColor(150, 60, 35), spot(x, y, 0.2, 0.1, 0.45));
    });
}

QImage jupiter()
{
    return disc(30, 29, 13.8, [](double x, double y) {
        const double bands[] = {-0.55, -0.2, 0.18, 0.5};
        double band = 0;
        for (double b : bands)
            band = std::max(band, 1 - std::fabs(y - b) / 0.1);
        QColor c = mix(QColor(240, 228, 200), QColor(160, 110, 70), band);
        return mix(c, QColor(190, 90, 60), spot(x, y, 0.35, 0.3, 0.15));
    });
}

QImage saturn()
{
    QImage image = disc(30, 28, 8.0, [](double, double y) {
        return mix(QColor(235, 222, 175), QColor(210, 190, 140), 0.5 + 0.5 * std::sin(y * 5));
    });
    // The rings: a tilted ellipse crossing the disc, hidden behind it at the top.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(210, 195, 150), 2.0));
    painter.translate(15, 14);
    painter.rotate(-18);
    painter.drawArc(QRectF(-14, -4.5, 28, 9), 180 * 16, 180 * 16);
    painter.setPen(QPen(QColor(150, 140, 110), 1.0));
    painter.drawArc(QRectF(-14, -4.5, 28, 9), 0, 180 * 16);
    return image;
}

QImage uranus()
{
    return disc(
        30, 28, 8.5, [](double, double) { return QColor(70, 140, 135); }, 0.4);
}

QImage neptune()
{
    return disc(30, 30, 12.5,
        [](double x, double y) { return mix(QColor(60, 95, 215), QColor(35, 55, 150), spot(x, y, -0.2, 0.25, 0.25)); });
}

QImage pluto()
{
    return disc(
        30, 30, 11.0,
        [](double x, double y) {
            return mix(QColor(190, 130, 85), QColor(235, 205, 170), spot(x, y, 0.25, 0.2, 0.45));
        },
        0.3);
}

// A telescope on its tripod, black on red, drawn on a 32-unit grid.
void drawIcon(QPainter& painter)
{
    painter.fillRect(QRect(0, 0, 32, 32), QColor(255, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygon({QPoint(3, 17), QPoint(25, 5), QPoint(28, 10), QPoint(6, 22)})); // tube
    painter.drawRect(25, 3, 4, 9); // dew shield
    painter.drawRect(1, 19, 4, 3); // eyepiece
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(15, 15, 15, 27); // tripod
    painter.drawLine(15, 18, 8, 30);
    painter.drawLine(15, 18, 22, 30);
}

// The program's icon: 32 x 32 in the 16 colours of the classic palette.
QImage icon()
{
    QImage image(32, 32, QImage::Format_RGB32);
    QPainter painter(&image);
    drawIcon(painter);
    painter.end();
    static const QList<QRgb> classic16 = {qRgb(0, 0, 0), qRgb(128, 0, 0), qRgb(0, 128, 0), qRgb(128, 128, 0),
        qRgb(0, 0, 128), qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192), qRgb(128, 128, 128),
        qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 0), qRgb(0, 0, 255), qRgb(255, 0, 255), qRgb(0, 255, 255),
        qRgb(255, 255, 255)};
    return image.convertToFormat(QImage::Format_Indexed8, classic16, Qt::ThresholdDither);
}

// The same drawing at a desktop icon size, smoothed rather than blown up.
QImage desktopIcon(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    drawIcon(painter);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ASSETS_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::pair<const char*, QImage> pictures[] = {{"Image1.png", sun()}, {"Image2.png", mercury()},
        {"Image3.png", venus()}, {"Image4.png", moon()}, {"Image5.png", mars()}, {"Image6.png", jupiter()},
        {"Image7.png", saturn()}, {"Image8.png", uranus()}, {"Image9.png", neptune()}, {"Image10.png", pluto()},
        {"icon.png", icon()}, {"velmora.ico", icon()}, {"hicolor/48x48/apps/velmora.png", desktopIcon(48)},
        {"hicolor/64x64/apps/velmora.png", desktopIcon(64)}, {"hicolor/128x128/apps/velmora.png", desktopIcon(128)}};
    for (const auto& [name, image] : pictures) {
        out.mkpath(QFileInfo(out.filePath(QString::fromLatin1(name))).path());
        if (!image.save(out.filePath(QString::fromLatin1(name)))) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return 1;
        }
    }
    return 0;
}
