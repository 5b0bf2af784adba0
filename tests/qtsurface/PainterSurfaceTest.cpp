#include "qtsurface/PainterSurface.h"
#include "qtsurface/ChartPicture.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace corvane {
namespace {

constexpr QRgb White = 0xffffffff;

QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The bounding box of every pixel that is not white.
QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != White) box |= QRect(x, y, 1, 1);
    return box;
}

// Darkness summed across a scan line: the drawn width of a black line, in pixels.
double InkAcrossRow(const QImage& image, int y, int fromX, int toX) {
    double sum = 0;
    for (int x = fromX; x <= toX; ++x) sum += (255 - qGray(image.pixel(x, y))) / 255.0;
    return sum;
}

double InkAcrossColumn(const QImage& image, int x, int fromY, int toY) {
    double sum = 0;
    for (int y = fromY; y <= toY; ++y) sum += (255 - qGray(image.pixel(x, y))) / 255.0;
    return sum;
}

QPoint PixelOf(const PainterSurface& surface, double x, double y) {
    const QPointF p = surface.Map(x, y);
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

class ChartPictureSurface : public ::testing::Test {
protected:
    QImage image = WhiteImage(ChartPictureWidth, ChartPictureHeight);
    QPainter painter{&image};
    PainterSurface surface = PainterSurface::ChartPicture(painter);

    // Finishes the drawing so that the image can be read.
    const QImage& Drawn() {
        surface.Flush();
        return image;
    }
};

TEST_F(ChartPictureSurface, UserCoordinatesSpanThePicture) {
    EXPECT_EQ(surface.Map(-80, -150), QPointF(0, 0));
    EXPECT_NEAR(surface.Map(581, 300).x(), 997, 1e-9);
    EXPECT_NEAR(surface.Map(581, 300).y(), 685, 1e-9);
    // The readout's conversion is the inverse of the drawing's.
    const QPointF user = ChartPixelToUser(QPointF(500, 300));
    EXPECT_NEAR(ChartUserToPixel(user).x(), 500, 1e-9);
    EXPECT_NEAR(ChartUserToPixel(user).y(), 300, 1e-9);
}

TEST_F(ChartPictureSurface, GridAndCurveLinesAreOnePixelInTheirPureColour) {
    surface.Line(0, 100, 500, 100, 7);
    surface.Line(250, 0, 250, 250, 12);
    const QImage& drawn = Drawn();
    const QPoint row = PixelOf(surface, 100, 100);
    EXPECT_EQ(drawn.pixel(row), qRgb(192, 192, 192));
    EXPECT_EQ(drawn.pixel(row.x(), row.y() - 1), White);
    EXPECT_EQ(drawn.pixel(row.x(), row.y() + 1), White);
    const QPoint column = PixelOf(surface, 250, 200);
    EXPECT_EQ(drawn.pixel(column), qRgb(255, 0, 0));
    EXPECT_EQ(drawn.pixel(column.x() - 1, column.y()), White);
    EXPECT_EQ(drawn.pixel(column.x() + 1, column.y()), White);
    // The later line lies on top where they cross.
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 250, 100)), qRgb(255, 0, 0));
}

TEST_F(ChartPictureSurface, UncolouredOperationsUseTheForegroundColour) {
    EXPECT_EQ(surface.ForeColour(), 0);
    surface.Line(0, 0, 100, 0, std::nullopt);
    surface.ForeColor(9);
    surface.Line(0, 50, 100, 50, std::nullopt);
    surface.Box(200, 100, 300, 200);
    const QImage& drawn = Drawn();
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 50, 0)), qRgb(0, 0, 0));
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 50, 50)), qRgb(0, 0, 255));
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 250, 100)), qRgb(0, 0, 255));
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 300, 150)), qRgb(0, 0, 255));
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 250, 150)), White) << "the box is not filled";
}

TEST_F(ChartPictureSurface, LinesMoveTheCurrentPositionAndLineToStartsThere) {
    surface.Line(200, -150, 200, -130, std::nullopt);
    EXPECT_EQ(surface.CurrentX(), 200);
    EXPECT_EQ(surface.CurrentY(), -130);
    surface.LineTo(300, -130, std::nullopt);
    surface.LineTo(300, -150, std::nullopt);
    const QImage& drawn = Drawn();
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 250, -130)), qRgb(0, 0, 0));
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 300, -140)), qRgb(0, 0, 0));
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 250, -140)), White);
}

