// Interval arithmetic on 320-bit significands: the lower bound truncates
// every product, the upper bound rounds every product up.
#include "tests/native/runtime/power_reference.h"

#include <math.h>
#include <string.h>

namespace {

constexpr int Limbs = 5;  // 320 bits, least significant limb first
using u64 = unsigned long long;
using u128 = unsigned __int128;

// Significand * 2^exp, top bit of the significand set.
struct Wide {
    u64 limb[Limbs];
    long exp;
};

Wide FromDouble(double x)
{
    int e;
    double m = frexp(x, &e);  // x = m * 2^e, 0.5 <= m < 1
    u64 top = static_cast<u64>(ldexp(m, 64));
    Wide w = {};
    w.limb[Limbs - 1] = top;
    w.exp = e - 64 * Limbs;
    return w;
}

Wide Multiply(const Wide& a, const Wide& b, bool up)
{
    u64 p[2 * Limbs] = {};
    for (int i = 0; i < Limbs; ++i) {
        u64 carry = 0;
        for (int j = 0; j < Limbs; ++j) {
            u128 t = static_cast<u128>(a.limb[i]) * b.limb[j] + p[i + j] + carry;
            p[i + j] = static_cast<u64>(t);
            carry = static_cast<u64>(t >> 64);
        }
        p[i + Limbs] = carry;
    }
    Wide r;
    r.exp = a.exp + b.exp + 64 * Limbs;
    bool lost = false;
    if (!(p[2 * Limbs - 1] >> 63)) {  // shift left one bit
        for (int k = 2 * Limbs - 1; k > 0; --k)
            p[k] = (p[k] << 1) | (p[k - 1] >> 63);
        p[0] <<= 1;
        r.exp -= 1;
    }
    for (int k = 0; k < Limbs; ++k)
        lost |= p[k] != 0;
    memcpy(r.limb, p + Limbs, sizeof r.limb);
    if (up && lost) {
        int k = 0;
        while (k < Limbs && ++r.limb[k] == 0)
            ++k;
        if (k == Limbs) {  // carried out: 2^320
            r.limb[Limbs - 1] = 1ULL << 63;
            r.exp += 1;
        }
    }
    return r;
}

Wide WidePower(double base, unsigned n, bool up)
{
    Wide x = FromDouble(base);
    Wide r = {};
    bool have = false;
    for (;;) {
        if (n & 1) {
            r = have ? Multiply(r, x, up) : x;
            have = true;
        }
        n >>= 1;
        if (!n)
            return r;
        x = Multiply(x, x, up);
    }
}

double Round(const Wide& w)
{
    u64 top = w.limb[Limbs - 1];
    bool sticky = false;
    for (int k = 0; k < Limbs - 1; ++k)
        sticky |= w.limb[k] != 0;
    long t = w.exp + 64 * Limbs - 1;  // value in [2^t, 2^(t+1))
    if (t > 1100)
        return INFINITY;
    if (t < -1100)
        return 0.0;
    long kept = t >= -1022 ? 53 : t + 1075;  // bits down to 2^-1074
    if (kept <= 0) {
        // Below 2^-1075 rounds to zero; exactly 2^-1075 ties to zero too.
        bool above_half = kept == 0 && (top != (1ULL << 63) || sticky);
        return above_half ? ldexp(1.0, -1074) : 0.0;
    }
    int drop = static_cast<int>(64 - kept);
    u64 q = top >> drop;
    u64 rest = top & ((1ULL << drop) - 1);
    u64 half = 1ULL << (drop - 1);
    if (rest > half || (rest == half && (sticky || (q & 1))))
        ++q;
    return ldexp(static_cast<double>(q), static_cast<int>(t - kept + 1));
}

}  // namespace

double ReferencePower(double base, unsigned n, bool& settled)
{
    double low = Round(WidePower(base, n, false));
    double high = Round(WidePower(base, n, true));
    settled = memcmp(&low, &high, sizeof low) == 0;
    return low;
}
