// The chart picture's menu, the profiles window and the held reference,
// driven offscreen through the real windows.
#include "support/ProgramHarness.h"

#include "chart/DrawChart.h"
#include "chart/Palette.h"
#include "chart/RecordingSurface.h"
#include "dose/ProfileFigures.h"
#include "qtsurface/ChartExport.h"
#include "qtsurface/ChartPicture.h"
#include "qtsurface/PainterSurface.h"
#include "windows/ChartCoordinates.h"
#include "windows/ChartPictureBox.h"
#include "windows/ChartWindowTools.h"
#include "windows/DoseReadout.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/ProfilesWindow.h"
#include "windows/WindowPlacement.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QScreen>
#include <QTest>

#include <cmath>

using namespace corvane;
using corvane::testing::ProgramHarness;

namespace {

const QString Profiles = QStringLiteral("Profiles");
const QString Hold = QStringLiteral("Hold as reference");
const QString Clear = QStringLiteral("Clear reference");

// The mouse over chart point (x, y), through the picture's own mouse path.
void MoveMouseTo(Form3* chart, double x, double y) {
    const QPointF pixel = ChartUserToPixel({x, y});
    testing::SendMouseMove(chart->Picture1, QPointF(std::floor(pixel.x()) + 0.5 + PictureBorder,
                                                    std::floor(pixel.y()) + 0.5 + PictureBorder));
}

// What differs between the plots and DoseGrid's column and row, empty when nothing does.
QString ProfilesMismatch(const ProfilesWindow* profiles, const DoseMatrix& grid, int column, int row,
                         const DoseMatrix* reference = nullptr) {
    if (profiles->column() != column || profiles->row() != row)
        return QStringLiteral("at (%1, %2), not (%3, %4)")
            .arg(profiles->column())
            .arg(profiles->row())
            .arg(column)
            .arg(row);
    auto compare = [](const QList<QPointF>& points, int first, int count, auto expected) -> QString {
        if (points.size() != count) return QStringLiteral("%1 points, not %2").arg(points.size()).arg(count);
        for (int n = 0; n < count; ++n)
            if (points[n] != QPointF(first + n, expected(n)))
                return QStringLiteral("point %1 is (%2, %3)").arg(n).arg(points[n].x()).arg(points[n].y());
        return {};
    };
    auto down = [&](const DoseMatrix& g) { return [&g, column](int J) { return 100 * g(column, J); }; };
    auto across = [&](const DoseMatrix& g) { return [&g, row](int n) { return 100 * g(n, row); }; };
    QString mismatch = compare(profiles->depthCurve()->points(), 0, 251, down(grid));
    if (mismatch.isEmpty()) mismatch = compare(profiles->lateralCurve()->points(), -250, 501, across(grid));
    const double dose = 100 * grid(column, row);
    if (mismatch.isEmpty() && profiles->depthMarker()->points() != QList<QPointF>{QPointF(row, dose)})
        mismatch = QStringLiteral("the depth dose marks another point");
    if (mismatch.isEmpty() &&
        profiles->lateralMarker()->points() != QList<QPointF>{QPointF(column - 250, dose)})
        mismatch = QStringLiteral("the lateral profile marks another point");
    if (mismatch.isEmpty() && !profiles->depthValueLabel()->text().contains(
                                  QLocale::system().toString(dose, 'f', 1) + QStringLiteral(" %")))
        mismatch = QStringLiteral("the value printed is ") + profiles->depthValueLabel()->text();
    if (mismatch.isEmpty() && reference != nullptr) {
        mismatch = compare(profiles->depthReferenceCurve()->points(), 0, 251, down(*reference));
        if (mismatch.isEmpty())
            mismatch = compare(profiles->lateralReferenceCurve()->points(), -250, 501, across(*reference));
        if (!profiles->depthReferenceCurve()->isVisible())
            mismatch = QStringLiteral("the reference is hidden");
    }
    if (mismatch.isEmpty() && reference == nullptr && profiles->depthReferenceCurve()->isVisible())
        mismatch = QStringLiteral("a reference shows where none is held");
    return mismatch;
}

#define VERIFY_PROFILES(...)                                                                                 \
    do {                                                                                                     \
        const QString mismatch = ProfilesMismatch(__VA_ARGS__);                                              \
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));                                                  \
    } while (false)

