// One conversion from the button's click to everything on screen: the texts,
// both diagrams and the worked solution laid out and painted, at the design
// size and full screen.

#include "main_window/frm_main.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

void convertOnScreen(benchmark::State &state, int command, QSize clientSize)
{
    frmMain window;
    window.resize(clientSize.width(), clientSize.height() + window.menuBar()->sizeHint().height());
    window.show();
    QApplication::processEvents();
    const int first = command == 0 ? 0 : 2;
    window.findChild<QLineEdit *>(QStringLiteral("txtData%1").arg(first))
        ->setText(command == 0 ? QStringLiteral("5") : QStringLiteral("-3"));
    window.findChild<QLineEdit *>(QStringLiteral("txtData%1").arg(first + 1))
        ->setText(command == 0 ? QStringLiteral("130") : QStringLiteral("-4"));
    auto *button = window.findChild<QPushButton *>(QStringLiteral("cmdButton%1").arg(command));
    for (auto _ : state) {
        button->click();
        // What the event loop does next: lay out and paint every part that
        // changed, and flush it to the screen.
        QApplication::processEvents();
    }
    state.counters["width"] = window.centralWidget()->width();
    state.counters["height"] = window.centralWidget()->height();
}

void BM_PolarToRectangularOnScreen(benchmark::State &state)
{
    convertOnScreen(state, 0, QSize(int(state.range(0)), int(state.range(1))));
}
BENCHMARK(BM_PolarToRectangularOnScreen)->Args({642, 505})->Args({1920, 1080});

void BM_RectangularToPolarOnScreen(benchmark::State &state)
{
    convertOnScreen(state, 1, QSize(int(state.range(0)), int(state.range(1))));
}
BENCHMARK(BM_RectangularToPolarOnScreen)->Args({642, 505})->Args({1920, 1080});

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
