#include "windows/PrinterMessages.h"

namespace corvane {

namespace {
// The system's or the library's own words, on a line of their own.
QString WithReason(const QString& text, const QString& reason) {
    if (reason.isEmpty()) return text;
    return text + QStringLiteral("\n(%1)").arg(reason);
}
}  // namespace

QString PrinterMessages::tracingFailed(const QString& reason) {
    return WithReason(tr("The chart could not be drawn for printing."), reason);
}

QString PrinterMessages::noDefaultPrinter() {
    return tr(
        "No printer is set up as the default printer on this computer, so the chart cannot be printed.");
}

QString PrinterMessages::cannotBegin(const QString& printer) {
    return tr("The printer \"%1\" could not begin the page, so nothing was printed.").arg(printer);
}

QString PrinterMessages::drawingFailed(const QString& printer, const QString& reason) {
    return WithReason(
        tr("The drawing of the page failed on the way; the printer \"%1\" may print an incomplete page.")
            .arg(printer),
        reason);
}

QString PrinterMessages::errorAtEnd(const QString& printer) {
    return tr("The printer \"%1\" reported an error at the end of the page, so the chart was not printed.")
        .arg(printer);
}

QString PrinterMessages::notAccepted(const QString& printer, const QString& answer) {
    return WithReason(
        tr("The printer \"%1\" did not accept the page, so the chart was not printed.").arg(printer), answer);
}

QString PrinterMessages::ippStatus(int status) {
    return tr("IPP status 0x%1").arg(status, 4, 16, QLatin1Char('0'));
}

QString PrinterMessages::paperTooSmall(const QString& printer, double width, double height,
                                       double neededWidth, double neededHeight) {
    return tr("The paper of the printer \"%1\" leaves %2 x %3 mm to print on, less than the %4 x %5 mm of "
              "the "
              "chart.\nThe chart is printed true to scale, so part of it will be cut off.")
        .arg(printer, QString::number(width, 'f', 1), QString::number(height, 'f', 1),
             QString::number(neededWidth), QString::number(neededHeight));
}

QString PrinterMessages::offerPdf(const QString& notPrinted) {
    return tr("%1\n\nDo you want to save the page as a PDF file instead?").arg(notPrinted);
}

QString PrinterMessages::pdfNotWritten(const QString& path, const QString& reason) {
    return tr("The PDF file \"%1\" could not be written.\n(%2)").arg(path, reason);
}

}  // namespace corvane
