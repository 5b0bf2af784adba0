// The beam data file's faults and its warning, worded for the windows through
// Qt's translation: in the chosen language, and in Japanese in the designed
// mix, like the designed messages around them. The headless tool keeps the
// core's English (DescribeBeamDataFault), which the English here matches.
#pragma once

#include "state/BeamDataFault.h"
#include "state/BeamDataLoader.h"

#include <QCoreApplication>
#include <QString>

#include <string>
#include <vector>

namespace corvane {

class BeamDataMessages {
    Q_DECLARE_TR_FUNCTIONS(BeamDataMessages)

public:
    // Why the file did not load. Paths and fields are made safe with
    // PathForMessage and QuoteForMessage; at most MessageCharacterLimit characters.
    static QString fault(const BeamDataFault& fault);
    // The OCR rows that loaded but look out of place.
    static QString misplacedOcrRows(const std::string& file, const std::vector<MisplacedOcrRow>& rows);
    // The system's reason for an errno value: the common ones in the chosen
    // language, any other in the C library's English.
    static QString systemReason(int errorNumber);
};

}  // namespace corvane
