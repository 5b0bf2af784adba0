#include "windows/Form1.h"

#include "assets/Pictures.h"
#include "qtsurface/Fonts.h"
#include "windows/DesignLayout.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace corvane {

namespace {
const QString RoundGothic = QStringLiteral("HG丸ｺﾞｼｯｸM-PRO");

QLabel* MakeTitle(QWidget* parent, const QString& text, const QRect& designed) {
    auto* label = new QLabel(text, parent);
    label->setFont(NamedFont(RoundGothic, 18));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    PlaceLabel(label, designed);
    return label;
}
}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setWindowTitle(tr(" Corvane of 6 MV X-ray Beam"));
    setObjectName(QStringLiteral("Form1"));
    MakeFixedCentredWindow(this, TwipsSize(10380, 9090), false);

    Label2 = MakeTitle(this, tr("高エネルギーX線 基本線量分布の計算法"), TwipsRect(1680, 240, 6510, 360));
    Label4 = MakeTitle(this, tr("6 MV X線"), TwipsRect(4200, 720, 1770, 360));

    Picture2 = new QLabel(this);
    Picture2->setPixmap(DogPicture());
    Picture2->setGeometry(QRect(TwipsRect(9360, 600, 0, 0).topLeft(), Picture2->pixmap().size()));
    Picture2->setToolTip(tr("   Woo !  "));
    Picture2->setFocusPolicy(Qt::TabFocus);

    Picture1 = new QLabel(this);
    Picture1->setGeometry(TwipsRect(480, 1320, 9375, 6495));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(SamplePicture());
    Picture1->setFocusPolicy(Qt::TabFocus);

    const QFont buttonFont = NamedFont(RoundGothic, 14.25);
    Command1 = new QPushButton(tr("スタート"), this);
    Command1->setGeometry(TwipsRect(1080, 8040, 3375, 615));
    StyleButton(Command1, buttonFont);

    Command4 = new QPushButton(tr("計算方法の概説"), this);
    Command4->setGeometry(TwipsRect(5160, 8040, 3375, 615));
    StyleButton(Command4, buttonFont);

    Command2 = new QPushButton(this);
    Command2->setGeometry(TwipsRect(9240, 8040, 495, 495));
    StyleButton(Command2, buttonFont);
    Command2->setIcon(QIcon(ExitSignPicture()));
    Command2->setIconSize(QSize(32, 32));
    Command2->setToolTip(tr(" bye "));
    Command2->setAccessibleName(tr("Exit"));

    Label1 = new QLabel(tr("Corvane project"), this);
    Label1->setFont(TimesFont(9.75));
    QPalette grey = Label1->palette();
    grey.setColor(QPalette::WindowText, QColor(128, 128, 128));
    Label1->setPalette(grey);
    PlaceLabel(Label1, TwipsRect(4080, 8760, 2085, 225));

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);

    PressButtonsOnEnter(this);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Picture1);
    setTabOrder(Picture1, Command4);
    setTabOrder(Command4, Picture2);
    Command1->setFocus();
}

void Form1::Command1_Click() { emit startRequested(); }

void Form1::Command2_Click() { emit exitRequested(); }

void Form1::Command4_Click() { emit methodWindowRequested(); }

}  // namespace corvane
