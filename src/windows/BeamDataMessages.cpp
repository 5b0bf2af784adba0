#include "windows/BeamDataMessages.h"

#include <QCoreApplication>
#include <QStringList>

namespace corvane {

namespace {

// A source text of the core's table in the window's language.
std::string Translated(std::string_view context, const std::string& source) {
    return QCoreApplication::translate(std::string(context).c_str(), source.c_str()).toStdString();
}

}  // namespace

QString BeamDataMessages::text(const Message& message) {
    return QString::fromStdString(UserText(message, Translated));
}

QString BeamDataMessages::fault(const BeamDataFault& fault) { return text(BeamDataFaultMessage(fault)); }

QString BeamDataMessages::misplacedOcrRows(const std::string& file, const std::vector<MisplacedOcrRow>& rows) {
    return QString::fromStdString(MisplacedOcrRowsText(file, rows, Translated));
}

BeamDataMessages::ConcernBox
BeamDataMessages::implausibleValues(const std::string& file, const std::vector<BeamDataConcern>& concerns) {
    const QString text =
        QCoreApplication::translate("BeamDataMessages", "The beam data file \"%1\" loaded and is used as it "
                                                        "stands, but some of its values look implausible for "
                                                        "a 6 MV beam. The details name the line of each.");
    // As corvane-chart check-data lists them, a line each.
    QStringList lines;
    for (const Message& message : ShownConcernMessages(concerns)) lines << BeamDataMessages::text(message);
    return {text.arg(QString::fromStdString(PathForMessage(file))), lines.join(u'\n')};
}

QString BeamDataMessages::systemReason(int errorNumber) {
    return QString::fromStdString(MessageText(SystemReasonMessage(errorNumber), Translated));
}

}  // namespace corvane
