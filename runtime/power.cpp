// Raising a double to a power without the C runtime's pow.
#include "runtime/runtime.h"

namespace {

constexpr double TwoTo64 = 0x1p64;
constexpr double TwoTo52 = 0x1p52;
constexpr double TwoTo63 = 0x1p63;
// Veltkamp's constant for splitting a double into two 26-bit halves.
constexpr double Splitter = 134217729.0;  // 2^27 + 1
// Binary exponents are carried in 64 bits and held within this bound, far
// past the double range, so doubling them never overflows.
constexpr long long ExponentLimit = 1LL << 40;
// Extra bits kept below a double's 53 when the result is rounded.
constexpr int GuardBits = 10;

bool IsNan(double x)
{
    return x != x;
}

bool IsInfinite(double x)
{
    return (BitsOf(x) & ~DoubleSignBit) == DoubleExponentField;
}

double Infinity()
{
    return DoubleFromBits(DoubleExponentField);
}

double NotANumber()
{
    return DoubleFromBits(DoubleExponentField | DoubleQuietBit);
}

double Negate(double x)
{
    return DoubleFromBits(BitsOf(x) ^ DoubleSignBit);
}

double Magnitude(double x)
{
    return DoubleFromBits(BitsOf(x) & ~DoubleSignBit);
}

// An unevaluated sum hi + lo with |lo| at most half a unit in hi's last
// place: about 106 bits.
struct DoubleDouble {
    double hi;
    double lo;
};

// A double-double times two to the power exp, with 1 <= hi < 2.
struct Scaled {
    DoubleDouble m;
    long long exp;
};

// a + b exactly, given |a| >= |b|.
DoubleDouble FastTwoSum(double a, double b)
{
    double s = a + b;
    return {s, b - (s - a)};
}

void Split(double a, double& high, double& low)
{
    double t = Splitter * a;
    high = t - (t - a);
    low = a - high;
}

// a * b exactly (Dekker), for products well inside the double range.
DoubleDouble TwoProduct(double a, double b)
{
    double p = a * b;
    double ah, al, bh, bl;
    Split(a, ah, al);
    Split(b, bh, bl);
    double err = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
    return {p, err};
}

DoubleDouble Multiply(DoubleDouble a, DoubleDouble b)
{
    DoubleDouble p = TwoProduct(a.hi, b.hi);
    double cross = a.hi * b.lo + a.lo * b.hi;
    return FastTwoSum(p.hi, p.lo + cross);
}

// 1 / a, for a near 1 to 4.
DoubleDouble Reciprocal(DoubleDouble a)
{
    double q = 1.0 / a.hi;
    DoubleDouble p = TwoProduct(q, a.hi);
    double r = ((1.0 - p.hi) - p.lo) - q * a.lo;  // 1 - q * a
    return FastTwoSum(q, r * q);
}

long long ClampExponent(long long e)
{
    return e > ExponentLimit ? ExponentLimit : e < -ExponentLimit ? -ExponentLimit : e;
}

// Brings hi into [1, 2) by exact halvings or doublings.
void Normalize(Scaled& s)
{
    while (s.m.hi >= 2.0) {
        s.m.hi *= 0.5;
        s.m.lo *= 0.5;
        ++s.exp;
    }
    while (s.m.hi < 1.0) {
        s.m.hi *= 2.0;
        s.m.lo *= 2.0;
        --s.exp;
    }
    s.exp = ClampExponent(s.exp);
}

// A positive finite double as significand in [1, 2) and exponent.
Scaled Decompose(double x)
{
    long long adjust = 0;
    if ((BitsOf(x) & DoubleExponentField) == 0) {  // subnormal
        x *= TwoTo64;
        adjust = -64;
    }
    DoubleBits b = BitsOf(x);
    long long field = static_cast<long long>((b & DoubleExponentField) >> 52);
    double m = DoubleFromBits((b & DoubleFractionField) | (static_cast<DoubleBits>(DoubleExponentBias) << 52));
    return {{m, 0.0}, field - DoubleExponentBias + adjust};
}

// The double nearest s (ties to even), rounded once in integer arithmetic,
// at the position of a normal or a subnormal result alike.
double RoundToDouble(Scaled s, bool negative)
{
    // A + (a fraction, non-zero when sticky) = (hi + lo) * 2^62.
    DoubleBits a = ((BitsOf(s.m.hi) & DoubleFractionField) | DoubleHiddenBit) << GuardBits;
    bool sticky = false;
    if (s.m.lo != 0.0) {
        DoubleBits lb = BitsOf(s.m.lo);
        DoubleBits significand = (lb & DoubleFractionField) | DoubleHiddenBit;
        long long field = static_cast<long long>((lb & DoubleExponentField) >> 52);
        if (field == 0)
            significand = lb & DoubleFractionField;  // subnormal: no hidden bit
        // lo * 2^62 = significand * 2^shift; |lo| < 2^-52 makes shift negative.
        long long shift = (field == 0 ? 1 : field) - DoubleExponentBias - 52 + 62;
        DoubleBits whole = 0;
        if (shift <= -64) {
            sticky = significand != 0;
        } else {
            int right = static_cast<int>(-shift);
            whole = significand >> right;
            sticky = (significand & ((1ULL << right) - 1)) != 0;
        }
        if (BitsOf(s.m.lo) & DoubleSignBit)
            a = a - whole - (sticky ? 1 : 0);
        else
            a += whole;
    }
    long long exp = s.exp;
    if (a < (1ULL << 62)) {  // hi = 1 with a negative lo
        a <<= 1;
        --exp;
    }
    DoubleBits sign = negative ? DoubleSignBit : 0;
    long long biased = exp + DoubleExponentBias;
    if (biased >= DoubleMaxExponentField)
        return DoubleFromBits(sign | DoubleExponentField);
    // DoubleBits of a to drop: the guard bits, and more for a subnormal result.
    long long drop = GuardBits + (biased >= 1 ? 0 : 1 - biased);
    if (drop >= 64)
        return DoubleFromBits(sign);  // below half the smallest subnormal
    int d = static_cast<int>(drop);
    DoubleBits q = a >> d;
    DoubleBits rest = a & ((1ULL << d) - 1);
    DoubleBits half = 1ULL << (d - 1);
    if (rest > half || (rest == half && (sticky || (q & 1))))
        ++q;
    if (biased < 1)
        return DoubleFromBits(sign | q);  // q = 2^52 is the smallest normal
    if (q == (DoubleHiddenBit << 1)) {
        q >>= 1;
        if (++biased >= DoubleMaxExponentField)
            return DoubleFromBits(sign | DoubleExponentField);
    }
    return DoubleFromBits(sign | (static_cast<DoubleBits>(biased) << 52) | (q & DoubleFractionField));
}

// |base|^n for a whole n with |n| < 2^63, by repeated squaring.
double WholePower(double base, double exponent, bool negative)
{
    Scaled x = Decompose(Magnitude(base));
    bool inverse = exponent < 0.0;
    double magnitude = inverse ? Negate(exponent) : exponent;
    DoubleBits n = static_cast<DoubleBits>(magnitude);
    Scaled r = {{1.0, 0.0}, 0};
    for (;;) {
        if (n & 1) {
            r.m = Multiply(r.m, x.m);
            r.exp = ClampExponent(r.exp + x.exp);
            Normalize(r);
        }
        n >>= 1;
        if (!n)
            break;
        x.m = Multiply(x.m, x.m);
        x.exp = ClampExponent(2 * x.exp);
        Normalize(x);
    }
    if (inverse) {
        r.m = Reciprocal(r.m);
        r.exp = -r.exp;
        Normalize(r);
    }
    return RoundToDouble(r, negative);
}

// base^exponent for a positive finite base and a finite, non-whole exponent:
// 2^(exponent * log2 base) on the x87 unit at 64-bit precision.
double FractionalPower(double base, double exponent)
{
#if defined(__i386__) || defined(__x86_64__)
    unsigned short saved = SetFpuPrecision(FpuPrecision64);
    long double x = base, y = exponent, t, k, f, p, r;
    __asm__("fyl2x" : "=t"(t) : "0"(x), "u"(y) : "st(1)");  // y * log2 x
    __asm__("frndint" : "=t"(k) : "0"(t));
    f = t - k;  // |f| <= 1/2, exact
    __asm__("f2xm1" : "=t"(p) : "0"(f));
    p += 1.0L;
    __asm__("fscale" : "=t"(r) : "0"(p), "u"(k));
    volatile double result = static_cast<double>(r);
    RestoreFpuControl(saved);
    return result;
#else
    (void)base;
    (void)exponent;
    return NotANumber();
#endif
}

}  // namespace

