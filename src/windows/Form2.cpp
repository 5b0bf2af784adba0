#include "windows/Form2.h"

#include "qtsurface/Fonts.h"
#include "state/EntryClamp.h"
#include "state/WedgeOptions.h"
#include "windows/BeamDataNames.h"
#include "windows/CalculationState.h"
#include "windows/DesignLayout.h"
#include "windows/Form3.h"
#include "windows/Module1.h"
#include "windows/WindowStyle.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <utility>

namespace corvane {

namespace {

bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The etched frame round the heading: a white outline with a grey one a
// pixel further down and right.
constexpr QRect Shape2Rect = TwipsRect(465, 345, 4935, 1215);
constexpr QRect Shape1Rect = TwipsRect(480, 360, 4935, 1215);
constexpr QSize DesignedSize(Twips(5895), Twips(7290));

// The kinds of control the window is made of.
enum class ControlKind {
    Label,       // a caption in Times New Roman, on the window's own background
    BoxedLabel,  // a caption centred in a light yellow box
    Frame,       // a group box whose caption sits on its top line
    Option,      // an option button
    Entry,       // a text box with its text centred
    Button,      // a command button with the light yellow face
    DegreeSign,  // a "°" that placeDegreeSigns moves right after its angle
};

// One control of the window: its name, kind, the frame it sits in (none:
// the window itself), its rectangle in twips inside that container, the size
// of its font in points, and its caption. Captions that are words are marked
// for translation and translated as the control is made; the others (units,
// set-up and wedge names, "OK") are the same in every language.
struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* container;
    TwipsBox twips;
    double points;
    const char* caption;
};

// The degree signs are set in this face; their box is 14 x 20 pixels.
const QString DegreeSignFace = QStringLiteral("ＭＳ Ｐゴシック");
constexpr TwipsBox DegreeSignBox{0, 0, 210, 300};

// The window's controls in the order they are made, which is also the order
// in which they are stacked. (The enumerators stand alone so that the rows
// stay short.)
using enum ControlKind;
constexpr ControlRow Controls[] = {
    // clang-format off
    // name      kind        container twips                    points  caption
    {"Label13",  Label,      nullptr,  {720, 480, 3735, 345},   15.75,
        QT_TRANSLATE_NOOP("corvane::Form2", "6 MV X-ray  (SAD = 100 cm)")},
    {"Label14",  Label,      nullptr,  {720, 960, 4440, 345},   15.75,
        QT_TRANSLATE_NOOP("corvane::Form2", "Water phantom (thickness = 25 cm)")},
    {"Frame1",   Frame,      nullptr,  {480, 1800, 4935, 855},  14.25,
        QT_TRANSLATE_NOOP("corvane::Form2", "Mode")},
    {"Option1",  Option,     "Frame1", {480, 360, 1695, 255},   12,    "SSD (100cm)"},
    {"Option2",  Option,     "Frame1", {2760, 360, 1695, 255},  12,    "STD (100cm)"},
    {"Frame4",   Frame,      nullptr,  {480, 2880, 4935, 2055}, 14.25,
        QT_TRANSLATE_NOOP("corvane::Form2", " Depth and Field Size ")},
    {"Label1",   BoxedLabel, "Frame4", {240, 480, 2820, 375},   14.25,
        QT_TRANSLATE_NOOP("corvane::Form2", "Depth of target")},
    {"Text1",    Entry,      "Frame4", {3000, 480, 1095, 390},  14.25, ""},
    {"Label4",   BoxedLabel, "Frame4", {4080, 480, 615, 375},   14.25, "cm"},
    {"Label2",   BoxedLabel, "Frame4", {240, 960, 2805, 375},   14.25,
        QT_TRANSLATE_NOOP("corvane::Form2", "Field Width at SAD")},
    {"Text2",    Entry,      "Frame4", {3000, 960, 1095, 375},  14.25, ""},
    {"Label5",   BoxedLabel, "Frame4", {4080, 960, 615, 375},   14.25, "cm"},
    {"Label3",   BoxedLabel, "Frame4", {240, 1440, 2775, 375},  14.25,
        QT_TRANSLATE_NOOP("corvane::Form2", "Field Length at SAD")},
    {"Text3",    Entry,      "Frame4", {3000, 1440, 1095, 375}, 14.25, ""},
    {"Label6",   BoxedLabel, "Frame4", {4080, 1440, 615, 375},  14.25, "cm"},
    {"Frame2",   Frame,      nullptr,  {480, 5160, 4935, 975},  14.25,
        QT_TRANSLATE_NOOP("corvane::Form2", "Wedge filter")},
    {"Option3",  Option,     "Frame2", {360, 360, 855, 375},    14.25,
        QT_TRANSLATE_NOOP("corvane::Form2", "Non")},
    {"Option4",  Option,     "Frame2", {1560, 360, 615, 375},   14.25, "30"},
    {"Option5",  Option,     "Frame2", {2640, 360, 615, 375},   14.25, "45"},
    {"Option6",  Option,     "Frame2", {3600, 360, 615, 375},   14.25, "60"},
    {"Label11",  DegreeSign, "Frame2", DegreeSignBox,           15.75, "°"},
    {"Label10",  DegreeSign, "Frame2", DegreeSignBox,           15.75, "°"},
    {"Label12",  DegreeSign, "Frame2", DegreeSignBox,           15.75, "°"},
    {"Command1", Button,     nullptr,  {1080, 6360, 1575, 615}, 15.75, "OK"},
    {"Command2", Button,     nullptr,  {3240, 6360, 1575, 615}, 15.75,
        QT_TRANSLATE_NOOP("corvane::Form2", "Exit")},
    // clang-format on
};

// The caption in the chosen language, where it is marked for translation.
QString Caption(const ControlRow& row) { return Form2::tr(row.caption); }

QLabel* MakeLabel(const ControlRow& row, QWidget* container) {
    auto* label = new QLabel(Caption(row), container);
    label->setFont(row.kind == ControlKind::DegreeSign ? NamedFont(DegreeSignFace, row.points)
                                                       : TimesFont(row.points));
    // Where the face that renders the font here runs a little wider than
    // the designed box, the box grows to the right instead of clipping.
    QRect geometry = TwipsRect(row.twips);
    geometry.setWidth(std::max(geometry.width(), label->sizeHint().width()));
    label->setGeometry(geometry);
    if (row.kind == ControlKind::BoxedLabel) {
        label->setAlignment(Qt::AlignCenter);
        StyleLabel(label, LightYellow, true);
    }
    if (row.kind == ControlKind::DegreeSign) label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // A caption on the window's background also grows in height where its
    // text needs it, evenly, so that the text stays where it was designed.
    if (row.kind == ControlKind::Label) GrowAroundCentre(label);
    return label;
}

QWidget* MakeControl(const ControlRow& row, QWidget* container) {
    const QString caption = Caption(row);
    const QRect geometry = TwipsRect(row.twips);
    QWidget* control = nullptr;
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::BoxedLabel:
    case ControlKind::DegreeSign: control = MakeLabel(row, container); break;
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(caption, container);
        frame->setGeometry(geometry);
        frame->setFont(TimesFont(row.points));
        // The caption sits on the frame's top line.
        frame->setStyleSheet(
            QStringLiteral("QGroupBox { border: 1px solid rgb(160, 160, 160); margin-top: 10px; }"
                           "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                           " left: 6px; padding: 0 2px; }"));
        control = frame;
        break;
    }
    case ControlKind::Option: {
        auto* option = new QRadioButton(caption, container);
        option->setFont(TimesFont(row.points));
        // Like the labels, an option grows to the right where its text
        // needs more room than the designed box gives.
        option->setGeometry(
            QRect(geometry.topLeft(),
                  QSize(std::max(geometry.width(), option->sizeHint().width()), geometry.height())));
        control = option;
        break;
    }
    case ControlKind::Entry: {
        auto* entry = new QLineEdit(container);
        entry->setGeometry(geometry);
        entry->setFont(TimesFont(row.points));
        entry->setAlignment(Qt::AlignCenter);
        control = entry;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, container);
        button->setGeometry(geometry);
        StyleButton(button, TimesFont(row.points));
        // Enter belongs to the text boxes only.
        button->setAutoDefault(false);
        control = button;
        break;
    }
    }
    control->setObjectName(QString::fromLatin1(row.name));
    return control;
}

}  // namespace

