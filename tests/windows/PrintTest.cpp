// The print button end to end: the real chart window after a real
// calculation, the question answered through the message-box seam, and the
// page checked as the print service's cups-pdf queue wrote it.
#include "support/PrintedPdfProbe.h"
#include "support/ProgramHarness.h"

#include "qtsurface/Fonts.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/MessageBoxes.h"
#include "windows/PrintChart.h"

#include <QFile>
#include <QPageSize>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace corvane;
using namespace corvane::test;

namespace {

constexpr int RenderDotsPerInch = 254;  // 10 dots per mm
constexpr int PdfTimeoutMs = 60000;
const char* const ChildVariable = "CORVANE_PRINT_TEST_NO_PRINTER_CHILD";

QString ServiceOutputDir() { return qEnvironmentVariable("CORVANE_PDF_OUTPUT_DIR"); }

bool HaveService() { return !qEnvironmentVariableIsEmpty("CUPS_SERVER") && !ServiceOutputDir().isEmpty(); }

#define REQUIRE_PRINT_SERVICE()                                                                              \
    do {                                                                                                     \
        if (!HaveService())                                                                                  \
            QSKIP("No print service: CUPS_SERVER and CORVANE_PDF_OUTPUT_DIR are not set. "                   \
                  "Run `eval \"$(scripts/print-service.sh start)\"` first (scripts/test.sh "                 \
                  "does).");                                                                                 \
    } while (false)

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void noLeavesEverythingAsItWas();
    void yesPrintsTheChartTrueToScale();
    void secondPrintOnlyAfterTheWindowIsRebuilt();
    void smallerPaperKeepsTheScaleAndWarns();
    void refusedPageIsNotPrintedAndCanBeSaved();
    void pageThatCannotBeginIsNotPrinted();
    void noPrinterOffersPdfAndWritesOne();
    void noPrinterInChild();

private:
    // The chart window of a new run: any chart window is first closed by its
    // title bar, then the data is loaded anew and OK pressed in Form2.
    Form3* freshChartWindow();
    void pressPrint(Form3* chart);
    // The chooser gives `path` and counts its calls.
    void answerSavePathWith(const QString& path);

    // The boxes shown since the last press of the print button.
    const std::vector<MessageRequest>& messages() const { return program_->messages; }

    // One program for all cases; its boxes' answers are set by each case.
    std::unique_ptr<testing::ProgramHarness> program_;
    int savePathRequests_ = 0;
    QTemporaryDir saveDir_;
    QString rejectedQueue_;
};

void PrintTest::initTestCase() {
    QVERIFY(saveDir_.isValid());
    RegisterFontSubstitutions();
    program_ = std::make_unique<testing::ProgramHarness>();
    // A question no case expects is answered No: nothing is printed or saved.
    program_->yesNoAnswer = MessageAnswer::No;
    InstallPrintChart(program_->module());
}

void PrintTest::init() {
    program_->messages.clear();
    program_->answers.clear();
    savePathRequests_ = 0;
}

void PrintTest::cleanup() {
    PrintChartSeams::setPrinterAdjuster({});
    PrintChartSeams::setSavePathChooser({});
    if (!rejectedQueue_.isEmpty()) {
        QProcess::execute(QStringLiteral("cupsaccept"), {rejectedQueue_});
        rejectedQueue_.clear();
    }
}

void PrintTest::cleanupTestCase() { program_.reset(); }

Form3* PrintTest::freshChartWindow() {
    // A page still on its way from an earlier case must not pass for this one's.
    if (HaveService() && !WaitUntilNoJobPending(PdfTimeoutMs)) return nullptr;
    if (QPointer<Form3> old = program_->chart()) {
        old->close();
        if (!QTest::qWaitFor([&old] { return old.isNull(); }, 5000)) return nullptr;
    }
    Form3* chart = program_->runToChart();
    if (chart == nullptr || !chart->isVisible()) return nullptr;
    return chart;
}

void PrintTest::pressPrint(Form3* chart) {
    program_->messages.clear();
    QTest::mouseClick(chart->Command1, Qt::LeftButton);
}

void PrintTest::answerSavePathWith(const QString& path) {
    PrintChartSeams::setSavePathChooser([this, path](QWidget*, const QString& suggested) {
        ++savePathRequests_;
        if (!suggested.endsWith(QStringLiteral(".pdf"))) return QString();
        return path;
    });
}

