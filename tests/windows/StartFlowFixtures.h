// Shared by the tests of the start, method and data table windows and of the
// road through the windows: a log of message boxes for windows made without
// a program, the tab chain of a shown window, and where a label's text really
// lands on screen.
#pragma once

#include "support/ProgramHarness.h"
#include "windows/MessageBoxes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>
#include <QtTest>

#include <vector>

namespace corvane::testing {

// Answers every message box with OK (or Yes) and keeps what it said.
class MessageLog {
public:
    MessageLog() {
        MessageBoxes::setHandler([this](const MessageRequest& request) {
            requests.push_back(request);
            return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
        });
    }
    ~MessageLog() { MessageBoxes::setHandler({}); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    std::vector<MessageRequest> requests;
};

// Shown for the first time, `window` has the focus on `first`; Tab then
// moves it through `next` in order.
inline void VerifyTabChain(QWidget* window, QWidget* first, const QList<QWidget*>& next) {
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), first);
    for (QWidget* expected : next) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
}

// The rectangle the glyphs of a top-aligned, single-line label cover.
inline QRect InkRect(const QLabel* label) {
    const QFontMetrics metrics(label->font());
    const QRect tight = metrics.tightBoundingRect(label->text());
    return tight.translated(label->x(), label->y() + metrics.ascent());
}

// Every label of `window` shows its whole text (nothing clipped), and no two
// labels' glyphs overlap; `inGaps` are set into gaps of another label's text
// and are checked by the caller.
inline void VerifyLabelsReadable(const QWidget* window, const QList<const QLabel*>& inGaps = {}) {
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    std::vector<const QLabel*> texts;
    for (const QLabel* label : labels) {
        if (label->text().isEmpty()) continue;
        if (!inGaps.contains(label)) texts.push_back(label);
        const QSize needed = label->sizeHint();
        QVERIFY2(label->width() >= needed.width() && label->height() >= needed.height(),
                 qPrintable(label->text()));
        QVERIFY2(window->rect().contains(label->geometry()), qPrintable(label->text()));
    }
    for (std::size_t a = 0; a < texts.size(); ++a)
        for (std::size_t b = a + 1; b < texts.size(); ++b)
            QVERIFY2(!InkRect(texts[a]).intersects(InkRect(texts[b])),
                     qPrintable(texts[a]->text() + QStringLiteral(" / ") + texts[b]->text()));
}

}  // namespace corvane::testing
