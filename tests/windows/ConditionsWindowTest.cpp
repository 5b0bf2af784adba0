// The conditions window driven offscreen: its options and Enter clamps, the
// calculation run it starts, and the run's one failure path.
#include "support/ProgramHarness.h"

#include "dose/CalculationFailure.h"
#include "state/WedgeOptions.h"
#include "windows/Form2.h"
#include "windows/Form3.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cmath>

using namespace corvane;
using corvane::testing::ProgramHarness;

class ConditionsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadPutsBackTheDefaults();
    void aFileThatDoesNotLoadChangesNothing();
    void layoutIsTheDesignedOne();
    void optionButtonsActAtOnce();
    void enterClampsAndMovesOn_data();
    void enterClampsAndMovesOn();
    void onlyEnterClamps();
    void okResetsTheMeshAndCalculates();
    void deepTargetInTheStdSetUpFailsWithBothMessages();
    void anyEntryGivesAChartOrTheTwoMessages_data();
    void anyEntryGivesAChartOrTheTwoMessages();
    void clicksDuringTheMessagesStartNoSecondRun();
    void exitAndTitleBarCloseEndTheProgram();
    void theRealMessageBoxShowsTheJapaneseText();
    void screenshot();
};

void ConditionsWindowTest::loadPutsBackTheDefaults() {
    ProgramHarness program;
    program.start();
    Form2* conditions = program.conditions();
    conditions->Option2->click();
    conditions->Option6->click();
    conditions->Text1->setText(QStringLiteral("7"));
    conditions->Text2->setText(QStringLiteral("8"));
    conditions->Text3->setText(QStringLiteral("9"));
    program.module().form3()->MeshMode = ChartMesh::OneCm;
    const double slope = program.state().Conditions.WedgeSlope;

    program.start();
    QVERIFY(conditions->Option1->isChecked());
    QVERIFY(conditions->Option3->isChecked());
    QCOMPARE(conditions->Text1->text(), QStringLiteral("5.0"));
    QCOMPARE(conditions->Text2->text(), QStringLiteral("10.0"));
    QCOMPARE(conditions->Text3->text(), QStringLiteral("10.0"));
    QCOMPARE(program.state().Conditions.Setup, BeamSetup::Ssd);
    QCOMPARE(program.state().Conditions.WedgeKind, WedgeFilter::None);
    QCOMPARE(program.module().form3()->MeshMode, ChartMesh::FiveCm);
    QCOMPARE(program.state().Conditions.WedgeSlope, slope);  // the loader leaves the slope alone
    QCOMPARE(program.state().Beam.FieldSizeTable[10], 35.0);
    QVERIFY(conditions->isVisible());
}

void ConditionsWindowTest::aFileThatDoesNotLoadChangesNothing() {
    ProgramHarness program;
    program.start();
    Form2* conditions = program.conditions();
    conditions->Text1->setText(QStringLiteral("7"));
    conditions->Option2->click();
    const BeamData loaded = program.state().Beam;

    // The working directory is searched first: a file there that ends in
    // the TMR block is the one the program reads.
    testing::DataFileDirectory data;
    data.write(data.firstLines(20));
    QVERIFY(!program.module().LoadBeamData());
    QCOMPARE(program.messages.size(), std::size_t(1));
    QCOMPARE(program.messages[0].caption, QStringLiteral("Corvane"));
    QVERIFY(!program.messages[0].text.isEmpty());
    QVERIFY(program.state().Beam.DepthTable == loaded.DepthTable);
    QVERIFY(program.state().Beam.TmrTable == loaded.TmrTable);
    QCOMPARE(conditions->Text1->text(), QStringLiteral("7"));
    QCOMPARE(program.state().Conditions.Setup, BeamSetup::Std);
    QVERIFY(conditions->Option2->isChecked());
}

