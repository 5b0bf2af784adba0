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

// The kinds of control the window is made of.
enum class ControlKind {
    Upright,  // a line of text in Meiryo
    Italic,   // the same in italics
    Picture,  // a picture at its designed top-left corner, as large as it is
    Button,   // a command button with the light yellow face, Times New Roman
};

// One control of the window: its kind, the member that holds it, its
// rectangle in twips, its text and the size of its font in points. The rows
// are written with the functions below, named after the kinds.
struct ControlRow {
    ControlKind kind;
    QLabel* Form5::*label;        // for texts and pictures
    QPushButton* Form5::*button;  // for buttons
    TwipsBox twips;               // a picture's size is that of its pixmap
    const char* text;
    double points;
    QPixmap (*picture)();
};

constexpr ControlRow Upright(QLabel* Form5::*label, TwipsBox twips, const char* text, double points = 14.25) {
    return {ControlKind::Upright, label, nullptr, twips, text, points, nullptr};
}
constexpr ControlRow Italic(QLabel* Form5::*label, TwipsBox twips, const char* text, double points = 14.25) {
    return {ControlKind::Italic, label, nullptr, twips, text, points, nullptr};
}
constexpr ControlRow Picture(QLabel* Form5::*label, int left, int top, QPixmap (*picture)()) {
    return {ControlKind::Picture, label, nullptr, {left, top, 0, 0}, "", 0, picture};
}
constexpr ControlRow Button(QPushButton* Form5::*button, TwipsBox twips, const char* text) {
    return {ControlKind::Button, nullptr, button, twips, text, 14.25, nullptr};
}

