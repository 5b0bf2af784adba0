#include "windows/Form2.h"

#include "qtsurface/Fonts.h"
#include "state/CalculationState.h"
#include "state/LeadingNumber.h"
#include "state/WedgeOptions.h"
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

namespace corvane {

QString ClampEntry(const QString& text, double lower, const QString& lowerText, double upper,
                   const QString& upperText) {
    QString result = text;
    if (ParseLeadingNumber(result.toStdString()) < lower) result = lowerText;
    if (ParseLeadingNumber(result.toStdString()) > upper) result = upperText;
    return result;
}

namespace {

bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The etched frame round the heading: a white outline with a grey one a
// pixel further down and right.
constexpr QRect Shape2Rect = TwipsRect(465, 345, 4935, 1215);
constexpr QRect Shape1Rect = TwipsRect(480, 360, 4935, 1215);

}  // namespace

Form2::Form2(Module1& module, QWidget* parent) : QWidget(parent), module_(module) {
    setWindowTitle(QStringLiteral("Irradiate Condition"));
    MakeFixedWindow(this, QSize(Twips(5895), Twips(7290)));
    ApplyProgramIcon(this);
    buildControls();

    // Near the top-left corner of the screen, not centred.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft() + QPoint(24, 24));
}

void Form2::buildControls() {
    auto label = [](QWidget* parent, const QString& caption, QRect geometry, const QFont& font) {
        auto* l = new QLabel(caption, parent);
        l->setFont(font);
        // Where the face that renders the font here runs a little wider than
        // the designed box, the box grows to the right instead of clipping.
        geometry.setWidth(std::max(geometry.width(), l->sizeHint().width()));
        l->setGeometry(geometry);
        return l;
    };
    auto boxed = [&](QWidget* parent, const char* name, const QString& caption, QRect geometry) {
        QLabel* l = label(parent, caption, geometry, TimesFont(14.25));
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(Qt::AlignCenter);
        StyleLabel(l, LightYellow, true);
        return l;
    };
    auto option = [](QWidget* parent, const char* name, const QString& caption, QRect geometry,
                     double points) {
        auto* o = new QRadioButton(caption, parent);
        o->setObjectName(QString::fromLatin1(name));
        o->setGeometry(geometry);
        o->setFont(TimesFont(points));
        return o;
    };
    auto entry = [](QWidget* parent, const char* name, QRect geometry) {
        auto* t = new QLineEdit(parent);
        t->setObjectName(QString::fromLatin1(name));
        t->setGeometry(geometry);
        t->setFont(TimesFont(14.25));
        t->setAlignment(Qt::AlignCenter);
        return t;
    };
    auto frame = [this](const char* name, const QString& caption, QRect geometry) {
        auto* f = new QGroupBox(caption, this);
        f->setObjectName(QString::fromLatin1(name));
        f->setGeometry(geometry);
        f->setFont(TimesFont(14.25));
        // The caption sits on the frame's top line.
        f->setStyleSheet(
            QStringLiteral("QGroupBox { border: 1px solid rgb(160, 160, 160); margin-top: 10px; }"
                           "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                           " left: 6px; padding: 0 2px; }"));
        return f;
    };

    label(this, QStringLiteral("6 MV X-ray  (SAD = 100 cm)"), TwipsRect(720, 480, 3735, 345),
          TimesFont(15.75))
        ->setObjectName(QStringLiteral("Label13"));
    label(this, QStringLiteral("Water phantom (thickness = 25 cm)"), TwipsRect(720, 960, 4440, 345),
          TimesFont(15.75))
        ->setObjectName(QStringLiteral("Label14"));

    Frame1 = frame("Frame1", QStringLiteral("Mode"), TwipsRect(480, 1800, 4935, 855));
    Option1 = option(Frame1, "Option1", QStringLiteral("SSD (100cm)"), TwipsRect(480, 360, 1695, 255), 12);
    Option2 = option(Frame1, "Option2", QStringLiteral("STD (100cm)"), TwipsRect(2760, 360, 1695, 255), 12);

    Frame4 = frame("Frame4", QStringLiteral(" Depth and Field Size "), TwipsRect(480, 2880, 4935, 2055));
    boxed(Frame4, "Label1", QStringLiteral("Depth of target"), TwipsRect(240, 480, 2820, 375));
    Text1 = entry(Frame4, "Text1", TwipsRect(3000, 480, 1095, 390));
    boxed(Frame4, "Label4", QStringLiteral("cm"), TwipsRect(4080, 480, 615, 375));
    boxed(Frame4, "Label2", QStringLiteral("Field Width at SAD"), TwipsRect(240, 960, 2805, 375));
    Text2 = entry(Frame4, "Text2", TwipsRect(3000, 960, 1095, 375));
    boxed(Frame4, "Label5", QStringLiteral("cm"), TwipsRect(4080, 960, 615, 375));
    boxed(Frame4, "Label3", QStringLiteral("Field Length at SAD"), TwipsRect(240, 1440, 2775, 375));
    Text3 = entry(Frame4, "Text3", TwipsRect(3000, 1440, 1095, 375));
    boxed(Frame4, "Label6", QStringLiteral("cm"), TwipsRect(4080, 1440, 615, 375));
    // The text boxes sit a pixel into the labels beside them; keep them on top.
    for (QLineEdit* text : {Text1, Text2, Text3}) text->raise();

    Frame2 = frame("Frame2", QStringLiteral("Wedge filter"), TwipsRect(480, 5160, 4935, 975));
    Option3 = option(Frame2, "Option3", QStringLiteral("Non"), TwipsRect(360, 360, 855, 375), 14.25);
    Option4 = option(Frame2, "Option4", QStringLiteral("30"), TwipsRect(1560, 360, 615, 375), 14.25);
    Option5 = option(Frame2, "Option5", QStringLiteral("45"), TwipsRect(2640, 360, 615, 375), 14.25);
    Option6 = option(Frame2, "Option6", QStringLiteral("60"), TwipsRect(3600, 360, 615, 375), 14.25);
    // A degree sign right after each angle. Placed from the option's own
    // text width so that it neither covers the number nor is clipped.
    const QFont degreeFont = NamedFont(QString::fromUtf8("ＭＳ Ｐゴシック"), 15.75);
    const char* degreeNames[] = {"Label11", "Label10", "Label12"};
    int n = 0;
    for (QRadioButton* o : {Option4, Option5, Option6}) {
        const int textLeft = o->x() +
                             o->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, o) +
                             o->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, o);
        const int textWidth = o->fontMetrics().horizontalAdvance(o->text());
        const QString degree = QString::fromUtf8("°");
        QLabel* sign = label(Frame2, degree, QRect(textLeft + textWidth, o->y() - 4, 14, 20), degreeFont);
        sign->setObjectName(QString::fromLatin1(degreeNames[n++]));
        sign->setAttribute(Qt::WA_TransparentForMouseEvents);
        // The option's own box must reach past the sign, or the sign is cut.
        o->resize(std::max(o->width(), textLeft + textWidth + 14 - o->x()), o->height());
    }

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(TwipsRect(1080, 6360, 1575, 615));
    StyleButton(Command1, TimesFont(15.75));
    Command2 = new QPushButton(QStringLiteral("Exit"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(TwipsRect(3240, 6360, 1575, 615));
    Command2->setToolTip(QStringLiteral("   bye   "));
    StyleButton(Command2, TimesFont(15.75));
    // Enter belongs to the text boxes only.
    Command1->setAutoDefault(false);
    Command2->setAutoDefault(false);

    Option1->setChecked(true);
    Option3->setChecked(true);

    // The option buttons act as soon as they become selected, however that happens.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option2_Click();
    });
    connect(Option3, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option3_Click();
    });
    connect(Option4, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option4_Click();
    });
    connect(Option5, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option5_Click();
    });
    connect(Option6, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option6_Click();
    });
    for (QRadioButton* o : {Option1, Option2, Option3, Option4, Option5, Option6})
        connect(o, &QRadioButton::toggled, this, [this] { keepSelectedOptionsInTabChain(); });
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