Form2::Form2(Module1& module, QWidget* parent) : QWidget(parent), module_(module) {
    setWindowTitle(tr("Irradiate Condition"));
    MakeFixedWindow(this, DesignedSize);
    ApplyProgramIcon(this);
    buildControls();
    showBeamData(nullptr);

    // Near the top-left corner of the screen, not centred.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft() + QPoint(24, 24));
}

template <typename Control>
Control* Form2::control(const char* name) const {
    return findChild<Control*>(QString::fromLatin1(name));
}

void Form2::buildControls() {
    for (const ControlRow& row : Controls)
        MakeControl(row, row.container ? control<QWidget>(row.container) : this);

    Frame1 = control<QGroupBox>("Frame1");
    Frame2 = control<QGroupBox>("Frame2");
    Frame4 = control<QGroupBox>("Frame4");
    Option1 = control<QRadioButton>("Option1");
    Option2 = control<QRadioButton>("Option2");
    Option3 = control<QRadioButton>("Option3");
    Option4 = control<QRadioButton>("Option4");
    Option5 = control<QRadioButton>("Option5");
    Option6 = control<QRadioButton>("Option6");
    Text1 = control<QLineEdit>("Text1");
    Text2 = control<QLineEdit>("Text2");
    Text3 = control<QLineEdit>("Text3");
    Command1 = control<QPushButton>("Command1");
    Command2 = control<QPushButton>("Command2");

    // The text boxes sit a pixel into the labels beside them; keep them on top.
    for (QLineEdit* text : {Text1, Text2, Text3}) text->raise();
    placeDegreeSigns();
    Command2->setToolTip(tr("   bye   "));
    Option1->setChecked(true);
    Option3->setChecked(true);

    // The option buttons act as soon as they become selected, however that happens.
    const std::pair<QRadioButton*, void (Form2::*)()> clicks[] = {
        {Option1, &Form2::Option1_Click}, {Option2, &Form2::Option2_Click}, {Option3, &Form2::Option3_Click},
        {Option4, &Form2::Option4_Click}, {Option5, &Form2::Option5_Click}, {Option6, &Form2::Option6_Click}};
    for (auto [option, click] : clicks) {
        connect(option, &QRadioButton::toggled, this, [this, click](bool on) {
            if (on) (this->*click)();
        });
        connect(option, &QRadioButton::toggled, this, [this] { keepSelectedOptionsInTabChain(); });
    }
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    for (QLineEdit* text : {Text1, Text2, Text3}) text->installEventFilter(this);

    // Tab order: the selected set-up, OK, Exit, the selected wedge, then the
    // three entries from the bottom up.
    QWidget* chain[] = {Option1, Option2, Command1, Command2, Option3, Option4,
                        Option5, Option6, Text3,    Text2,    Text1};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) setTabOrder(chain[i], chain[i + 1]);
    keepSelectedOptionsInTabChain();
    Option1->setFocus();
}

