#include "qtsurface/ChartExport.h"

#include "dose/DoseGrid.h"
#include "qtsurface/ChartPicture.h"
#include "qtsurface/PrintedPage.h"
#include "support/TestData.h"

#include <QImage>
#include <QPainter>
#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace corvane {
namespace {

DoseCalculation Calculated(const char* width = "10.0", const char* length = "10.0", int wedgeKind = 1) {
    return ComputeDoseGrid(test::BundledBeamData(), test::ConditionsWithEntries(1, wedgeKind, "5.0", width, length));
}

// The left crossing of level L in row J, as the chart traces it.
std::optional<double> LeftCrossing(const DoseCalculation& state, double level, int row) {
    for (int i = 1; i <= 500; ++i) {
        const double inside = state.DoseGrid(i, row);
        const double outside = state.DoseGrid(i - 1, row);
        if (inside >= level) return inside == outside ? i : (i - 1) + (level - outside) / (inside - outside);
    }
    return std::nullopt;
}

QPoint PixelOf(double x, double y) {
    const QPointF p = ChartUserToPixel(QPointF(x, y));
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

// The pixel or one of its left and right neighbours has exactly the colour:
// a neighbouring curve drawn later may cover a pixel of a 1-pixel line.
bool ColourNear(const QImage& image, QPoint p, QRgb colour) {
    for (int dx = -1; dx <= 1; ++dx)
        if (image.pixel(p.x() + dx, p.y()) == colour) return true;
    return false;
}

TEST(ChartImage, CurvesShowInTheirLevelColoursOnTheTargetRow) {
    DoseCalculation state = Calculated();
    const QImage image = RenderChartImage(state, ChartMesh::FiveCm).value();
    ASSERT_EQ(image.size(), QSize(997, 685));
    const int targetRow = 50;
    for (auto [level, colour] : {std::pair{0.1 * 10, qRgb(255, 0, 0)}, std::pair{0.1 * 5, qRgb(0, 0, 0)},
                                 std::pair{0.1 * 8, qRgb(0, 0, 255)}}) {
        const std::optional<double> x = LeftCrossing(state, level, targetRow);
        ASSERT_TRUE(x.has_value());
        EXPECT_TRUE(ColourNear(image, PixelOf(*x, targetRow), colour)) << "level " << level;
        // The right flank is the mirror image for a field without wedge.
        EXPECT_TRUE(ColourNear(image, PixelOf(500 - *x, targetRow), colour)) << "level " << level;
    }
    // The target marker is red on the axis row, 2 units left of the axis.
    EXPECT_TRUE(ColourNear(image, PixelOf(248, 50), qRgb(255, 0, 0)));
    // Outside the curves the chart stays white, the 5 cm grid grey.
    EXPECT_EQ(image.pixel(PixelOf(25, 25)), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(PixelOf(50, 25)), qRgb(192, 192, 192));
}

TEST(ChartImage, TheFineGridOnlyWithMeshOne) {
    const DoseCalculation grid = Calculated("10.0", "10.0", 1);
    const QImage coarseImage = RenderChartImage(grid, ChartMesh::FiveCm).value();
    const QImage fineImage = RenderChartImage(grid, ChartMesh::OneCm).value();
    EXPECT_EQ(coarseImage.pixel(PixelOf(30, 25)), qRgb(255, 255, 255));
    EXPECT_EQ(fineImage.pixel(PixelOf(30, 25)), qRgb(192, 192, 192));
    EXPECT_EQ(fineImage.pixel(PixelOf(25, 30)), qRgb(192, 192, 192));
}

TEST(ChartImage, ScaledPictureIsSharperAndTheSameDrawing) {
    DoseCalculation state = Calculated();
    const QImage single = RenderChartImage(state, ChartMesh::FiveCm).value();
    DoseCalculation again = Calculated();
    const QImage triple = RenderChartImage(again, ChartMesh::FiveCm, 3).value();
    ASSERT_EQ(triple.size(), QSize(2991, 2055));
    // Each pixel of a grid line becomes a 3 x 3 block of the same colour.
    const QPoint grid = PixelOf(50, 25);
    for (int dy = 0; dy < 3; ++dy)
        for (int dx = 0; dx < 3; ++dx)
            EXPECT_EQ(triple.pixel(grid.x() * 3 + dx, grid.y() * 3 + dy), single.pixel(grid));
}

TEST(ChartImage, CaptionsAndLabelsAreDrawnWhereTheChartPutsThem) {
    DoseCalculation state = Calculated("10.0", "10.0", 3);
    const QImage image = RenderChartImage(state, ChartMesh::FiveCm).value();
    auto inkIn = [&](double x1, double y1, double x2, double y2) {
        int ink = 0;
        const QPoint a = PixelOf(x1, y1);
        const QPoint b = PixelOf(x2, y2);
        for (int y = a.y(); y <= b.y(); ++y)
            for (int x = a.x(); x <= b.x(); ++x)
                if (qGray(image.pixel(x, y)) < 128) ++ink;
        return ink;
    };
    // The three captions at x = 300, y = -70, -50, -30, each about one line high.
    for (double y : {-70.0, -50.0, -30.0}) EXPECT_GT(inkIn(300, y, 400, y + 14), 100) << y;
    // The wedge symbol's thick end at x = 350.
    EXPECT_GT(inkIn(349, -112, 351, -93), 20);
    // The 10 % label at (520, 235) and the 50 % label at (520, 175).
    EXPECT_GT(inkIn(520, 235, 560, 249), 50);
    EXPECT_GT(inkIn(520, 175, 560, 189), 50);
    // No label above the highest level found: 200 % is absent here.
    EXPECT_EQ(inkIn(520, -50, 560, -36), 0);
}

// The printed page on a 254 dpi image: 10 pixels to the millimetre.
TEST(PrintedPageOnImage, GridAtTrueScaleFromTheDrawableCorner) {
    DoseCalculation state = Calculated();
    QImage page(2000, 2870, QImage::Format_RGB32);
    page.setDotsPerMeterX(10000);
    page.setDotsPerMeterY(10000);
    page.fill(Qt::white);
    QPainter painter(&page);
    PaintPrintedChart(state, painter);
    EXPECT_FALSE(painter.isActive()) << "the page's end of document ends the painting";
    // Where a line's ink lies across a scan, and how much of it: its centre
    // and width in pixels.
    auto inkAcross = [&](bool alongRow, int fixed, int from, int to) {
        double weight = 0;
        double moment = 0;
        for (int i = from; i <= to; ++i) {
            const QRgb p = alongRow ? page.pixel(i, fixed) : page.pixel(fixed, i);
            const double ink = (255 - qGray(p)) / 255.0;
            weight += ink;
            moment += ink * (i + 0.5);
        }
        return std::pair{weight > 0 ? moment / weight : -1.0, weight};
    };
    // Grid line x = 160 at 10 mm, y = 10 at 46 mm; a 0.1 mm line is one pixel.
    const auto [column, columnWidth] = inkAcross(true, 1000, 95, 105);
    EXPECT_NEAR(column, 100, 0.05);
    EXPECT_NEAR(columnWidth, 1, 0.05);
    const auto [row, rowWidth] = inkAcross(false, 50, 455, 465);
    EXPECT_NEAR(row, 460, 0.05);
    EXPECT_NEAR(rowWidth, 1, 0.05);
    // The axis (x = 250) is drawn 0.4 mm wide from y = -30, 6 mm below the top.
    int axis = 0;
    for (int x = 990; x <= 1010; ++x) axis += qGray(page.pixel(x, 100)) < 128 ? 1 : 0;
    EXPECT_EQ(axis, 4);
    EXPECT_EQ(page.pixel(1000, 50), qRgb(255, 255, 255));
}

// The page of a PDF as a reader shows it, in grey at 254 dpi (10 pixels to
// the millimetre) and without antialiasing, so that paper stays exactly white.
QImage RasterisedPdf(const QByteArray& pdf) {
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"),
                    QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
                    QStringLiteral("no"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                    QStringLiteral("-")});
    if (!pdftoppm.waitForStarted()) return {};
    pdftoppm.write(pdf);
    pdftoppm.closeWriteChannel();
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0) return {};
    const QImage page = QImage::fromData(pdftoppm.readAllStandardOutput(), "PNG");
    return page.convertToFormat(QImage::Format_Grayscale8);
}

