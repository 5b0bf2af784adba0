#include "windows/DataTableMessages.h"

#include "windows/MessageBoxes.h"

namespace corvane {

// Each text is filled in one pass of arg(), so that a '%' in a file name
// stays as it is; file names come shortened by PathForMessage.

QString DataTableMessages::notFound(const QString& file, int needed) {
    return tr("The data file \"%1\" was not found, so the data table is empty. It needs the file's first %2 "
              "lines.")
        .arg(file, QString::number(needed));
}

QString DataTableMessages::cannotRead(const QString& file, const QString& reason) {
    // The system's reason, shortened so that the message stays within
    // MessageCharacterLimit.
    return tr("The data file \"%1\" could not be read (%2), so the data table is empty.")
        .arg(file, LimitedMessage(reason, 160));
}

QString DataTableMessages::empty(const QString& file, int needed) {
    return tr("The data file \"%1\" is empty. The data table needs its first %2 lines.")
        .arg(file, QString::number(needed));
}

QString DataTableMessages::endsEarly(const QString& file, int found, int needed) {
    if (found + 1 == needed)
        return tr("The data file \"%1\" ends after line %2. The data table lists the file's first %3 lines, "
                  "so "
                  "line %3 is missing.")
            .arg(file, QString::number(found), QString::number(needed));
    return tr("The data file \"%1\" ends after line %2. The data table lists the file's first %3 lines, so "
              "lines %4 to %3 are missing.")
        .arg(file, QString::number(found), QString::number(needed), QString::number(found + 1));
}

QString DataTableMessages::noCurves(const QString& reason) {
    return tr("No curves: the data file did not load.\n%1").arg(reason);
}

}  // namespace corvane
