#include "windows/BeamDataMessages.h"

#include <QCoreApplication>

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

QString BeamDataMessages::systemReason(int errorNumber) {
    return QString::fromStdString(MessageText(SystemReasonMessage(errorNumber), Translated));
}

}  // namespace corvane
