#include "windows/ChartWindowMessages.h"

#include "state/MessageText.h"
#include "windows/MessageBoxes.h"

namespace corvane {

namespace {

QString ForMessage(const QString& path) { return QString::fromStdString(PathForMessage(path.toStdString())); }

// `pattern` with `first` in its %1 and the system's reason in its %2, both
// filled in one pass, so that a path holding "%2" stays as it is; the reason
// is shortened to the room the rest leaves within MessageCharacterLimit.
QString WithReason(const QString& pattern, const QString& first, const QString& reason) {
    const qsizetype room = qsizetype(MessageCharacterLimit) - (pattern.size() - 4) - first.size();
    return pattern.arg(first, LimitedMessage(reason, room));
}

}  // namespace

QString ChartWindowMessages::chartNotAChartFile(const QString& path) {
    return tr("The chart was not saved: \"%1\" does not end in .png, .svg or .pdf.").arg(ForMessage(path));
}

QString ChartWindowMessages::alreadyExists(const QString& path) {
    return tr("The file \"%1\" already exists.\nDo you want to replace it?").arg(ForMessage(path));
}

QString ChartWindowMessages::chartNotSaved(const QString& path, const QString& reason) {
    return WithReason(tr("The chart could not be saved as \"%1\".\n(%2)"), ForMessage(path), reason);
}

QString ChartWindowMessages::profilesNotSaved(const QString& path, const QString& reason) {
    return WithReason(tr("The profiles could not be saved as \"%1\".\n(%2)"), ForMessage(path), reason);
}

QString ChartWindowMessages::referenceCleared(const QString& reason) {
    return tr("The reference could not be drawn, so it was cleared.\n(%1)")
        .arg(LimitedMessage(reason, MessageCharacterLimit / 2));
}

QString ChartWindowMessages::chartNotRedrawn(const QString& reason) {
    return tr("The chart could not be drawn again.\n(%1)")
        .arg(LimitedMessage(reason, MessageCharacterLimit / 2));
}

}  // namespace corvane
