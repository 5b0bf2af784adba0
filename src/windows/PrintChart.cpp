#include "windows/PrintChart.h"

#include "chart/RecordingSurface.h"
#include "qtsurface/ChartExport.h"
#include "qtsurface/PrintedPage.h"
#include "state/AtomicFileWrite.h"
#include "state/MessageText.h"
#include "windows/CalculationState.h"
#include "windows/Form3.h"
#include "windows/MessageBoxes.h"
#include "windows/Module1.h"
#include "windows/PrinterMessages.h"
#include "windows/SavePathDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopeGuard>

#include <dlfcn.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>
#include <utility>

namespace corvane {

namespace {

PrintChartSeams::PrinterAdjuster& installedPrinterAdjuster() {
    static PrintChartSeams::PrinterAdjuster adjuster;
    return adjuster;
}

// The margins the PDF file has too, so that the printed page and the saved
// one sit alike on A4; wider where the printer cannot print so near the edge.
constexpr double PreferredMarginMm = 5;
// Paper sizes come in whole points; a drawable area short by less than this
// still holds the whole page.
constexpr double SizeToleranceMm = 0.05;

// The wait cursor from now until the returned guard goes out of scope.
[[nodiscard]] auto ShowWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return qScopeGuard([] { QApplication::restoreOverrideCursor(); });
}

// Qt's CUPS engine hands the finished page to libcups but drops its answer.
// libcups keeps the status of its last request for this thread, so the answer
// is read there: accepted (also when libcups is not in use), or CUPS's reason.
Outcome<void, QString> CupsSubmission() {
    void* library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr) return {};
    using LastError = int (*)();
    using LastErrorString = const char* (*)();
    const auto lastError = reinterpret_cast<LastError>(dlsym(library, "cupsLastError"));
    const auto lastErrorString = reinterpret_cast<LastErrorString>(dlsym(library, "cupsLastErrorString"));
    QString error;
    // IPP statuses from 0x0400 on are the client, server and CUPS errors.
    constexpr int FirstErrorStatus = 0x0400;
    if (lastError != nullptr) {
        const int status = lastError();
        if (status >= FirstErrorStatus) {
            const char* text = lastErrorString != nullptr ? lastErrorString() : nullptr;
            error = (text != nullptr && *text != '\0') ? QString::fromLocal8Bit(text)
                                                       : PrinterMessages::ippStatus(status);
        }
    }
    dlclose(library);
    if (error.isEmpty()) return {};
    return Fail(error);
}

// The page did not reach the printer: why, in words for the user.
struct NotPrinted {
    NotPrinted(QString why) : reason(std::move(why)) {}  // NOLINT: a reason is what it carries
    QString reason;
};

void SetPageLayout(QPrinter& printer) {
    printer.setFullPage(false);
    printer.setPageOrientation(QPageLayout::Portrait);
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF minimum = layout.minimumMargins();
    printer.setPageMargins(QMarginsF(std::max(PreferredMarginMm, minimum.left()),
                                     std::max(PreferredMarginMm, minimum.top()),
                                     std::max(PreferredMarginMm, minimum.right()),
                                     std::max(PreferredMarginMm, minimum.bottom())),
                           QPageLayout::Millimeter);
}

void WarnIfPaperTooSmall(QPrinter& printer, QWidget* parent) {
    const QRectF area = printer.pageRect(QPrinter::Millimeter);
    if (area.width() >= PrintedPageWidthMm - SizeToleranceMm &&
        area.height() >= PrintedPageHeightMm - SizeToleranceMm)
        return;
    MessageBoxes::show(parent,
                       PrinterMessages::paperTooSmall(printer.printerName(), area.width(), area.height(),
                                                      PrintedPageWidthMm, PrintedPageHeightMm),
                       MessageIcon::Information);
}

