// SPDX-License-Identifier: GPL-3.0-or-later
// Window start-up: from constructing the main window to its first paint, offscreen or on screen.
#include "Dtccalcmain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Notes the first paint of any widget of the window.
class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void windowToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        FirstPaint watcher;
        qApp->installEventFilter(&watcher);
        auto window = std::make_unique<TfrmDTCReader>();
        window->show();
        while (!watcher.painted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        qApp->removeEventFilter(&watcher);
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(windowToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    const qint64 applicationMs = sinceStart.elapsed();
    benchmark::AddCustomContext("QApplication construction (ms)", std::to_string(applicationMs));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
