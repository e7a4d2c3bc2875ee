// Reads the screen of the X display once and checks a table of probes against it.
//   probes < TABLE      each line "NAME X Y W H RRGGBB TOLERANCE MIN MAX": the number of
//                       pixels of the area within TOLERANCE of the colour on each channel
//                       must lie in MIN..MAX; prints each probe that fails, exits 1 if any
//   probes dump X Y W H prints the area as text: '#' dark, '+' mid, '.' light, ' ' black
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

namespace {

bool near(QRgb pixel, QRgb wanted, int tolerance)
{
    return std::abs(qRed(pixel) - qRed(wanted)) <= tolerance && std::abs(qGreen(pixel) - qGreen(wanted)) <= tolerance
        && std::abs(qBlue(pixel) - qBlue(wanted)) <= tolerance;
}

long count(const QImage &screen, const QRect &area, QRgb wanted, int tolerance)
{
    long matches = 0;
    const QRect inside = area.intersected(screen.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            matches += near(screen.pixel(x, y), wanted, tolerance) ? 1 : 0;
    return matches;
}

void dump(const QImage &screen, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::string row;
        for (int x = area.left(); x <= area.right(); ++x) {
            const int grey = qGray(screen.pixel(x, y));
            row += grey == 0 ? ' ' : grey < 96 ? '#' : grey < 192 ? '+' : '.';
        }
        std::printf("%4d |%s|\n", y, row.c_str());
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    if (argc == 6 && std::string(argv[1]) == "dump") {
        dump(screen, QRect(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5])));
        return 0;
    }
    int failures = 0;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream fields(line);
        std::string name, colour;
        int x = 0, y = 0, w = 0, h = 0, tolerance = 0;
        long min = 0, max = 0;
        if (!(fields >> name >> x >> y >> w >> h >> colour >> tolerance >> min >> max)) {
            if (line.find_first_not_of(" \t") != std::string::npos) {
                std::fprintf(stderr, "probes: bad line: %s\n", line.c_str());
                ++failures;
            }
            continue;
        }
        const QRgb wanted = static_cast<QRgb>(std::stoul(colour, nullptr, 16));
        const long found = count(screen, QRect(x, y, w, h), wanted, tolerance);
        if (found < min || found > max) {
            std::printf("probe %s: %ld pixels near #%s in %d,%d %dx%d, expected %ld..%ld\n", name.c_str(), found,
                        colour.c_str(), x, y, w, h, min, max);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
