// Reading back a PDF that a print produced: its text, a rendering, and the
// size of the chart's grid on it.
#pragma once

#include <QImage>
#include <QSet>
#include <QString>
#include <QStringList>

namespace corvane::test {

// The PDF files in `folder` now.
QSet<QString> PdfFilesIn(const QString& folder);

// Waits until a PDF that is not in `before` appears in `folder` and reads as
// a whole document (pdfinfo accepts it); its path, or empty after `timeoutMs`.
QString WaitForNewPdf(const QString& folder, const QSet<QString>& before, int timeoutMs);

// Whether pdfinfo reads the file as a whole PDF document.
bool IsCompletePdf(const QString& path);

// The page's text as pdftotext gives it (empty if it fails).
QString PdfText(const QString& path);

// The first page rendered in grey at `dotsPerInch`, without antialiasing so
// that thin lines stay dark (null if pdftoppm fails).
QImage RenderPdfPage(const QString& path, int dotsPerInch);

// The grid's outer size in mm: the distance between the first and the last
// long vertical line, and between the first and the last long horizontal
// line (lines at least half as long as the longest one).
struct GridSize {
    double widthMm = 0;
    double heightMm = 0;
    int verticalLines = 0;
    int horizontalLines = 0;
};
GridSize MeasureGrid(const QImage& page, int dotsPerInch);

// Every job the print service knows, finished or not, by lpstat (one line each).
QStringList PrintJobs();

// Waits until the print service holds no unfinished job; false on timeout.
bool WaitUntilNoJobPending(int timeoutMs);

}  // namespace corvane::test
