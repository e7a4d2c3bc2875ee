// Reads the screen of the X display that the real-window tests run on.
//   screengrab save FILE [X Y W H]        writes the whole screen, or that area of it, as a PNG
//   screengrab count X Y W H RRGGBB       prints how many pixels of the area have that colour
//   screengrab box X Y W H RRGGBB         prints "left top right bottom" of those pixels, or "none"
//   screengrab sum X Y W H                prints a checksum of the area, to see whether it changed
//   screengrab probe OX OY [SHOT]         checks a table of probes, read from standard input, against
//                                         one screenshot; places are relative to the point OX, OY.
//                                         Prints one line per probe and fails if any probe fails;
//                                         with SHOT, a failing run saves the screenshot there.
//
// Probe rows (colours RRGGBB; TOL is the largest difference allowed in any channel):
//   fill   NAME X Y W H RRGGBB TOL [EX EY EW EH]   every pixel of the area (but the excluded one) has the colour
//   count  NAME X Y W H RRGGBB TOL MIN MAX         between MIN and MAX pixels of the area have it
//   extent NAME X Y W H RRGGBB TOL L T R B SLACK   the pixels that have it reach from L, T to R, B (inclusive), each
//                                                  edge within SLACK
//   image  NAME X Y FILE                           the area shows the picture of FILE (each channel within 8)
//   text   NAME X Y W H BG FG FAMILIES PX WEIGHT ALIGN SHIFT TEXT
//                                                  the area shows TEXT as Qt draws it in a W x H box of colour BG,
//                                                  in FG, in the first of FAMILIES (comma-separated, "_" for a
//                                                  blank) that the machine has, PX pixels high, WEIGHT bold or
//                                                  normal, ALIGN left-top-wrap or centre-mnemonic; "\n" in TEXT
//                                                  breaks the line and "|" separates texts that are all
//                                                  accepted. The best place within SHIFT pixels counts;
//                                                  a twenty-fifth of the ink may differ.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTextStream>

#include "support/ScreenGrab.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

QRgb parseColour(const QString &text)
{
    return 0xFF000000u | text.toUInt(nullptr, 16);
}

int difference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// Whether a probe held, and what it found.
struct Verdict {
    bool held = true;
    QString found;
};

class Probes {
public:
    Probes(const QImage &screen, QPoint origin) : m_screen(screen), m_origin(origin) {}

    // Checks one row.
    Verdict check(const QStringList &row) const
    {
        const QString &kind = row[0];
        if (kind == QLatin1String("fill") && (row.size() == 8 || row.size() == 12))
            return fill(row);
        if (kind == QLatin1String("count") && row.size() == 10)
            return count(row);
        if (kind == QLatin1String("extent") && row.size() == 13)
            return extent(row);
        if (kind == QLatin1String("image") && row.size() == 5)
            return image(row);
        if (kind == QLatin1String("text") && row.size() >= 14)
            return text(row);
        return {false, QStringLiteral("a row of an unknown kind or with the wrong number of fields")};
    }

private:
    QRect area(const QStringList &row, int first) const
    {
        return QRect(row[first].toInt(), row[first + 1].toInt(), row[first + 2].toInt(), row[first + 3].toInt())
            .translated(m_origin);
    }

    QRgb at(QPoint point) const
    {
        return m_screen.rect().contains(point) ? m_screen.pixel(point) : 0u;
    }