void ConditionsWindowTest::layoutIsTheDesignedOne() {
    ProgramHarness program;
    program.start();
    Form2* conditions = program.conditions();
    QCOMPARE(conditions->windowTitle(), QStringLiteral("Irradiate Condition"));
    QCOMPARE(conditions->size(), QSize(393, 486));
    QVERIFY(!conditions->windowIcon().isNull());
    QCOMPARE(conditions->minimumSize(), conditions->maximumSize());
    QCOMPARE(conditions->Frame4->title(), QStringLiteral(" Depth and Field Size "));
    QCOMPARE(conditions->Text1->geometry(), QRect(200, 32, 73, 26));
    QCOMPARE(conditions->Command2->toolTip(), QStringLiteral("   bye   "));
    QCOMPARE(conditions->Command1->palette().color(QPalette::Button), QColor(255, 255, 192));
    auto* label1 = conditions->findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(label1 != nullptr);
    QCOMPARE(label1->palette().color(QPalette::Window), QColor(255, 255, 192));
    QCOMPARE(label1->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(conditions->focusWidget(), static_cast<QWidget*>(conditions->Option1));
    QVERIFY(!conditions->Command1->autoDefault() && !conditions->Command1->isDefault());

    // Tab stops: the selected set-up, OK, Exit, the selected wedge, Text3, Text2, Text1.
    const QList<QWidget*> expected{conditions->Command1, conditions->Command2, conditions->Option3,
                                   conditions->Text3,    conditions->Text2,    conditions->Text1};
    QCOMPARE(testing::TabStopsAfter(conditions->Option1, expected.size()), expected);
}

void ConditionsWindowTest::optionButtonsActAtOnce() {
    ProgramHarness program;
    program.start();
    Form2* conditions = program.conditions();
    QCOMPARE(program.state().Conditions.WedgeSlope, 0.0);

    QTest::mouseClick(conditions->Option2, Qt::LeftButton);
    QCOMPARE(program.state().Conditions.Setup, BeamSetup::Std);
    QTest::mouseClick(conditions->Option1, Qt::LeftButton);
    QCOMPARE(program.state().Conditions.Setup, BeamSetup::Ssd);

    QTest::mouseClick(conditions->Option4, Qt::LeftButton);
    QCOMPARE(program.state().Conditions.WedgeKind, WedgeFilter::Deg30);
    const double thirty = std::tan(5.458 / 180 * 3.14159);
    QCOMPARE(program.state().Conditions.WedgeSlope, thirty);
    QTest::mouseClick(conditions->Option3, Qt::LeftButton);
    QCOMPARE(program.state().Conditions.WedgeKind, WedgeFilter::None);
    QCOMPARE(program.state().Conditions.WedgeSlope, thirty);  // "Non" leaves the slope

    QTest::mouseClick(conditions->Option5, Qt::LeftButton);
    QCOMPARE(program.state().Conditions.WedgeKind, WedgeFilter::Deg45);
    QCOMPARE(program.state().Conditions.WedgeSlope, std::tan(8.8 / 180 * 3.14159));
    QTest::mouseClick(conditions->Option6, Qt::LeftButton);
    QCOMPARE(program.state().Conditions.WedgeKind, WedgeFilter::Deg60);
    QVERIFY(std::abs(program.state().Conditions.WedgeSlope - 0.2459934995) < 1e-9);
}

void ConditionsWindowTest::enterClampsAndMovesOn_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    const int none = Qt::NoModifier;
    QTest::newRow("depth below") << 1 << "0.5" << none << "1.5";
    QTest::newRow("depth above") << 1 << "25" << none << "20";
    QTest::newRow("depth letters") << 1 << "abc" << none << "1.5";
    QTest::newRow("depth empty") << 1 << "" << none << "1.5";
    QTest::newRow("depth at lower bound") << 1 << "1.5" << none << "1.5";
    QTest::newRow("depth just below") << 1 << "1.2" << none << "1.5";
    QTest::newRow("depth at lower bound, as typed") << 1 << "1.50" << none << "1.50";
    QTest::newRow("depth at upper bound") << 1 << "20" << none << "20";
    QTest::newRow("depth kept as typed") << 1 << "12.50" << none << "12.50";
    QTest::newRow("depth number then letters") << 1 << "12abc" << none << "12abc";
    QTest::newRow("depth negative") << 1 << "-3" << none << "1.5";
    QTest::newRow("depth huge") << 1 << "1e999" << none << "20";
    QTest::newRow("depth with shift") << 1 << "0.5" << int(Qt::ShiftModifier) << "1.5";
    QTest::newRow("depth with ctrl") << 1 << "30" << int(Qt::ControlModifier) << "20";
    QTest::newRow("depth with alt") << 1 << "30" << int(Qt::AltModifier) << "20";
    QTest::newRow("width below") << 2 << "3.9" << none << "4";
    QTest::newRow("width above") << 2 << "30.1" << none << "30";
    QTest::newRow("width letters") << 2 << "x" << none << "4";
    QTest::newRow("length below") << 3 << "3.9" << none << "4";
    QTest::newRow("length above") << 3 << "30.1" << none << "30";
    QTest::newRow("length inside") << 3 << " 7.25" << none << " 7.25";
}

