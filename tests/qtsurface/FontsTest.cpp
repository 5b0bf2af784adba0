#include "qtsurface/Fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace corvane {
namespace {

QString RenderedFamily(const char* named) {
    return QFontInfo(NamedFont(QString::fromUtf8(named), 12)).family();
}

TEST(Fonts, EveryNamedFamilyIsRenderedByTheInstalledFace) {
    EXPECT_EQ(RenderedFamily("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(RenderedFamily("ＭＳ Ｐゴシック"), "Noto Sans CJK JP");
    EXPECT_EQ(RenderedFamily("メイリオ"), "Noto Sans CJK JP");
    EXPECT_EQ(RenderedFamily("HG丸ｺﾞｼｯｸM-PRO"), "Noto Sans CJK JP");
    EXPECT_EQ(RenderedFamily("ＭＳ ゴシック"), "Noto Sans Mono CJK JP");
}

TEST(Fonts, TheDataTableFontHasAFixedPitch) {
    const QFont font = NamedFont(QString::fromUtf8("ＭＳ ゴシック"), 12);
    QFontMetricsF metrics(font);
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("MMMM"));
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(" 1.0"), metrics.horizontalAdvance("25.5"));
}

TEST(Fonts, JapaneseTextHasGlyphs) {
    QFontMetricsF metrics(NamedFont(QString::fromUtf8("メイリオ"), 14.25));
    for (QChar c : QString::fromUtf8("計算方法の概説"))
        EXPECT_TRUE(metrics.inFont(c)) << static_cast<int>(c.unicode());
}

}  // namespace
}  // namespace corvane