// The window's controls in the order they are made, which is also the order
// in which they are stacked. The texts are marked for translation, apart from
// the symbols set over Label16 (mu, its subscript and the exponent).
const ControlRow Controls[] = {
    Upright(&Form5::Label3, {360, 240, 3780, 465},
            QT_TRANSLATE_NOOP("corvane::Form5", "簡易二次元線量分布計算式"), 15.75),
    Italic(
        &Form5::Label1, {720, 720, 8220, 420},
        QT_TRANSLATE_NOOP("corvane::Form5", "照射野サイズ A，深さ d，中心軸から l の位置の任意点における")),
    Italic(&Form5::Label2, {9000, 720, 6315, 420},
           QT_TRANSLATE_NOOP("corvane::Form5", "線量 D(d,Ad,l) は、簡易的に次式で計算できる。")),
    Picture(&Form5::Picture2, 480, 1320, FormulaPicture),
    Upright(&Form5::Label4, {720, 2520, 855, 420}, QT_TRANSLATE_NOOP("corvane::Form5", "ここで")),
    Italic(&Form5::Label5, {960, 2880, 9630, 420},
           QT_TRANSLATE_NOOP("corvane::Form5",
                             "D(dr,10×10)：照射野10×10cmでの基準点(最大線量点)線量（Ｘ線出力）")),
    Italic(&Form5::Label6, {960, 3240, 4875, 420},
           QT_TRANSLATE_NOOP("corvane::Form5", "OPFr(A)：基準点出力係数（Sc×Sp）")),
    Italic(&Form5::Label7, {960, 3600, 3795, 420},
           QT_TRANSLATE_NOOP("corvane::Form5", "TMR(d,Ad)：組織最大線量比")),
    Italic(&Form5::Label8, {960, 3960, 3390, 420},
           QT_TRANSLATE_NOOP("corvane::Form5", "OCR(d,Ad,l)：軸外線量比")),
    Italic(&Form5::Label9, {960, 4320, 7965, 420},
           QT_TRANSLATE_NOOP("corvane::Form5", "Fw(l')：楔フィルタによる減弱補正係数（ l' における減弱率）")),
    Upright(&Form5::Label10, {720, 4920, 10650, 420},
            QT_TRANSLATE_NOOP("corvane::Form5",
                              "中心軸を含むファントム断面をメッシュ状 (本計算では１mmメッシュ) に区切り、")),
    Upright(&Form5::Label11, {720, 5280, 10245, 420},
            QT_TRANSLATE_NOOP("corvane::Form5",
                              "各メッシュ交点における線量を計算する。標的中心の線量を100%とした時の、")),
    Upright(
        &Form5::Label12, {720, 5640, 8550, 420},
        QT_TRANSLATE_NOOP("corvane::Form5", "ファントム断面における等線量点を結んで等線量曲線を作図する。")),
    Button(&Form5::Command3, {6000, 6000, 3375, 615},
           QT_TRANSLATE_NOOP("corvane::Form5", "TMR and OCR data")),
    Italic(&Form5::Label13, {840, 6120, 4965, 420},
           QT_TRANSLATE_NOOP("corvane::Form5", "6MVＸ線の代表的なTMR，OCRデータ")),
    Italic(&Form5::Label23, {840, 6720, 9120, 420},
           QT_TRANSLATE_NOOP("corvane::Form5",
                             "長方形照射野の場合、等価正方形に換算してデータ表から値を求める。")),
    Italic(&Form5::Label24, {840, 7080, 10260, 420},
           QT_TRANSLATE_NOOP("corvane::Form5",
                             "照射野、深さなどがデータ点と一致しない場合、内挿・外挿補間で値を求める。")),
    Upright(&Form5::Label20, {480, 7920, 7125, 420},
            QT_TRANSLATE_NOOP("corvane::Form5", "なお、本計算では楔フィルタを下記のとおり設定した。")),
    Italic(&Form5::Label22, {720, 8280, 6675, 420},
           QT_TRANSLATE_NOOP("corvane::Form5", "（本計算では Dynamic wedge は想定していない）")),
    Italic(&Form5::Label14, {840, 8760, 9495, 420},
           QT_TRANSLATE_NOOP("corvane::Form5",
                             "楔フィルタは鉛製 simple wedge とし、物理的角度は以下の通りとした。")),
    Upright(&Form5::Label15, {1080, 9120, 5520, 420},
            QT_TRANSLATE_NOOP("corvane::Form5", "30°：5.46°　45°：8.80°　60°：13.82°")),
    // The blank run before "=" leaves room for mu and its subscript, and the
    // blanks after " cm" for the exponent; a translation keeps both.
    Italic(
        &Form5::Label16, {840, 9600, 8880, 420},
        QT_TRANSLATE_NOOP("corvane::Form5", "6MVＸ線に対する鉛の実効線減弱係数　　  = 0.5927 cm   とした。")),
    Italic(&Form5::Label17, {5880, 9600, 180, 420}, "μ"),
    Italic(&Form5::Label18, {6120, 9720, 225, 300}, "eff", 9.75),
    Italic(&Form5::Label19, {8355, 9600, 210, 300}, "-1", 9.75),
    Italic(&Form5::Label21, {840, 9960, 5355, 420},
           QT_TRANSLATE_NOOP("corvane::Form5", "線源‐楔フィルタ間距離は 60 cmとした。")),
    Picture(&Form5::Picture1, 11640, 1320, GeometrySketch),
    Upright(&Form5::Label25, {12960, 8880, 3705, 420},
            QT_TRANSLATE_NOOP("corvane::Form5", "照射ジオメトリを示す模式図")),
    Button(&Form5::Command1, {11640, 9840, 1455, 615}, QT_TRANSLATE_NOOP("corvane::Form5", "Close")),
};

QLabel* MakeText(QWidget* parent, const ControlRow& row) {
    auto* label = new QLabel(Form5::tr(row.text), parent);
    label->setFont(NamedFont(Meiryo, row.points, row.kind == ControlKind::Italic));
    label->setTextFormat(Qt::PlainText);
    PlaceLabel(label, TwipsRect(row.twips));
    return label;
}

QLabel* MakePicture(QWidget* parent, const ControlRow& row) {
    const QPixmap pixmap = row.picture();
    auto* picture = new QLabel(parent);
    picture->setPixmap(pixmap);
    picture->setGeometry(QRect(TwipsRect(row.twips).topLeft(), pixmap.size()));
    picture->setFocusPolicy(Qt::TabFocus);
    return picture;
}

QPushButton* MakeButton(QWidget* parent, const ControlRow& row) {
    auto* button = new QPushButton(Form5::tr(row.text), parent);
    button->setGeometry(TwipsRect(row.twips));
    StyleButton(button, TimesFont(row.points));
    return button;
}
}  // namespace