QImage WithoutBorder(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

}  // namespace

class ProfilesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void rightClickOpensTheMenuAndChangesNoDesignedState();
    void profilesFollowTheCrossHairAndEveryCalculation();
    void profilesGoAndComeWithTheChartWindow();
    void profilesWindowGoesBesideTheChartWindow();
    void heldReferenceIsDrawnDashedAndGreyBeneathTheChart();
    void screenshotWithProfilesAndReference();
};

void ProfilesWindowTest::rightClickOpensTheMenuAndChangesNoDesignedState() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    MoveMouseTo(chart, 260.5, 70.5);
    const QImage image = chart->Picture1->image();
    const QStringList readout{chart->Text1->text(), chart->Text2->text(), chart->Text3->text()};
    QCOMPARE(readout[0], QStringLiteral("10"));

    auto designedStateIsUnchanged = [&](bool printEnabled) {
        QCOMPARE(program.state().CursorInChart, true);
        QCOMPARE(chart->Command1->isEnabled(), printEnabled);
        QCOMPARE((QStringList{chart->Text1->text(), chart->Text2->text(), chart->Text3->text()}), readout);
        QVERIFY(chart->Picture1->line1().Visible && chart->Picture1->line2().Visible);
        QCOMPARE(chart->CursorX(), 260.0f);
        QVERIFY(chart->Picture1->image() == image);
    };

    QMenu* menu = program.rightClickChart(QPoint(700, 500));
    QVERIFY(menu != nullptr);
    QStringList entries;
    QList<bool> enabled;
    for (QAction* action : menu->actions()) {
        entries.append(action->text());
        enabled.append(action->isEnabled());
    }
    QCOMPARE(entries, (QStringList{Profiles, Hold, Clear, QStringLiteral("Save chart as\u2026"),
                                   QStringLiteral("Copy chart")}));
    QCOMPARE(enabled, (QList<bool>{true, true, false, true, true}));
    designedStateIsUnchanged(true);
    menu->hide();

    // With a reference held "Clear reference" is enabled, and still nothing
    // designed moves, whether the print button was enabled or not. The
    // options of the conditions window, chosen but not calculated, change
    // neither the chart nor the reference.
    program.conditions()->Option2->click();
    program.conditions()->Option5->click();
    QVERIFY(program.chooseFromChartMenu(Hold));
    QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(3, 300));  // the window's own surface
    QVERIFY(!chart->Command1->isEnabled());
    menu = program.rightClickChart(QPoint(100, 600));
    QVERIFY(menu != nullptr);
    QVERIFY(menu->actions().at(2)->isEnabled());
    QVERIFY(!chart->Command1->isEnabled());
    QCOMPARE(program.state().CursorInChart, true);
    QCOMPARE(chart->Text1->text(), readout[0]);
    menu->hide();
    QVERIFY(program.chooseFromChartMenu(Clear));
    QVERIFY(!chart->tools()->hasReference());
    QVERIFY(chart->Picture1->image() == image);
}

