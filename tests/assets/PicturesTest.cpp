// The window pictures: sizes, what the curve pictures draw for good and bad
// data files, the beam quality, and the sample charts' layout. Each picture
// is also saved as a PNG beside the build for a look by eye.
#include "assets/Pictures.h"
#include "assets/RichText.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <fstream>
#include <sstream>

using namespace corvane;

namespace {

std::string ReadBundledFile() {
    std::ifstream in(CORVANE_TEST_DATA_FILE, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

BeamDataLoad Parse(const std::string& text) { return ParseBeamData(text, "6MVTMROCR.dat"); }

// The loader's own failure for a file that is not there.
BeamDataLoad FailedLoad() {
    return LoadBeamDataFile("/nonexistent-folder/of/the/pictures/test/6MVTMROCR.dat");
}

// Why a load failed, in English; empty for one that did not.
std::string Why(const BeamDataLoad& load) { return load ? std::string() : DescribeBeamDataFault(load.error()); }

// What the data table window writes into the pictures for it.
QString FailureText() { return QString::fromStdString(Why(FailedLoad())); }

bool IsWhite(QRgb pixel) { return qRed(pixel) > 250 && qGreen(pixel) > 250 && qBlue(pixel) > 250; }

// A coloured pixel: one channel well apart from the others (not grey, not black).
bool IsColoured(QRgb pixel) {
    const int hi = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    const int lo = std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    return hi - lo > 60;
}

int CountPixels(const QImage& image, const QRect& rect, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

bool IsInk(QRgb pixel) { return !IsWhite(pixel); }
bool IsDarkRed(QRgb pixel) { return qRed(pixel) > 100 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }

void Save(const QPixmap& pixmap, const QString& name) {
    QDir().mkpath(QStringLiteral(CORVANE_PICTURES_DIR));
    pixmap.save(QStringLiteral(CORVANE_PICTURES_DIR "/%1.png").arg(name));
    if (pixmap.width() > 64) return;
    // Small pictures also enlarged on a window-grey ground, to judge them by eye.
    QImage large(pixmap.size() * 8, QImage::Format_RGB32);
    large.fill(QColor(240, 240, 240));
    QPainter painter(&large);
    painter.drawPixmap(large.rect(), pixmap);
    painter.end();
    large.save(QStringLiteral(CORVANE_PICTURES_DIR "/%1-x8.png").arg(name));
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveTheirSizes();
    void iconHasATreeAtEverySize();
    void exitSignIsWhiteOnGreen();
    void formulaFitsItsPicture();
    void sketchIsDrawnOnWhite();
    void richLineMarkup();
    void beamQualityOfTheBundledFile();
    void beamQualityFollowsTheTable();
    void beamQualityNeedsTheDepths();
    void curvePicturesDrawTheData();
    void curvePicturesOfAFailedLoadHaveNoCurves();
    void samplePictureIsTwoChartsLetterboxed();
};

void PicturesTest::picturesHaveTheirSizes() {
    const auto load = Parse(ReadBundledFile());
    QVERIFY2(load.has_value(), Why(load).c_str());
    const struct {
        QPixmap pixmap;
        QSize size;
        const char* name;
    } pictures[] = {
        {DogPicture(), {32, 32}, "dog"},
        {ExitSignPicture(), {32, 32}, "exit-sign"},
        {SamplePicture(), {624, 428}, "sample"},
        {FormulaPicture(), {716, 70}, "formula"},
        {GeometrySketch(), {425, 492}, "geometry"},
        {TmrCurvesPicture(load, {}), {425, 290}, "tmr-curves"},
        {OcrCurvesPicture(load, {}), {415, 245}, "ocr-curves"},
        {TmrCurvesPicture(FailedLoad(), FailureText()), {425, 290}, "tmr-curves-failed"},
        {OcrCurvesPicture(FailedLoad(), FailureText()), {415, 245}, "ocr-curves-failed"},
    };
    for (const auto& picture : pictures) {
        QCOMPARE(picture.pixmap.size(), picture.size);
        Save(picture.pixmap, QString::fromLatin1(picture.name));
    }
    Save(ProgramIcon().pixmap(64, 64), QStringLiteral("icon-64"));
    Save(ProgramIcon().pixmap(16, 16), QStringLiteral("icon-16"));
}

void PicturesTest::iconHasATreeAtEverySize() {
    const QIcon icon = ProgramIcon();
    QVERIFY(!icon.isNull());
    for (int size : {16, 32, 48}) {
        const QImage image = icon.pixmap(size, size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // Mostly green where it is drawn; the corners stay clear.
        int green = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb p = image.pixel(x, y);
                green += (qAlpha(p) > 200 && qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 40);
            }
        QVERIFY2(green > size * size / 8, qPrintable(QString::number(green)));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size - 1, 0)), 0);
    }
}

void PicturesTest::exitSignIsWhiteOnGreen() {
    const QImage sign = ExitSignPicture().toImage();
    const QRgb corner = sign.pixel(0, 31);
    QVERIFY(qGreen(corner) > 120 && qRed(corner) < 40);
    // White in both the arrow's band and the lettering's band.
    QVERIFY(CountPixels(sign, QRect(0, 0, 32, 14), IsWhite) > 40);
    QVERIFY(CountPixels(sign, QRect(0, 15, 32, 17), IsWhite) > 40);
}

void PicturesTest::formulaFitsItsPicture() {
    const QImage formula = FormulaPicture().toImage();
    // Ink over most of the width, none on the border: nothing clipped.
    QCOMPARE(CountPixels(formula, QRect(0, 0, 716, 1), IsInk), 0);
    QCOMPARE(CountPixels(formula, QRect(0, 69, 716, 1), IsInk), 0);
    QCOMPARE(CountPixels(formula, QRect(0, 0, 2, 70), IsInk), 0);
    QCOMPARE(CountPixels(formula, QRect(714, 0, 2, 70), IsInk), 0);
    QVERIFY(CountPixels(formula, QRect(0, 0, 40, 70), IsInk) > 0);
    QVERIFY(CountPixels(formula, QRect(676, 0, 40, 70), IsInk) > 0);
}

void PicturesTest::sketchIsDrawnOnWhite() {
    const QImage sketch = GeometrySketch().toImage();
    QVERIFY(IsWhite(sketch.pixel(0, 0)));
    QVERIFY(IsWhite(sketch.pixel(424, 0)));
    QVERIFY(CountPixels(sketch, sketch.rect(), IsInk) > 425 * 492 / 10);
}

void PicturesTest::richLineMarkup() {
    using assets::Shift;
    const auto line = assets::ParseRichLine(QStringLiteral("F_{w}(l) x^{2}_{open"));
    QCOMPARE(line.size(), std::size_t(5));
    QCOMPARE(line[0].text, QStringLiteral("F"));
    QCOMPARE(line[1].text, QStringLiteral("w"));
    QVERIFY(line[1].shift == Shift::Sub);
    QCOMPARE(line[2].text, QStringLiteral("(l) x"));
    QVERIFY(line[3].shift == Shift::Super);
    QCOMPARE(line[4].text, QStringLiteral("open"));
    QVERIFY(line[4].shift == Shift::Sub);
    // Lone markers stay text.
    const auto plain = assets::ParseRichLine(QStringLiteral("a_b^"));
    QCOMPARE(plain.size(), std::size_t(1));
    QCOMPARE(plain[0].text, QStringLiteral("a_b^"));
}

void PicturesTest::beamQualityOfTheBundledFile() {
    const auto load = Parse(ReadBundledFile());
    QVERIFY2(load.has_value(), Why(load).c_str());
    const auto tpr = BeamQualityTpr2010(load->data);
    QVERIFY(tpr.has_value());
    QCOMPARE(FormatBeamQuality(tpr), QStringLiteral("0.682"));
    QVERIFY(qAbs(*tpr - 0.5292 / 0.7762) < 1e-12);
    QCOMPARE(FormatBeamQuality(std::nullopt), QString());
}

void PicturesTest::beamQualityFollowsTheTable() {
    // A changed 10 x 10 cm TMR at 200 mm, read through the loader.
    std::string text = ReadBundledFile();
    const std::string row = " 200, 0.4688, 0.4916, 0.5128, 0.5292,";
    const auto at = text.find(row);
    QVERIFY(at != std::string::npos);
    text.replace(at, row.size(), " 200, 0.4688, 0.4916, 0.5128, 0.5500,");
    const auto load = Parse(text);
    QVERIFY2(load.has_value(), Why(load).c_str());
    QCOMPARE(FormatBeamQuality(BeamQualityTpr2010(load->data)), QStringLiteral("0.709"));

    // Depths between the rows are interpolated linearly.
    BeamData beam;
    beam.DepthTable[1] = 0;
    beam.DepthTable[2] = 15;
    beam.DepthTable[3] = 30;
    for (int i = 4; i <= BeamData::DepthRows; ++i) beam.DepthTable[i] = 30 + i;
    beam.TmrTable[1][4] = 0.9;
    beam.TmrTable[2][4] = 0.6;
    beam.TmrTable[3][4] = 0.3;
    // TMR(10) = 0.7, TMR(20) = 0.5.
    QVERIFY(qAbs(*BeamQualityTpr2010(beam) - 0.5 / 0.7) < 1e-12);
}

void PicturesTest::beamQualityNeedsTheDepths() {
    BeamData shallow;
    for (int i = 1; i <= BeamData::DepthRows; ++i) {
        shallow.DepthTable[i] = 0.5 * i;  // down to 18.5 cm only
        shallow.TmrTable[i][4] = 1.0;
    }
    QVERIFY(!BeamQualityTpr2010(shallow).has_value());

    BeamData zero;  // all TMRs 0: no ratio, and no NaN
    for (int i = 1; i <= BeamData::DepthRows; ++i) zero.DepthTable[i] = i;
    QVERIFY(!BeamQualityTpr2010(zero).has_value());

    // The pictures still draw, with a dash for the value.
    BeamDataLoad load;
    load->data = zero;
    QCOMPARE(TmrCurvesPicture(load, {}).size(), QSize(425, 290));
}

void PicturesTest::curvePicturesDrawTheData() {
    const auto load = Parse(ReadBundledFile());
    QVERIFY2(load.has_value(), Why(load).c_str());
    const QImage tmr = TmrCurvesPicture(load, {}).toImage();
    const QImage ocr = OcrCurvesPicture(load, {}).toImage();
    // Curves cross the lower half of each plot: TMRs below 0.5 at depth,
    // OCRs below 0.5 outside the field.
    QVERIFY(CountPixels(tmr, QRect(260, 130, 140, 100), IsColoured) > 100);
    QVERIFY(CountPixels(ocr, QRect(240, 110, 150, 80), IsColoured) > 100);
    // Changed data changes the curves.
    std::string text = ReadBundledFile();
    const auto at = text.find(" 1.10, 0.1003, 0.1644, 0.2006");
    QVERIFY(at != std::string::npos);
    text.replace(at, 30, " 1.10, 0.8003, 0.8644, 0.8006");
    const auto changed = Parse(text);
    QVERIFY2(changed.has_value(), Why(changed).c_str());
    QVERIFY(OcrCurvesPicture(changed, {}).toImage() != ocr);
}

void PicturesTest::curvePicturesOfAFailedLoadHaveNoCurves() {
    QVERIFY(!FailedLoad().has_value());
    QVERIFY(!Why(FailedLoad()).empty());
    const struct {
        QImage image;
        QRect lowerPlot;
        QRect upperPlot;
    } cases[] = {
        // Inside the axes' ticks.
        {TmrCurvesPicture(FailedLoad(), FailureText()).toImage(), QRect(62, 130, 340, 104),
         QRect(62, 14, 340, 110)},
        {OcrCurvesPicture(FailedLoad(), FailureText()).toImage(), QRect(62, 108, 330, 84),
         QRect(62, 12, 330, 90)},
    };
    for (const auto& c : cases) {
        QCOMPARE(CountPixels(c.image, c.lowerPlot, IsColoured), 0);
        QCOMPARE(CountPixels(c.image, c.lowerPlot, IsInk), 0);
        // The reason is written in the upper part.
        QVERIFY(CountPixels(c.image, c.upperPlot, IsDarkRed) > 50);
    }
}

void PicturesTest::samplePictureIsTwoChartsLetterboxed() {
    QVERIFY(SampleChartsEmbedded());
    const QImage sample = SamplePicture().toImage();
    // White rows above and below the charts.
    QCOMPARE(CountPixels(sample, QRect(0, 0, 624, 107), IsInk), 0);
    QCOMPARE(CountPixels(sample, QRect(0, 321, 624, 107), IsInk), 0);
    QVERIFY(CountPixels(sample, QRect(0, 107, 312, 214), IsInk) > 500);
    QVERIFY(CountPixels(sample, QRect(312, 107, 312, 214), IsInk) > 500);
    // The wedge makes the two halves differ.
    QVERIFY(sample.copy(0, 107, 312, 214) != sample.copy(312, 107, 312, 214));
}

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
