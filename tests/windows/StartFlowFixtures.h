// Shared by the tests of the start, method and data table windows: a working
// directory holding a data file, a log of message boxes, screenshots, and
// where a label's text really lands on screen.
#pragma once

#include "windows/MessageBoxes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <vector>

namespace corvane::testing {

// Makes a fresh temporary directory the working directory, where the data
// file lookup looks first, with a copy of the bundled data file in it.
class DataFileDirectory {
public:
    DataFileDirectory() : previous_(QDir::currentPath()) {
        QDir::setCurrent(dir_.path());
        QFile::copy(QStringLiteral(CORVANE_TEST_DATA_FILE), path());
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    }
    ~DataFileDirectory() { QDir::setCurrent(previous_); }
    DataFileDirectory(const DataFileDirectory&) = delete;
    DataFileDirectory& operator=(const DataFileDirectory&) = delete;

    QString path() const { return dir_.filePath(QStringLiteral("6MVTMROCR.dat")); }

    QByteArray read() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QByteArray& bytes) const {
        QFile file(path());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write the data file");
        file.write(bytes);
    }
    // The first `count` lines of the bundled file, each with its CR LF.
    QByteArray firstLines(int count) const {
        QFile file(QStringLiteral(CORVANE_TEST_DATA_FILE));
        if (!file.open(QIODevice::ReadOnly)) return {};
        QByteArray bytes;
        for (int i = 0; i < count && !file.atEnd(); ++i) bytes += file.readLine();
        return bytes;
    }

private:
    QString previous_;
    QTemporaryDir dir_;
};

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

inline void SaveScreenshot(QWidget* window, const QString& name) {
    QDir().mkpath(QStringLiteral(CORVANE_SCREENSHOT_DIR));
    const QString file = QStringLiteral(CORVANE_SCREENSHOT_DIR "/") + name + QStringLiteral(".png");
    QVERIFY2(window->grab().save(file), qPrintable(file));
}

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
