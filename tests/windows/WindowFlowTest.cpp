// The road through the windows from the start window: start, conditions,
// chart, back to the start window, the method and data table windows beside
// it, bad data files, and how the program ends.
#include "StartFlowFixtures.h"

#include "qtsurface/Fonts.h"
#include "state/BeamDataLoader.h"
#include "state/DataFileLocation.h"
#include "windows/BeamDataMessages.h"
#include "windows/CalculationState.h"
#include "windows/ChartWindowTools.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Module1.h"
#include "windows/ProfilesWindow.h"
#include "windows/VisibleWindowGuard.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>

using namespace corvane;
using namespace corvane::testing;

namespace {
void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void TypeInto(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClicks(box, text);
}

constexpr char ChildMarker[] = "CORVANE_FLOW_TEST_CHILD";
}  // namespace

class WindowFlowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { RegisterFontSubstitutions(); }
    void wholeRoadGivesTheDefaultsBack();
    void methodWindowStaysOpenAcrossAStart();
    void dataTableShowsTheFileWhileTheCalculationKeepsItsTables();
    void shortFileAtStartKeepsWhatWasLoaded();
    void ownBeamDataIsCheckedAndNamedWhereverItShows();
    void missingFileAtStartIsReportedAndStartWorksAfterwards();
    void windowsStillShownStayUsable();
    void noVisibleWindowEndsTheProgram();
    void exitButtonEndsTheProgram();
};

void WindowFlowTest::wholeRoadGivesTheDefaultsBack() {
    DataFileDirectory data;
    ProgramHarness program;
    Form1* start = program.module().form1();
    start->show();
    QVERIFY(QTest::qWaitForWindowExposed(start));
    Click(start->Command1);
    Form2* conditions = program.conditions();
    QVERIFY(conditions->isVisible());
    QVERIFY(!start->isVisible());
    QCOMPARE(program.state().Beam.DepthTable[37], 30.0);

    Click(conditions->Option2);
    Click(conditions->Option5);
    TypeInto(conditions->Text1, QStringLiteral("7.5"));
    TypeInto(conditions->Text2, QStringLiteral("12.0"));
    TypeInto(conditions->Text3, QStringLiteral("8.0"));
    Click(conditions->Command1);
    QVERIFY(program.messages.empty());
    QPointer<Form3> chart = program.chart();
    QVERIFY(chart && chart->isVisible());
    SaveScreenshot(conditions, QStringLiteral("Form2-on-the-road"));
    SaveScreenshot(chart, QStringLiteral("Form3-on-the-road"));
    Click(chart->Command3);  // a mesh change, so there is something to reset
    QCOMPARE(program.module().form3()->MeshMode, ChartMesh::OneCm);

    QVERIFY(chart->close());  // the title-bar close
    program.settle();
    QVERIFY(!chart);
    QVERIFY(!conditions->isVisible());
    QVERIFY(start->isVisible());
    QCOMPARE(program.endRequests, 0);

    // Enter on the focused start button starts again.
    QVERIFY(QTest::qWaitForWindowActive(start));
    start->Command1->setFocus();
    QTest::keyClick(start->Command1, Qt::Key_Return);
    QVERIFY(conditions->isVisible());
    QVERIFY(!start->isVisible());
    QCOMPARE(conditions->Text1->text(), QStringLiteral("5.0"));
    QCOMPARE(conditions->Text2->text(), QStringLiteral("10.0"));
    QCOMPARE(conditions->Text3->text(), QStringLiteral("10.0"));
    QVERIFY(conditions->Option1->isChecked());
    QVERIFY(conditions->Option3->isChecked());
    QCOMPARE(program.state().Conditions.Setup, BeamSetup::Ssd);
    QCOMPARE(program.state().Conditions.WedgeKind, WedgeFilter::None);
    QCOMPARE(program.module().form3()->MeshMode, ChartMesh::FiveCm);

    // And the road runs again: OK gives a chart.
    Click(conditions->Command1);
    QVERIFY(program.chart() && program.chart()->isVisible());
    QVERIFY(program.messages.empty());
}