void PrintTest::noLeavesEverythingAsItWas() {
    Form3* chart = freshChartWindow();
    QVERIFY(chart != nullptr);
    const QStringList jobsBefore = HaveService() ? PrintJobs() : QStringList();
    const QSet<QString> pdfsBefore = HaveService() ? PdfFilesIn(ServiceOutputDir()) : QSet<QString>();

    program_->answers = {MessageAnswer::No};
    pressPrint(chart);

    QCOMPARE(messages().size(), std::size_t(1));
    QCOMPARE(messages()[0].text, QStringLiteral("   Is the printer ready ?   "));
    QCOMPARE(messages()[0].caption, QStringLiteral("Corvane"));
    QCOMPARE(messages()[0].icon, MessageIcon::None);
    QCOMPARE(messages()[0].buttons, MessageButtons::YesNo);
    QVERIFY(chart->Command1->isEnabled());
    if (HaveService()) {
        // A job is queued before the print call returns, so none may show now.
        QCOMPARE(PrintJobs(), jobsBefore);
        QCOMPARE(PdfFilesIn(ServiceOutputDir()), pdfsBefore);
    }
}

void PrintTest::yesPrintsTheChartTrueToScale() {
    REQUIRE_PRINT_SERVICE();
    Form3* chart = freshChartWindow();
    QVERIFY(chart != nullptr);
    const QSet<QString> before = PdfFilesIn(ServiceOutputDir());

    program_->answers = {MessageAnswer::Yes};
    pressPrint(chart);

    QCOMPARE(messages().size(), std::size_t(1));  // the question, and nothing went wrong
    QVERIFY(!chart->Command1->isEnabled());
    const QString pdf = WaitForNewPdf(ServiceOutputDir(), before, PdfTimeoutMs);
    QVERIFY2(!pdf.isEmpty(), "the print service wrote no PDF");

    const QString text = PdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("Field size =")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("SSD = 100 cm")), qPrintable(text));

    const QImage page = RenderPdfPage(pdf, RenderDotsPerInch);
    QVERIFY(!page.isNull());
    // A4 portrait at 10 dots per mm.
    QVERIFY(qAbs(page.width() - 2100) <= 2 && qAbs(page.height() - 2970) <= 2);
    const GridSize grid = MeasureGrid(page, RenderDotsPerInch);
    QVERIFY2(qAbs(grid.widthMm - 200) <= 0.5, qPrintable(QString::number(grid.widthMm)));
    QVERIFY2(qAbs(grid.heightMm - 250) <= 0.5, qPrintable(QString::number(grid.heightMm)));
    // Every 1 cm line of the grid, and the central axis among them.
    QCOMPARE(grid.verticalLines, 21);
    QCOMPARE(grid.horizontalLines, 26);
}

void PrintTest::secondPrintOnlyAfterTheWindowIsRebuilt() {
    REQUIRE_PRINT_SERVICE();
    Form3* chart = freshChartWindow();
    QVERIFY(chart != nullptr);
    program_->answers = {MessageAnswer::Yes};
    pressPrint(chart);
    QVERIFY(!chart->Command1->isEnabled());
    const QStringList jobsAfterFirst = PrintJobs();

    // The disabled button takes no click: no question, no job.
    program_->answers = {MessageAnswer::Yes};
    pressPrint(chart);
    QCOMPARE(messages().size(), std::size_t(0));

    // "Close" and a new OK keep the same window, still disabled.
    QTest::mouseClick(chart->Command2, Qt::LeftButton);
    QVERIFY(!chart->isVisible());
    QTest::mouseClick(program_->conditions()->Command1, Qt::LeftButton);
    QCOMPARE(program_->chart(), chart);
    QVERIFY(chart->isVisible());
    QVERIFY(!chart->Command1->isEnabled());
    pressPrint(chart);
    QCOMPARE(messages().size(), std::size_t(0));
    QCOMPARE(PrintJobs(), jobsAfterFirst);

    // The title-bar close and a new run rebuild the window: printing again.
    Form3* rebuilt = freshChartWindow();
    QVERIFY(rebuilt != nullptr);
    QVERIFY(rebuilt->Command1->isEnabled());
    QVERIFY(WaitUntilNoJobPending(PdfTimeoutMs));
    const QSet<QString> before = PdfFilesIn(ServiceOutputDir());
    program_->answers = {MessageAnswer::Yes};
    pressPrint(rebuilt);
    QCOMPARE(messages().size(), std::size_t(1));
    QVERIFY(!rebuilt->Command1->isEnabled());
    QVERIFY(!WaitForNewPdf(ServiceOutputDir(), before, PdfTimeoutMs).isEmpty());
}

