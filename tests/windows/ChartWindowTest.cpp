// The chart window driven offscreen: the run that shows it, the cursor
// readout, the arrow keys, the mesh and close buttons and the print button's state.
#include "support/ProgramHarness.h"

#include "qtsurface/ChartPicture.h"
#include "windows/ChartCoordinates.h"
#include "windows/ChartPictureBox.h"
#include "windows/DoseReadout.h"
#include "windows/Form2.h"
#include "windows/Form3.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include <cmath>

using namespace corvane;
using corvane::testing::ProgramHarness;

namespace {

QString Decimal(const char* text) {
    return QString::fromLatin1(text).replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

// The picture as it is on screen, without its border.
QImage ShownPicture(Form3* chart) {
    return chart->Picture1->grab()
        .toImage()
        .copy(PictureBorder, PictureBorder, ChartPictureWidth, ChartPictureHeight)
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theFullRoadShowsTheTargetAtOneHundredPercent();
    void layoutIsTheDesignedOne();
    void chartEdgesAreInsideAndBeyondThemOutside();
    void readoutRoundsDown();
    void arrowKeysStopAtTheChartLimits();
    void arrowKeysDoNothingAfterAMoveOutOfTheChart();
    void arrowKeysReachTheFocusedControlToo();
    void changeMeshSizeTwiceGivesBackTheFirstMesh();
    void changeMeshSizeReadsTheEntriesAsTheyStand();
    void crossHairNeverDamagesTheChart();
    void printButtonStateFollowsClicksAndRebuilds();
    void closeHidesAndKeepsTheChart();
    void screenshotWithChartAndCrossHair();
};

void ChartWindowTest::theFullRoadShowsTheTargetAtOneHundredPercent() {
    ProgramHarness program;
    program.start();
    Form2* conditions = program.conditions();
    QVERIFY(conditions->isVisible());
    QCOMPARE(conditions->Text1->text(), QStringLiteral("5.0"));
    QVERIFY(program.chart() == nullptr);

    QTest::mouseClick(conditions->Command1, Qt::LeftButton);
    Form3* chart = program.chart();
    QVERIFY(chart != nullptr);
    QVERIFY(chart->isVisible());
    QVERIFY(program.messages.empty());
    QCOMPARE(program.module().form3()->CursorInChart, false);
    QCOMPARE(conditions->cursor().shape(), Qt::ArrowCursor);  // the pointer is back to normal
    // The chart drawn while the window was still hidden shows whole (below
    // the readout panel, which lies over the picture's top-left corner).
    const QRect belowPanel(0, 180, ChartPictureWidth, ChartPictureHeight - 180);
    QCOMPARE(ShownPicture(chart).copy(belowPanel),
             chart->Picture1->image().convertToFormat(QImage::Format_RGB32).copy(belowPanel));

    // The mouse over the target: x 250, depth 50 mm. Pixel (498, 305) of the
    // inner area is chart (250.17, 50.36).
    testing::SendMouseMove(chart->Picture1, QPointF(498 + PictureBorder, 305 + PictureBorder));
    QCOMPARE(program.module().form3()->CursorInChart, true);
    QCOMPARE(chart->Text1->text(), QStringLiteral("0"));
    QCOMPARE(chart->Text2->text(), QStringLiteral("50"));
    QCOMPARE(chart->Text3->text(), Decimal("100.0"));
    QCOMPARE(chart->Picture1->cursor().shape(), Qt::CrossCursor);
    QVERIFY(chart->Picture1->line1().Visible && chart->Picture1->line2().Visible);
    QCOMPARE(chart->Picture1->line1().Y1, 50.0);
    QCOMPARE(chart->Picture1->line2().X1, 250.0);
    QCOMPARE(chart->CursorX(), 250.0f);
    QCOMPARE(chart->CursorY(), 50.0f);

    // The same through the window system's own mouse path.
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    chart->Picture1_MouseMove(-1.0f, -1.0f);
    const QPoint target = chart->Picture1->mapTo(chart, QPoint(498 + PictureBorder, 305 + PictureBorder));
    QTest::mouseMove(chart->windowHandle(), target - QPoint(30, 30));
    QTest::mouseMove(chart->windowHandle(), target);
    QTRY_COMPARE(chart->Text3->text(), Decimal("100.0"));
    QCOMPARE(chart->Text1->text(), QStringLiteral("0"));

    // Far off axis for a 10 cm field: the position shows, the dose box stays empty.
    chart->Picture1_MouseMove(10.5f, 100.0f);
    QCOMPARE(chart->Text1->text(), QStringLiteral("-240"));
    QCOMPARE(chart->Text2->text(), QStringLiteral("100"));
    QCOMPARE(chart->Text3->text(), QString());
}

void ChartWindowTest::layoutIsTheDesignedOne() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    QCOMPARE(chart->windowTitle(), QStringLiteral("Corvane"));
    QCOMPARE(chart->size(), QSize(1020, 712));
    QVERIFY(!chart->windowIcon().isNull());
    QCOMPARE(chart->minimumSize(), chart->maximumSize());
    QCOMPARE(chart->Picture1->geometry(), QRect(8, 8, 1001, 689));
    QCOMPARE(chart->Command1->text(), QStringLiteral("Print Corvane"));
    QCOMPARE(chart->Command2->text(), QStringLiteral("Close"));
    QCOMPARE(chart->Command3->text(), QStringLiteral("Change mesh size"));
    QCOMPARE(chart->Command3->geometry(), QRect(8, 664, 153, 33));
    QCOMPARE(chart->Label1->text(), QStringLiteral("off center"));
    QCOMPARE(chart->Label4->text(), QStringLiteral("cursor position"));
    QCOMPARE(chart->Label1->palette().color(QPalette::Window), QColor(192, 255, 255));
    QCOMPARE(chart->Text3->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(chart->Command1->palette().color(QPalette::Button), QColor(255, 255, 192));
    QCOMPARE(chart->focusWidget(), static_cast<QWidget*>(chart->Picture1));
    // The buttons lie over the picture, above it.
    QVERIFY(chart->Picture1->geometry().contains(chart->Command2->geometry()));
    QCOMPARE(chart->childAt(chart->Command2->geometry().center()), static_cast<QWidget*>(chart->Command2));
    // Tab order: picture, the three boxes, print, close, mesh.
    const QList<QWidget*> expected{chart->Text1,    chart->Text2,    chart->Text3,
                                   chart->Command1, chart->Command2, chart->Command3};
    QCOMPARE(testing::TabStopsAfter(chart->Picture1, expected.size()), expected);
}

void ChartWindowTest::chartEdgesAreInsideAndBeyondThemOutside() {
    ProgramHarness program;
    Form3* chart = program.runToChart("5.0", "30", "10.0");

    chart->Picture1_MouseMove(500.0f, 250.0f);
    QCOMPARE(program.module().form3()->CursorInChart, true);
    QCOMPARE(chart->Text1->text(), QStringLiteral("250"));
    QCOMPARE(chart->Text2->text(), QStringLiteral("250"));
    QCOMPARE(chart->Picture1->line2().X1, 500.0);
    QCOMPARE(chart->Picture1->line1().Y1, 250.0);

    chart->Picture1_MouseMove(0.0f, 0.0f);
    QCOMPARE(chart->Text1->text(), QStringLiteral("-250"));
    QCOMPARE(chart->Text2->text(), QStringLiteral("0"));

    const std::pair<float, float> outside[] = {
        {500.5f, 10.0f}, {-0.01f, 10.0f}, {10.0f, 250.01f}, {10.0f, -0.01f}};
    for (auto [x, y] : outside) {
        chart->Picture1_MouseMove(100.0f, 100.0f);
        chart->Picture1_MouseMove(x, y);
        QCOMPARE(program.module().form3()->CursorInChart, false);
        QCOMPARE(chart->Text1->text(), QString());
        QCOMPARE(chart->Text2->text(), QString());
        QCOMPARE(chart->Text3->text(), QString());
        QVERIFY(!chart->Picture1->line1().Visible && !chart->Picture1->line2().Visible);
        QVERIFY(!chart->Picture1->testAttribute(Qt::WA_SetCursor));
        // The last position inside is kept.
        QCOMPARE(chart->CursorX(), 100.0f);
    }

    // Pixels at the inner area's corners reach the picture's own units.
    QCOMPARE(PixelToChartX(0), -80.0f);
    QCOMPARE(PixelToChartX(997), 581.0f);
    QCOMPARE(PixelToChartY(685), 300.0f);
}

void ChartWindowTest::readoutRoundsDown() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    chart->Picture1_MouseMove(249.7f, 49.99f);
    QCOMPARE(chart->Text1->text(), QStringLiteral("-1"));
    QCOMPARE(chart->Text2->text(), QStringLiteral("49"));
    chart->Picture1_MouseMove(0.99f, 3.0f);
    QCOMPARE(chart->Text1->text(), QStringLiteral("-250"));

    // A mouse event with a fractional position gets the same conversion.
    testing::SendMouseMove(chart->Picture1, QPointF(PictureBorder + 497.5, PictureBorder + 304.6));
    QCOMPARE(chart->Text1->text(), QString::number(static_cast<int>(std::floor(PixelToChartX(497.5))) - 250));
    QCOMPARE(chart->Text2->text(), QString::number(static_cast<int>(std::floor(PixelToChartY(304.6)))));
}

void ChartWindowTest::arrowKeysStopAtTheChartLimits() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    QWidget* focused = chart->focusWidget();

