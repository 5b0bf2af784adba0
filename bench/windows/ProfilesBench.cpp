// The profiles window's share of one mouse move over the chart, with a
// reference held so that both plots carry two curves: the new data of both
// plots with their figures, and the repaint of the window that follows.
#include "windows/CalculationState.h"
#include "windows/ChartPictureBox.h"
#include "windows/ChartWindowTools.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/MessageBoxes.h"
#include "windows/Module1.h"
#include "windows/ProfilesWindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChartView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdlib>
#include <memory>

using namespace corvane;

namespace {

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// A program with the chart of the default conditions, a reference held (the
// 45 degree wedge at 8 cm) and the profiles window open.
struct ProgramWithProfiles {
    std::unique_ptr<CalculationState> state = std::make_unique<CalculationState>();
    Module1 module{*state};
    Form3* chart = nullptr;
    ProfilesWindow* profiles = nullptr;

    ProgramWithProfiles() {
        MessageBoxes::setHandler([](const MessageRequest&) { return MessageAnswer::Ok; });
        if (!module.LoadBeamData()) std::abort();
        Form2* conditions = module.form2();
        conditions->Text1->setText(QStringLiteral("8"));
        conditions->Option5->click();
        conditions->Command1->click();
        chart = module.existingForm3();
        chart->tools()->holdReference();
        conditions->Text1->setText(QStringLiteral("5.0"));
        conditions->Option3->click();
        conditions->Command1->click();
        chart->tools()->openProfiles();
        profiles = chart->tools()->profilesWindow();
        if (profiles == nullptr || !chart->tools()->hasReference()) std::abort();
        QCoreApplication::processEvents();
    }
    ~ProgramWithProfiles() { MessageBoxes::setHandler({}); }

    ProfileGrid current() const { return {&state->Result->DoseGrid, ComputedRegionOf(*state->Result), false}; }
    ProfileGrid reference() const {
        const DoseCalculation* held = chart->Picture1->reference();
        return {&held->DoseGrid, ComputedRegionOf(*held), true};
    }
};

// Two cross-hair positions, so that every move changes both lines.
constexpr int Columns[] = {250, 290};
constexpr int Rows[] = {50, 120};

void BM_ProfilesDataForOneMove(benchmark::State& st) {
    ProgramWithProfiles program;
    int n = 0;
    for (auto _ : st) {
        const int i = n++ & 1;
        const ProfileGrid reference = program.reference();
        program.profiles->showAt(program.current(), &reference, Columns[i], Rows[i]);
    }
    // What piled up meanwhile is not part of any one move.
    QCoreApplication::processEvents();
}
BENCHMARK(BM_ProfilesDataForOneMove)->Unit(benchmark::kMicrosecond);

void BM_ProfilesRepaintAfterOneMove(benchmark::State& st) {
    ProgramWithProfiles program;
    PaintCounter counter;
    program.profiles->depthView()->viewport()->installEventFilter(&counter);
    program.profiles->lateralView()->viewport()->installEventFilter(&counter);
    int n = 0;
    for (auto _ : st) {
        st.PauseTiming();
        const int i = n++ & 1;
        const ProfileGrid reference = program.reference();
        program.profiles->showAt(program.current(), &reference, Columns[i], Rows[i]);
        const int before = counter.paints;
        st.ResumeTiming();
        // Until both plots have painted their new lines.
        for (int pass = 0; pass < 5 && counter.paints < before + 2; ++pass) QCoreApplication::processEvents();
        if (counter.paints < before + 2) st.SkipWithError("the plots were not repainted");
    }
}
BENCHMARK(BM_ProfilesRepaintAfterOneMove)->Unit(benchmark::kMillisecond);

// The whole move as the window system delivers it: readout, cross-hair and
// both plots, without the repaint.
void BM_MouseMoveWithProfilesOpen(benchmark::State& st) {
    ProgramWithProfiles program;
    int n = 0;
    for (auto _ : st) {
        const int i = n++ & 1;
        program.chart->Picture1_MouseMove(static_cast<float>(Columns[i]) + 0.5f,
                                          static_cast<float>(Rows[i]) + 0.5f);
    }
    QCoreApplication::processEvents();
}
BENCHMARK(BM_MouseMoveWithProfilesOpen)->Unit(benchmark::kMicrosecond);

}  // namespace
