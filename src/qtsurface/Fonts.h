// The fonts the program's texts name, and what renders them here.
#pragma once

#include <QFont>
#include <QString>

namespace corvane {

// Registers, once, the substitutions for every font family the windows and
// the chart name: Times New Roman by Liberation Serif, and the Japanese
// families by Noto CJK (a fixed-pitch one for "ＭＳ ゴシック").
void RegisterFontSubstitutions();

// A font of the named family at a size in points; `italic` as given.
QFont NamedFont(const QString& family, double points, bool italic = false);

}  // namespace corvane
