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

void PlaceLabel(QLabel* label, const QRect& designed, int bottom) {
    label->setFrameShape(QFrame::NoFrame);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMargin(0);
    label->setIndent(0);
    const QString text = label->text();
    const int overhang =
        text.isEmpty() ? 0 : std::max(0, -label->fontMetrics().tightBoundingRect(text.left(1)).left());
    label->setContentsMargins(overhang, 0, 0, 0);
    const QSize needed = label->sizeHint();
    const int height = std::max(designed.height(), needed.height());
    const int top = designed.y() + height > bottom ? std::max(0, bottom - height) : designed.y();
    label->setGeometry(designed.x() - overhang, top, std::max(designed.width() + overhang, needed.width()),
                       height);
}

void GrowAroundCentre(QLabel* label) {
    const QRect box = label->geometry();
    const QSize needed = label->sizeHint().expandedTo(box.size());
    label->setGeometry(box.x() - (needed.width() - box.width()) / 2,
                       box.y() - (needed.height() - box.height()) / 2, needed.width(), needed.height());
}

void PressButtonsOnEnter(QWidget* window) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) button->setAutoDefault(true);
}

}  // namespace corvane