void ProfilesWindowTest::profilesFollowTheCrossHairAndEveryCalculation() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    QVERIFY(program.chooseFromChartMenu(Profiles));
    ProfilesWindow* profiles = chart->tools()->profilesWindow();
    QVERIFY(profiles != nullptr && profiles->isVisible());
    // Before the cross-hair has been in the chart: the axis and the target's row.
    VERIFY_PROFILES(profiles, program.state().DoseGrid, 250, 50);
    // The chart window keeps the keyboard for the arrow keys.
    QVERIFY(!profiles->isActiveWindow());

    MoveMouseTo(chart, 280.5, 80.5);
    VERIFY_PROFILES(profiles, program.state().DoseGrid, 280, 80);
    QWidget* focused = chart->focusWidget();
    QTest::keyClick(focused, Qt::Key_Right);
    VERIFY_PROFILES(profiles, program.state().DoseGrid, 281, 80);
    QTest::keyClick(focused, Qt::Key_Down);
    QTest::keyClick(focused, Qt::Key_Down);
    VERIFY_PROFILES(profiles, program.state().DoseGrid, 281, 82);

    // Out of the chart the last lines stay.
    MoveMouseTo(chart, -40, -40);
    QCOMPARE(program.state().CursorInChart, false);
    VERIFY_PROFILES(profiles, program.state().DoseGrid, 281, 82);

    // The figures are those of the column and the row at the cross-hair.
    const DepthDoseFigures down = DepthDoseFiguresOf(program.state().DoseGrid, 281);
    const LateralFigures across = LateralFiguresOf(program.state().DoseGrid, 82);
    QVERIFY(down.dose100 && across.width50Mm && across.leftPenumbraMm);
    QCOMPARE(profiles->depthFigure(1)->text(), QLocale::system().toString(*down.dose100, 'f', 1) + " %");
    QCOMPARE(profiles->depthFigure(0)->text(), QString::number(*down.depthOfMaximumMm) + " mm");
    QCOMPARE(profiles->lateralFigure(0)->text(),
             QLocale::system().toString(*across.width50Mm, 'f', 1) + " mm");
    // Far off axis and deep down.
    MoveMouseTo(chart, 10.5, 240.5);
    VERIFY_PROFILES(profiles, program.state().DoseGrid, 10, 240);

    // "Change mesh size" rereads the entries: the profiles show the new grid.
    const DoseMatrix before = program.state().DoseGrid;
    program.conditions()->Text1->setText(QStringLiteral("12"));
    QTest::mouseClick(chart->Command3, Qt::LeftButton);
    QVERIFY(!(program.state().DoseGrid == before));
    VERIFY_PROFILES(profiles, program.state().DoseGrid, 10, 240);
    // And so does OK.
    program.clickOk(QStringLiteral("5.0"), QStringLiteral("20"), QStringLiteral("6"));
    QVERIFY(profiles->isVisible());
    VERIFY_PROFILES(profiles, program.state().DoseGrid, 10, 240);
}

void ProfilesWindowTest::profilesGoAndComeWithTheChartWindow() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    QVERIFY(program.chooseFromChartMenu(Profiles));
    QPointer<ProfilesWindow> profiles = chart->tools()->profilesWindow();
    QVERIFY(profiles->isVisible());
    QCOMPARE(profiles->parentWidget(), static_cast<QWidget*>(chart));
    QVERIFY(profiles->isWindow());

    // "Close" hides both; the next showing brings the profiles back.
    QTest::mouseClick(chart->Command2, Qt::LeftButton);
    QVERIFY(!chart->isVisible() && !profiles->isVisible());
    program.clickOk(QStringLiteral("7"), QStringLiteral("10.0"), QStringLiteral("10.0"));
    QVERIFY(chart->isVisible() && profiles->isVisible());
    VERIFY_PROFILES(profiles, program.state().DoseGrid, 250, 70);

    // A failed calculation hides the profiles along with the chart.
    program.conditions()->Option2->click();
    program.clickOk(QStringLiteral("20"), QStringLiteral("10.0"), QStringLiteral("10.0"));
    QCOMPARE(program.messages.size(), std::size_t(2));
    QVERIFY(!chart->isVisible() && !profiles->isVisible());
    program.conditions()->Option1->click();
    program.clickOk(QStringLiteral("5.0"), QStringLiteral("10.0"), QStringLiteral("10.0"));
    QVERIFY(chart->isVisible() && profiles->isVisible());
    VERIFY_PROFILES(profiles, program.state().DoseGrid, 250, 50);

    // Closed by itself, it stays closed when the chart window comes back.
    profiles->close();
    QTest::mouseClick(chart->Command2, Qt::LeftButton);
    program.clickOk(QStringLiteral("5.0"), QStringLiteral("10.0"), QStringLiteral("10.0"));
    QVERIFY(chart->isVisible() && !profiles->isVisible());

    // The chart window's title-bar close takes the profiles and the
    // reference with it.
    QVERIFY(program.chooseFromChartMenu(Profiles));
    QVERIFY(program.chooseFromChartMenu(Hold));
    chart->close();
    program.settle();
    QVERIFY(profiles.isNull());
    chart = program.runToChart();
    QVERIFY(chart != nullptr && !chart->tools()->hasReference());
    QVERIFY(chart->tools()->profilesWindow() == nullptr);
}

