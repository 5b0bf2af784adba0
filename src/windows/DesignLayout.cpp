#include "windows/DesignLayout.h"

#include "assets/Pictures.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace corvane {

void MakeFixedCentredWindow(QWidget* window, QSize client, bool dialog) {
    MakeFixedWindow(window, client);
    if (dialog) window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    window->setWindowIcon(ProgramIcon());

    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    window->move(area.x() + std::max(0, (area.width() - client.width()) / 2),
                 area.y() + std::max(0, (area.height() - client.height()) / 2));
}

void PlaceLabel(QLabel* label, const QRect& designed) {
    label->setFrameShape(QFrame::NoFrame);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMargin(0);
    label->setIndent(0);
    const QSize needed = label->sizeHint();
    label->setGeometry(designed.x(), designed.y(), std::max(designed.width(), needed.width()),
                       std::max(designed.height(), needed.height()));
}

void PressButtonsOnEnter(QWidget* window) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) button->setAutoDefault(true);
}

}  // namespace corvane
