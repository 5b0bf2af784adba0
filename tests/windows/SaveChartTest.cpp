// "Save chart as…" and "Copy chart" of the chart picture's menu, and their
// keys: each format written and read back, the question before an
// overwrite, a failed write, and the clipboard.
#include "support/ProgramHarness.h"

#include "qtsurface/ChartExport.h"
#include "windows/ChartPictureBox.h"
#include "windows/ChartWindowTools.h"
#include "windows/Form2.h"
#include "windows/Form3.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace corvane;
using corvane::testing::ProgramHarness;

namespace {

const QString SaveAs = QStringLiteral("Save chart as\u2026");

QString ToolOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

mode_t ModeOf(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : mode_t(-1);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A chart with a reference held beneath it and the cross-hair shown.
Form3* ChartWithReference(ProgramHarness& program) {
    Form3* chart = program.runToChart();
    if (chart == nullptr || !program.chooseFromChartMenu(QStringLiteral("Hold as reference"))) return nullptr;
    program.conditions()->Option2->click();
    program.clickOk(QStringLiteral("8"), QStringLiteral("12"), QStringLiteral("10"));
    chart->Picture1_MouseMove(250.0f, 80.0f);
    return chart;
}

}  // namespace

class SaveChartTest : public QObject {
    Q_OBJECT
private slots:
    void init() { testing::ForgetSettings(); }
    void eachFormatIsWrittenAndReadsBack();
    void anExistingFileIsReplacedOnlyAfterYes();
    void aFailedWriteSaysWhyAndLeavesNothing();
    void copyAndTheKeys();
};

void SaveChartTest::eachFormatIsWrittenAndReadsBack() {
    ProgramHarness program;
    Form3* chart = ChartWithReference(program);
    QVERIFY(chart != nullptr);
    QTemporaryDir dir;
    const DoseCalculation& state = *program.state().Result;
    const ChartDrawing shown = [&](DrawingSurface& surface) { chart->Picture1->drawShownChart(surface); };

    // PNG: twice the picture's size, as shown with the reference, without
    // the cross-hair; named after the conditions it was drawn from, with the
    // permissions of a new file under the umask.
    const mode_t umaskBefore = umask(022);
    program.answerSavePathWith(dir.filePath(QStringLiteral("chart.png")));
    QVERIFY(program.chooseFromChartMenu(SaveAs));
    QVERIFY(program.messages.empty());
    QCOMPARE(program.suggestedSavePaths.size(), 1);
    QVERIFY(program.suggestedSavePaths[0].endsWith(QStringLiteral("/std-8cm-12x10.png")));
    QCOMPARE(ModeOf(dir.filePath(QStringLiteral("chart.png"))), mode_t(0644));
    const QImage png(dir.filePath(QStringLiteral("chart.png")));
    QCOMPARE(png.size(), QSize(2 * 997, 2 * 685));
    QVERIFY(png.convertToFormat(QImage::Format_RGB32) == RenderChartImage(shown, 2).value());
    QVERIFY(png.convertToFormat(QImage::Format_RGB32) != RenderChartImage(state, ChartMesh::FiveCm, 2).value());

    // SVG: the same picture, the reference's dashed lines among it. The
    // dialog opens in the folder of the last file.
    umask(027);
    program.answerSavePathWith(dir.filePath(QStringLiteral("chart.svg")));
    QVERIFY(program.chooseFromChartMenu(SaveAs));
    umask(umaskBefore);
    QCOMPARE(program.suggestedSavePaths[1], dir.filePath(QStringLiteral("std-8cm-12x10.png")));
    QCOMPARE(ModeOf(dir.filePath(QStringLiteral("chart.svg"))), mode_t(0640));
    QSvgRenderer svg(dir.filePath(QStringLiteral("chart.svg")));
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox(), QRect(0, 0, 997, 685));
    const QByteArray svgText = Contents(dir.filePath(QStringLiteral("chart.svg")));
    QVERIFY(svgText.contains("stroke-dasharray"));
    QVERIFY(svgText.contains("Reference (grey, dashed)"));

    // PDF: the printed page on A4, never with the reference.
    program.answerSavePathWith(dir.filePath(QStringLiteral("chart.PDF")));
    QVERIFY(program.chooseFromChartMenu(SaveAs));
    const QString pdf = dir.filePath(QStringLiteral("chart.PDF"));
    const QString info = ToolOutput(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    const QString text = ToolOutput(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("STD = 100 cm")), qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("Reference")));

    // No extension: a PNG picture, named so.
    program.answerSavePathWith(dir.filePath(QStringLiteral("plain")));
    QVERIFY(program.chooseFromChartMenu(SaveAs));
    QCOMPARE(QImage(dir.filePath(QStringLiteral("plain.png"))).size(), QSize(2 * 997, 2 * 685));

    // Another extension is refused with a word why; a cancel does nothing.
    program.answerSavePathWith(dir.filePath(QStringLiteral("chart.jpg")));
    QVERIFY(program.chooseFromChartMenu(SaveAs));
    QCOMPARE(program.messages.size(), std::size_t(1));
    QVERIFY(program.messages[0].text.contains(QStringLiteral(".png, .svg or .pdf")));
    program.answerSavePathWith(QString());
    QVERIFY(program.chooseFromChartMenu(SaveAs));
    QCOMPARE(program.messages.size(), std::size_t(1));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
}