void WindowFlowTest::methodWindowStaysOpenAcrossAStart() {
    DataFileDirectory data;
    ProgramHarness program;
    Form1* start = program.module().form1();
    start->show();
    Click(start->Command4);
    QPointer<Form5> method = program.module().form5();
    QVERIFY(method->isVisible());
    QVERIFY(start->isVisible());
    Click(start->Command4);
    QCOMPARE(program.module().form5(), method.data());  // the same window each time

    Click(start->Command1);
    QVERIFY(!start->isVisible());
    QVERIFY(program.conditions()->isVisible());
    QVERIFY(method && method->isVisible());
    SaveScreenshot(method, QStringLiteral("Form5-on-the-road"));

    // Close hides it; the start window's button shows the same one again.
    Click(method->Command1);
    QVERIFY(!method->isVisible());
    start->show();
    Click(start->Command4);
    QVERIFY(method && method->isVisible());

    // The title-bar close destroys it; the next press builds a new one.
    QVERIFY(method->close());
    program.settle();
    QVERIFY(!method);
    Click(start->Command4);
    QVERIFY(program.module().form5()->isVisible());
}

void WindowFlowTest::dataTableShowsTheFileWhileTheCalculationKeepsItsTables() {
    DataFileDirectory data;
    ProgramHarness program;
    Form1* start = program.module().form1();
    start->show();
    Click(start->Command1);
    const double firstTmr = program.state().Beam.TmrTable[1][1];
    QCOMPARE(firstTmr, 0.43);

    Click(start->Command4);
    Form5* method = program.module().form5();
    Click(method->Command3);
    Form4* table = program.module().form4();
    QVERIFY(table->isVisible());
    QCOMPARE(table->List1->count(), 66);
    Click(method->Command3);
    QCOMPARE(table->List1->count(), 66);  // refilled, not appended
    SaveScreenshot(table, QStringLiteral("Form4-on-the-road"));

    QByteArray edited = data.read();
    edited.replace("0.4300", "0.4111");
    data.write(edited);
    Click(method->Command3);
    QVERIFY(table->List1->item(3)->text().contains(QStringLiteral("0.4111")));
    QCOMPARE(program.state().Beam.TmrTable[1][1], firstTmr);

    // Its Close hides it; its title-bar close destroys it and the next
    // press builds a new, filled one.
    Click(table->Command1);
    QVERIFY(!table->isVisible());
    QPointer<Form4> closing = table;
    QVERIFY(closing->close());
    program.settle();
    QVERIFY(!closing);
    Click(method->Command3);
    QCOMPARE(program.module().form4()->List1->count(), 66);
    QVERIFY(program.messages.empty());
}

void WindowFlowTest::shortFileAtStartKeepsWhatWasLoaded() {
    DataFileDirectory data;
    ProgramHarness program;
    Form1* start = program.module().form1();
    start->show();
    Click(start->Command1);
    Form2* conditions = program.conditions();
    QVERIFY(program.chart() == nullptr);
    Click(conditions->Command1);
    QPointer<Form3> chart = program.chart();
    QVERIFY(chart->close());
    program.settle();
    TypeInto(conditions->Text1, QStringLiteral("9.0"));

    // The file loses its OCR block: one box, the start window stays, the
    // conditions window does not open, and the tables are those of before.
    const BeamData before = program.state().Beam;
    data.write(data.firstLines(50));
    Click(start->Command1);
    QCOMPARE(program.messages.size(), std::size_t(1));
    QCOMPARE(program.messages[0].caption, QStringLiteral("Corvane"));
    QVERIFY2(program.messages[0].text.contains(QStringLiteral("6MVTMROCR.dat")),
             qPrintable(program.messages[0].text));
    QVERIFY(start->isVisible());
    QVERIFY(!conditions->isVisible());
    QCOMPARE(conditions->Text1->text(), QStringLiteral("9.0"));
    QVERIFY(program.state().Beam.TmrTable == before.TmrTable);
    QVERIFY(program.state().Beam.OcrTable == before.OcrTable);
    QCOMPARE(program.endRequests, 0);

    // OCR row 11 written twice in place of row 12: the file loads, one
    // information box names the line and the program carries on.
    QByteArray duplicated = data.firstLines(55);
    duplicated += data.firstLines(55).mid(data.firstLines(54).size());
    duplicated += data.firstLines(66).mid(data.firstLines(56).size());
    data.write(duplicated);
    Click(start->Command1);
    QCOMPARE(program.messages.size(), std::size_t(2));
    QCOMPARE(program.messages[1].icon, MessageIcon::Information);
    QVERIFY2(program.messages[1].text.contains(QStringLiteral("line 56 gives \"1.00\" for row 12")),
             qPrintable(program.messages[1].text));
    QVERIFY(conditions->isVisible());
    QVERIFY(!start->isVisible());
    QCOMPARE(conditions->Text1->text(), QStringLiteral("5.0"));

    // Whole again, the file loads on the next press without a word.
    QVERIFY(conditions->close());
    program.settle();
    start->show();
    data.write(data.firstLines(66));
    Click(start->Command1);
    QCOMPARE(program.messages.size(), std::size_t(2));
    QVERIFY(conditions->isVisible());
}

