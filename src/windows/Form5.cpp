#include "windows/Form5.h"

#include "assets/Pictures.h"
#include "qtsurface/Fonts.h"
#include "windows/DesignLayout.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace corvane {

namespace {
const QString Meiryo = QStringLiteral("メイリオ");

enum class Style { Upright, Italic };

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& designed, Style style,
                  double points = 14.25) {
    auto* label = new QLabel(text, parent);
    label->setFont(NamedFont(Meiryo, points, style == Style::Italic));
    label->setTextFormat(Qt::PlainText);
    PlaceLabel(label, designed);
    return label;
}

QLabel* MakePicture(QWidget* parent, const QPixmap& pixmap, QPoint topLeft) {
    auto* picture = new QLabel(parent);
    picture->setPixmap(pixmap);
    picture->setGeometry(QRect(topLeft, pixmap.size()));
    picture->setFocusPolicy(Qt::TabFocus);
    return picture;
}
}  // namespace

Form5::Form5(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Calculation Formula"));
    // The title-bar close destroys the window; the next opening builds it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form5"));
    MakeFixedCentredWindow(this, TwipsSize(18420, 10740), true);
    const auto I = Style::Italic;
    const auto U = Style::Upright;

    Label3 =
        MakeLabel(this, QStringLiteral("簡易二次元線量分布計算式"), TwipsRect(360, 240, 3780, 465), U, 15.75);
    Label1 = MakeLabel(this, QStringLiteral("照射野サイズ A，深さ d，中心軸から l の位置の任意点における"),
                       TwipsRect(720, 720, 8220, 420), I);
    Label2 = MakeLabel(this, QStringLiteral("線量 D(d,Ad,l) は、簡易的に次式で計算できる。"),
                       TwipsRect(9000, 720, 6315, 420), I);
    Picture2 = MakePicture(this, FormulaPicture(), TwipsRect(480, 1320, 0, 0).topLeft());
    Label4 = MakeLabel(this, QStringLiteral("ここで"), TwipsRect(720, 2520, 855, 420), U);
    Label5 =
        MakeLabel(this, QStringLiteral("D(dr,10×10)：照射野10×10cmでの基準点(最大線量点)線量（Ｘ線出力）"),
                  TwipsRect(960, 2880, 9630, 420), I);
    Label6 = MakeLabel(this, QStringLiteral("OPFr(A)：基準点出力係数（Sc×Sp）"),
                       TwipsRect(960, 3240, 4875, 420), I);
    Label7 = MakeLabel(this, QStringLiteral("TMR(d,Ad)：組織最大線量比"), TwipsRect(960, 3600, 3795, 420), I);
    Label8 = MakeLabel(this, QStringLiteral("OCR(d,Ad,l)：軸外線量比"), TwipsRect(960, 3960, 3390, 420), I);
    Label9 = MakeLabel(this, QStringLiteral("Fw(l')：楔フィルタによる減弱補正係数（ l' における減弱率）"),
                       TwipsRect(960, 4320, 7965, 420), I);
    Label10 = MakeLabel(
        this, QStringLiteral("中心軸を含むファントム断面をメッシュ状 (本計算では１mmメッシュ) に区切り、"),
        TwipsRect(720, 4920, 10650, 420), U);
    Label11 = MakeLabel(
        this, QStringLiteral("各メッシュ交点における線量を計算する。標的中心の線量を100%とした時の、"),
        TwipsRect(720, 5280, 10245, 420), U);
    Label12 = MakeLabel(this, QStringLiteral("ファントム断面における等線量点を結んで等線量曲線を作図する。"),
                        TwipsRect(720, 5640, 8550, 420), U);

    Command3 = new QPushButton(QStringLiteral("TMR and OCR data"), this);
    Command3->setGeometry(TwipsRect(6000, 6000, 3375, 615));
    StyleButton(Command3, TimesFont(14.25));

    Label13 = MakeLabel(this, QStringLiteral("6MVＸ線の代表的なTMR，OCRデータ"),
                        TwipsRect(840, 6120, 4965, 420), I);
    Label23 =
        MakeLabel(this, QStringLiteral("長方形照射野の場合、等価正方形に換算してデータ表から値を求める。"),
                  TwipsRect(840, 6720, 9120, 420), I);
    Label24 = MakeLabel(
        this, QStringLiteral("照射野、深さなどがデータ点と一致しない場合、内挿・外挿補間で値を求める。"),
        TwipsRect(840, 7080, 10260, 420), I);
    Label20 = MakeLabel(this, QStringLiteral("なお、本計算では楔フィルタを下記のとおり設定した。"),
                        TwipsRect(480, 7920, 7125, 420), U);
    Label22 = MakeLabel(this, QStringLiteral("（本計算では Dynamic wedge は想定していない）"),
                        TwipsRect(720, 8280, 6675, 420), I);
    Label14 =
        MakeLabel(this, QStringLiteral("楔フィルタは鉛製 simple wedge とし、物理的角度は以下の通りとした。"),
                  TwipsRect(840, 8760, 9495, 420), I);
    Label15 = MakeLabel(this, QStringLiteral("30°：5.46°　45°：8.80°　60°：13.82°"),
                        TwipsRect(1080, 9120, 5520, 420), U);
    Label16 = MakeLabel(this, QStringLiteral("6MVＸ線に対する鉛の実効線減弱係数　　  = 0.5927 cm   とした。"),
                        TwipsRect(840, 9600, 8880, 420), I);
    Label17 = MakeLabel(this, QStringLiteral("μ"), TwipsRect(5880, 9600, 180, 420), I);
    Label18 = MakeLabel(this, QStringLiteral("eff"), TwipsRect(6120, 9720, 225, 300), I, 9.75);
    Label19 = MakeLabel(this, QStringLiteral("-1"), TwipsRect(8355, 9600, 210, 300), I, 9.75);
    Label21 = MakeLabel(this, QStringLiteral("線源‐楔フィルタ間距離は 60 cmとした。"),
                        TwipsRect(840, 9960, 5355, 420), I);
    PlaceCoefficientSymbols();

    Picture1 = MakePicture(this, GeometrySketch(), TwipsRect(11640, 1320, 0, 0).topLeft());
    Label25 =
        MakeLabel(this, QStringLiteral("照射ジオメトリを示す模式図"), TwipsRect(12960, 8880, 3705, 420), U);

    Command1 = new QPushButton(QStringLiteral("Close"), this);
    Command1->setGeometry(TwipsRect(11640, 9840, 1455, 615));
    StyleButton(Command1, TimesFont(14.25));

    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);

    PressButtonsOnEnter(this);
    setTabOrder(Command1, Picture1);
    setTabOrder(Picture1, Picture2);
    setTabOrder(Picture2, Command3);
    Command1->setFocus();
}