    template <typename Visit>
    void forEach(const QRect &rect, Visit visit) const
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                visit(QPoint(x, y), at(QPoint(x, y)));
    }

    Verdict fill(const QStringList &row) const
    {
        const QRgb wanted = parseColour(row[6]);
        const int tolerance = row[7].toInt();
        const QRect excluded = row.size() == 12 ? area(row, 8) : QRect();
        long wrong = 0;
        QPoint first;
        QRgb found = 0;
        forEach(area(row, 2), [&](QPoint point, QRgb pixel) {
            if (excluded.contains(point) || difference(pixel, wanted) <= tolerance)
                return;
            if (wrong++ == 0) {
                first = point - m_origin;
                found = pixel;
            }
        });
        if (wrong == 0)
            return {};
        return {false, QStringLiteral("%1 pixels of another colour, the first %2 at %3,%4")
            .arg(wrong).arg(found & 0xFFFFFFu, 6, 16, QLatin1Char('0')).arg(first.x()).arg(first.y())};
    }

    long matching(const QRect &rect, QRgb wanted, int tolerance, QRect *found = nullptr) const
    {
        long matches = 0;
        forEach(rect, [&](QPoint point, QRgb pixel) {
            if (difference(pixel, wanted) > tolerance)
                return;
            ++matches;
            if (found)
                *found |= QRect(point - m_origin, QSize(1, 1));
        });
        return matches;
    }

    Verdict count(const QStringList &row) const
    {
        const long matches = matching(area(row, 2), parseColour(row[6]), row[7].toInt());
        return {matches >= row[8].toLong() && matches <= row[9].toLong(),
                QStringLiteral("%1 pixels of that colour").arg(matches)};
    }

    Verdict extent(const QStringList &row) const
    {
        QRect found;
        matching(area(row, 2), parseColour(row[6]), row[7].toInt(), &found);
        const int slack = row[12].toInt();
        const QRect wanted(QPoint(row[8].toInt(), row[9].toInt()), QPoint(row[10].toInt(), row[11].toInt()));
        const bool near = !found.isNull() && std::abs(found.left() - wanted.left()) <= slack
            && std::abs(found.top() - wanted.top()) <= slack && std::abs(found.right() - wanted.right()) <= slack
            && std::abs(found.bottom() - wanted.bottom()) <= slack;
        if (found.isNull())
            return {false, QStringLiteral("no pixel of that colour")};
        return {near, QStringLiteral("reaches from %1,%2 to %3,%4")
                          .arg(found.left()).arg(found.top()).arg(found.right()).arg(found.bottom())};
    }

    Verdict image(const QStringList &row) const
    {
        const QImage picture(row[4]);
        if (picture.isNull())
            return {false, QStringLiteral("cannot read %1").arg(row[4])};
        const QPoint corner = QPoint(row[2].toInt(), row[3].toInt()) + m_origin;
        long wrong = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                wrong += difference(at(corner + QPoint(x, y)), picture.pixel(x, y)) > 8;
        return {wrong == 0, QStringLiteral("%1 of %2 pixels differ from %3")
                                .arg(wrong).arg(picture.width() * picture.height()).arg(row[4])};
    }

    Verdict text(const QStringList &row) const
    {
        const QRect box = area(row, 2);
        const QRgb background = parseColour(row[6]);
        const QRgb ink = parseColour(row[7]);
        QFont font;
        QStringList families = row[8].split(QLatin1Char(','));
        for (QString &family : families)
            family.replace(QLatin1Char('_'), QLatin1Char(' '));
        font.setFamilies(families);
        font.setPixelSize(row[9].toInt());
        font.setBold(row[10] == QLatin1String("bold"));
        const int flags = row[11] == QLatin1String("centre-mnemonic")
            ? int(Qt::AlignCenter | Qt::TextShowMnemonic)
            : int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        const int shift = row[12].toInt();
        QString texts = row.mid(13).join(QLatin1Char(' '));
        texts.replace(QLatin1String("\\n"), QLatin1String("\n"));

        Verdict best;
        for (const QString &wanted : texts.split(QLatin1Char('|'))) {
            QImage expected(box.size(), QImage::Format_RGB32);
            expected.fill(background);
            QPainter painter(&expected);
            painter.setFont(font);
            painter.setPen(QColor(ink));
            painter.drawText(expected.rect(), flags, wanted);
            painter.end();
            const Verdict verdict = compareText(expected, box.topLeft(), background, shift);
            if (verdict.held)
                return verdict;
            if (best.found.isEmpty())
                best = verdict;
        }
        return best;
    }

    // Ink is where a pixel stands out from the background. The ink of the text as
    // Qt draws it here and the ink on the screen must cover the same pixels, and
    // the pixels must have the same colours, up to the edges that hinting moves.
    Verdict compareText(const QImage &expected, QPoint corner, QRgb background, int shift) const
    {
        const auto isInk = [background](QRgb pixel) { return difference(pixel, background) > 96; };
        QRect inkArea;
        long inkPixels = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                if (isInk(expected.pixel(x, y))) {
                    inkArea |= QRect(x, y, 1, 1);
                    ++inkPixels;
                }
        if (inkPixels == 0)
            return {false, QStringLiteral("the text has no ink")};
        inkArea = inkArea.adjusted(-2, -2, 2, 2).intersected(expected.rect());
        long fewest = std::numeric_limits<long>::max();
        long offColour = 0;
        QPoint place;
        for (int dy = -shift; dy <= shift; ++dy)
            for (int dx = -shift; dx <= shift; ++dx) {
                long inkWrong = 0, colourWrong = 0;
                for (int y = inkArea.top(); y <= inkArea.bottom(); ++y)
                    for (int x = inkArea.left(); x <= inkArea.right(); ++x) {
                        const QRgb want = expected.pixel(x, y);
                        const QRgb got = at(corner + QPoint(x + dx, y + dy));
                        inkWrong += isInk(want) != isInk(got);
                        colourWrong += difference(want, got) > 64;
                    }
                if (inkWrong < fewest) {
                    fewest = inkWrong;
                    offColour = colourWrong;
                    place = QPoint(dx, dy);
                }
            }
        // A few edge pixels may tip over with hinting; a wrong size, weight, family
        // or line break moves far more of the ink.
        const long allowed = std::max(3L, inkPixels / 25);
        const QString figures = QStringLiteral("%1 of %2 ink pixels differ, %3 pixels of another colour (best place %4,%5)")
            .arg(fewest).arg(inkPixels).arg(offColour).arg(place.x()).arg(place.y());
        return {fewest <= allowed && offColour <= allowed * 2, figures};
    }

    const QImage &m_screen;
    QPoint m_origin;
};