void WindowFlowTest::ownBeamDataIsCheckedAndNamedWhereverItShows() {
    ForgetSettings();  // and uses a settings file of this test's own
    DataFileDirectory data;
    ProgramHarness program;
    const QString own = data.path(QStringLiteral("clinic x.dat")),
                  broken = data.path(QStringLiteral("broken.dat"));
    QByteArray bytes =
        data.read().replace("6 MV X-ray beam  TMR and OCR data  (SAD = 100 cm)", "Clinic <b>X</b> & Y, 6 MV");
    data.write(QByteArray(bytes).replace("0.4300", "0.43x0"), QStringLiteral("broken.dat"));
    data.write(bytes.replace("  15, 1.0000", "  15, 1.0970"), QStringLiteral("clinic x.dat"));
    Form1* start = program.module().form1();
    start->show();

    // A file that does not load: the loader's own message, the start window
    // stays, and nothing is remembered.
    start->chooseDataFile(broken);
    Click(start->Command1);
    QCOMPARE(program.messages.size(), std::size_t(1));
    QCOMPARE(program.messages[0].text,
             BeamDataMessages::fault(LoadBeamDataFile(broken.toStdString()).error()));
    QVERIFY(start->isVisible() && RecentBeamDataFiles().isEmpty());

    // One that loads: one information box after it, its details naming the
    // line; the conditions window names the data under the beam frame and
    // moves the controls below just clear of it.
    start->chooseDataFile(own);
    Click(start->Command1);
    QCOMPARE(program.messages.size(), std::size_t(2));
    QCOMPARE(program.messages[1].icon, MessageIcon::Information);
    QVERIFY2(
        program.messages[1].details.startsWith(QStringLiteral("line 10: the TMR 1.097 of the 4 cm field")),
        qPrintable(program.messages[1].details));
    Form2* conditions = program.conditions();
    QVERIFY(conditions->isVisible() && conditions->BeamDataLabel->isVisible());
    QCOMPARE(conditions->BeamDataLabel->text(),
             QStringLiteral("Beam data: \"clinic x.dat\"\n\"Clinic <b>X</b> & Y, 6 MV\""));
    QCOMPARE(conditions->Frame1->y() - conditions->BeamDataLabel->geometry().bottom(), 6);
    QCOMPARE(conditions->height() - conditions->Command1->y(), 486 - 424);
    QCOMPARE(RecentBeamDataFiles(), QStringList{own});

    // The data table lists it under a caption that names it.
    start->show();
    Click(start->Command4);
    Click(program.module().form5()->Command3);
    QCOMPARE(program.module().form4()->windowTitle(), QStringLiteral("TMRs  &  OCRs – \"clinic x.dat\""));
    QCOMPARE(program.module().form4()->List1->item(0)->text(), QStringLiteral("Clinic <b>X</b> & Y, 6 MV"));

    // The profiles window names it, and so do the saved files' metadata.
    Click(conditions->Command1);
    QVERIFY(program.chooseFromChartMenu(QStringLiteral("Profiles")));
    const QString named = QStringLiteral("Beam data: \"clinic x.dat\", \"Clinic <b>X</b> & Y, 6 MV\"");
    QCOMPARE(program.chart()->tools()->profilesWindow()->dataNameLabel()->text(), named);
    for (const char* name : {"c.png", "c.svg", "c.pdf"}) {
        program.answerSavePathWith(data.path(QString::fromLatin1(name)));
        QVERIFY(program.chooseFromChartMenu(QStringLiteral("Save chart as\u2026")));
    }
    QCOMPARE(QImage(data.path(QStringLiteral("c.png"))).text(QStringLiteral("Description")), named);
    QFile svg(data.path(QStringLiteral("c.svg")));
    QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains(named.toHtmlEscaped().toUtf8()));
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {data.path(QStringLiteral("c.pdf"))});
    QVERIFY(pdfinfo.waitForFinished() && pdfinfo.readAll().contains(("Corvane, " + named).toUtf8()));

    // The bundled data again: the window as designed, and no check.
    QVERIFY(program.chart()->close());
    program.settle();
    start->chooseBundledData();
    Click(start->Command1);
    QVERIFY(!conditions->BeamDataLabel->isVisible());
    QCOMPARE(conditions->size(), QSize(393, 486));
    QCOMPARE(conditions->Frame1->y(), 120);
    QCOMPARE(program.messages.size(), std::size_t(2));
}