void ConditionsWindowTest::enterClampsAndMovesOn() {
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    ProgramHarness program;
    program.start();
    Form2* conditions = program.conditions();
    QLineEdit* boxes[] = {nullptr, conditions->Text1, conditions->Text2, conditions->Text3};
    QWidget* next[] = {nullptr, conditions->Text2, conditions->Text3, conditions->Option3};
    boxes[box]->setFocus();
    boxes[box]->setText(typed);
    QTest::keyClick(boxes[box], Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(boxes[box]->text(), after);
    QCOMPARE(conditions->focusWidget(), next[box]);

    // The keypad's Enter acts the same.
    boxes[box]->setFocus();
    boxes[box]->setText(typed);
    QTest::keyClick(boxes[box], Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(boxes[box]->text(), after);
}

void ConditionsWindowTest::onlyEnterClamps() {
    ProgramHarness program;
    program.start();
    Form2* conditions = program.conditions();
    conditions->Text1->setFocus();
    conditions->Text1->clear();
    QTest::keyClicks(conditions->Text1, QStringLiteral("0.5"));
    QTest::keyClick(conditions->Text1, Qt::Key_Tab);
    QCOMPARE(conditions->Text1->text(), QStringLiteral("0.5"));
    // The unclamped value reaches the calculation as typed.
    QTest::mouseClick(conditions->Command1, Qt::LeftButton);
    QCOMPARE(program.state().Conditions.Depth, 0.5);
    QVERIFY(program.chart()->isVisible());
}

void ConditionsWindowTest::okResetsTheMeshAndCalculates() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    QTest::mouseClick(chart->Command3, Qt::LeftButton);
    QCOMPARE(program.module().form3()->MeshMode, ChartMesh::OneCm);
    program.clickOk("5.0", "10.0", "10.0");
    QCOMPARE(program.module().form3()->MeshMode, ChartMesh::FiveCm);
    QCOMPARE(program.state().Conditions.FieldWidth, 10.0);
    QCOMPARE(program.state().Conditions.PhantomThickness, 25);
    QCOMPARE(program.state().Result->DoseGrid(250, 50), 1.0);
    QVERIFY(chart->isVisible());
}

void ConditionsWindowTest::deepTargetInTheStdSetUpFailsWithBothMessages() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    Form2* conditions = program.conditions();
    QVERIFY(chart->isVisible());
    chart->Picture1_MouseMove(250.0f, 50.0f);

    Qt::CursorShape pointerDuringBox = Qt::ArrowCursor;
    program.whileBoxOpen = [&](const MessageRequest&) {
        if (program.messages.size() == 1) pointerDuringBox = conditions->cursor().shape();
    };
    QTest::mouseClick(conditions->Option2, Qt::LeftButton);
    // The cause stays behind on standard error.
    QTest::ignoreMessage(QtWarningMsg,
                         "corvane: the calculation failed: off-axis distance outside the OCR table");
    program.clickOk("20", "10", "10");

    QCOMPARE(program.messages.size(), std::size_t(2));
    QCOMPARE(program.messages[0].text, QString::fromUtf8("  線量分布が正しく計算できませんでした  "));
    QCOMPARE(program.messages[0].icon, MessageIcon::Exclamation);
    QCOMPARE(program.messages[0].caption, QStringLiteral("Corvane"));
    QCOMPARE(program.messages[0].buttons, MessageButtons::Ok);
    QCOMPARE(program.messages[1].text, QString::fromUtf8("  照射野サイズが大きすぎるものと思われます  "));
    QCOMPARE(program.messages[1].icon, MessageIcon::None);
    QCOMPARE(program.messages[1].caption, QStringLiteral("Corvane"));
    QCOMPARE(pointerDuringBox, Qt::WaitCursor);
    QCOMPARE(conditions->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(!chart->isVisible());
    QVERIFY(conditions->isVisible());
    // The readout was emptied before the failure; CursorInChart is left as it was.
    QCOMPARE(chart->Text1->text(), QString());
    QCOMPARE(program.module().form3()->CursorInChart, true);
    QCOMPARE(program.state().Conditions.Depth, 20.0);

    // The window is usable at once.
    program.whileBoxOpen = nullptr;
    QTest::mouseClick(conditions->Option1, Qt::LeftButton);
    QTest::mouseClick(conditions->Command1, Qt::LeftButton);
    QCOMPARE(program.messages.size(), std::size_t(2));
    QVERIFY(chart->isVisible());
    // A field of no length fails alike.
    QTest::ignoreMessage(QtWarningMsg, "corvane: the calculation failed: field length is 0");
    program.clickOk("5", "10", "0");
    QCOMPARE(program.messages.size(), std::size_t(4));
    QVERIFY(!chart->isVisible());
}

void ConditionsWindowTest::anyEntryGivesAChartOrTheTwoMessages_data() {
    QTest::addColumn<QString>("depth");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("length");
    const char* odd[] = {"",    "abc", "-5",     "0",    "25",  "25.1", "30.1", "1e400", "-1e400",
                         "nan", "inf", "1e-320", "0x1A", "  7", "９",   "35",   "400",   "2147483648"};
    for (const char* text : odd) {
        QTest::addRow("depth '%s'", text) << QString::fromUtf8(text) << "10"
                                          << "10";
        QTest::addRow("width '%s'", text) << "5" << QString::fromUtf8(text) << "10";
        QTest::addRow("length '%s'", text) << "5"
                                           << "10" << QString::fromUtf8(text);
    }
    QTest::newRow("both sides 0") << "5"
                                  << "0"
                                  << "0";
}

void ConditionsWindowTest::anyEntryGivesAChartOrTheTwoMessages() {
    QFETCH(QString, depth);
    QFETCH(QString, width);
    QFETCH(QString, length);
    ProgramHarness program;
    program.start();
    for (QRadioButton* setUp : {program.conditions()->Option1, program.conditions()->Option2}) {
        program.messages.clear();
        setUp->click();
        program.clickOk(depth, width, length);
        Form3* chart = program.chart();
        QVERIFY(chart != nullptr);
        if (program.messages.empty()) {
            QVERIFY(chart->isVisible());
            // Nowhere on the chart does the readout show anything but numbers.
            for (float x : {0.0f, 125.5f, 250.0f, 375.0f, 500.0f})
                for (float y : {0.0f, 50.0f, 125.0f, 250.0f}) {
                    chart->Picture1_MouseMove(x, y);
                    const QString dose = chart->Text3->text();
                    QVERIFY2(!dose.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                                 !dose.contains(QLatin1String("inf"), Qt::CaseInsensitive),
                             qPrintable(dose));
                }
        } else {
            QCOMPARE(program.messages.size(), std::size_t(2));
            QCOMPARE(program.messages[0].text, QString::fromUtf8(FailureMessageFirst));
            QVERIFY(!chart->isVisible());
        }
    }
}

void ConditionsWindowTest::clicksDuringTheMessagesStartNoSecondRun() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    Form2* conditions = program.conditions();
    const ChartMesh meshBefore = program.module().form3()->MeshMode;
    program.whileBoxOpen = [&](const MessageRequest&) {
        QTest::mouseClick(conditions->Command1, Qt::LeftButton);
        QTest::mouseClick(chart->Command3, Qt::LeftButton);
    };
    program.clickOk("5.0", "", "10.0");
    QCOMPARE(program.messages.size(), std::size_t(2));
    QCOMPARE(program.module().form3()->MeshMode, meshBefore);
    QVERIFY(!program.module().IsCalculating());
}