    chart->Picture1_MouseMove(250.0f, 50.0f);
    QTest::keyClick(focused, Qt::Key_Right);
    QCOMPARE(chart->CursorX(), 251.0f);
    QCOMPARE(chart->Text1->text(), QStringLiteral("1"));
    QCOMPARE(chart->Picture1->line2().X1, 251.0);
    QCOMPARE(chart->Text3->text(), DoseBoxText(program.state().Result->DoseGrid(251, 50)));
    QTest::keyClick(focused, Qt::Key_Down, Qt::ShiftModifier);  // Shift changes nothing
    QCOMPARE(chart->CursorY(), 51.0f);
    QCOMPARE(chart->Text2->text(), QStringLiteral("51"));
    QCOMPARE(chart->Picture1->line1().Y1, 51.0);
    QTest::keyClick(focused, Qt::Key_Left);
    QTest::keyClick(focused, Qt::Key_Up);
    QCOMPARE(chart->Text1->text(), QStringLiteral("0"));
    QCOMPARE(chart->Text2->text(), QStringLiteral("50"));
    QCOMPARE(chart->Text3->text(), Decimal("100.0"));

    // At a limit the key does nothing at all, not even a text update.
    auto pressAtLimit = [&](float x, float y, Qt::Key key) {
        chart->Picture1_MouseMove(x, y);
        chart->Text1->setText(QStringLiteral("a"));
        chart->Text2->setText(QStringLiteral("b"));
        chart->Text3->setText(QStringLiteral("c"));
        QTest::keyClick(focused, key);
        QCOMPARE(chart->CursorX(), x);
        QCOMPARE(chart->CursorY(), y);
        QCOMPARE(chart->Text1->text(), QStringLiteral("a"));
        QCOMPARE(chart->Text2->text(), QStringLiteral("b"));
        QCOMPARE(chart->Text3->text(), QStringLiteral("c"));
    };
    pressAtLimit(500.0f, 10.0f, Qt::Key_Right);
    pressAtLimit(0.0f, 10.0f, Qt::Key_Left);
    pressAtLimit(10.0f, 250.0f, Qt::Key_Down);
    pressAtLimit(10.0f, 0.0f, Qt::Key_Up);

