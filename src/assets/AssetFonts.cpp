#include "assets/AssetFonts.h"

#if CORVANE_ASSETS_WITH_QTSURFACE
#include "qtsurface/Fonts.h"
#endif

namespace corvane::assets {

QFont PixelFont(const QString& family, int pixels, bool italic, bool bold) {
#if CORVANE_ASSETS_WITH_QTSURFACE
    RegisterFontSubstitutions();
    QFont font = NamedFont(family, 12, italic);
#else
    // Without the font adapter, map the two families the pictures name onto
    // the fonts installed with the program.
    static const bool registered = [] {
        QFont::insertSubstitution(SerifFamily, QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(JapaneseFamily, QStringLiteral("Noto Sans CJK JP"));
        return true;
    }();
    (void)registered;
    QFont font(family);
    font.setItalic(italic);
#endif
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace corvane::assets
