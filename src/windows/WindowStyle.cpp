#include "windows/WindowStyle.h"

#include "assets/Pictures.h"
#include "qtsurface/Fonts.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace corvane {

QFont TimesFont(double points) { return NamedFont(QStringLiteral("Times New Roman"), points); }

void StyleButton(QAbstractButton* button, const QFont& font) {
    button->setFont(font);
    // The face colour comes through the palette so that the style still
    // draws the pressed, focused and disabled looks itself.
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, LightYellow);
    button->setPalette(palette);
    button->setAutoFillBackground(false);
}

void StyleLabel(QLabel* label, const QColor& background, bool boxed) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    if (boxed) {
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
    }
}

void MakeFixedWindow(QWidget* window, const QSize& clientSize) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(clientSize);
}

void ApplyProgramIcon(QWidget* window) { window->setWindowIcon(ProgramIcon()); }

}  // namespace corvane