    // Other keys do nothing.
    chart->Picture1_MouseMove(100.0f, 100.0f);
    QTest::keyClick(focused, Qt::Key_PageDown);
    QTest::keyClick(focused, Qt::Key_A);
    QCOMPARE(chart->CursorX(), 100.0f);
    QCOMPARE(chart->CursorY(), 100.0f);
}

void ChartWindowTest::arrowKeysDoNothingAfterAMoveOutOfTheChart() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    QWidget* focused = chart->focusWidget();

    // Right after a run the keys wait for the mouse.
    QTest::keyClick(focused, Qt::Key_Right);
    QCOMPARE(chart->Text1->text(), QString());

    chart->Picture1_MouseMove(200.0f, 100.0f);
    chart->Picture1_MouseMove(-10.0f, -20.0f);
    QTest::keyClick(focused, Qt::Key_Right);
    QTest::keyClick(focused, Qt::Key_Down);
    QCOMPARE(chart->CursorX(), 200.0f);
    QCOMPARE(chart->CursorY(), 100.0f);
    QCOMPARE(chart->Text1->text(), QString());
    QVERIFY(!chart->Picture1->line1().Visible);
}

void ChartWindowTest::arrowKeysReachTheFocusedControlToo() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    chart->Picture1_MouseMove(300.0f, 60.0f);
    // With the focus in the depth box, the key moves the cross-hair once and
    // the box's own text cursor as well.
    chart->Text2->setFocus();
    chart->Text2->setCursorPosition(0);
    QTest::keyClick(chart->Text2, Qt::Key_Right);
    QCOMPARE(chart->CursorX(), 301.0f);
    QCOMPARE(chart->Text2->cursorPosition(), 1);
    // Up is ignored by a text box and travels to its parents; it still steps once.
    QTest::keyClick(chart->Text2, Qt::Key_Up);
    QCOMPARE(chart->CursorY(), 59.0f);
}

