#include "support/PrintedPdfProbe.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <vector>

namespace corvane::test {

namespace {

// Runs a tool and gives its standard output, or nothing if it failed.
QByteArray RunTool(const QString& program, const QStringList& arguments, bool* ok = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    const bool success = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (ok != nullptr) *ok = success;
    return success ? process.readAllStandardOutput() : QByteArray();
}

// The centres of runs of neighbouring indices whose count reaches `threshold`.
std::vector<double> LineCentres(const std::vector<int>& counts, int threshold) {
    std::vector<double> centres;
    int runStart = -1;
    for (int i = 0; i <= static_cast<int>(counts.size()); ++i) {
        const bool dark = i < static_cast<int>(counts.size()) && counts[i] >= threshold;
        if (dark && runStart < 0) runStart = i;
        if (!dark && runStart >= 0) {
            centres.push_back((runStart + i - 1) / 2.0);
            runStart = -1;
        }
    }
    return centres;
}

}  // namespace

QSet<QString> PdfFilesIn(const QString& folder) {
    QSet<QString> files;
    const QFileInfoList entries =
        QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    for (const QFileInfo& entry : entries) files.insert(entry.absoluteFilePath());
    return files;
}

bool IsCompletePdf(const QString& path) {
    bool ok = false;
    RunTool(QStringLiteral("pdfinfo"), {path}, &ok);
    return ok;
}

QString WaitForNewPdf(const QString& folder, const QSet<QString>& before, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        for (const QString& file : PdfFilesIn(folder)) {
            if (!before.contains(file) && IsCompletePdf(file)) return file;
        }
        QThread::msleep(100);
    }
    return {};
}

QString PdfText(const QString& path) {
    return QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}));
}

QImage RenderPdfPage(const QString& path, int dotsPerInch) {
    QTemporaryDir dir;
    if (!dir.isValid()) return {};
    const QString prefix = dir.filePath(QStringLiteral("page"));
    bool ok = false;
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-gray"),
             QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"),
             QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
             QStringLiteral("-singlefile"), QStringLiteral("-png"), path, prefix},
            &ok);
    if (!ok) return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

GridSize MeasureGrid(const QImage& page, int dotsPerInch) {
    GridSize size;
    if (page.isNull()) return size;
    const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
    std::vector<int> columns(grey.width(), 0);
    std::vector<int> rows(grey.height(), 0);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            if (line[x] < 128) {
                ++columns[x];
                ++rows[y];
            }
        }
    }
    const int longestColumn = *std::max_element(columns.begin(), columns.end());
    const int longestRow = *std::max_element(rows.begin(), rows.end());
    if (longestColumn == 0 || longestRow == 0) return size;
    const std::vector<double> vertical = LineCentres(columns, longestColumn / 2);
    const std::vector<double> horizontal = LineCentres(rows, longestRow / 2);
    const double dotsPerMm = dotsPerInch / 25.4;
    size.verticalLines = static_cast<int>(vertical.size());
    size.horizontalLines = static_cast<int>(horizontal.size());
    if (vertical.size() >= 2) size.widthMm = (vertical.back() - vertical.front()) / dotsPerMm;
    if (horizontal.size() >= 2) size.heightMm = (horizontal.back() - horizontal.front()) / dotsPerMm;
    return size;
}

QStringList PrintJobs() {
    const QString text = QString::fromUtf8(RunTool(
        QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o")}));
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool WaitUntilNoJobPending(int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    do {
        bool ok = false;
        const QByteArray pending = RunTool(QStringLiteral("lpstat"), {QStringLiteral("-o")}, &ok);
        if (ok && pending.trimmed().isEmpty()) return true;
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return false;
}

}  // namespace corvane::test
