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
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
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

// What differs between the plots and DoseGrid's column and row over the
// computed region, empty when nothing does.
QString ProfilesMismatch(const ProfilesWindow* profiles, const DoseCalculation& state, int column, int row,
                         const DoseCalculation* reference = nullptr) {
    if (profiles->column() != column || profiles->row() != row)
        return QStringLiteral("at (%1, %2), not (%3, %4)")
            .arg(profiles->column())
            .arg(profiles->row())
            .arg(column)
            .arg(row);
    auto compare = [](const QList<QPointF>& points, int first, int count, auto expected) -> QString {
        if (points.size() != count) return QStringLiteral("%1 points, not %2").arg(points.size()).arg(count);
        for (int n = 0; n < count; ++n)
            if (points[n] != QPointF(first + n, expected(first + n)))
                return QStringLiteral("point %1 is (%2, %3)").arg(n).arg(points[n].x()).arg(points[n].y());
        return {};
    };
    auto curves = [&](const DoseCalculation& s, QLineSeries* depth, QLineSeries* lateral) {
        const int half = s.HalfWidthSteps;
        const bool columnComputed = std::abs(column - 250) <= half;
        QString mismatch = compare(depth->points(), 0, columnComputed ? 251 : 0,
                                   [&](int J) { return 100 * s.DoseGrid(column, J); });
        if (mismatch.isEmpty())
            mismatch = compare(lateral->points(), -half, 2 * half + 1,
                               [&](int x) { return 100 * s.DoseGrid(x + 250, row); });
        return mismatch;
    };
    QString mismatch = curves(state, profiles->depthCurve(), profiles->lateralCurve());
    const double dose = 100 * state.DoseGrid(column, row);
    const bool computed = std::abs(column - 250) <= state.HalfWidthSteps;
    // The cursor's point, marked only where there is a dose.
    const QList<QPointF> marks = profiles->depthMarker()->points() + profiles->lateralMarker()->points();
    if (mismatch.isEmpty() &&
        marks != (computed ? QList{QPointF(row, dose), QPointF(column - 250, dose)} : QList<QPointF>{}))
        mismatch = QStringLiteral("the plots mark another point");
    const QString value = computed ? QLocale::system().toString(dose, 'f', 1) + QStringLiteral(" %")
                                   : QStringLiteral("outside the computed region");
    if (mismatch.isEmpty() && !profiles->depthValueLabel()->text().contains(value))
        mismatch = QStringLiteral("the value printed is ") + profiles->depthValueLabel()->text();
    if (mismatch.isEmpty() && reference != nullptr) {
        mismatch = curves(*reference, profiles->depthReferenceCurve(), profiles->lateralReferenceCurve());
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
    void init() { testing::ForgetSettings(); }
    void rightClickOpensTheMenuAndChangesNoDesignedState();
    void profilesFollowTheCrossHairAndEveryCalculation();
    void profilesGoAndComeWithTheChartWindow();
    void profilesWindowKeepsTheChartInSight();
    void heldReferenceIsDrawnDashedAndGreyBeneathTheChart();
    void menuSavesAndCopiesTheNumbersOfTheTool();
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
        QCOMPARE(program.module().form3()->CursorInChart, true);
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
    QCOMPARE(program.module().form3()->CursorInChart, true);
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
    VERIFY_PROFILES(profiles, *program.state().Result, 250, 50);
    // The chart window keeps the keyboard for the arrow keys.
    QVERIFY(!profiles->isActiveWindow());

    MoveMouseTo(chart, 280.5, 80.5);
    VERIFY_PROFILES(profiles, *program.state().Result, 280, 80);
    QWidget* focused = chart->focusWidget();
    QTest::keyClick(focused, Qt::Key_Right);
    VERIFY_PROFILES(profiles, *program.state().Result, 281, 80);
    QTest::keyClick(focused, Qt::Key_Down);
    QTest::keyClick(focused, Qt::Key_Down);
    VERIFY_PROFILES(profiles, *program.state().Result, 281, 82);

    // Out of the chart the last lines stay.
    MoveMouseTo(chart, -40, -40);
    QCOMPARE(program.module().form3()->CursorInChart, false);
    VERIFY_PROFILES(profiles, *program.state().Result, 281, 82);

    // The figures are those of the column and the row at the cross-hair.
    const ProfileGrid grid{&program.state().Result->DoseGrid, ComputedRegionOf(*program.state().Result)};
    const DepthDoseFigures down = DepthDoseFiguresOf(grid, 281);
    const LateralFigures across = LateralFiguresOf(grid, 82);
    QVERIFY(down.dose100 && across.width50Mm && across.leftPenumbraMm);
    QCOMPARE(profiles->depthFigure(1)->text(), QLocale::system().toString(*down.dose100, 'f', 1) + " %");
    QCOMPARE(profiles->depthFigure(0)->text(), QString::number(*down.depthOfMaximumMm) + " mm");
    QCOMPARE(profiles->lateralFigure(0)->text(),
             QLocale::system().toString(*across.width50Mm, 'f', 1) + " mm");
    // On the axis of the 10 x 10 cm field at SSD 100 cm: PDD(10), and said so.
    MoveMouseTo(chart, 250.5, 82.5);
    const std::optional<double> pdd10 = DepthDoseFiguresOf(grid, 250).dose100OfMaximum;
    QVERIFY(pdd10 && *pdd10 > 60 && *pdd10 < 72);
    QCOMPARE(profiles->depthFigure(4)->text(), QLocale::system().toString(*pdd10, 'f', 1) + " %");
    QVERIFY(profiles->depthFigure(4)->toolTip().contains(QStringLiteral("PDD(10)")));
    // Far off axis and deep down, outside the computed region: nothing
    // plotted down the column, no figure, and the region's edges marked.
    MoveMouseTo(chart, 10.5, 240.5);
    VERIFY_PROFILES(profiles, *program.state().Result, 10, 240);
    QCOMPARE(profiles->depthFigure(1)->text(), QStringLiteral("\u2013"));
    QCOMPARE(profiles->regionEdge(0)->points().front().x(), -86.0);  // HalfWidthSteps of 10 cm
    QCOMPARE(profiles->regionEdge(1)->points().back().x(), 86.0);
    QVERIFY(profiles->regionEdge(1)->isVisible());

    // "Change mesh size" rereads the entries: the profiles show the new grid.
    const DoseMatrix before = program.state().Result->DoseGrid;
    program.conditions()->Text1->setText(QStringLiteral("12"));
    QTest::mouseClick(chart->Command3, Qt::LeftButton);
    QVERIFY(!(program.state().Result->DoseGrid == before));
    VERIFY_PROFILES(profiles, *program.state().Result, 10, 240);
    // And so does OK.
    program.clickOk(QStringLiteral("5.0"), QStringLiteral("20"), QStringLiteral("6"));
    QVERIFY(profiles->isVisible());
    VERIFY_PROFILES(profiles, *program.state().Result, 10, 240);
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
    VERIFY_PROFILES(profiles, *program.state().Result, 250, 70);

    // A failed calculation hides the profiles along with the chart.
    program.conditions()->Option2->click();
    program.clickOk(QStringLiteral("20"), QStringLiteral("10.0"), QStringLiteral("10.0"));
    QCOMPARE(program.messages.size(), std::size_t(2));
    QVERIFY(!chart->isVisible() && !profiles->isVisible());
    program.conditions()->Option1->click();
    program.clickOk(QStringLiteral("5.0"), QStringLiteral("10.0"), QStringLiteral("10.0"));
    QVERIFY(chart->isVisible() && profiles->isVisible());
    VERIFY_PROFILES(profiles, *program.state().Result, 250, 50);

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

void ProfilesWindowTest::profilesWindowKeepsTheChartInSight() {
    // The chart window (as the offscreen platform frames it) with its
    // readout and its three buttons, where the row puts it; else centred.
    enum Where { Right, Left, Over };
    const struct {
        const char* what;
        QRect screen;
        QPoint chart;
        Where where;
    } rows[] = {
        {"laptop", QRect(0, 0, 1366, 768), {}, Over},
        {"laptop, chart at its left edge", QRect(0, 0, 1366, 768), QPoint(0, 0), Over},
        {"laptop as second screen", QRect(1920, 0, 1366, 768), {}, Over},
        {"full HD: beside it, a little narrower", QRect(0, 0, 1920, 1080), {}, Right},
        {"full HD, chart at its right edge", QRect(0, 0, 1920, 1080), QPoint(896, 200), Left},
    };
    const QSize least(404, 542);
    for (const auto& row : rows) {
        QRect chart(QPoint(), QSize(1024, 716));
        chart.moveCenter(row.screen.center());
        if (!row.chart.isNull()) chart.moveTopLeft(row.screen.topLeft() + row.chart);
        const QPoint at = chart.topLeft();
        const QList<QRect> keep{
            QRect(at + QPoint(20, 52), QSize(233, 136)), QRect(at + QPoint(178, 666), QSize(169, 33)),
            QRect(at + QPoint(938, 666), QSize(73, 33)), QRect(at + QPoint(10, 666), QSize(153, 33))};
        const QRect placed = PlaceBeside(chart, keep, QSize(464, 744), least, row.screen);
        const char* what = row.what;
        QVERIFY2(row.screen.contains(placed) && placed.width() >= least.width() &&
                     placed.height() >= least.height(),
                 what);
        for (const QRect& k : keep) QVERIFY2(!placed.intersects(k), what);
        QVERIFY2((placed.left() > chart.right()   ? Right
                  : placed.right() < chart.left() ? Left
                                                  : Over) == row.where,
                 what);
    }

    // In the program, on the screen the test runs on (ctest runs it on each fake screen).
    ProgramHarness program;
    Form3* chart = program.runToChart();
    QVERIFY(program.chooseFromChartMenu(Profiles));
    ProfilesWindow* profiles = chart->tools()->profilesWindow();
    QVERIFY(QTest::qWaitForWindowExposed(profiles));
    const QRect available = chart->screen()->availableGeometry();
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM"),
                     size = QByteArray::number(available.width()) + 'x';
    QVERIFY(!platform.contains("configfile") ||
            platform.contains(size + QByteArray::number(available.height())));
    const QRect frame = profiles->frameGeometry();
    QVERIFY(available.contains(frame));
    if (available.width() >= 1366 && available.height() >= 768)
        for (QWidget* w :
             std::initializer_list<QWidget*>{chart->Command1, chart->Command2, chart->Command3, chart->Label4,
                                             chart->Label1, chart->Label3, chart->Label8, chart->Label6})
            QVERIFY2(!frame.intersects(QRect(w->mapToGlobal(QPoint()), w->size())),
                     qPrintable(w->objectName()));

    // Moved by the user, it opens there again; a place that is off the
    // screen now comes back onto it.
    const QPoint moved = available.topLeft() + QPoint(20, 10);
    profiles->move(moved);
    profiles->close();
    QVERIFY(program.chooseFromChartMenu(Profiles));
    QCOMPARE(profiles->pos(), moved);
    profiles->close();
    QSettings(testing::UsePrivateSettings(), QSettings::IniFormat)
        .setValue(QStringLiteral("profilesWindow/frame"), QRect(available.right() + 500, 40, 480, 700));
    QVERIFY(program.chooseFromChartMenu(Profiles));
    QVERIFY2(available.contains(profiles->frameGeometry()), qPrintable(QString::number(profiles->x())));
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
    const DoseMatrix reference = program.state().Result->DoseGrid;

    // A new calculation keeps the reference.
    program.clickOk(QStringLiteral("8"), QStringLiteral("12"), QStringLiteral("10"));
    QVERIFY(chart->isVisible());
    QVERIFY(chart->tools()->hasReference());
    const DoseCalculation& state = *program.state().Result;

    // The operations of the picture: DrawChart's exactly, with the reference's
    // grey dashed curves between the framework and the current curves, and
    // its caption at the end.
    RecordingSurface designed;
    DrawChart(state, ChartMesh::FiveCm, designed);
    RecordingSurface shown;
    chart->Picture1->drawShownChart(shown);
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
    const QImage plain = RenderChartImage(state, ChartMesh::FiveCm).value();
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
    VERIFY_PROFILES(profiles, state, 300, 60, chart->Picture1->reference());
    const QString difference =
        QLocale::system().toString(100 * (state.DoseGrid(300, 60) - reference(300, 60)), 'f', 1);
    QVERIFY2(profiles->depthValueLabel()->text().contains(difference),
             qPrintable(profiles->depthValueLabel()->text()));

    // Cleared, the picture is the designed chart again, and so are the profiles.
    QVERIFY(program.chooseFromChartMenu(Clear));
    QVERIFY(WithoutBorder(chart->Picture1->image()) == plain);
    VERIFY_PROFILES(profiles, state, 300, 60);
}

void ProfilesWindowTest::menuSavesAndCopiesTheNumbersOfTheTool() {
    ProgramHarness program;
    Form3* chart = program.runToChart();
    QVERIFY(program.chooseFromChartMenu(Hold));  // the reference at 5 cm
    program.clickOk(QStringLiteral("8"), QStringLiteral("10.0"), QStringLiteral("10.0"));
    QVERIFY(program.chooseFromChartMenu(Profiles));
    ProfilesWindow* profiles = chart->tools()->profilesWindow();
    QVERIFY(QTest::qWaitForWindowExposed(profiles));
    MoveMouseTo(chart, 270.5, 120.5);

    // A right click on a plot opens the window's menu; an entry is clicked.
    auto choose = [profiles](int entry) {
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(100, 80),
                                  profiles->lateralView()->mapToGlobal(QPoint(100, 80)));
        QApplication::sendEvent(profiles->lateralView(), &request);
        QMenu* menu = profiles->contextMenu();
        QStringList entries;
        for (const QAction* action : menu->actions()) entries << action->text();
        if (QTest::qWaitForWindowExposed(menu))
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(menu->actions()[entry]).center());
        return entries;
    };
    QTemporaryDir dir;
    program.answerSavePathWith(dir.filePath(QStringLiteral("lesson")));
    QCOMPARE(choose(0),
             (QStringList{QStringLiteral("Save profiles as CSV\u2026"), QStringLiteral("Copy values")}));
    QVERIFY(program.messages.empty() &&
            program.suggestedSavePaths[0].endsWith("/ssd-8cm-10x10-profiles.csv"));
    QFile file(dir.filePath(QStringLiteral("lesson.csv")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();

    // The rows of corvane-chart profile, for the chart and for the reference.
    auto tool = [](const QString& axis, const QString& at, const QString& depth) {
        QProcess process;
        process.start(QStringLiteral(CORVANE_CHART),
                      {"profile", "--axis", axis, "--at", at, "--depth", depth});
        process.waitForFinished(30000);
        return process.readAllStandardOutput().split('\n');
    };
    QByteArray expected = "profile,at_mm,position_mm,dose_percent,reference_dose_percent\n";
    for (const auto& [axis, at] : {std::pair("depth", "20"), std::pair("lateral", "120")}) {
        const QList<QByteArray> current = tool(axis, at, "8"), held = tool(axis, at, "5");
        for (qsizetype n = 1; n + 1 < current.size(); ++n)
            expected += axis + QByteArray(",") + at + ',' + current[n] + ',' + held[n].split(',')[1] + '\n';
    }
    QCOMPARE(csv, expected);

    // "Copy values": the same table with tabs, for a spreadsheet.
    QApplication::clipboard()->clear();
    choose(1);
    QCOMPARE(QApplication::clipboard()->text(), QString::fromLatin1(csv).replace(u',', u'\t'));
}

void ProfilesWindowTest::screenshotWithProfilesAndReference() {
    ProgramHarness program;
    program.start();
    program.conditions()->Option5->click();  // the 45 degree wedge
    program.clickOk(QStringLiteral("10.0"), QStringLiteral("10.0"), QStringLiteral("10.0"));
    Form3* chart = program.chart();
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    // A wedged chart has no 80-20 % penumbrae, and says why.
    QVERIFY(program.chooseFromChartMenu(Profiles));
    QCOMPARE(chart->tools()->profilesWindow()->lateralFigure(2)->text(), QStringLiteral("\u2013"));
    QVERIFY(chart->tools()->profilesWindow()->lateralFigure(2)->toolTip().contains(QStringLiteral("wedge")));
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