double Power(double base, double exponent)
{
    if (exponent == 0.0 || base == 1.0)
        return 1.0;
    if (IsNan(base) || IsNan(exponent))
        return base + exponent;
    double size = Magnitude(base);
    if (IsInfinite(exponent)) {
        if (size == 1.0)
            return 1.0;  // -1 to either infinity
        return (size > 1.0) == (exponent > 0.0) ? Infinity() : 0.0;
    }
    double e = Magnitude(exponent);
    bool whole = e >= TwoTo52 ||
                 static_cast<double>(static_cast<long long>(e)) == e;
    bool odd = whole && e < TwoTo63 && (static_cast<DoubleBits>(e) & 1) != 0;
    bool negative = BitsOf(base) & DoubleSignBit;
    if (base == 0.0 || IsInfinite(base)) {
        // Zero and infinity keep their sign under an odd power.
        bool large = (base != 0.0) == (exponent > 0.0);
        double result = large ? Infinity() : 0.0;
        return negative && odd ? Negate(result) : result;
    }
    if (negative && !whole)
        return NotANumber();
    if (!whole)
        return FractionalPower(base, exponent);
    if (e >= TwoTo63) {  // even; beyond any double result unless |base| = 1
        if (size == 1.0)
            return 1.0;
        return (size > 1.0) == (exponent > 0.0) ? Infinity() : 0.0;
    }
#if defined(__i386__) && !defined(__SSE2_MATH__)
    // The double-double steps need products rounded to 53 bits.
    unsigned short saved = SetFpuPrecision(FpuPrecision53);
    volatile double result = WholePower(base, exponent, negative && odd);
    RestoreFpuControl(saved);
    return result;
#else
    return WholePower(base, exponent, negative && odd);
#endif
}