void ProfilesWindowTest::profilesWindowGoesBesideTheChartWindow() {
    const QSize size(470, 740);
    struct Row {
        const char* what;
        QRect owner;
        QRect screen;
        QPoint expected;
    };
    const Row rows[] = {
        {"right of it, top level with it", QRect(450, 184, 1020, 712), QRect(0, 0, 2560, 1440),
         QPoint(1478, 184)},
        {"left of it, moved up onto the screen", QRect(1200, 400, 1020, 712), QRect(0, 0, 2560, 1080),
         QPoint(722, 340)},
        // Centred on a full-HD screen neither side has room: the least overlap, right first.
        {"where it covers the least", QRect(450, 184, 1020, 712), QRect(0, 0, 1920, 1080), QPoint(1450, 184)},
        {"on a screen smaller than the window", QRect(0, 0, 1020, 712), QRect(0, 0, 800, 600),
         QPoint(330, 0)},
    };
    for (const Row& row : rows) QCOMPARE(PlaceBeside(row.owner, size, row.screen), row.expected);

    // In the program, the window opens where PlaceBeside puts it.
    ProgramHarness program;
    Form3* chart = program.runToChart();
    QVERIFY(program.chooseFromChartMenu(Profiles));
    ProfilesWindow* profiles = chart->tools()->profilesWindow();
    const QSize frame = chart->frameGeometry().size() - chart->geometry().size();
    QCOMPARE(profiles->pos(), PlaceBeside(chart->frameGeometry(), profiles->size() + frame,
                                          chart->screen()->availableGeometry()));
}

