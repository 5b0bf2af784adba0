#include "windows/Form3.h"

#include "chart/TextRules.h"
#include "windows/CalculationState.h"
#include "windows/ChartCoordinates.h"
#include "windows/ChartPictureBox.h"
#include "windows/ChartWindowTools.h"
#include "windows/DesignLayout.h"
#include "windows/DoseReadout.h"
#include "windows/Module1.h"
#include "windows/WindowStyle.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace corvane {

namespace {

QString WholeNumberText(int value) { return QString::fromStdString(FormatWholeNumber(value)); }

}  // namespace

Form3::Form3(Module1& module, QWidget* parent) : QWidget(parent), module_(module) {
    setWindowTitle(QStringLiteral("Corvane"));  // the program's name, in every language
    MakeFixedWindow(this, QSize(Twips(15300), Twips(10680)));
    ApplyProgramIcon(this);
    // The title-bar close destroys the window; the next run builds a new one.
    setAttribute(Qt::WA_DeleteOnClose);

    Picture1 = new ChartPictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->move(Twips(120), Twips(120));
    Picture1->setFont(TimesFont(15.75));
    connect(Picture1, &ChartPictureBox::mouseMovedTo, this, &Form3::Picture1_MouseMove);

    buildReadoutPanel();

    const QFont buttonFont = TimesFont(14.25);
    auto makeButton = [&](const char* name, const QString& caption, QRect geometry) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(geometry);
        StyleButton(button, buttonFont);
        button->raise();  // the buttons lie over the picture's bottom strip
        return button;
    };
    Command1 = makeButton("Command1", tr("Print Corvane"), TwipsRect(2640, 9960, 2535, 495));
    Command2 = makeButton("Command2", tr("Close"), TwipsRect(14040, 9960, 1095, 495));
    Command3 = makeButton("Command3", tr("Change mesh size"), TwipsRect(120, 9960, 2295, 495));
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);

    setTabOrder(Picture1, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    Picture1->setFocus();

    // Key preview: the window sees each key before the control with the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    tools_ = new ChartWindowTools(*this);

    // Centred on the screen when first shown.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placed(QPoint(0, 0), size());
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft());
    }
}

Form3::~Form3() = default;

void Form3::buildReadoutPanel() {
    const QFont font = TimesFont(15.75);
    // Readout positions are given from the picture's inner top-left corner.
    auto inner = [](int left, int top, int width, int height) {
        return TwipsRect(left, top, width, height).translated(PictureBorder, PictureBorder);
    };
    auto makeLabel = [&](const char* name, const QString& caption, QRect geometry, bool cyan) {
        auto* label = new QLabel(caption, Picture1);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(geometry);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        if (cyan)
            StyleLabel(label, LightCyan, false);
        else
            GrowAroundCentre(label);  // on the picture's white: it may grow unseen
        return label;
    };
    auto makeText = [&](const char* name, QRect geometry) {
        auto* text = new QLineEdit(Picture1);
        text->setObjectName(QString::fromLatin1(name));
        text->setGeometry(geometry);
        text->setFont(font);
        text->setAlignment(Qt::AlignCenter);
        QPalette palette = text->palette();
        palette.setColor(QPalette::Base, LightYellow);
        palette.setColor(QPalette::Text, Qt::black);
        text->setPalette(palette);
        return text;
    };
    Label4 = makeLabel("Label4", tr("cursor position"), inner(1200, 600, 1890, 345), false);
    Label1 = makeLabel("Label1", tr("off center"), inner(120, 1080, 1695, 480), true);
    Text1 = makeText("Text1", inner(1800, 1080, 1095, 480));
    Label8 = makeLabel("Label8", QStringLiteral("mm"), inner(2880, 1080, 735, 480), true);
    Label2 = makeLabel("Label2", tr("depth"), inner(120, 1560, 1695, 480), true);
    Text2 = makeText("Text2", inner(1800, 1560, 1095, 480));
    Label7 = makeLabel("Label7", QStringLiteral("mm"), inner(2880, 1560, 735, 480), true);
    Label3 = makeLabel("Label3", tr("Dose"), inner(120, 2160, 1695, 480), true);
    Text3 = makeText("Text3", inner(1800, 2160, 1095, 480));
    Label6 = makeLabel("Label6", QStringLiteral("%"), inner(2880, 2160, 735, 480), true);
    // The boxes overlap their neighbouring labels by a pixel; keep them on top.
    for (QLineEdit* text : {Text1, Text2, Text3}) text->raise();
}