void SaveChartTest::anExistingFileIsReplacedOnlyAfterYes() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    QVERIFY(chart != nullptr);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.svg"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kept");
    }
    program.answerSavePathWith(path);
    program.answers = {MessageAnswer::No};
    QVERIFY(program.chooseFromChartMenu(SaveAs));
    QCOMPARE(program.messages.size(), std::size_t(1));
    QCOMPARE(program.messages[0].buttons, MessageButtons::YesNo);
    QVERIFY2(program.messages[0].text.contains(QStringLiteral("already exists")),
             qPrintable(program.messages[0].text));
    QCOMPARE(Contents(path), QByteArray("kept"));

    program.answers = {MessageAnswer::Yes};
    QVERIFY(program.chooseFromChartMenu(SaveAs));
    QCOMPARE(program.messages.size(), std::size_t(2));
    QVERIFY(QSvgRenderer(path).isValid());

    // Through a symbolic link: the file it points to is written, the link stays.
    const QString link = dir.filePath(QStringLiteral("link.svg"));
    QVERIFY(QFile::link(path, link));
    QVERIFY(QFile::remove(path) && QFile(path).open(QIODevice::WriteOnly));
    program.answerSavePathWith(link);
    QVERIFY(program.chooseFromChartMenu(SaveAs));
    QCOMPARE(program.messages.size(), std::size_t(3));
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(QSvgRenderer(path).isValid());
}

void SaveChartTest::aFailedWriteSaysWhyAndLeavesNothing() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    QVERIFY(chart != nullptr);
    QTemporaryDir dir;
    program.answerSavePathWith(dir.filePath(QStringLiteral("missing/chart.png")));
    QVERIFY(program.chooseFromChartMenu(SaveAs));
    QCOMPARE(program.messages.size(), std::size_t(1));
    const QString message = program.messages[0].text;
    QVERIFY2(message.contains(QStringLiteral("could not be saved")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("No such file or directory")), qPrintable(message));
    QCOMPARE(program.messages[0].icon, MessageIcon::Exclamation);
    QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

void SaveChartTest::copyAndTheKeys() {
    ProgramHarness program;
    Form3* chart = ChartWithReference(program);
    QVERIFY(chart != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    QClipboard* clipboard = QGuiApplication::clipboard();
    const bool printEnabled = chart->Command1->isEnabled();

    // The picture as shown, with the reference and without the cross-hair.
    clipboard->clear();
    QVERIFY(program.chooseFromChartMenu(QStringLiteral("Copy chart")));
    QVERIFY(chart->Picture1->line1().Visible);
    QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), chart->Picture1->image());

    // Ctrl+C on the picture does the same.
    clipboard->clear();
    chart->Picture1->setFocus();
    QTest::keyClick(chart->Picture1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), chart->Picture1->image());

    // In a readout box holding a selection Ctrl+C copies the text, as before;
    // Ctrl+A still reaches the box.
    clipboard->clear();
    chart->Text2->setFocus();
    QTest::keyClick(chart->Text2, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(chart->Text2->hasSelectedText());
    QTest::keyClick(chart->Text2, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("80"));
    QVERIFY(!clipboard->mimeData()->hasImage());
    // Without a selection the box has nothing to copy: the chart is copied.
    chart->Text2->deselect();
    QTest::keyClick(chart->Text2, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(clipboard->mimeData()->hasImage());

    // Ctrl+S asks where to save, from any control.
    QTemporaryDir dir;
    program.answerSavePathWith(dir.filePath(QStringLiteral("keyed.png")));
    QTest::keyClick(chart->Text2, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(program.suggestedSavePaths.size(), 1);
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("keyed.png"))));
    QCOMPARE(chart->Text2->text(), QStringLiteral("80"));  // the key did not reach the box

    // None of it changed the designed state.
    QCOMPARE(chart->Command1->isEnabled(), printEnabled);
    QCOMPARE(program.module().form3()->CursorInChart, true);
    QCOMPARE(chart->Text1->text(), QStringLiteral("0"));
}

QTEST_MAIN(SaveChartTest)
#include "SaveChartTest.moc"
