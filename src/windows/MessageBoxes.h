// The one seam every message box of the program goes through, so that tests
// can read each message and answer it.
#pragma once

#include "state/MessageText.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

namespace corvane {

enum class MessageIcon { None, Exclamation, Critical, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QString text;
    QString caption;  // always "Corvane"
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // Lines shown under the text, in a box of their own that scrolls, so
    // that a long list neither lengthens the message nor outgrows the screen.
    QString details;
};

class MessageBoxes {
    Q_DECLARE_TR_FUNCTIONS(MessageBoxes)

public:
    using Handler = std::function<MessageAnswer(const MessageRequest&)>;

    // Shows a modal box captioned "Corvane" and returns the answer; with a
    // handler installed, the handler answers instead and no box appears.
    // With a language chosen, Yes and No are in that language; in the
    // designed mix they are Qt's own.
    static MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                              MessageButtons buttons = MessageButtons::Ok);
    // An OK box with its details shown.
    static void showWithDetails(QWidget* parent, const QString& text, const QString& details,
                                MessageIcon icon);

    // Installs (or, with an empty handler, removes) the test handler.
    static void setHandler(Handler handler);
};

inline constexpr const char* ApplicationTitle = "Corvane";

// `text` cut to at most `limit` characters, ending with "…" where it was
// longer, so that no message is longer than MessageCharacterLimit.
QString LimitedMessage(const QString& text, qsizetype limit = MessageCharacterLimit);

}  // namespace corvane
