// What the chart window's picture menu and the profiles window's menu say
// themselves: saving the chart or the profiles, and a reference that could
// not be drawn. Through Qt's translation, in the chosen language, and in
// Japanese in the designed mix like every message Corvane adds itself.
// A path comes shortened and escaped (PathForMessage); a reason from the
// system is added as it comes, shortened to the room the message leaves.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace corvane {

class ChartWindowMessages {
    Q_DECLARE_TR_FUNCTIONS(ChartWindowMessages)

public:
    static QString chartNotAChartFile(const QString& path);
    static QString alreadyExists(const QString& path);
    static QString chartNotSaved(const QString& path, const QString& reason);
    static QString profilesNotSaved(const QString& path, const QString& reason);
    // The picture with the reference could not be drawn: the reference was
    // cleared and the chart drawn alone.
    static QString referenceCleared(const QString& reason);
    // Not even the chart alone could be drawn again.
    static QString chartNotRedrawn(const QString& reason);
};

}  // namespace corvane