// The symbols of the attenuation coefficient sit in gaps of Label16's text.
// The gaps fall where this font puts them, which is not where the designed
// font put them, so the symbols follow the text: mu with its subscript in the
// gap after the coefficient's name, the exponent right after "cm".
void Form5::PlaceCoefficientSymbols() {
    // This font's blanks are narrower than the designed font's; a little
    // extra room per blank keeps the exponent clear of the following word.
    QFont wider = Label16->font();
    wider.setWordSpacing(6);
    Label16->setFont(wider);
    PlaceLabel(Label16, Label16->geometry());

    const QString text = Label16->text();
    const QFontMetrics metrics(Label16->font());
    const int gapStart = static_cast<int>(text.indexOf(QStringLiteral("　　")));
    const int gapEnd = static_cast<int>(text.indexOf(u'='));
    const int cmEnd = static_cast<int>(text.indexOf(QStringLiteral(" cm"))) + 3;
    if (gapStart < 0 || gapEnd < gapStart || cmEnd < 3) return;

    const int gapLeft = Label16->x() + metrics.horizontalAdvance(text.left(gapStart));
    const int gapWidth = metrics.horizontalAdvance(text.mid(gapStart, gapEnd - gapStart));
    const int symbolsWidth = Label17->sizeHint().width() + Label18->sizeHint().width();
    const int muLeft = gapLeft + std::max(0, (gapWidth - symbolsWidth) / 2);
    Label17->move(muLeft, Label17->y());
    Label18->move(muLeft + Label17->sizeHint().width(), Label18->y());
    Label19->move(Label16->x() + metrics.horizontalAdvance(text.left(cmEnd)), Label19->y());
}

void Form5::Command1_Click() { hide(); }

void Form5::Command3_Click() { emit dataTableRequested(); }

}  // namespace corvane
