// What the data table window says when the data file cannot be listed whole
// or its curves cannot be drawn, through Qt's translation: in the chosen
// language, and in Japanese in the designed mix.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace corvane {

class DataTableMessages {
    Q_DECLARE_TR_FUNCTIONS(DataTableMessages)

public:
    // `file` is the data file's name as shown (PathForMessage); `needed` the
    // number of lines the table lists.
    static QString notFound(const QString& file, int needed);
    static QString cannotRead(const QString& file, const QString& reason);
    static QString empty(const QString& file, int needed);
    // The file has `found` lines, fewer than `needed`.
    static QString endsEarly(const QString& file, int found, int needed);
    // Written into the curve pictures when the listed content does not load.
    static QString noCurves(const QString& reason);
};

}  // namespace corvane