void ProfilesWindowTest::heldReferenceIsDrawnDashedAndGreyBeneathTheChart() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    QVERIFY(program.chooseFromChartMenu(Profiles));
    ProfilesWindow* profiles = chart->tools()->profilesWindow();
    // The options chosen before the hold are not the reference's conditions.
    program.conditions()->Option2->click();
    program.conditions()->Option5->click();
    QVERIFY(program.chooseFromChartMenu(Hold));
    QVERIFY(chart->tools()->hasReference());
    const DoseMatrix reference = program.state().DoseGrid;

    // A new calculation keeps the reference.
    program.clickOk(QStringLiteral("8"), QStringLiteral("12"), QStringLiteral("10"));
    QVERIFY(chart->isVisible());
    QVERIFY(chart->tools()->hasReference());
    CalculationState& state = program.state();

    // The operations of the picture: DrawChart's exactly, with the reference's
    // grey dashed curves between the framework and the current curves, and
    // its caption at the end.
    RecordingSurface designed;
    DrawChart(state, designed);
    RecordingSurface shown;
    chart->Picture1->drawShownChart(state, shown);
    const std::vector<std::string> lines = shown.lines();
    const auto dashed = std::find(lines.begin(), lines.end(), "DrawStyle 1");
    const auto solid = std::find(lines.begin(), lines.end(), "DrawStyle 0");
    QVERIFY(dashed != lines.end() && solid > dashed + 100);
    QVERIFY(std::all_of(dashed + 1, solid, [](const std::string& line) { return line.ends_with(" 8"); }));
    std::vector<std::string> withoutReference(lines.begin(), dashed);
    withoutReference.insert(withoutReference.end(), solid + 1,
                            solid + 1 + (designed.lines().size() - withoutReference.size()));
    QVERIFY(withoutReference == designed.lines());
    QCOMPARE(lines.back(), std::string("ForeColor 0"));
    // The reference's caption names its own conditions: SSD, 5 cm, no wedge.
    const auto caption = std::find(lines.begin(), lines.end(), "Print Reference (grey, dashed)");
    QVERIFY(caption != lines.end() && lines.end() - caption == 10);
    QCOMPARE(*(caption + 2), std::string("Print SSD = 100 cm"));
    QCOMPARE(*(caption + 4), std::string("Print Depth = 5 cm"));
    QCOMPARE(*(caption + 8), std::string("Print Wedge filter : non"));

    // The pixels: the picture is the designed chart with grey added where
    // the reference's curves are not covered by the current ones.
    const QImage plain = RenderChartImage(state);
    const QImage picture = WithoutBorder(chart->Picture1->image());
    QCOMPARE(picture.size(), plain.size());
    int added = 0, neutral = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor p = picture.pixelColor(x, y);
            if (p == plain.pixelColor(x, y)) continue;
            ++added;
            if (p.red() == p.green() && p.green() == p.blue() && p.red() < 255) ++neutral;
        }
    QVERIFY2(added > 2000, qPrintable(QString::number(added)));
    QVERIFY2(neutral > added * 9 / 10, qPrintable(QStringLiteral("%1 of %2").arg(neutral).arg(added)));

    // Dashed: a long grey line drawn as the reference's lines are drawn has gaps.
    QImage strip(ChartPictureSize(), QImage::Format_RGB32);
    strip.fill(Qt::white);
    {
        QPainter painter(&strip);
        PainterSurface surface = PainterSurface::ChartPicture(painter);
        surface.DrawStyle(LineDashed);
        surface.Line(0, 100, 500, 100, ColourGrey);
    }
    const int row = static_cast<int>(std::floor(ChartUserToPixel({0, 100}).y()));
    int switches = 0;
    for (int x = 130; x < 850; ++x)
        switches += (strip.pixelColor(x, row) == Qt::white) != (strip.pixelColor(x + 1, row) == Qt::white);
    QVERIFY2(switches > 100, qPrintable(QString::number(switches)));

    // The readout reads the current grid; the profiles show both.
    MoveMouseTo(chart, 300.5, 60.5);
    QCOMPARE(chart->Text3->text(), DoseBoxText(state.DoseGrid(300, 60)));
    VERIFY_PROFILES(profiles, state.DoseGrid, 300, 60, &reference);
    const QString difference =
        QLocale::system().toString(100 * (state.DoseGrid(300, 60) - reference(300, 60)), 'f', 1);
    QVERIFY2(profiles->depthValueLabel()->text().contains(difference),
             qPrintable(profiles->depthValueLabel()->text()));

    // Cleared, the picture is the designed chart again, and so are the profiles.
    QVERIFY(program.chooseFromChartMenu(Clear));
    QVERIFY(WithoutBorder(chart->Picture1->image()) == plain);
    VERIFY_PROFILES(profiles, state.DoseGrid, 300, 60);
}

void ProfilesWindowTest::screenshotWithProfilesAndReference() {
    ProgramHarness program;
    program.start();
    program.conditions()->Option5->click();  // the 45 degree wedge
    program.clickOk(QStringLiteral("10.0"), QStringLiteral("10.0"), QStringLiteral("10.0"));
    Form3* chart = program.chart();
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    QVERIFY(program.chooseFromChartMenu(Hold));
    program.conditions()->Option3->click();  // no wedge
    program.clickOk(QStringLiteral("10.0"), QStringLiteral("10.0"), QStringLiteral("10.0"));
    QVERIFY(program.chooseFromChartMenu(Profiles));
    ProfilesWindow* profiles = chart->tools()->profilesWindow();
    QVERIFY(QTest::qWaitForWindowExposed(profiles));
    MoveMouseTo(chart, 290.5, 100.5);
    program.settle();

    const QPixmap left = chart->grab();
    const QPixmap right = profiles->grab();
    QImage both(left.width() + 8 + right.width(), std::max(left.height(), right.height()),
                QImage::Format_RGB32);
    both.fill(QColor(90, 90, 90));
    {
        QPainter painter(&both);
        painter.drawPixmap(0, 0, left);
        painter.drawPixmap(left.width() + 8, 0, right);
    }
    const QString file = testing::ScreenshotPath(QStringLiteral("profiles-and-reference.png"));
    QVERIFY2(both.save(file), qPrintable(file));
}

QTEST_MAIN(ProfilesWindowTest)
#include "ProfilesWindowTest.moc"
