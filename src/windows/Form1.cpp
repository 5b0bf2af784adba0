#include "windows/Form1.h"

#include "assets/Pictures.h"
#include "qtsurface/Fonts.h"
#include "state/MessageText.h"
#include "windows/BeamDataNames.h"
#include "windows/DesignLayout.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

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

// The one local file (not a folder) that `mime` carries; empty otherwise.
QString DroppedFile(const QMimeData* mime) {
    if (mime == nullptr || mime->urls().size() != 1 || !mime->urls().front().isLocalFile()) return {};
    const QString path = mime->urls().front().toLocalFile();
    return QFileInfo(path).isDir() ? QString() : path;
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

    // Under the start button, left of the credit: the window's free space.
    BeamDataButton = new QToolButton(this);
    BeamDataButton->setObjectName(QStringLiteral("BeamDataButton"));
    BeamDataButton->setGeometry(TwipsRect(1080, 8715, 2880, 315));
    StyleButton(BeamDataButton, TimesFont(10.5));
    BeamDataButton->setPopupMode(QToolButton::MenuButtonPopup);
    BeamDataButton->setMenu(new QMenu(BeamDataButton));
    connect(BeamDataButton->menu(), &QMenu::aboutToShow, this, &Form1::fillDataMenu);
    connect(BeamDataButton, &QToolButton::clicked, this, &Form1::chooseDataFileByDialog);
    setAcceptDrops(true);
    showDataChoice();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);

    PressButtonsOnEnter(this);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Picture1);
    setTabOrder(Picture1, Command4);
    setTabOrder(Command4, Picture2);
    setTabOrder(Picture2, BeamDataButton);
    Command1->setFocus();
}

void Form1::chooseDataFile(const QString& path) {
    dataChoice_.choose(path);
    showDataChoice();
}

void Form1::chooseBundledData() {
    dataChoice_.chooseBundled();
    showDataChoice();
}

void Form1::chooseDataFileByDialog() {
    const QString chosen = BeamDataFileDialog::choose(this, tr("Choose the beam data file"),
                                                      tr("Beam data") + QStringLiteral(" (*.dat *.txt);;") +
                                                          tr("All files") + QStringLiteral(" (*)"));
    if (!chosen.isEmpty()) chooseDataFile(chosen);
}

void Form1::fillDataMenu() {
    QMenu* menu = BeamDataButton->menu();
    menu->clear();
    menu->addAction(tr("Choose a file…"), this, &Form1::chooseDataFileByDialog);
    menu->addSeparator();
    // The files that loaded last, by their paths made safe ("&" would mark a key).
    for (const QString& path : RecentBeamDataFiles()) {
        const QString shown = QString::fromStdString(PathForMessage(path.toStdString(), 70));
        QAction* recent = menu->addAction(QString(shown).replace(u'&', QStringLiteral("&&")));
        recent->setCheckable(true);
        recent->setChecked(path == dataChoice_.chosen());
        connect(recent, &QAction::triggered, this, [this, path] { chooseDataFile(path); });
    }
    menu->addSeparator();
    QAction* bundled = menu->addAction(tr("Bundled data"), this, &Form1::chooseBundledData);
    bundled->setCheckable(true);
    bundled->setChecked(dataChoice_.isBundled());
}

void Form1::showDataChoice() {
    // The text is shortened to the face, beside the menu's arrow.
    const int arrow =
        BeamDataButton->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, BeamDataButton);
    const QString caption = BeamDataNames::choiceCaption(dataChoice_, BeamDataButton->fontMetrics(),
                                                         BeamDataButton->width() - arrow - 12);
    BeamDataButton->setText(QString(caption).replace(u'&', QStringLiteral("&&")));
    BeamDataButton->setToolTip(BeamDataNames::choiceTip(dataChoice_));
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty()) return;
    chooseDataFile(path);
    event->acceptProposedAction();
}

void Form1::Command1_Click() { emit startRequested(); }

void Form1::Command2_Click() { emit exitRequested(); }

void Form1::Command4_Click() { emit methodWindowRequested(); }

}  // namespace corvane
