#include "windows/PrinterMessages.h"

#include "windows/MessageBoxes.h"

namespace corvane {

namespace {
// A printer's name as the system gives it, shortened so that every message
// stays within MessageCharacterLimit.
QString Printer(const QString& name) { return LimitedMessage(name, 60); }

// The system's or the library's own words, on a line of their own, shortened
// to the room the message leaves them.
QString WithReason(const QString& text, const QString& reason) {
    if (reason.isEmpty()) return text;
    return text +
           QStringLiteral("\n(%1)").arg(LimitedMessage(reason, MessageCharacterLimit - text.size() - 3));
}
}  // namespace

QString PrinterMessages::tracingFailed(const QString& reason) {
    return WithReason(tr("The chart could not be drawn for printing."), reason);
}

QString PrinterMessages::noDefaultPrinter() {
    return tr("No printer is set up as the default printer on this computer, so the chart cannot be "
              "printed.");
}

QString PrinterMessages::cannotBegin(const QString& printer) {
    return tr("The printer \"%1\" could not begin the page, so nothing was printed.").arg(Printer(printer));
}

QString PrinterMessages::drawingFailed(const QString& printer, const QString& reason) {
    return WithReason(tr("The drawing of the page failed on the way; the printer \"%1\" may print an "
                         "incomplete page.")
                          .arg(Printer(printer)),
                      reason);
}

QString PrinterMessages::errorAtEnd(const QString& printer) {
    return tr("The printer \"%1\" reported an error at the end of the page, so the chart was not printed.")
        .arg(Printer(printer));
}

QString PrinterMessages::notAccepted(const QString& printer, const QString& answer) {
    return WithReason(
        tr("The printer \"%1\" did not accept the page, so the chart was not printed.").arg(Printer(printer)),
        answer);
}

QString PrinterMessages::ippStatus(int status) {
    return tr("IPP status 0x%1").arg(status, 4, 16, QLatin1Char('0'));
}

QString PrinterMessages::paperTooSmall(const QString& printer, double width, double height,
                                       double neededWidth, double neededHeight) {
    return tr("The paper of the printer \"%1\" leaves %2 x %3 mm to print on, less than the %4 x %5 mm "
              "of the chart.\nThe chart is printed true to scale, so part of it will be cut off.")
        .arg(Printer(printer), QString::number(width, 'f', 1), QString::number(height, 'f', 1),
             QString::number(neededWidth), QString::number(neededHeight));
}

QString PrinterMessages::offerPdf(const QString& notPrinted) {
    const QString question = tr("%1\n\nDo you want to save the page as a PDF file instead?");
    // The reason gives way to the question where both would be too long.
    return question.arg(LimitedMessage(notPrinted, MessageCharacterLimit - (question.size() - 2)));
}

QString PrinterMessages::pdfNotWritten(const QString& path, const QString& reason) {
    const QString text = tr("The PDF file \"%1\" could not be written.\n(%2)");
    return text.arg(path, LimitedMessage(reason, MessageCharacterLimit - text.size() - path.size()));
}

}  // namespace corvane
