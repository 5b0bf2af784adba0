// The desktop program's speed on an offscreen display: from the OK click to
// the chart window shown with its chart, one mouse move with its readout,
// and the peak memory with a chart on screen.
#include "windows/CalculationState.h"
#include "windows/ChartCoordinates.h"
#include "windows/ChartPictureBox.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/MessageBoxes.h"
#include "windows/Module1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

using namespace corvane;

namespace {

// One program, loaded and with the conditions window open.
struct Program {
    std::unique_ptr<CalculationState> state = std::make_unique<CalculationState>();
    Module1 module{*state};

    Program() {
        MessageBoxes::setHandler([](const MessageRequest&) { return MessageAnswer::Ok; });
        if (!module.LoadBeamData()) std::abort();
        QCoreApplication::processEvents();
    }
    ~Program() { MessageBoxes::setHandler({}); }

    void clickOk() { module.form2()->Command1->click(); }
};

// The process's peak resident set so far, in MB, from /proc.
double PeakResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void BM_OkClickToChartShown(benchmark::State& st) {
    Program program;
    program.clickOk();
    QCoreApplication::processEvents();
    for (auto _ : st) {
        st.PauseTiming();
        program.module.existingForm3()->hide();
        QCoreApplication::processEvents();
        st.ResumeTiming();
        program.clickOk();
        // The window comes up and paints itself with the new chart.
        QCoreApplication::processEvents();
    }
    if (!program.module.existingForm3()->isVisible()) st.SkipWithError("the chart window is not shown");
}
BENCHMARK(BM_OkClickToChartShown)->Unit(benchmark::kMillisecond);

void MouseMoves(benchmark::State& st, bool repaint) {
    Program program;
    program.clickOk();
    QCoreApplication::processEvents();
    ChartPictureBox* picture = program.module.existingForm3()->Picture1;
    // Two positions inside the chart, so that every move changes the readout.
    const QPointF positions[] = {QPointF(PictureBorder + 498, PictureBorder + 305),
                                 QPointF(PictureBorder + 540, PictureBorder + 400)};
    int n = 0;
    for (auto _ : st) {
        const QPointF at = positions[n++ & 1];
        QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(picture, &move);
        if (repaint) QCoreApplication::processEvents();
    }
    if (!program.module.existingForm3()->CursorInChart) st.SkipWithError("the cursor is not in the chart");
}
void BM_MouseMoveReadout(benchmark::State& st) { MouseMoves(st, false); }
void BM_MouseMoveReadoutRepainted(benchmark::State& st) { MouseMoves(st, true); }
BENCHMARK(BM_MouseMoveReadout)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MouseMoveReadoutRepainted)->Unit(benchmark::kMicrosecond);

// The repaint split in its two parts: the three readout boxes, and the two
// cross-hair lines over the chart image.
void BM_RepaintReadoutBoxesOnly(benchmark::State& st) {
    Program program;
    program.clickOk();
    QCoreApplication::processEvents();
    Form3* chart = program.module.existingForm3();
    int n = 0;
    for (auto _ : st) {
        const bool odd = (n++ & 1) != 0;
        chart->Text1->setText(odd ? QStringLiteral("0") : QStringLiteral("-37"));
        chart->Text2->setText(odd ? QStringLiteral("50") : QStringLiteral("112"));
        chart->Text3->setText(odd ? QStringLiteral("100.0") : QStringLiteral("57.3"));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RepaintReadoutBoxesOnly)->Unit(benchmark::kMicrosecond);

void BM_RepaintCrossHairOnly(benchmark::State& st) {
    Program program;
    program.clickOk();
    QCoreApplication::processEvents();
    ChartPictureBox* picture = program.module.existingForm3()->Picture1;
    picture->setCrossHairVisible(true);
    int n = 0;
    for (auto _ : st) {
        const bool odd = (n++ & 1) != 0;
        picture->setLine1Y(odd ? 50 : 140);
        picture->setLine2X(odd ? 250 : 320);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_RepaintCrossHairOnly)->Unit(benchmark::kMicrosecond);

// Not a timing: the peak memory of this process once a chart is shown,
// reported as a counter.
void BM_PeakMemoryWithChartShown(benchmark::State& st) {
    Program program;
    program.clickOk();
    QCoreApplication::processEvents();
    for (auto _ : st) benchmark::DoNotOptimize(program.state->Result->DoseGrid(250, 50));
    st.counters["peak_MB"] = PeakResidentMegabytes();
}
BENCHMARK(BM_PeakMemoryWithChartShown)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
