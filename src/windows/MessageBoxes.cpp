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
}  // namespace

MessageAnswer MessageBoxes::show(QWidget* parent, const QString& text, MessageIcon icon,
                                 MessageButtons buttons) {
    MessageRequest request{text, QString::fromUtf8(ApplicationTitle), icon, buttons};
    if (installedHandler()) return installedHandler()(request);

    QMessageBox box(toQtIcon(icon), request.caption, text,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    parent);
    // Messages carry text from files and paths; "<b>" must show as typed.
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::YesNo && InstalledLanguage() != Language::Default) {
        box.button(QMessageBox::Yes)->setText(tr("&Yes"));
        box.button(QMessageBox::No)->setText(tr("&No"));
    }
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void MessageBoxes::setHandler(Handler handler) { installedHandler() = std::move(handler); }

QString LimitedMessage(const QString& text, qsizetype limit) {
    return QString::fromStdString(
        LimitMessageLength(text.toStdString(), static_cast<std::size_t>(std::max<qsizetype>(0, limit))));
}

}  // namespace corvane