void Form2::placeDegreeSigns() {
    // Placed from the option's own text width, so that the sign neither
    // covers the number nor is clipped.
    const std::pair<QRadioButton*, const char*> angles[] = {
        {Option4, "Label11"}, {Option5, "Label10"}, {Option6, "Label12"}};
    for (auto [option, signName] : angles) {
        const QStyle* style = option->style();
        const int textLeft = option->x() +
                             style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
                             style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
        const int signLeft = textLeft + option->fontMetrics().horizontalAdvance(option->text());
        control<QLabel>(signName)->move(signLeft, option->y() - 4);
        // The option's own box must reach past the sign, or the sign is cut.
        const int signRight = signLeft + Twips(DegreeSignBox.width);
        option->resize(std::max(option->width(), signRight - option->x()), option->height());
    }
}

void Form2::keepSelectedOptionsInTabChain() {
    // Tab stops at the selected button of each group only; the arrow keys
    // still move between the buttons of a group.
    for (QRadioButton* o : {Option1, Option2, Option3, Option4, Option5, Option6})
        o->setFocusPolicy(o->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void Form2::Option1_Click() { module_.state().Conditions.Setup = BeamSetup::Ssd; }
void Form2::Option2_Click() { module_.state().Conditions.Setup = BeamSetup::Std; }
void Form2::Option3_Click() { SelectWedge(module_.state().Conditions, WedgeFilter::None); }
void Form2::Option4_Click() { SelectWedge(module_.state().Conditions, WedgeFilter::Deg30); }
void Form2::Option5_Click() { SelectWedge(module_.state().Conditions, WedgeFilter::Deg45); }
void Form2::Option6_Click() { SelectWedge(module_.state().Conditions, WedgeFilter::Deg60); }

void Form2::Text1_KeyDown(int key) {
    if (!IsEnterKey(key)) return;
    Text1->setText(QString::fromStdString(ClampEntryText(Text1->text().toStdString(), DepthEntryRange)));
    Text2->setFocus(Qt::OtherFocusReason);
}

void Form2::Text2_KeyDown(int key) {
    if (!IsEnterKey(key)) return;
    Text2->setText(QString::fromStdString(ClampEntryText(Text2->text().toStdString(), FieldEntryRange)));
    Text3->setFocus(Qt::OtherFocusReason);
}

void Form2::Text3_KeyDown(int key) {
    if (!IsEnterKey(key)) return;
    Text3->setText(QString::fromStdString(ClampEntryText(Text3->text().toStdString(), FieldEntryRange)));
    Option3->setFocus(Qt::OtherFocusReason);
}

void Form2::Command1_Click() {
    if (module_.IsCalculating()) return;
    module_.form3()->MeshMode = ChartMesh::FiveCm;
    module_.RunCalculation();
}

void Form2::Command2_Click() { module_.EndProgram(); }

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (IsEnterKey(key)) {
            if (watched == Text1)
                Text1_KeyDown(key);
            else if (watched == Text2)
                Text2_KeyDown(key);
            else if (watched == Text3)
                Text3_KeyDown(key);
            else
                return false;
            return true;
        }
    }
    return false;
}

