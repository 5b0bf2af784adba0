// e^x with the bits the desktop's C library gives on a processor with fused
// multiply-add. glibc (and musl) evaluate exp by the same table algorithm
// (Arm's optimized routines); on an x86-64 processor with FMA, and on arm64,
// glibc's exp fuses each multiply-add of it, which changes the last bit of a
// few results. WebAssembly has no FMA, so its libc's exp gives the unfused
// bits, and a wedged chart would differ from corvane-chart's in the last
// digits of a few numbers. This definition replaces the libc's exp in the
// module: the same evaluation with each fusion written as fma(), which is
// exact in software, on the libc's own tables.
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// The layout of the C library's exp tables (musl, src/math/exp_data.h).
constexpr int TableBits = 7;
constexpr std::uint64_t TableSize = 1u << TableBits;
struct ExpData {
    double invln2N;
    double shift;
    double negln2hiN;
    double negln2loN;
    double poly[4];
    double exp2_shift;
    double exp2_poly[5];
    std::uint64_t tab[2 * TableSize];
};

double AsDouble(std::uint64_t u) {
    double d;
    std::memcpy(&d, &u, sizeof d);
    return d;
}

std::uint64_t AsBits(double d) {
    std::uint64_t u;
    std::memcpy(&u, &d, sizeof u);
    return u;
}

std::uint32_t Top12(double x) { return static_cast<std::uint32_t>(AsBits(x) >> 52); }

// Results near overflow or in the subnormal range.
double SpecialCase(double tmp, std::uint64_t sbits, std::uint64_t ki) {
    if ((ki & 0x80000000) == 0) {
        sbits -= 1009ull << 52;
        const double scale = AsDouble(sbits);
        return 0x1p1009 * std::fma(scale, tmp, scale);
    }
    // Here glibc keeps the product apart: it has two uses in different blocks.
    sbits += 1022ull << 52;
    const double scale = AsDouble(sbits);
    const double product = scale * tmp;
    double y = scale + product;
    if (y < 1.0) {
        double lo = scale - y + product;
        const double hi = 1.0 + y;
        lo = 1.0 - hi + y + lo;
        y = (hi + lo) - 1.0;
        if (y == 0.0) y = 0.0;
    }
    return 0x1p-1022 * y;
}

}  // namespace

extern "C" {

extern const ExpData __exp_data;

double exp(double x) {
    const ExpData& d = __exp_data;
    std::uint32_t abstop = Top12(x) & 0x7ff;
    if (abstop - Top12(0x1p-54) >= Top12(512.0) - Top12(0x1p-54)) {
        if (abstop - Top12(0x1p-54) >= 0x80000000) return 1.0 + x;
        if (abstop >= Top12(1024.0)) {
            if (AsBits(x) == AsBits(-INFINITY)) return 0.0;
            if (abstop >= Top12(INFINITY)) return 1.0 + x;
            return (AsBits(x) >> 63) ? 0x1p-767 * 0x1p-767 : 0x1p769 * 0x1p769;
        }
        abstop = 0;  // large x: the special case below
    }
    double kd = std::fma(d.invln2N, x, d.shift);
    const std::uint64_t ki = AsBits(kd);
    kd -= d.shift;
    const double r = std::fma(kd, d.negln2loN, std::fma(kd, d.negln2hiN, x));
    const std::uint64_t idx = 2 * (ki % TableSize);
    const std::uint64_t top = ki << (52 - TableBits);
    const double tail = AsDouble(d.tab[idx]);
    const std::uint64_t sbits = d.tab[idx + 1] + top;
    const double r2 = r * r;
    const double tmp = std::fma(r2 * r2, std::fma(r, d.poly[3], d.poly[2]),
                                std::fma(r2, std::fma(r, d.poly[1], d.poly[0]), tail + r));
    if (abstop == 0) return SpecialCase(tmp, sbits, ki);
    const double scale = AsDouble(sbits);
    return std::fma(scale, tmp, scale);
}

}  // extern "C"
