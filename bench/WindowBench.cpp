#include "BenchForm.h"
#include "chart/Chart.h"
#include "window/Application.h"
#include "window/Form1.h"
#include "window/PictureBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

namespace {

// grafik's 444 calls drawn on the image of Picture1.
void GrafikOnImage(benchmark::State& run)
{
    Form1 window;
    FormState state;
    for (auto _ : run) {
        grafik(window, state, 2.0);
        benchmark::DoNotOptimize(window.findChild<PictureBox*>("Picture1")->Surface().Image());
    }
}

// Counts the repaint requests that reach the window.
class RepaintWatch : public QObject {
public:
    int requests = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            ++requests;
        return QObject::eventFilter(watched, event);
    }
};

// Delivers pending events until a round brings no repaint request: everything made dirty has
// then been painted and handed to the platform.
void Settle(RepaintWatch& watch)
{
    do {
        watch.requests = 0;
        QApplication::processEvents();
    } while (watch.requests > 0);
}

// The click that a user sees: the click itself and the repaint of what it changed. Under
// callgrind --collect-atstart=no only this is counted.
void ClickAndRepaint(QPushButton* command, RepaintWatch& watch)
{
    CALLGRIND_TOGGLE_COLLECT;
    command->click();
    Settle(watch);
    CALLGRIND_TOGGLE_COLLECT;
}

// One click in the real window: the request, five boxes, the chart and the repaint. The window
// is shown and exposed first; before each click a new θ (10° and 12° in turn, so that every
// click changes what the boxes show) is written and painted, outside the timing. Each click
// is timed on its own for the median and the 99th percentile.
void ClickInWindow(benchmark::State& run)
{
    Form1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        run.SkipWithError("window not exposed");
        return;
    }
    RepaintWatch watch;
    window.installEventFilter(&watch);
    window.findChild<QRadioButton*>("Option_Beta")->click();
    window.findChild<QLineEdit*>("Text_M1")->setText("2");
    auto* teta = window.findChild<QLineEdit*>("Text_Teta");
    auto* command = window.findChild<QPushButton*>("Command1");
    Settle(watch);

    std::vector<double> micros;
    bool twelve = false;
    for (auto _ : run) {
        run.PauseTiming();
        teta->setText(twelve ? "12" : "10");
        twelve = !twelve;
        Settle(watch);
        run.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        ClickAndRepaint(command, watch);
        micros.push_back(clock.nsecsElapsed() / 1e3);
    }
    if (window.findChild<QLineEdit*>("Text_Beta")->text().isEmpty()) {
        run.SkipWithError("the click did not solve");
        return;
    }
    std::sort(micros.begin(), micros.end());
    run.counters["p50_us"] = micros[micros.size() / 2];
    run.counters["p99_us"] = micros[micros.size() * 99 / 100];
}

// Whole processes, from start to the shown main window: the calculator's and a bare
// QMainWindow of the same size with one captioned button, so that both set up their fonts.
void StartUp(benchmark::State& run, const char* which)
{
    const QString probe = QCoreApplication::applicationDirPath() + "/startup-probe";
    for (auto _ : run) {
        QProcess process;
        QElapsedTimer clock;
        clock.start();
        process.start(probe, {which});
        if (!process.waitForFinished(10000) || process.exitCode() != 0) {
            run.SkipWithError("the start-up probe failed");
            break;
        }
        run.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
}

// 5000 clicks, or OSC_BENCH_CLICKS of them (fewer under callgrind).
int Clicks()
{
    const int asked = qEnvironmentVariableIntValue("OSC_BENCH_CLICKS");
    return asked > 0 ? asked : 5000;
}

} // namespace

BENCHMARK(GrafikOnImage);
BENCHMARK(ClickInWindow)->Iterations(Clicks());
BENCHMARK_CAPTURE(StartUp, bare_window_with_a_button, "bare")
    ->UseManualTime()
    ->Iterations(30)
    ->Repetitions(3);
BENCHMARK_CAPTURE(StartUp, calculator, "form1")->UseManualTime()->Iterations(30)->Repetitions(3);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    SetUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