int probe(const QImage &screen, QPoint origin, const char *shot)
{
    const Probes probes(screen, origin);
    QTextStream in(stdin);
    int failed = 0, passed = 0;
    QString line;
    while (in.readLineInto(&line)) {
        const QStringList row = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (row.isEmpty() || row[0].startsWith(QLatin1Char('#')))
            continue;
        const QString name = row.size() > 1 ? row[1] : QString();
        const Verdict verdict = row.size() > 2 ? probes.check(row) : Verdict{false, QStringLiteral("an incomplete row")};
        (verdict.held ? passed : failed) += 1;
        std::printf("%s %s: %s\n", verdict.held ? "ok  " : "FAIL", qPrintable(name),
                    verdict.found.isEmpty() ? "as wanted" : qPrintable(verdict.found));
    }
    std::printf("%d probes held, %d failed\n", passed, failed);
    if (failed > 0 && shot)
        screen.save(QString::fromLocal8Bit(shot), "PNG");
    return failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    // The screen as it is, pixel for pixel, whatever scaling the game runs with.
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("QT_SCALE_FACTOR");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QGuiApplication app(argc, argv);
    const QImage screen = grabScreen(QRect());
    if (screen.isNull()) {
        std::fprintf(stderr, "screengrab: cannot read the screen of the display \"%s\" (24 bits deep)\n",
                     qgetenv("DISPLAY").constData());
        return 2;
    }
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command == QLatin1String("save") && (argc == 3 || argc == 7)) {
        const QImage area = argc == 3
            ? screen
            : screen.copy(std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]));
        return area.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
    }
    if (command == QLatin1String("probe") && (argc == 4 || argc == 5))
        return probe(screen, QPoint(std::atoi(argv[2]), std::atoi(argv[3])), argc == 5 ? argv[4] : nullptr);
    if ((command == QLatin1String("count") || command == QLatin1String("box") || command == QLatin1String("sum"))
        && argc >= 6) {
        const QRect area(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
        const QRect inside = area.intersected(screen.rect());
        if (command == QLatin1String("sum")) {
            quint32 sum = 2166136261u; // FNV-1a over the pixels
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    sum = (sum ^ (screen.pixel(x, y) & 0xFFFFFFu)) * 16777619u;
            std::printf("%08x\n", sum);
            return 0;
        }
        if (argc != 7)
            return 2;
        const QRgb wanted = 0xFF000000u | static_cast<QRgb>(std::strtoul(argv[6], nullptr, 16));
        long matches = 0;
        QRect found;
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
    std::fprintf(stderr, "usage: screengrab save FILE | count|box X Y W H RRGGBB | sum X Y W H | probe OX OY [SHOT]\n");
    return 2;
}