void Form2::closeEvent(QCloseEvent* event) {
    event->accept();
    module_.EndProgram();
}

void Form2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(255, 255, 255));
    painter.drawRect(Shape2Rect.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(Shape1Rect.adjusted(0, 0, -1, -1));
}

void Form2::showBeamData(const OwnBeamData* own) {
    if (BeamDataLabel == nullptr) {
        BeamDataLabel = new QLabel(this);
        BeamDataLabel->setObjectName(QStringLiteral("BeamDataLabel"));
        BeamDataLabel->setFont(TimesFont(11.25));
        BeamDataLabel->setTextFormat(Qt::PlainText);  // a heading's "<b>" shows as typed
        BeamDataLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        BeamDataLabel->hide();
    }
    int shift = 0;
    if (own != nullptr) {
        // Two lines the width of the frame, just under it; the controls below
        // move down only as far as the lines need beyond the gap there is.
        // The text is kept a few pixels short, for the ink of its last glyph,
        const QFontMetrics metrics(BeamDataLabel->font());
        const int width = Shape1Rect.width();
        BeamDataLabel->setText(BeamDataNames::fileLine(*own, metrics, width - 4) + u'\n' +
                               BeamDataNames::headingLine(*own, metrics, width - 4));
        // (and a little taller than the font's lines, for the ink of its descenders).
        BeamDataLabel->setGeometry(Shape1Rect.left(), Shape1Rect.bottom() + 4, width,
                                   BeamDataLabel->sizeHint().height() + 2);
        shift = std::max(0, BeamDataLabel->geometry().bottom() + 6 - (Frame1->y() - beamDataShift_));
    }
    BeamDataLabel->setVisible(own != nullptr);
    for (QWidget* below : std::initializer_list<QWidget*>{Frame1, Frame4, Frame2, Command1, Command2})
        below->move(below->x(), below->y() + shift - beamDataShift_);
    beamDataShift_ = shift;
    setFixedSize(DesignedSize + QSize(0, shift));
}

}  // namespace corvane
