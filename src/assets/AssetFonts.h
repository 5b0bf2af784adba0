// Fonts for the pictures, sized in pixels so that a picture looks the same
// whatever the screen's resolution.
#pragma once

#include <QFont>
#include <QString>

namespace corvane::assets {

inline const QString SerifFamily = QStringLiteral("Times New Roman");
inline const QString JapaneseFamily = QStringLiteral("メイリオ");

QFont PixelFont(const QString& family, int pixels, bool italic = false, bool bold = false);

}  // namespace corvane::assets
