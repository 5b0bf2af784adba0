// What the chart window says when its page cannot be printed or saved,
// through Qt's translation: in the chosen language, and in Japanese in the
// designed mix. A reason from the system or a library is added as it comes.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace corvane {

class PrinterMessages {
    Q_DECLARE_TR_FUNCTIONS(PrinterMessages)

public:
    // Why nothing (or not all) was printed; `printer` is the printer's name.
    static QString tracingFailed(const QString& reason);
    static QString noDefaultPrinter();
    static QString cannotBegin(const QString& printer);
    static QString drawingFailed(const QString& printer, const QString& reason);
    static QString errorAtEnd(const QString& printer);
    static QString notAccepted(const QString& printer, const QString& answer);
    // libcups's answer when it gives no text of its own.
    static QString ippStatus(int status);

    // The paper leaves less than the page needs; all sizes in mm.
    static QString paperTooSmall(const QString& printer, double width, double height, double neededWidth,
                                 double neededHeight);
    // Why the page was not printed, and the offer to save it as a PDF file.
    static QString offerPdf(const QString& notPrinted);
    static QString pdfNotWritten(const QString& path, const QString& reason);
};

}  // namespace corvane
