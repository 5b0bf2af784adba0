#include "windows/ApplicationStart.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace corvane {

namespace {

// What Qt says while the QApplication is being made, held back until it is
// known whether the platform started.
struct HeldNote {
    QtMsgType type;
    std::string category;
    QString text;
};

std::vector<HeldNote>& heldNotes() {
    static std::vector<HeldNote> notes;
    return notes;
}

// Qt reports a platform that cannot start as a fatal message and aborts
// right after this handler returns; ending here first turns that into one
// plain line and exit code 1.
void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(NoDisplayLine, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldNotes().push_back({type, context.category ? context.category : "", text});
}

}  // namespace

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(HoldOrEnd);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldNote& note : heldNotes()) {
        const QMessageLogContext context(nullptr, 0, nullptr, note.category.c_str());
        previous(note.type, context, note.text);
    }
    heldNotes().clear();
    return app;
}

}  // namespace corvane
