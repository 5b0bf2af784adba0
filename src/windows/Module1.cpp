#include "windows/Module1.h"

#include "chart/DrawChart.h"
#include "dose/BeamDataCheck.h"
#include "dose/CalculationFailure.h"
#include "dose/DoseGrid.h"
#include "state/BeamDataLoader.h"
#include "windows/BeamDataMessages.h"
#include "windows/BeamDataNames.h"
#include "windows/CalculationState.h"
#include "windows/ChartPictureBox.h"
#include "windows/DataTableListing.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/MessageBoxes.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>

#include <string_view>

namespace corvane {

Module1::Module1(CalculationState& state, QObject* parent) : QObject(parent), state_(state) {}

Module1::~Module1() {
    delete form3_.data();
    delete form2_.data();
    delete form1_.data();  // with its dialogs
}

Form1* Module1::form1() {
    if (!form1_) {
        form1_ = new Form1;
        connect(form1_, &Form1::startRequested, this, &Module1::LoadBeamData);
        connect(form1_, &Form1::methodWindowRequested, this, [this] {
            Form5* method = form5();
            method->show();
            method->raise();
            method->activateWindow();
        });
        connect(form1_, &Form1::exitRequested, this, &Module1::EndProgram);
    }
    return form1_;
}

Form4* Module1::form4() {
    if (!form4_) form4_ = new Form4(form1());
    return form4_;
}

Form5* Module1::form5() {
    if (!form5_) {
        form5_ = new Form5(form1());
        connect(form5_, &Form5::dataTableRequested, this, [this] {
            // The table lists the file the start button loads.
            Form4* table = form4();
            table->setDataFile(form1()->dataChoice());
            table->FillAndShow();
        });
    }
    return form5_;
}

Form2* Module1::form2() {
    if (!form2_) form2_ = new Form2(*this);
    return form2_;
}

Form3* Module1::form3() {
    if (!form3_) form3_ = new Form3(*this);
    return form3_;
}

Form3* Module1::existingForm3() const { return form3_.data(); }

bool Module1::LoadBeamData() {
    const BeamDataChoice choice = form1()->dataChoice();
    const BeamDataLoad load = LoadBeamDataFile(choice.file());
    if (!load) {
        MessageBoxes::show(form1_, BeamDataMessages::fault(load.error()), MessageIcon::Critical);
        return false;
    }
    // Rows out of place still load: their first number is never used, but
    // the user should know that the values may be shifted.
    if (!load->misplacedOcrRows.empty())
        MessageBoxes::show(form1_, BeamDataMessages::misplacedOcrRows(load->file, load->misplacedOcrRows),
                           MessageIcon::Information);
    state_.Beam = load->data;
    state_.Beam.FieldSizeTable = BeamData::FixedFieldSizes;
    state_.OwnData.reset();
    if (!choice.isBundled()) {
        state_.OwnData =
            OwnBeamData{choice.chosen(), DecodeDataFileText(QByteArray::fromStdString(load->source.heading))};
        RememberBeamDataFile(choice.chosen());
    }
    if (form3_) form3_->MeshMode = ChartMesh::FiveCm;

    Form2* conditions = form2();
    conditions->Option1->setChecked(true);
    conditions->Option1_Click();
    state_.Conditions.Setup = BeamSetup::Ssd;
    conditions->Option3->setChecked(true);
    conditions->Option3_Click();
    state_.Conditions.WedgeKind = WedgeFilter::None;
    conditions->Text1->setText(QStringLiteral("5.0"));
    conditions->Text2->setText(QStringLiteral("10.0"));
    conditions->Text3->setText(QStringLiteral("10.0"));
    conditions->showBeamData(state_.OwnData ? &*state_.OwnData : nullptr);
    conditions->show();
    if (form1_) form1_->hide();
    // A file of the user's own is looked at as corvane-chart check-data
    // looks at it; the bundled one is known good, and starts fast.
    if (state_.OwnData) {
        const std::vector<BeamDataConcern> concerns = CheckBeamData(state_.Beam, load->source).concerns;
        if (!concerns.empty()) {
            const BeamDataMessages::ConcernBox box =
                BeamDataMessages::implausibleValues(load->file, concerns);
            MessageBoxes::showWithDetails(conditions, box.text, box.details, MessageIcon::Information);
        }
    }
    return true;
}

void Module1::RunCalculation() {
    // Runs never nest: a click or key that reaches a handler while a run or
    // its message boxes are open is turned away here.
    if (calculating_) return;
    calculating_ = true;
    // The run is over on every way out of here, a throw included.
    const auto endOfRun = qScopeGuard([this] { calculating_ = false; });

    Form2* conditions = form2();
    // Every failure of the run ends alike, whatever its cause (a
    // CalculationFailure, a failed allocation, a fault of the painter): the
    // user gets the two messages and the conditions window stays usable. The
    // cause goes to standard error, so that a failed run leaves it behind.
    const auto fail = [&](const char* cause) {
        qWarning("corvane: the calculation failed: %s", cause);
        MessageBoxes::show(conditions, QCoreApplication::translate(FailureMessageContext, FailureMessageFirst),
                           MessageIcon::Exclamation);
        MessageBoxes::show(conditions, QCoreApplication::translate(FailureMessageContext, FailureMessageSecond),
                           MessageIcon::None);
        conditions->unsetCursor();
        if (form3_) form3_->hide();
    };
    try {
        conditions->setCursor(Qt::WaitCursor);
        Form3* chart = form3();
        chart->ClearReadout();
        ReadConditionEntries(state_.Conditions, conditions->Text1->text().toStdString(),
                             conditions->Text2->text().toStdString(),
                             conditions->Text3->text().toStdString());
        std::shared_ptr<const DoseCalculation> result = ComputeSharedDoseGrid(state_.Beam, state_.Conditions);
        chart->Picture1->drawChart(result, chart->MeshMode);
        // Only a run that computed and drew its chart replaces the result.
        state_.Result = std::move(result);
        chart->show();
        chart->activateWindow();
        chart->CursorInChart = false;
        conditions->unsetCursor();
    } catch (const CalculationFailure& failure) {
        fail(failure.what());
    } catch (const std::exception& failure) {
        fail(failure.what());
    } catch (...) {
        fail("an exception of unknown type");
    }
}

void Module1::Form3_Unload(Form3* closing) {
    if (form3_ == closing) form3_ = nullptr;
    if (form2_) form2_->hide();
    showStartWindow();
}

void Module1::showStartWindow() {
    Form1* start = form1();
    start->show();
    start->raise();
    start->activateWindow();
}

void Module1::PrintChart(Form3& chartWindow) {
    if (printHandler_) printHandler_(chartWindow);
}

void Module1::EndProgram() {
    if (form3_) form3_->hide();
    if (form2_) form2_->hide();
    if (form4_) form4_->hide();
    if (form5_) form5_->hide();
    if (form1_) form1_->hide();
    if (endHandler_)
        endHandler_();
    else
        QCoreApplication::exit(0);
}

}  // namespace corvane