void PrintTest::smallerPaperKeepsTheScaleAndWarns() {
    REQUIRE_PRINT_SERVICE();
    Form3* chart = freshChartWindow();
    QVERIFY(chart != nullptr);
    PrintChartSeams::setPrinterAdjuster(
        [](QPrinter& printer) { printer.setPageSize(QPageSize(QPageSize::Letter)); });
    const QSet<QString> before = PdfFilesIn(ServiceOutputDir());

    program_->answers = {MessageAnswer::Yes};
    pressPrint(chart);

    QCOMPARE(messages().size(), std::size_t(2));
    QCOMPARE(messages()[1].caption, QStringLiteral("Corvane"));
    QCOMPARE(messages()[1].buttons, MessageButtons::Ok);
    QVERIFY2(messages()[1].text.contains(QStringLiteral("cut off")), qPrintable(messages()[1].text));
    QVERIFY(!chart->Command1->isEnabled());  // it was printed, cut or not

    const QString pdf = WaitForNewPdf(ServiceOutputDir(), before, PdfTimeoutMs);
    QVERIFY(!pdf.isEmpty());
    const QImage page = RenderPdfPage(pdf, RenderDotsPerInch);
    QVERIFY(!page.isNull());
    // US Letter, 215.9 x 279.4 mm.
    QVERIFY(qAbs(page.width() - 2159) <= 2 && qAbs(page.height() - 2794) <= 2);
    // Still 1 mm to the mm: the full width, and the grid down to y = 230,
    // since y = 240 would lie 281 mm down the 279.4 mm sheet.
    const GridSize grid = MeasureGrid(page, RenderDotsPerInch);
    QVERIFY2(qAbs(grid.widthMm - 200) <= 0.5, qPrintable(QString::number(grid.widthMm)));
    QVERIFY2(qAbs(grid.heightMm - 230) <= 0.5, qPrintable(QString::number(grid.heightMm)));
}

void PrintTest::refusedPageIsNotPrintedAndCanBeSaved() {
    REQUIRE_PRINT_SERVICE();
    Form3* chart = freshChartWindow();
    QVERIFY(chart != nullptr);
    // The queue turns jobs away: the printer refuses the page as it ends.
    const QString queue = QPrinterInfo::defaultPrinterName();
    QVERIFY(!queue.isEmpty());
    QCOMPARE(QProcess::execute(QStringLiteral("cupsreject"), {queue}), 0);
    rejectedQueue_ = queue;
    const QStringList jobsBefore = PrintJobs();
    const QString saved = saveDir_.filePath(QStringLiteral("refused.pdf"));
    answerSavePathWith(saved);

    program_->answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    pressPrint(chart);

    QCOMPARE(messages().size(), std::size_t(2));
    QCOMPARE(messages()[1].caption, QStringLiteral("Corvane"));
    QCOMPARE(messages()[1].buttons, MessageButtons::YesNo);
    QVERIFY2(messages()[1].text.contains(QStringLiteral("did not accept the page")),
             qPrintable(messages()[1].text));
    QVERIFY(messages()[1].text.contains(QStringLiteral("save the page as a PDF file")));
    QCOMPARE(PrintJobs(), jobsBefore);
    QVERIFY(chart->Command1->isEnabled());
    QCOMPARE(savePathRequests_, 1);
    QVERIFY(IsCompletePdf(saved));
    QVERIFY(PdfText(saved).contains(QStringLiteral("SSD = 100 cm")));
}