// The lookup also finds the copy beside the test program, so the file can be
// missing only for a copy of this program run from a directory without one.
void WindowFlowTest::missingFileAtStartIsReportedAndStartWorksAfterwards() {
    if (qEnvironmentVariableIsEmpty(ChildMarker)) {
        QTemporaryDir place;
        const QString copy = place.filePath(QStringLiteral("bin/WindowFlowTest"));
        QVERIFY(QDir().mkpath(place.filePath(QStringLiteral("bin"))));
        QVERIFY(QDir().mkpath(place.filePath(QStringLiteral("work"))));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(ChildMarker), QStringLiteral("1"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.setWorkingDirectory(place.filePath(QStringLiteral("work")));
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(copy, {QStringLiteral("missingFileAtStartIsReportedAndStartWorksAfterwards")});
        QVERIFY(child.waitForFinished(120000));
        const QByteArray output = child.readAll();
        if (output.contains("SKIP")) QSKIP("a data file is installed on this machine");
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
        return;
    }

    if (QFile::exists(QString::fromStdString(LocateBeamDataFile().string())))
        QSKIP("a data file is installed on this machine");
    ProgramHarness program;
    Form1* start = program.module().form1();
    start->show();
    Click(start->Command1);
    QCOMPARE(program.messages.size(), std::size_t(1));
    QCOMPARE(program.messages[0].caption, QStringLiteral("Corvane"));
    QVERIFY2(program.messages[0].text.contains(QStringLiteral("6MVTMROCR.dat")),
             qPrintable(program.messages[0].text));
    QVERIFY(start->isVisible());
    QVERIFY(program.chart() == nullptr);
    QCOMPARE(program.endRequests, 0);

    // The data table says the same, and the program goes on.
    Click(start->Command4);
    Click(program.module().form5()->Command3);
    QCOMPARE(program.messages.size(), std::size_t(2));
    QVERIFY(program.messages[1].text.contains(QStringLiteral("was not found")));
    QCOMPARE(program.module().form4()->List1->count(), 0);

    QVERIFY(QFile::copy(QStringLiteral(CORVANE_TEST_DATA_FILE), QStringLiteral("6MVTMROCR.dat")));
    Click(start->Command1);
    QCOMPARE(program.messages.size(), std::size_t(2));
    QVERIFY(program.conditions()->isVisible());
    QVERIFY(!start->isVisible());
}

void WindowFlowTest::windowsStillShownStayUsable() {
    DataFileDirectory data;
    ProgramHarness program;
    VisibleWindowGuard guard([&program] { program.module().EndProgram(); });
    Form1* start = program.module().form1();
    start->show();
    Click(start->Command4);
    QVERIFY(start->close());  // its title-bar close: no action of its own
    program.settle();
    QCOMPARE(program.endRequests, 0);
    Form5* method = program.module().form5();
    QVERIFY(method->isVisible());
    Click(method->Command3);
    QVERIFY(program.module().form4()->isVisible());
    QCOMPARE(program.module().form4()->List1->count(), 66);

    Click(method->Command1);
    program.settle();
    QCOMPARE(program.endRequests, 0);  // the data table is still shown
    Click(program.module().form4()->Command1);
    program.settle();
    QCOMPARE(program.endRequests, 1);
    program.settle();
    QCOMPARE(program.endRequests, 1);  // asked once, though ending hides windows too
}

void WindowFlowTest::noVisibleWindowEndsTheProgram() {
    DataFileDirectory data;
    ProgramHarness program;
    VisibleWindowGuard guard([&program] { program.module().EndProgram(); });
    Form1* start = program.module().form1();
    start->show();
    Click(start->Command1);
    Click(program.conditions()->Command1);
    program.settle();
    QVERIFY(program.chart()->close());
    program.settle();
    QCOMPARE(program.endRequests, 0);  // the start window came back in time
    QVERIFY(start->isVisible());

    QVERIFY(start->close());
    program.settle();
    QCOMPARE(program.endRequests, 1);
}

// Runs the real event loop: the exit sign must stop it, with every window gone.
void WindowFlowTest::exitButtonEndsTheProgram() {
    DataFileDirectory data;
    MessageLog messages;
    auto state = std::make_unique<CalculationState>();
    Module1 module(*state);
    Form1* start = module.form1();
    start->show();
    Click(start->Command1);
    start->show();
    Click(start->Command4);
    Click(module.form5()->Command3);

    QTimer::singleShot(0, start->Command2, [start] { Click(start->Command2); });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!window->isVisible());
}

QTEST_MAIN(WindowFlowTest)
#include "WindowFlowTest.moc"
