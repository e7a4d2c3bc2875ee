// Reads the screen of the X display that the real-window tests run on.
//   screengrab save FILE                  writes the whole screen as a PNG
//   screengrab count X Y W H RRGGBB       prints how many pixels of the area have that colour
//   screengrab box X Y W H RRGGBB         prints "left top right bottom" of those pixels, or "none"
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command == QLatin1String("save") && argc == 3)
        return screen.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
    if ((command == QLatin1String("count") || command == QLatin1String("box")) && argc == 7) {
        const QRect area(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
        const QRgb wanted = 0xFF000000u | static_cast<QRgb>(std::strtoul(argv[6], nullptr, 16));
        long matches = 0;
        QRect found;
        const QRect inside = area.intersected(screen.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                if (screen.pixel(x, y) == wanted) {
                    ++matches;
                    found |= QRect(x, y, 1, 1);
                }
        if (command == QLatin1String("count"))
            std::printf("%ld\n", matches);
        else if (found.isNull())
            std::printf("none\n");
        else
            std::printf("%d %d %d %d\n", found.left(), found.top(), found.right(), found.bottom());
        return 0;
    }
    std::fprintf(stderr, "usage: screengrab save FILE | screengrab count|box X Y W H RRGGBB\n");
    return 2;
}