Form5::Form5(QWidget* parent) : QWidget(parent) {
    setWindowTitle(tr("Calculation Formula"));
    // The title-bar close destroys the window; the next opening builds it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Form5"));
    MakeFixedCentredWindow(this, TwipsSize(18420, 10740), true);

    for (const ControlRow& row : Controls) {
        switch (row.kind) {
        case ControlKind::Upright:
        case ControlKind::Italic: this->*row.label = MakeText(this, row); break;
        case ControlKind::Picture: this->*row.label = MakePicture(this, row); break;
        case ControlKind::Button: this->*row.button = MakeButton(this, row); break;
        }
    }
    PlaceCoefficientSymbols();
    JoinSentenceHalves();

    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);

    PressButtonsOnEnter(this);
    setTabOrder(Command1, Picture1);
    setTabOrder(Picture1, Picture2);
    setTabOrder(Picture2, Command3);
    Command1->setFocus();
}

namespace {
// Where a label's text begins, how wide it is, and the label moved so that
// its text begins at `x`: apart from the room PlaceLabel leaves on the left
// for a first letter that leans out.
int TextLeft(const QLabel* label) { return label->x() + label->contentsMargins().left(); }
int TextWidth(const QLabel* label) { return label->sizeHint().width() - label->contentsMargins().left(); }
void MoveTextTo(QLabel* label, int x) { label->move(x - label->contentsMargins().left(), label->y()); }
}  // namespace

// The symbols of the attenuation coefficient sit in gaps of Label16's text.
// Where those gaps fall depends on the face that renders the text here and
// on the language, so the symbols are placed from the text as it is
// measured: mu with its subscript in the run of blanks (full-width or not)
// that ends at "=", the exponent right after the " cm" that follows.
void Form5::PlaceCoefficientSymbols() {
    const QString text = Label16->text();
    const int gapEnd = static_cast<int>(text.indexOf(u'='));
    int gapStart = gapEnd;
    while (gapStart > 0 && text.at(gapStart - 1).isSpace()) --gapStart;
    const int cmEnd = static_cast<int>(text.indexOf(QStringLiteral(" cm"), gapEnd)) + 3;
    if (gapEnd < 0 || gapStart == gapEnd || cmEnd < 3) return;

    // The rendering face's blanks are narrow; where the sentence goes on
    // after the exponent, a little extra room per blank keeps the exponent
    // clear of the following word.
    if (!text.mid(cmEnd).trimmed().isEmpty()) {
        QFont wider = Label16->font();
        wider.setWordSpacing(6);
        Label16->setFont(wider);
        PlaceLabel(Label16, Label16->geometry().adjusted(Label16->contentsMargins().left(), 0, 0, 0));
    }
    const QFontMetrics metrics(Label16->font());
    const int gapLeft = TextLeft(Label16) + metrics.horizontalAdvance(text.left(gapStart));
    const int gapWidth = metrics.horizontalAdvance(text.mid(gapStart, gapEnd - gapStart));
    const int symbolsWidth = TextWidth(Label17) + TextWidth(Label18);
    const int muLeft = gapLeft + std::max(0, (gapWidth - symbolsWidth) / 2);
    MoveTextTo(Label17, muLeft);
    MoveTextTo(Label18, muLeft + TextWidth(Label17));
    MoveTextTo(Label19, TextLeft(Label16) + metrics.horizontalAdvance(text.left(cmEnd)));
}

// Label1 and Label2 are the two halves of one sentence. Where the first half
// runs past the designed start of the second, the second follows it after a
// blank.
void Form5::JoinSentenceHalves() {
    const QFontMetrics metrics(Label1->font());
    const int firstEnd = TextLeft(Label1) + metrics.horizontalAdvance(Label1->text());
    const int blank = metrics.horizontalAdvance(u' ');
    if (firstEnd + blank > TextLeft(Label2)) MoveTextTo(Label2, firstEnd + blank);
}

void Form5::Command1_Click() { hide(); }

void Form5::Command3_Click() { emit dataTableRequested(); }

}  // namespace corvane
