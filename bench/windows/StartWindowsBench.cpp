// The start, method and data table windows on an offscreen display: the
// start button to the conditions window shown (with the bundled data, and
// with a file of the user's own, which is checked), and a press of "TMR and
// OCR data" to the data table filled, drawn and shown.
#include "state/DataFileLocation.h"
#include "windows/CalculationState.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/MessageBoxes.h"
#include "windows/Module1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

using namespace corvane;

namespace {

struct StartedProgram {
    std::unique_ptr<CalculationState> state = std::make_unique<CalculationState>();
    Module1 module{*state};

    StartedProgram() {
        MessageBoxes::setHandler([](const MessageRequest&) { return MessageAnswer::Ok; });
        module.showStartWindow();
        QCoreApplication::processEvents();
    }
    ~StartedProgram() { MessageBoxes::setHandler({}); }
};

void StartPresses(benchmark::State& st, bool ownData) {
    // The list of files used last goes to a test folder, not the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    const QString own = dir.filePath(QStringLiteral("own.dat"));
    if (!QFile::copy(QString::fromStdString(LocateBeamDataFile().string()), own)) std::abort();
    StartedProgram program;
    if (ownData) program.module.form1()->chooseDataFile(own);
    for (auto _ : st) {
        st.PauseTiming();
        program.module.form2()->hide();
        program.module.form1()->show();
        QCoreApplication::processEvents();
        st.ResumeTiming();
        program.module.form1()->Command1->click();
        QCoreApplication::processEvents();
    }
    if (!program.module.form2()->isVisible()) st.SkipWithError("the conditions window is not shown");
    if (program.state->OwnData.has_value() != ownData) st.SkipWithError("not the data chosen");
}
void BM_StartPressToConditionsShown(benchmark::State& st) { StartPresses(st, false); }
void BM_StartPressWithOwnDataToConditionsShown(benchmark::State& st) { StartPresses(st, true); }
BENCHMARK(BM_StartPressToConditionsShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartPressWithOwnDataToConditionsShown)->Unit(benchmark::kMillisecond);

void BM_DataTablePressToShown(benchmark::State& st) {
    StartedProgram program;
    program.module.form1()->Command4->click();
    Form5* method = program.module.form5();
    for (auto _ : st) {
        method->Command3->click();
        QCoreApplication::processEvents();
    }
    if (program.module.form4()->List1->count() != 66) st.SkipWithError("the list is not filled");
}
BENCHMARK(BM_DataTablePressToShown)->Unit(benchmark::kMillisecond);

// The first opening of the method window: building its labels and pictures.
void BM_MethodWindowFirstShown(benchmark::State& st) {
    StartedProgram program;
    for (auto _ : st) {
        program.module.form1()->Command4->click();
        QCoreApplication::processEvents();
        st.PauseTiming();
        delete program.module.form5();
        st.ResumeTiming();
    }
}
BENCHMARK(BM_MethodWindowFirstShown)->Unit(benchmark::kMillisecond);

}  // namespace
