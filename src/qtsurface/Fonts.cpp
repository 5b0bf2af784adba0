// The fonts the texts name are not installed here; each is rendered by the
// closest face the Debian font packages provide.
#include "qtsurface/Fonts.h"

#include <mutex>

namespace corvane {

namespace {

struct Substitution {
    const char* named;   // the family the texts name (UTF-8)
    const char* actual;  // the installed family that renders it
};

// Checked against fc-list: fonts-liberation and fonts-noto-cjk.
constexpr Substitution Substitutions[] = {
    {"Times New Roman", "Liberation Serif"},
    {"ＭＳ Ｐゴシック", "Noto Sans CJK JP"},
    {"メイリオ", "Noto Sans CJK JP"},
    {"HG丸ｺﾞｼｯｸM-PRO", "Noto Sans CJK JP"},
    // The data table lists columns of numbers, so it keeps a fixed pitch.
    {"ＭＳ ゴシック", "Noto Sans Mono CJK JP"},
};

QFont::StyleHint HintFor(const QString& family) {
    if (family == QString::fromUtf8("ＭＳ ゴシック")) return QFont::Monospace;
    if (family == QStringLiteral("Times New Roman")) return QFont::Serif;
    return QFont::SansSerif;
}

}  // namespace

void RegisterFontSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const Substitution& s : Substitutions)
            QFont::insertSubstitution(QString::fromUtf8(s.named), QString::fromUtf8(s.actual));
    });
}

QFont NamedFont(const QString& family, double points, bool italic) {
    RegisterFontSubstitutions();
    QFont font(family);
    font.setStyleHint(HintFor(family));
    if (points > 0) font.setPointSizeF(points);
    font.setItalic(italic);
    if (family == QString::fromUtf8("ＭＳ ゴシック")) font.setFixedPitch(true);
    return font;
}

}  // namespace corvane