void ConditionsWindowTest::exitAndTitleBarCloseEndTheProgram() {
    ProgramHarness program;
    program.runToChart();
    QTest::mouseClick(program.conditions()->Command2, Qt::LeftButton);
    QCOMPARE(program.endRequests, 1);
    QVERIFY(!program.conditions()->isVisible());
    QVERIFY(!program.chart()->isVisible());

    program.start();
    program.conditions()->close();
    QCOMPARE(program.endRequests, 2);
}

void ConditionsWindowTest::theRealMessageBoxShowsTheJapaneseText() {
    // No handler: the box itself comes up, modal; it is looked at and
    // answered from the event loop it runs.
    MessageBoxes::setHandler({});
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->grab().save(testing::ScreenshotPath(QStringLiteral("failure-message.png")));
        QTest::keyClick(box, Qt::Key_Return);
    });
    const MessageAnswer answer =
        MessageBoxes::show(nullptr, QString::fromUtf8(FailureMessageFirst), MessageIcon::Exclamation);
    QCOMPARE(answer, MessageAnswer::Ok);
    QCOMPARE(caption, QStringLiteral("Corvane"));
    QCOMPARE(text, QString::fromUtf8(FailureMessageFirst));
    QCOMPARE(icon, QMessageBox::Warning);

    // Text from a data file is never read as rich text: "<b>" shows as typed.
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        format = box->textFormat();
        QTest::keyClick(box, Qt::Key_Return);
    });
    MessageBoxes::show(nullptr, QStringLiteral("the field \"<b>x</b>\""), MessageIcon::Critical);
    QCOMPARE(format, Qt::PlainText);
}

void ConditionsWindowTest::screenshot() {
    ProgramHarness program;
    program.start();
    Form2* conditions = program.conditions();
    QVERIFY(QTest::qWaitForWindowExposed(conditions));
    testing::SaveScreenshot(conditions, QStringLiteral("conditions-window"));
}

QTEST_MAIN(ConditionsWindowTest)
#include "ConditionsWindowTest.moc"
