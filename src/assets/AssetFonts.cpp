#include "assets/AssetFonts.h"

#include "qtsurface/Fonts.h"

namespace corvane::assets {

QFont PixelFont(const QString& family, int pixels, bool italic, bool bold) {
    RegisterFontSubstitutions();
    QFont font = NamedFont(family, 12, italic);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace corvane::assets