void Form3::ClearReadout() {
    Picture1->setCrossHairVisible(false);
    Text1->clear();
    Text2->clear();
    Text3->clear();
}

void Form3::showDoseBox(int i, int j) {
    const std::shared_ptr<const DoseCalculation>& result = module_.state().Result;
    Text3->setText(result ? DoseBoxText(result->DoseGrid(i, j)) : QString());
}

void Form3::Picture1_MouseMove(float X, float Y) {
    if (IsOutsideChart(X, Y)) {
        CursorInChart = false;
        Picture1->unsetCursor();
        Picture1->setCrossHairVisible(false);
        Text1->clear();
        Text2->clear();
        Text3->clear();
        return;
    }
    CursorInChart = true;
    Picture1->setCursor(Qt::CrossCursor);
    const int ix = ChartCell(X);
    const int iy = ChartCell(Y);
    Picture1->setLine1Y(iy);
    Picture1->setLine2X(ix);
    Picture1->setCrossHairVisible(true);
    Text1->setText(WholeNumberText(ix - AxisColumn));
    Text2->setText(WholeNumberText(iy));
    showDoseBox(ix, iy);
    cursorX_ = static_cast<float>(ix);
    cursorY_ = static_cast<float>(iy);
    tools_->followCursor();
}

void Form3::Form_KeyDown(int key) {
    CursorKey arrow;
    switch (key) {
    case Qt::Key_Right: arrow = CursorKey::Right; break;
    case Qt::Key_Left: arrow = CursorKey::Left; break;
    case Qt::Key_Down: arrow = CursorKey::Down; break;
    case Qt::Key_Up: arrow = CursorKey::Up; break;
    default: return;
    }
    // One cell a key, never past the chart area's edges: the rule every
    // front end steps the cross-hair by.
    ChartCursor cursor{CursorInChart, cursorX_, cursorY_};
    if (!StepCursor(cursor, arrow)) return;
    cursorX_ = cursor.CursorX;
    cursorY_ = cursor.CursorY;
    const int ix = static_cast<int>(cursorX_);
    const int iy = static_cast<int>(cursorY_);
    if (key == Qt::Key_Right || key == Qt::Key_Left) {
        Picture1->setLine2X(ix);
        Text1->setText(WholeNumberText(ix - AxisColumn));
    } else {
        Picture1->setLine1Y(iy);
        Text2->setText(WholeNumberText(iy));
    }
    showDoseBox(ix, iy);
    tools_->followCursor();
}

void Form3::Command1_Click() { module_.PrintChart(*this); }

void Form3::Command2_Click() { hide(); }

void Form3::Command3_Click() {
    if (module_.IsCalculating()) return;
    MeshMode = MeshMode == ChartMesh::FiveCm ? ChartMesh::OneCm : ChartMesh::FiveCm;
    module_.RunCalculation();
}

void Form3::Form_Click() { Command1->setEnabled(false); }

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // A key goes to the focused control first and then, if that control
        // ignores it, to its parents; preview it only at the first of these.
        QWidget* target = focusWidget() ? focusWidget() : this;
        if (watched == target) {
            const auto* key = static_cast<QKeyEvent*>(event);
            Form_KeyDown(key->key());
            // Ctrl+S and Ctrl+C of the picture's menu stop here.
            if (tools_ != nullptr && tools_->handleShortcut(*key, target)) return true;
        }
    }
    return false;
}

void Form3::closeEvent(QCloseEvent* event) {
    hide();
    module_.Form3_Unload(this);
    event->accept();
}

void Form3::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) tools_->chartWindowHidden();
}

void Form3::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) tools_->chartWindowShown();
}

void Form3::mousePressEvent(QMouseEvent* event) {
    // Only presses on the window's own surface arrive here: the picture and
    // the buttons take their own.
    pressedOnSurface_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Form3::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressedOnSurface_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressedOnSurface_ = false;
    event->accept();
    if (click) Form_Click();
}

}  // namespace corvane