// A 30 x 30 cm field is wider than the printed window: its flanks start from
// crossings extrapolated far outside it (x near -21448). The PDF's drawable
// area clips them, so the paper's 5 mm margins stay white, while the window
// has its grid.
TEST(PrintedPagePdf, WideFieldsLeaveThePaperMarginsWhite) {
    for (int wedgeKind : {1, 4}) {
        SCOPED_TRACE(testing::Message() << "wedge kind " << wedgeKind);
        DoseCalculation state = Calculated("30.0", "30.0", wedgeKind);
        const QImage page = RasterisedPdf(PrintedChartPdf(state).value());
        ASSERT_FALSE(page.isNull()) << "pdftoppm could not rasterise the page";
        ASSERT_NEAR(page.width(), 2100, 1);
        ASSERT_NEAR(page.height(), 2970, 1);
        // The drawable area spans pixels 50..2050 across and 50..2920 down; the
        // pixel next to its edge is left out for the rounding of the margins.
        enum { Left, Right, Top, Bottom };
        int ink[4] = {};
        for (int y = 0; y < page.height(); ++y) {
            const uchar* line = page.constScanLine(y);
            for (int x = 0; x < page.width(); ++x) {
                if (line[x] == 255) continue;
                if (x < 49)
                    ++ink[Left];
                else if (x > 2051)
                    ++ink[Right];
                else if (y < 49)
                    ++ink[Top];
                else if (y > 2921)
                    ++ink[Bottom];
            }
        }
        EXPECT_EQ(ink[Left], 0) << "left margin";
        EXPECT_EQ(ink[Right], 0) << "right margin";
        EXPECT_EQ(ink[Top], 0) << "top margin";
        EXPECT_EQ(ink[Bottom], 0) << "bottom margin";
        // The 1 cm grid: x = 150 + 10 k at 5 + 10 k mm, y = 10 k at 41 + 10 k mm,
        // crossed 5.5 mm inside the window.
        auto darkNear = [&](int x, int y, int dx, int dy) {
            for (int e = -1; e <= 1; ++e)
                if (qGray(page.pixel(x + e * dx, y + e * dy)) < 128) return true;
            return false;
        };
        for (int k = 0; k <= 20; ++k)
            EXPECT_TRUE(darkNear(50 + 100 * k, 465, 1, 0)) << "x = " << 150 + 10 * k;
        for (int k = 0; k <= 25; ++k) EXPECT_TRUE(darkNear(105, 410 + 100 * k, 0, 1)) << "y = " << 10 * k;
    }
}

}  // namespace
}  // namespace corvane
