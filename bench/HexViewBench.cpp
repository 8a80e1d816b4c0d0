// SPDX-License-Identifier: GPL-3.0-or-later
// The hex view on a 320 KiB dump: from setting the dump to its first paint, and scrolling from
// the top to the bottom a page at a time, each page painted before the next.
#include "HexView.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kLargestDump = 0x50000;

QByteArray randomDump() {
    QByteArray dump(kLargestDump, Qt::Uninitialized);
    std::mt19937 random(20261210);
    for (char& byte : dump)
        byte = char(random());
    return dump;
}

// Notes the view's paints.
class PaintWatcher : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void showLargestDump(benchmark::State& state) {
    const QByteArray dump = randomDump();
    for (auto _ : state) {
        HexView view;
        view.resize(640, 480);
        PaintWatcher watcher;
        view.viewport()->installEventFilter(&watcher);
        view.setDump(dump);
        view.show();
        while (!watcher.painted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        view.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(showLargestDump)->Unit(benchmark::kMillisecond);

void scrollTopToBottom(benchmark::State& state) {
    HexView view;
    view.resize(640, 480);
    view.setDump(randomDump());
    view.show();
    QApplication::processEvents();
    QScrollBar* bar = view.verticalScrollBar();
    int64_t pages = 0;
    for (auto _ : state) {
        bar->setValue(0);
        for (int row = 0; row <= bar->maximum(); row += bar->pageStep()) {
            bar->setValue(row);
            view.viewport()->repaint();
            ++pages;
        }
    }
    state.counters["pages"] = benchmark::Counter(double(pages), benchmark::Counter::kAvgIterations);
    state.counters["per_page_us"] = benchmark::Counter(
        double(pages), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(scrollTopToBottom)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