void Form2::keepSelectedOptionsInTabChain() {
    // Tab stops at the selected button of each group only; the arrow keys
    // still move between the buttons of a group.
    for (QRadioButton* o : {Option1, Option2, Option3, Option4, Option5, Option6})
        o->setFocusPolicy(o->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void Form2::Option1_Click() { module_.state().Conditions.Setup = BeamSetup::Ssd; }
void Form2::Option2_Click() { module_.state().Conditions.Setup = BeamSetup::Std; }
void Form2::Option3_Click() { SelectWedge(module_.state(), WedgeFilter::None); }
void Form2::Option4_Click() { SelectWedge(module_.state(), WedgeFilter::Deg30); }
void Form2::Option5_Click() { SelectWedge(module_.state(), WedgeFilter::Deg45); }
void Form2::Option6_Click() { SelectWedge(module_.state(), WedgeFilter::Deg60); }

void Form2::Text1_KeyDown(int key) {
    if (!IsEnterKey(key)) return;
    Text1->setText(ClampEntry(Text1->text(), 1.5, QStringLiteral("1.5"), 20, QStringLiteral("20")));
    Text2->setFocus(Qt::OtherFocusReason);
}

void Form2::Text2_KeyDown(int key) {
    if (!IsEnterKey(key)) return;
    Text2->setText(ClampEntry(Text2->text(), 4, QStringLiteral("4"), 30, QStringLiteral("30")));
    Text3->setFocus(Qt::OtherFocusReason);
}

void Form2::Text3_KeyDown(int key) {
    if (!IsEnterKey(key)) return;
    Text3->setText(ClampEntry(Text3->text(), 4, QStringLiteral("4"), 30, QStringLiteral("30")));
    Option3->setFocus(Qt::OtherFocusReason);
}

void Form2::Command1_Click() {
    if (module_.IsCalculating()) return;
    module_.state().MeshMode = ChartMesh::FiveCm;
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

}  // namespace corvane