Outcome<void, NotPrinted> PrintOnDefaultPrinter(const DoseCalculation& page, QWidget* parent) {
    // The page is traced once without a device first: should the tracing
    // fail, it fails before anything has reached the printer.
    try {
        CountingSurface trial;
        DrawPrintedChart(page, trial);
    } catch (const std::exception& e) {
        return Fail(NotPrinted(PrinterMessages::tracingFailed(QString::fromLocal8Bit(e.what()))));
    }

    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return Fail(NotPrinted(PrinterMessages::noDefaultPrinter()));

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf8(ApplicationTitle));
    printer.setCreator(QString::fromUtf8(ApplicationTitle));
    SetPageLayout(printer);
    if (installedPrinterAdjuster()) installedPrinterAdjuster()(printer);
    const QString name = printer.printerName().isEmpty() ? info.printerName() : printer.printerName();

    WarnIfPaperTooSmall(printer, parent);

    const auto busy = ShowWaitCursor();
    QPainter painter;
    if (!painter.begin(&printer)) return Fail(NotPrinted(PrinterMessages::cannotBegin(name)));
    try {
        // Ends the document, which hands the page to the printer.
        PaintPrintedChart(page, painter);
    } catch (const std::exception& e) {
        // Not reached after the trial above. Qt's printer cannot withdraw a
        // begun page, so the user is told plainly what may have come out.
        if (painter.isActive()) painter.end();
        return Fail(NotPrinted(PrinterMessages::drawingFailed(name, QString::fromLocal8Bit(e.what()))));
    }
    if (painter.isActive() && !painter.end()) return Fail(NotPrinted(PrinterMessages::errorAtEnd(name)));
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return Fail(NotPrinted(PrinterMessages::errorAtEnd(name)));
    if (const Outcome<void, QString> accepted = CupsSubmission(); !accepted)
        return Fail(NotPrinted(PrinterMessages::notAccepted(name, accepted.error())));
    return {};
}

QString ChooseSavePath(QWidget* parent) {
    return SavePathDialog::choose(parent,
                                  {QCoreApplication::translate("PrintChart", "Save the chart as a PDF file"),
                                   QStringLiteral("corvane-chart.pdf"),
                                   QCoreApplication::translate("PrintChart", "PDF files (*.pdf)")});
}

// The page as a PDF file, written whole or not at all.
void SaveAsPdf(const DoseCalculation& page, QWidget* parent) {
    QString path = ChooseSavePath(parent);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");

    const Outcome<void, std::string> written = [&]() -> Outcome<void, std::string> {
        const auto busy = ShowWaitCursor();
        // The printed page never fails its drawing: its faults are Qt's and the system's.
        const Outcome<QByteArray, PictureFault> pdf = PrintedChartPdf(page);
        if (!pdf) return Fail(pdf.error().reason);
        const Outcome<void, WriteFault> file = WriteFileAtomically(
            path.toStdString(), std::string_view(pdf->constData(), static_cast<std::size_t>(pdf->size())));
        if (!file) return Fail(file.error().reason);
        return {};
    }();
    if (!written)
        MessageBoxes::show(parent,
                           PrinterMessages::pdfNotWritten(QString::fromStdString(PathForMessage(path.toStdString())),
                                                          QString::fromStdString(written.error())),
                           MessageIcon::Exclamation);
}


// The last result with the set-up and wedge the options show now.
std::shared_ptr<const DoseCalculation> PageOf(const CalculationState& state) {
    if (!state.Result) return nullptr;
    const IrradiationConditions& now = state.Conditions;
    if (now.Setup == state.Result->Conditions.Setup && now.WedgeKind == state.Result->Conditions.WedgeKind)
        return state.Result;
    auto page = std::make_shared<DoseCalculation>(*state.Result);
    page->Conditions.Setup = now.Setup;
    page->Conditions.WedgeKind = now.WedgeKind;
    return page;
}

}  // namespace

void PrintChart(const DoseCalculation& page, QWidget* parent, QPushButton* printButton) {
    if (MessageBoxes::show(parent, QCoreApplication::translate("PrintChart", PrinterReadyQuestion),
                           MessageIcon::None, MessageButtons::YesNo) == MessageAnswer::No)
        return;

    const Outcome<void, NotPrinted> printed = PrintOnDefaultPrinter(page, parent);
    if (printed) {
        if (printButton != nullptr) printButton->setEnabled(false);
        return;
    }
    // Nothing was printed, so the button stays enabled, whatever is chosen here.
    if (MessageBoxes::show(parent, PrinterMessages::offerPdf(printed.error().reason), MessageIcon::Exclamation,
                           MessageButtons::YesNo) == MessageAnswer::Yes)
        SaveAsPdf(page, parent);
}

void InstallPrintChart(Module1& module) {
    Module1* owner = &module;
    module.setPrintHandler([owner](Form3& chartWindow) {
        if (const std::shared_ptr<const DoseCalculation> page = PageOf(owner->state()))
            PrintChart(*page, &chartWindow, chartWindow.Command1);
    });
}

void PrintChartSeams::setSavePathChooser(SavePathChooser chooser) {
    SavePathDialog::setChooser(std::move(chooser));
}

void PrintChartSeams::setPrinterAdjuster(PrinterAdjuster adjuster) {
    installedPrinterAdjuster() = std::move(adjuster);
}

}  // namespace corvane
