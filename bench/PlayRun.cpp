// Plays the real game in the X display it is given: opens the play window and
// lets the ball run for a warm-up and then a measured stretch, timing every
// tick of the 10 ms ball timer and the process's CPU time and peak memory.
// Prints: ticks_per_second p50_ms p99_ms max_ms cpu_percent peak_rss_mib cpu_us_per_tick
#include "shell/FrmStart.h"
#include "shell/Game.h"
#include "shell/layer/Program.h"
#include "shell/layer/qt/QtBackend.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStyleFactory>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Notes the time of every tick of the ball timer: the one 10 ms timer in the program.
class TickWatch : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (measuring && event->type() == QEvent::Timer) {
            if (const auto *timer = qobject_cast<QTimer *>(watched); timer && timer->interval() == 10)
                ticks.push_back(clock.nsecsElapsed());
        }
        return QObject::eventFilter(watched, event);
    }
    QElapsedTimer clock;
    std::vector<qint64> ticks;
    bool measuring = false;
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    qputenv("QT_QPA_PLATFORM", "xcb");
    program::preferPlainImageUpload();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    QtBackend::install();
    program::dispatch([] {
        frmStart().Show();
        frmStart().cmdNew_Click();
    });

    TickWatch watch;
    app.installEventFilter(&watch);
    double cpuAtStart = 0;
    QTimer::singleShot(2000, [&] {
        watch.clock.start();
        cpuAtStart = cpuSeconds();
        watch.measuring = true;
    });
    QTimer::singleShot(2000 + seconds * 1000, [&] { app.quit(); });
    app.exec();
    const double wall = watch.clock.nsecsElapsed() / 1e9;
    const double cpu = cpuSeconds() - cpuAtStart;

    std::vector<double> gaps;
    for (std::size_t i = 1; i < watch.ticks.size(); ++i)
        gaps.push_back((watch.ticks[i] - watch.ticks[i - 1]) / 1e6);
    std::sort(gaps.begin(), gaps.end());
    const auto quantile = [&](double q) { return gaps.empty() ? 0.0 : gaps[static_cast<std::size_t>(q * (gaps.size() - 1))]; };
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.2f %.2f %.2f %.2f %.2f %.1f %.1f\n", watch.ticks.size() / wall, quantile(0.5), quantile(0.99),
                gaps.empty() ? 0.0 : gaps.back(), 100.0 * cpu / wall, usage.ru_maxrss / 1024.0,
                watch.ticks.empty() ? 0.0 : 1e6 * cpu / watch.ticks.size());
    program::reset();
    return 0;
}