TEST_F(ChartPictureSurface, JoinedSegmentsKeepTheirDrawingOrder) {
    // A red chain, a blue line across it, then the chain goes on across the blue.
    surface.Line(100, 100, 150, 100, 12);
    surface.Line(150, 100, 200, 100, 12);
    surface.Line(125, 50, 125, 150, 9);
    surface.SetCurrentXY(175, 150);
    surface.LineTo(175, 50, 12);
    const QImage& drawn = Drawn();
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 125, 100)), qRgb(0, 0, 255));
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 175, 100)), qRgb(255, 0, 0));
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 190, 100)), qRgb(255, 0, 0));
}

TEST_F(ChartPictureSurface, WhitePointOnWhiteShowsNothingButMovesThePosition) {
    surface.PSet(520, 100, 15);
    EXPECT_EQ(surface.CurrentX(), 520);
    EXPECT_EQ(surface.CurrentY(), 100);
    EXPECT_TRUE(InkBox(Drawn()).isEmpty());
    surface.PSet(520, 100, 0);
    EXPECT_EQ(InkBox(Drawn()), QRect(PixelOf(surface, 520, 100), QSize(1, 1)));
}

TEST_F(ChartPictureSurface, PrintPlacesTheTextByItsTopLeftCornerAndGoesDownALine) {
    surface.SetCurrentXY(300, -30);
    surface.Print(" 10 x 10 cm");
    const QRect ink = InkBox(Drawn());
    const QPoint corner = PixelOf(surface, 300, -30);
    ASSERT_FALSE(ink.isEmpty());
    // The leading blank and the font's internal leading sit inside the box.
    EXPECT_GE(ink.left(), corner.x() + 2);
    EXPECT_LE(ink.left(), corner.x() + 12);
    EXPECT_GE(ink.top(), corner.y());
    EXPECT_LE(ink.top(), corner.y() + 6);
    EXPECT_LE(ink.bottom(), corner.y() + 21);
    EXPECT_GT(ink.width(), 80);
    EXPECT_LT(ink.width(), 110);

    // Times New Roman 15.75 pt at 96 dpi: a 21-pixel font.
    QFont font("Liberation Serif");
    font.setPixelSize(21);
    EXPECT_NEAR(surface.LineHeight() * 685 / 450, QFontMetricsF(font).height(), 1e-9);
    EXPECT_EQ(surface.CurrentX(), -80);
    EXPECT_NEAR(surface.CurrentY(), -30 + surface.LineHeight(), 1e-12);
}

TEST_F(ChartPictureSurface, TextIsWrittenInTheForegroundColour) {
    surface.ForeColor(12);
    surface.SetCurrentXY(520, 100);
    surface.Print(" 100 %");
    const QImage& drawn = Drawn();
    int red = 0;
    int other = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb p = drawn.pixel(x, y);
            if (p == White) continue;
            if (qRed(p) == 255 && qGreen(p) == qBlue(p))
                ++red;
            else
                ++other;
        }
    EXPECT_GT(red, 50);
    EXPECT_EQ(other, 0);
}

TEST_F(ChartPictureSurface, ClsErasesAndReturnsToTheTopLeftCorner) {
    surface.Line(0, 0, 500, 250, 0);
    surface.SetCurrentXY(10, 10);
    surface.Cls();
    EXPECT_EQ(surface.CurrentX(), -80);
    EXPECT_EQ(surface.CurrentY(), -150);
    EXPECT_TRUE(InkBox(Drawn()).isEmpty());
}

TEST_F(ChartPictureSurface, CircleRadiusIsInHorizontalUnitsAndRound) {
    surface.Circle(250, 50, 2, 12);
    const QRect ink = InkBox(Drawn());
    const QPointF centre = surface.Map(250, 50);
    const double radius = 2 * 997.0 / 661;
    EXPECT_NEAR(ink.center().x(), centre.x(), 1.0);
    EXPECT_NEAR(ink.center().y(), centre.y(), 1.0);
    // The 1-pixel outline and its antialiased fringe lie round the radius.
    EXPECT_GE(ink.width(), 2 * radius);
    EXPECT_LE(ink.width(), 2 * radius + 3);
    EXPECT_EQ(ink.width(), ink.height());
    EXPECT_EQ(image.pixel(PixelOf(surface, 250, 50)), White) << "an outline only";
}

TEST_F(ChartPictureSurface, NonFiniteAndFarAwayPointsAreSafe) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    surface.Line(nan, 0, 100, 100, 0);
    surface.LineTo(nan, nan, 0);
    surface.PSet(std::numeric_limits<double>::infinity(), 0, 0);
    surface.Circle(250, 50, nan, 0);
    surface.Circle(250, 50, 1e300, 0);
    EXPECT_TRUE(InkBox(Drawn()).isEmpty());

    // An extrapolated crossing kilometres outside still draws its visible part.
    surface.Line(-21448, 100, 200, 100, 0);
    surface.Line(200, 150, 1e12, 150, 0);
    const QImage& drawn = Drawn();
    EXPECT_EQ(drawn.pixel(PixelOf(surface, -79, 100)), qRgb(0, 0, 0));
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 190, 100)), qRgb(0, 0, 0));
    EXPECT_EQ(drawn.pixel(PixelOf(surface, 580, 150)), qRgb(0, 0, 0));
}

