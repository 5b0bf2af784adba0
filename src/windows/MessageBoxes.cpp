#include "windows/MessageBoxes.h"

#include "windows/LanguageChoice.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <algorithm>
#include <utility>

namespace corvane {

namespace {
MessageBoxes::Handler& installedHandler() {
    static MessageBoxes::Handler handler;
    return handler;
}

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer Ask(QWidget* parent, const MessageRequest& request) {
    if (installedHandler()) return installedHandler()(request);

    const MessageButtons buttons = request.buttons;
    QMessageBox box(toQtIcon(request.icon), request.caption, request.text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    parent);
    // Messages carry text from files and paths; "<b>" must show as typed.
    box.setTextFormat(Qt::PlainText);
    if (!request.details.isEmpty()) {
        box.setDetailedText(request.details);
        // Shown at once: its button is the box's one button of the action role.
        for (QAbstractButton* button : box.buttons())
            if (box.buttonRole(button) == QMessageBox::ActionRole) button->click();
    }
    if (buttons == MessageButtons::YesNo && InstalledLanguage() != Language::Default) {
        box.button(QMessageBox::Yes)->setText(MessageBoxes::tr("&Yes"));
        box.button(QMessageBox::No)->setText(MessageBoxes::tr("&No"));
    }
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}
}  // namespace

MessageAnswer MessageBoxes::show(QWidget* parent, const QString& text, MessageIcon icon,
                                 MessageButtons buttons) {
    return Ask(parent, {text, QString::fromUtf8(ApplicationTitle), icon, buttons, {}});
}

void MessageBoxes::showWithDetails(QWidget* parent, const QString& text, const QString& details,
                                   MessageIcon icon) {
    Ask(parent, {text, QString::fromUtf8(ApplicationTitle), icon, MessageButtons::Ok, details});
}

void MessageBoxes::setHandler(Handler handler) { installedHandler() = std::move(handler); }

QString LimitedMessage(const QString& text, qsizetype limit) {
    return QString::fromStdString(
        LimitMessageLength(text.toStdString(), static_cast<std::size_t>(std::max<qsizetype>(0, limit))));
}

}  // namespace corvane