void ChartWindowTest::changeMeshSizeTwiceGivesBackTheFirstMesh() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    const QImage first = chart->Picture1->image();
    const DoseMatrix firstGrid = program.state().Result->DoseGrid;

    chart->Picture1_MouseMove(250.0f, 50.0f);
    QTest::mouseClick(chart->Command3, Qt::LeftButton);
    QCOMPARE(program.module().form3()->MeshMode, ChartMesh::OneCm);
    QVERIFY(chart->Picture1->image() != first);
    QVERIFY(program.state().Result->DoseGrid == firstGrid);
    QCOMPARE(chart->Text1->text(), QString());
    QCOMPARE(chart->Text3->text(), QString());
    QVERIFY(!chart->Picture1->line1().Visible);
    QCOMPARE(program.module().form3()->CursorInChart, false);
    QTest::keyClick(chart->focusWidget(), Qt::Key_Right);
    QCOMPARE(chart->Text1->text(), QString());

    QTest::mouseClick(chart->Command3, Qt::LeftButton);
    QCOMPARE(program.module().form3()->MeshMode, ChartMesh::FiveCm);
    QVERIFY(chart->Picture1->image() == first);
    QVERIFY(chart->isVisible());
    QCOMPARE(program.chart(), chart);
}

void ChartWindowTest::changeMeshSizeReadsTheEntriesAsTheyStand() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    // Edited but OK not pressed: the new run uses the edited depth.
    program.conditions()->Text1->setText(QStringLiteral("12"));
    QTest::mouseClick(chart->Command3, Qt::LeftButton);
    QCOMPARE(program.state().Conditions.Depth, 12.0);
    QCOMPARE(program.state().Result->DoseGrid(250, 120), 1.0);

    // A failing recalculation keeps the switched mesh and hides the window.
    program.conditions()->Option2->click();
    program.conditions()->Text1->setText(QStringLiteral("20"));
    QTest::mouseClick(chart->Command3, Qt::LeftButton);
    QCOMPARE(program.messages.size(), std::size_t(2));
    QCOMPARE(program.module().form3()->MeshMode, ChartMesh::FiveCm);
    QVERIFY(!chart->isVisible());
}

