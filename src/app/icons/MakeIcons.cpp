// Draws the four tray pictures at the sizes a desktop asks for and writes them
// as PNG files into the folder given as the only argument. The committed
// pictures in this folder were made with it; run it again after a change:
//   build/src/app/zk_make_icons src/app/icons
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>

#include <cmath>
#include <cstdio>

namespace {

struct Look
{
    QColor face;
    QColor rim;
    bool offBar;
};

// A round clock face with two hands at nine o'clock; "off" adds a red bar
// from corner to corner. Lines scale with the size but never go below one
// pixel, so the 16-pixel picture stays sharp.
QImage Draw(const Look &look, int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const double rimWidth = std::max(1.0, s / 12.0);
    const double m = rimWidth / 2 + 0.5;
    p.setPen(QPen(look.rim, rimWidth));
    p.setBrush(look.face);
    p.drawEllipse(QRectF(m, m, s - 2 * m, s - 2 * m));

    const QPointF c(s / 2, s / 2);
    const double handWidth = std::max(1.0, s / 11.0);
    p.setPen(QPen(Qt::white, handWidth, Qt::SolidLine, Qt::RoundCap));
    const double pi = std::acos(-1.0);
    auto hand = [&](double minutes, double length) {
        const double a = minutes / 60.0 * 2 * pi - pi / 2;
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * length);
    };
    hand(45, s * 0.24); // hour hand at nine
    hand(0, s * 0.36);  // minute hand at twelve

    if (look.offBar) {
        p.setPen(
            QPen(QColor(0xd0, 0x10, 0x10), std::max(2.0, s / 7.0), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.15, s * 0.85), QPointF(s * 0.85, s * 0.15));
    }
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const Look looks[4] = {
        {QColor(0x80, 0x80, 0x80), QColor(0x40, 0x40, 0x40), false}, // Image1: inactive or idle
        {QColor(0x1e, 0xa0, 0x3c), QColor(0x0c, 0x50, 0x1c), false}, // Image2: active
        {QColor(0x9a, 0x9a, 0x9a), QColor(0x50, 0x50, 0x50), true},  // Image3: switched off
        {QColor(0x1e, 0x64, 0xd2), QColor(0x0a, 0x2c, 0x64), false}, // Image4: starting up
    };
    for (int i = 0; i < 4; ++i) {
        for (int size : {16, 22, 32, 64}) {
            const QString name = QString("%1/image%2-%3.png").arg(folder).arg(i + 1).arg(size);
            if (!Draw(looks[i], size).save(name)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
                return 1;
            }
        }
    }
    return 0;
}
