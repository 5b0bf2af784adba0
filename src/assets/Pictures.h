// The pictures and icons the windows show, all drawn in code.
#pragma once

#include "state/BeamDataLoader.h"

#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <optional>

class QPainter;

namespace corvane {

// The words drawn into the pictures, in the chosen language (the context of
// their texts in the catalogs).
class Pictures {
    Q_DECLARE_TR_FUNCTIONS(Pictures)
};

// The program's icon on every window: a small green tree.
QIcon ProgramIcon();
// The same tree in a size x size square at the origin of `p`, and as an
// image of that size on a transparent ground; the installed icons are made
// from these.
void PaintProgramIcon(QPainter& p, double size);
QImage ProgramIconImage(int size);

// Form1's 32 x 32 pictures: the small dog and the exit sign of the exit
// button, whose word is in the chosen language.
QPixmap DogPicture();
QPixmap ExitSignPicture();

// Form1's 624 x 428 sample: two finished charts (STD = 100 cm, 10 x 10 cm at a
// depth of 10 cm), no wedge on the left and the 45 degree wedge on the right.
QPixmap SamplePicture();
// True when the sample charts were produced by the chart drawing at build
// time; false when the build had no renderer and a placeholder is shown.
bool SampleChartsEmbedded();

// Form5's 716 x 70 dose formula and 425 x 492 geometry sketch. The sketch's
// words are in the chosen language; the formula has none.
QPixmap FormulaPicture();
QPixmap GeometrySketch();

// Form4's curve pictures, drawn from a loaded data file: TMR against depth
// (425 x 290) and the three OCR profiles (415 x 245). For a failed load no
// curve is drawn and `failure`, the window's words for it, is written in.
QPixmap TmrCurvesPicture(const BeamDataLoad& load, const QString& failure);
QPixmap OcrCurvesPicture(const BeamDataLoad& load, const QString& failure);

// The beam quality TPR20,10 of the tables (dose/BeamQuality.h), empty when
// they cannot give it.
std::optional<double> BeamQualityTpr2010(const BeamData& beam);
// "0.682", or empty when there is no value.
QString FormatBeamQuality(const std::optional<double>& tpr);

}  // namespace corvane