void ChartWindowTest::crossHairNeverDamagesTheChart() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    const QImage image = chart->Picture1->image();
    const QImage clean = ShownPicture(chart);

    chart->Picture1_MouseMove(250.0f, 50.0f);
    const QImage crossed = ShownPicture(chart);
    QVERIFY(crossed != clean);
    // The cross-hair is red across the chart area at x 250 and at y 50.
    auto pixel = [](double x, double y) {
        const QPointF p = ChartUserToPixel({x, y});
        return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
    };
    const QPoint atAxis = pixel(250, 150);
    const QPoint atDepth = pixel(100, 50);
    QCOMPARE(crossed.pixelColor(atAxis.x(), atAxis.y()), QColor(255, 0, 0));
    // It covers the chart's own axis line exactly, pixel for pixel.
    QCOMPARE(clean.pixelColor(atAxis.x(), atAxis.y()), QColor(0, 0, 0));
    const QPoint onGrid = pixel(100, 50);  // the 5 cm grid line at depth 50
    QCOMPARE(clean.pixelColor(onGrid.x() + 5, onGrid.y()), QColor(192, 192, 192));
    QCOMPARE(crossed.pixelColor(atDepth.x(), atDepth.y()), QColor(255, 0, 0));

    QTest::keyClick(chart->focusWidget(), Qt::Key_Right);
    chart->Picture1_MouseMove(-50.0f, -50.0f);
    QVERIFY(chart->Picture1->image() == image);
    QCOMPARE(ShownPicture(chart), clean);
}

void ChartWindowTest::printButtonStateFollowsClicksAndRebuilds() {
    ProgramHarness program;
    int prints = 0;
    program.module().setPrintHandler([&](Form3& window) {
        ++prints;
        window.Command1->setEnabled(false);  // what a finished print does
    });
    Form3* chart = program.runToChart();
    QVERIFY(chart->Command1->isEnabled());

    // A click on the picture is not a click on the window.
    QTest::mouseClick(chart->Picture1, Qt::LeftButton, {}, QPoint(300, 300));
    QVERIFY(chart->Command1->isEnabled());
    QTest::mouseClick(chart->Command1, Qt::LeftButton);
    QCOMPARE(prints, 1);
    QVERIFY(!chart->Command1->isEnabled());

    // Close, a new OK and a mesh change leave it disabled.
    QTest::mouseClick(chart->Command2, Qt::LeftButton);
    QVERIFY(!chart->isVisible());
    program.clickOk("5.0", "10.0", "10.0");
    QCOMPARE(program.chart(), chart);
    QVERIFY(!chart->Command1->isEnabled());
    QTest::mouseClick(chart->Command3, Qt::LeftButton);
    QVERIFY(!chart->Command1->isEnabled());

    // The title-bar close destroys the window; the next run builds it anew.
    QPointer<Form3> closed = chart;
    chart->close();
    QVERIFY(!program.conditions()->isVisible());
    QVERIFY(program.chart() == nullptr);
    testing::ProcessDeferredDeletes();
    QVERIFY(closed.isNull());
    chart = program.runToChart();
    QVERIFY(chart != nullptr && chart->isVisible());
    QVERIFY(chart->Command1->isEnabled());

    // A click on the window's own margin, left of the picture, disables it.
    QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(3, 300));
    QVERIFY(!chart->Command1->isEnabled());
    QCOMPARE(prints, 1);
}

void ChartWindowTest::closeHidesAndKeepsTheChart() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    chart->Picture1_MouseMove(260.0f, 70.0f);
    const QImage image = chart->Picture1->image();
    QTest::mouseClick(chart->Command2, Qt::LeftButton);
    QVERIFY(!chart->isVisible());
    QVERIFY(program.conditions()->isVisible());
    QCOMPARE(program.endRequests, 0);
    QVERIFY(chart->Picture1->image() == image);
    QCOMPARE(program.module().form3()->CursorInChart, true);
    QCOMPARE(chart->CursorX(), 260.0f);
}

void ChartWindowTest::screenshotWithChartAndCrossHair() {
    ProgramHarness program;
    program.start();
    program.conditions()->Option5->click();
    program.clickOk("10.0", "10.0", "15.0");
    Form3* chart = program.chart();
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    testing::SendMouseMove(chart->Picture1, QPointF(PictureBorder + 520, PictureBorder + 380));
    QVERIFY(!chart->Text3->text().isEmpty());
    testing::SaveScreenshot(chart, QStringLiteral("chart-window"));
}

QTEST_MAIN(ChartWindowTest)
#include "ChartWindowTest.moc"