// A4 at 254 dpi: 10 pixels to the millimetre.
class PageSurface : public ::testing::Test {
protected:
    static QImage A4() {
        QImage image = WhiteImage(2100, 2970);
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
        return image;
    }
    QImage image = A4();
    QPainter painter{&image};
    PainterSurface surface = PainterSurface::Page(painter);

    void SetUpPrintedChartPage() {
        surface.ScaleModeMillimetres();
        surface.ScaleTop(-36);
        surface.ScaleLeft(150);
    }
    const QImage& Drawn() {
        surface.Flush();
        return image;
    }
};

TEST_F(PageSurface, MillimetresFromTheLeftAndTopEdgesSet) {
    SetUpPrintedChartPage();
    surface.Line(150, 0, 350, 0, std::nullopt);
    surface.Line(250, -30, 250, 250, std::nullopt);
    const QImage& drawn = Drawn();
    // y = 0 lies 36 mm below the top edge; x = 250 lies 100 mm right of x = 150.
    EXPECT_NEAR(InkAcrossColumn(drawn, 500, 340, 380), 1.0, 0.05);
    EXPECT_LT(qGray(drawn.pixel(500, 359)) + qGray(drawn.pixel(500, 360)), 2 * 255);
    EXPECT_NEAR(InkAcrossRow(drawn, 1500, 980, 1020), 1.0, 0.05);
    const QRect ink = InkBox(drawn);
    EXPECT_NEAR(ink.left(), 0, 1);
    EXPECT_NEAR(ink.right(), 2000, 1);
    EXPECT_NEAR(ink.top(), 60, 1);
    EXPECT_NEAR(ink.bottom(), 2860, 1);
}

TEST_F(PageSurface, LineSettingIsATenthOfAMillimetrePerStep) {
    SetUpPrintedChartPage();
    surface.DrawWidth(1);
    surface.Line(150, 10, 350, 10, std::nullopt);
    surface.DrawWidth(4);
    surface.Line(150, 100, 350, 100, std::nullopt);
    const QImage& drawn = Drawn();
    EXPECT_NEAR(InkAcrossColumn(drawn, 1000, 420, 520), 1.0, 0.05);    // 0.1 mm
    EXPECT_NEAR(InkAcrossColumn(drawn, 1000, 1300, 1420), 4.0, 0.05);  // 0.4 mm
}

TEST_F(PageSurface, TextAtSixteenPointsByItsTopLeftCorner) {
    SetUpPrintedChartPage();
    surface.Font("Times New Roman", 16);
    surface.SetCurrentXY(160, -12);
    surface.Print("SSD = 100 cm");
    const QRect ink = InkBox(Drawn());
    // The corner lies at (10 mm, 24 mm) from the drawable area's top-left.
    EXPECT_GE(ink.left(), 100);
    EXPECT_LE(ink.left(), 110);
    EXPECT_GE(ink.top(), 240);
    EXPECT_LE(ink.top(), 255);
    // Capitals of 16 pt stand about 3.9 mm high.
    EXPECT_NEAR(ink.height(), 39, 4);
    EXPECT_NEAR(surface.LineHeight(), 16 / 72.0 * 25.4 * 1.15, 0.3);
    EXPECT_EQ(surface.CurrentX(), 150);
}

TEST_F(PageSurface, WhitePointShowsNothingAndBlackPointShows) {
    SetUpPrintedChartPage();
    surface.DrawWidth(4);
    surface.PSet(200, 100, 15);
    EXPECT_TRUE(InkBox(Drawn()).isEmpty());
    surface.PSet(200, 100, std::nullopt);
    const QRect ink = InkBox(Drawn());
    EXPECT_NEAR(ink.center().x(), 500, 2);
    EXPECT_NEAR(ink.center().y(), 1360, 2);
}

TEST_F(PageSurface, EndDocFinishesThePaintingAndLaterOperationsAreIgnored) {
    SetUpPrintedChartPage();
    int handed = 0;
    surface.SetEndDocHandler([&] { ++handed; });
    surface.Line(150, 0, 350, 0, std::nullopt);
    surface.EndDoc();
    EXPECT_FALSE(painter.isActive());
    EXPECT_EQ(handed, 1);
    const QRect before = InkBox(image);
    surface.Line(150, 200, 350, 200, std::nullopt);
    surface.SetCurrentXY(160, 100);
    surface.Print("after the end");
    surface.Flush();
    EXPECT_EQ(InkBox(image), before);
}

}  // namespace
}  // namespace corvane