void PrintTest::pageThatCannotBeginIsNotPrinted() {
    REQUIRE_PRINT_SERVICE();
    Form3* chart = freshChartWindow();
    QVERIFY(chart != nullptr);
    // A destination that cannot be opened makes the page fail as it begins.
    PrintChartSeams::setPrinterAdjuster([this](QPrinter& printer) {
        printer.setOutputFileName(saveDir_.filePath(QStringLiteral("no-such-folder/page.pdf")));
    });
    answerSavePathWith(saveDir_.filePath(QStringLiteral("never.pdf")));

    program_->answers = {MessageAnswer::Yes, MessageAnswer::No};
    pressPrint(chart);

    QCOMPARE(messages().size(), std::size_t(2));
    QVERIFY2(messages()[1].text.contains(QStringLiteral("could not begin the page")),
             qPrintable(messages()[1].text));
    QCOMPARE(messages()[1].buttons, MessageButtons::YesNo);
    QCOMPARE(savePathRequests_, 0);  // No to the offer: no file dialog
    QVERIFY(!QFile::exists(saveDir_.filePath(QStringLiteral("never.pdf"))));
    QVERIFY(chart->Command1->isEnabled());
}

void PrintTest::noPrinterOffersPdfAndWritesOne() {
    if (qEnvironmentVariableIsSet(ChildVariable)) QSKIP("runs in the parent only");
    // libcups reads CUPS_SERVER once per process, so the case runs in a
    // child whose print service is a socket where nothing listens.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"),
                       saveDir_.filePath(QStringLiteral("nothing-listens-here.sock")));
    environment.remove(QStringLiteral("CORVANE_PDF_OUTPUT_DIR"));
    environment.insert(QString::fromLatin1(ChildVariable), saveDir_.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("noPrinterInChild")});
    QVERIFY(child.waitForFinished(120000));
    const QByteArray output = child.readAll();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
    QVERIFY2(output.contains("PASS   : PrintTest::noPrinterInChild"), output.constData());
    QVERIFY(IsCompletePdf(saveDir_.filePath(QStringLiteral("no-printer.pdf"))));
}

void PrintTest::noPrinterInChild() {
    if (!qEnvironmentVariableIsSet(ChildVariable)) QSKIP("runs in a child of noPrinterOffersPdfAndWritesOne");
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
    Form3* chart = freshChartWindow();
    QVERIFY(chart != nullptr);
    const QDir folder(qEnvironmentVariable(ChildVariable));

    // First the offer declined: nothing is written, the button stays.
    answerSavePathWith(folder.filePath(QStringLiteral("declined.pdf")));
    program_->answers = {MessageAnswer::Yes, MessageAnswer::No};
    pressPrint(chart);
    QCOMPARE(messages().size(), std::size_t(2));
    QCOMPARE(messages()[1].caption, QStringLiteral("Corvane"));
    QCOMPARE(messages()[1].icon, MessageIcon::Exclamation);
    QCOMPARE(messages()[1].buttons, MessageButtons::YesNo);
    QVERIFY2(messages()[1].text.contains(QStringLiteral("No printer")), qPrintable(messages()[1].text));
    QCOMPARE(savePathRequests_, 0);
    QVERIFY(chart->Command1->isEnabled());

    // Then taken: a whole PDF of the page, the name completed with ".pdf",
    // and the button still enabled since nothing was printed.
    answerSavePathWith(folder.filePath(QStringLiteral("no-printer")));
    program_->answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    pressPrint(chart);
    QCOMPARE(messages().size(), std::size_t(2));
    QCOMPARE(savePathRequests_, 1);
    const QString saved = folder.filePath(QStringLiteral("no-printer.pdf"));
    QVERIFY(IsCompletePdf(saved));
    const QString text = PdfText(saved);
    QVERIFY2(text.contains(QStringLiteral("Field size =")), qPrintable(text));
    QVERIFY(chart->Command1->isEnabled());

    // A folder that cannot be written to is said so, and no file appears.
    const QString unwritable = folder.filePath(QStringLiteral("missing/chart.pdf"));
    answerSavePathWith(unwritable);
    program_->answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    pressPrint(chart);
    QCOMPARE(messages().size(), std::size_t(3));
    QVERIFY2(messages()[2].text.contains(QStringLiteral("could not be written")) &&
                 messages()[2].text.contains(QStringLiteral("No such file or directory")),
             qPrintable(messages()[2].text));
    QCOMPARE(messages()[2].caption, QStringLiteral("Corvane"));
    QVERIFY(!QFile::exists(unwritable));
}

QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
