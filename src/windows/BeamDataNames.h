// How the windows name beam data that is not the bundled file: the file's
// name and its first heading line, made safe as Corvane's messages make text
// from a file safe (state/MessageText.h) and shortened to the room there is.
#pragma once

#include "windows/BeamDataChoice.h"

#include <QCoreApplication>
#include <QString>

class QFontMetrics;

namespace corvane {

// The data loaded from a file other than the bundled one.
struct OwnBeamData {
    QString file;     // the path it was read from
    QString heading;  // its first heading line, decoded as the data table decodes the file
};

class BeamDataNames {
    Q_DECLARE_TR_FUNCTIONS(BeamDataNames)

public:
    // `text` escaped between quotation marks, shortened with "…" (in the
    // middle, or at the end) to at most `width` pixels of `metrics`.
    static QString quoted(const QString& text, const QFontMetrics& metrics, int width,
                          Qt::TextElideMode mode);

    // The start window's button: what its start button loads.
    static QString choiceCaption(const BeamDataChoice& choice, const QFontMetrics& metrics, int width);
    static QString choiceTip(const BeamDataChoice& choice);
    // The conditions window's two lines under the beam frame: the file's
    // name, and its heading.
    static QString fileLine(const OwnBeamData& own, const QFontMetrics& metrics, int width);
    static QString headingLine(const OwnBeamData& own, const QFontMetrics& metrics, int width);
    // The profiles window's line.
    static QString oneLine(const OwnBeamData& own);
    // The data table window's caption, for the file it lists.
    static QString tableCaption(const QString& designed, const QString& file);
    // For the metadata of saved chart files: in English, whatever the
    // windows' language, like the files' other metadata.
    static QString description(const OwnBeamData& own);
};

}  // namespace corvane
