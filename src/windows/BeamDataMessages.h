// The beam data file's faults and its warning in the windows' language: the
// core's one table of sentences (state/BeamDataFault.h, context
// "BeamDataMessages") passed through Qt's catalogs, so that the designed mix
// shows them in Japanese like the designed messages around them. The
// headless tool writes the same table in English.
#pragma once

#include "dose/BeamDataCheck.h"
#include "state/BeamDataFault.h"
#include "state/Message.h"

#include <QString>

#include <string>
#include <vector>

namespace corvane {

class BeamDataMessages {
public:
    // Any of the core's messages, translated; at most MessageCharacterLimit characters.
    static QString text(const Message& message);
    // Why the file did not load.
    static QString fault(const BeamDataFault& fault);
    // The OCR rows that loaded but look out of place.
    static QString misplacedOcrRows(const std::string& file, const std::vector<MisplacedOcrRow>& rows);
    // The check's concerns about a file that loaded, for one box: a short
    // text naming the file, and as its details the concerns shown
    // (SelectShownConcerns) and the counts of those left out, a line each.
    struct ConcernBox {
        QString text;
        QString details;
    };
    static ConcernBox implausibleValues(const std::string& file,
                                        const std::vector<BeamDataConcern>& concerns);
    // The system's reason for an errno value: the common ones in the chosen
    // language, any other in the C library's English.
    static QString systemReason(int errorNumber);
};

}  // namespace corvane
