// Fixed-point formatting with exact two-stage rounding.
//
// The first 18 significant digits of a double's exact decimal value are
// found with integer arithmetic only, as one integer below 10^18:
//  - whole part below 2^64 and at most 64 fraction bits (amounts, calculator
//    values): the whole part as it is, fraction digits by multiplying the
//    fraction bits by powers of ten;
//  - below 2^-11 (more fraction bits): mantissa * 5^s shifted right, in base 2^32;
//  - 2^64 and above: mantissa * 2^exponent in base 10^9.
// Both roundings then work on that integer.
#include <stdint.h>
#include "numtext/numtext.h"
#include "runtime/runtime.h"

namespace {

constexpr int KeptDigitCount = 17;       // significant digits after the first rounding
constexpr int MaxDigitCount = 347;       // cap on places + point position
constexpr int MaxPlaces = 1000;          // more places round exactly like this many
constexpr int DigitBufferSize = MaxDigitCount + 2;  // a carry adds a digit; terminator
constexpr int MaxDecimals = 10;
constexpr int CutDecimals = 10;          // this many places drops trailing zeros

char DigitText[DigitBufferSize];
int DigitLength = 0;
char FormattedText[FormatResultSize];

constexpr uint64_t PowersOfTen[20] = {
    1u, 10u, 100u, 1000u, 10000u, 100000u, 1000000u, 10000000u, 100000000u,
    1000000000u, 10000000000u, 100000000000u, 1000000000000u, 10000000000000u,
    100000000000000u, 1000000000000000u, 10000000000000000u, 100000000000000000u,
    1000000000000000000u, 10000000000000000000u};
constexpr uint64_t Ten16 = PowersOfTen[16];
constexpr uint64_t Ten17 = PowersOfTen[17];
constexpr uint64_t Ten18 = PowersOfTen[18];
constexpr uint32_t ChunkBase = 1000000000;  // nine decimal digits
constexpr int ChunkDigits = 9;

// ---------------------------------------------------------------------------
// The double's parts: magnitude = mantissa * 2^exponent.

enum class Kind { Zero, Finite, Infinite, DefaultNaN, QuietNaN, SignallingNaN };

struct Binary {
    Kind kind;
    bool signBit;
    uint64_t mantissa;
    int exponent;
};

constexpr uint64_t DefaultNaNBits = 0xFFF8000000000000u;  // what 0 * infinity gives
// The power of two of the mantissa's lowest bit is the exponent field less this.
constexpr int MantissaExponentBias = DoubleExponentBias + DoubleFractionBits;

Binary Decompose(double value)
{
    const uint64_t bits = BitsOf(value);
    Binary b;
    b.signBit = (bits & DoubleSignBit) != 0;
    const int biased = static_cast<int>((bits & DoubleExponentField) >> DoubleFractionBits);
    const uint64_t fraction = bits & DoubleFractionField;
    b.mantissa = 0;
    b.exponent = 0;
    if (biased == DoubleMaxExponentField) {
        if (fraction == 0)
            b.kind = Kind::Infinite;
        else if (bits == DefaultNaNBits)
            b.kind = Kind::DefaultNaN;
        else if (fraction & DoubleQuietBit)
            b.kind = Kind::QuietNaN;
        else
            b.kind = Kind::SignallingNaN;
        return b;
    }
    if (biased == 0 && fraction == 0) {
        b.kind = Kind::Zero;
        return b;
    }
    b.kind = Kind::Finite;
    b.mantissa = biased == 0 ? fraction : fraction | DoubleHiddenBit;
    b.exponent = (biased == 0 ? 1 : biased) - MantissaExponentBias;
    // An odd mantissa keeps the exact expansion as short as possible.
    const int zeros = __builtin_ctzll(b.mantissa);
    b.mantissa >>= zeros;
    b.exponent += zeros;
    return b;
}

// ---------------------------------------------------------------------------
// Decimal digits of integers.

constexpr char DigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the `width` lowest decimal digits of n (at most 20), leading zeros included.
void WriteDigits(char* out, uint64_t n, int width)
{
    // Halves below 10^9 run as independent 32-bit chains.
    while (width > ChunkDigits) {
        uint32_t low = static_cast<uint32_t>(n % ChunkBase);
        n /= ChunkBase;
        for (int i = width - 1; i >= width - ChunkDigits + 1; i -= 2) {
            const uint32_t pair = (low % 100) * 2;
            low /= 100;
            out[i] = DigitPairs[pair + 1];
            out[i - 1] = DigitPairs[pair];
        }
        out[width - ChunkDigits] = static_cast<char>('0' + low);
        width -= ChunkDigits;
    }
    uint32_t rest = static_cast<uint32_t>(n);
    int i = width;
    while (i >= 2) {
        const uint32_t pair = (rest % 100) * 2;
        rest /= 100;
        out[--i] = DigitPairs[pair + 1];
        out[--i] = DigitPairs[pair];
    }
    if (i == 1)
        out[0] = static_cast<char>('0' + rest);
}

int DecimalWidth(uint64_t n)
{
    int width = 1;
    while (width < 20 && n >= PowersOfTen[width])
        ++width;
    return width;
}

// ---------------------------------------------------------------------------
// The 18 leading digits, in three ways.

// r * factor as a 96-bit number: returns the low 64 bits, *high the rest.
uint64_t MultiplyWide(uint64_t r, uint32_t factor, uint64_t* high)
{
    const uint64_t low = (r & 0xFFFFFFFFu) * factor;
    const uint64_t mid = (r >> 32) * factor;
    const uint64_t result = low + (mid << 32);
    *high = (mid >> 32) + (result < low ? 1 : 0);
    return result;
}

// The next `count` (at most 18) digits of the fraction r / 2^bits, as an
// integer; r keeps the rest. Each step multiplies by at most 10^9.
uint64_t FractionDigits(uint64_t& r, int bits, int count)
{
    if (r == 0)  // whole numbers among them: bits may be 0
        return 0;
    const uint64_t mask = bits >= 64 ? ~uint64_t(0) : (uint64_t(1) << bits) - 1;
    uint64_t digits = 0;
    while (count > 0) {
        const int step = count < ChunkDigits ? count : ChunkDigits;
        uint64_t high;
        const uint64_t low = MultiplyWide(r, static_cast<uint32_t>(PowersOfTen[step]), &high);
        const uint64_t chunk = bits >= 64 ? high : (high << (64 - bits)) | (low >> bits);
        r = low & mask;
        digits = digits * PowersOfTen[step] + chunk;
        count -= step;
    }
    return digits;
}

// Whole part below 2^64, at most 64 fraction bits.
uint64_t LeadingDigitsSmall(uint64_t whole, uint64_t fraction, int bits, int* exponent)
{
    if (whole != 0) {
        const int width = DecimalWidth(whole);
        *exponent = width;
        if (width >= SignificantDigitCount)
            return whole / PowersOfTen[width - SignificantDigitCount];
        const int more = SignificantDigitCount - width;
        return whole * PowersOfTen[more] + FractionDigits(fraction, bits, more);
    }
    // Past the zeros after the point, nine at a time, to the first digit.
    *exponent = 0;
    uint64_t chunk = FractionDigits(fraction, bits, ChunkDigits);
    while (chunk == 0) {
        *exponent -= ChunkDigits;
        chunk = FractionDigits(fraction, bits, ChunkDigits);
    }
    const int width = DecimalWidth(chunk);
    *exponent -= ChunkDigits - width;
    const int more = SignificantDigitCount - width;
    return chunk * PowersOfTen[more] + FractionDigits(fraction, bits, more);
}

constexpr int MaxFiveStep = 13;
constexpr uint64_t FivePowers[MaxFiveStep + 1] = {
    1u, 5u, 25u, 125u, 625u, 3125u, 15625u, 78125u, 390625u, 1953125u,
    9765625u, 48828125u, 244140625u, 1220703125u};

// Values of 2^64 and more, or any other: the exact integer mantissa * 2^exponent,
// or mantissa * 5^-exponent with the point -exponent digits from the right,
// in base 10^9.
constexpr int MaxLimbs = 90;  // mantissa * 5^1074 has 767 digits
constexpr int MaxTwoStep = 32;

struct BigDecimal {
    uint32_t limbs[MaxLimbs];  // least significant first, each below 10^9
    int used;
};

void MultiplyBig(BigDecimal& big, uint64_t factor)  // factor at most 2^32
{
    uint64_t carry = 0;
    for (int i = 0; i < big.used; ++i) {
        const uint64_t t = big.limbs[i] * factor + carry;
        big.limbs[i] = static_cast<uint32_t>(t % ChunkBase);
        carry = t / ChunkBase;
    }
    while (carry != 0 && big.used < MaxLimbs) {
        big.limbs[big.used++] = static_cast<uint32_t>(carry % ChunkBase);
        carry /= ChunkBase;
    }
}

uint64_t LeadingDigitsBig(uint64_t mantissa, int binaryExponent, int* exponent)
{
    BigDecimal big;
    big.used = 0;
    while (mantissa != 0) {
        big.limbs[big.used++] = static_cast<uint32_t>(mantissa % ChunkBase);
        mantissa /= ChunkBase;
    }
    int pointShift = 0;
    if (binaryExponent >= 0) {
        for (int left = binaryExponent; left > 0; left -= MaxTwoStep) {
            const int step = left < MaxTwoStep ? left : MaxTwoStep;
            MultiplyBig(big, uint64_t(1) << step);
        }
    } else {
        pointShift = -binaryExponent;
        for (int left = pointShift; left > 0; left -= MaxFiveStep) {
            const int step = left < MaxFiveStep ? left : MaxFiveStep;
            MultiplyBig(big, FivePowers[step]);
        }
    }
    int index = big.used - 1;
    uint64_t digits = big.limbs[index];
    int width = DecimalWidth(digits);
    *exponent = width + ChunkDigits * index - pointShift;
    while (width < SignificantDigitCount) {
        const uint64_t limb = --index >= 0 ? big.limbs[index] : 0;
        const int take = SignificantDigitCount - width < ChunkDigits
                             ? SignificantDigitCount - width : ChunkDigits;
        digits = digits * PowersOfTen[take] + limb / PowersOfTen[ChunkDigits - take];
        width += take;
    }
    return digits;
}

// Values below 2^-11 with more than 64 fraction bits, mantissa / 2^bits:
// with s = 18 - E, the 18 digits are floor(mantissa * 5^s / 2^(bits - s)),
// a product in base 2^32 and a shift. E is known from the binary exponent to
// within one. Returns false where this does not apply.
constexpr int MaxBinaryLimbs = 40;  // mantissa * 5^341 has under 850 bits

struct BigBinary {
    uint32_t limbs[MaxBinaryLimbs];  // least significant first
    int used;
};

void MultiplyBinary(BigBinary& big, uint64_t factor)  // factor below 2^32
{
    uint64_t carry = 0;
    for (int i = 0; i < big.used; ++i) {
        const uint64_t t = big.limbs[i] * factor + carry;
        big.limbs[i] = static_cast<uint32_t>(t);
        carry = t >> 32;
    }
    if (carry != 0 && big.used < MaxBinaryLimbs)
        big.limbs[big.used++] = static_cast<uint32_t>(carry);
}

uint32_t LimbAt(const BigBinary& big, int index)
{
    return index < big.used ? big.limbs[index] : 0;
}

// floor(log10(2^k)) for |k| up to 1200.
int FloorLog10Pow2(int k)
{
    constexpr int Log10Of2 = 78913;  // 2^18 * log10(2)
    constexpr int Unit = 1 << 18;
    return k >= 0 ? k * Log10Of2 / Unit : -((-k * Log10Of2 + Unit - 1) / Unit);
}

bool LeadingDigitsTiny(uint64_t mantissa, int bits, uint64_t* digits, int* exponent)
{
    const int binaryPoint = 63 - __builtin_clzll(mantissa) - bits;  // value in [2^k, 2^(k+1))
    int e = FloorLog10Pow2(binaryPoint) + 1;
    const int scale = SignificantDigitCount - e;
    const int shift = bits - scale;
    if (scale < 0 || shift < 0)
        return false;
    BigBinary big;
    big.limbs[0] = static_cast<uint32_t>(mantissa);
    big.limbs[1] = static_cast<uint32_t>(mantissa >> 32);
    big.used = big.limbs[1] != 0 ? 2 : 1;
    for (int left = scale; left > 0; left -= MaxFiveStep) {
        const int step = left < MaxFiveStep ? left : MaxFiveStep;
        MultiplyBinary(big, FivePowers[step]);
    }
    const int word = shift / 32;
    const int offset = shift % 32;
    // Bits shift .. shift + 63 of the product; nothing may lie above them.
    if (LimbAt(big, word + 3) != 0 || (offset != 0 && (LimbAt(big, word + 2) >> offset) != 0))
        return false;
    const uint64_t low = LimbAt(big, word) | uint64_t(LimbAt(big, word + 1)) << 32;
    const uint64_t high = LimbAt(big, word + 2);
    uint64_t q = offset == 0 ? low : (low >> offset) | (high << (64 - offset));
    if (q >= Ten18) {
        q /= 10;  // truncating twice truncates once
        ++e;
    }
    if (q < Ten17 || q >= Ten18)
        return false;
    *digits = q;
    *exponent = e;
    return true;
}

// The first 18 significant digits of a finite non-zero value, truncated,
// as an integer in [10^17, 10^18), and the point position.
uint64_t LeadingDigits(const Binary& b, int* exponent)
{
    if (b.exponent >= 0) {
        if (b.exponent == 0 || (b.exponent < 64 && (b.mantissa >> (64 - b.exponent)) == 0))
            return LeadingDigitsSmall(b.mantissa << b.exponent, 0, 0, exponent);
        return LeadingDigitsBig(b.mantissa, b.exponent, exponent);
    }
    const int bits = -b.exponent;
    if (bits <= 64) {
        const uint64_t whole = bits == 64 ? 0 : b.mantissa >> bits;
        const uint64_t fraction = bits == 64 ? b.mantissa : b.mantissa & ((uint64_t(1) << bits) - 1);
        return LeadingDigitsSmall(whole, fraction, bits, exponent);
    }
    uint64_t digits;
    if (LeadingDigitsTiny(b.mantissa, bits, &digits, exponent))
        return digits;
    return LeadingDigitsBig(b.mantissa, b.exponent, exponent);
}

// ---------------------------------------------------------------------------
// Rounding.

// Adds one to the last of `count` digit characters, carrying through nines.
// Returns false if the carry ran out of the first character.
bool IncrementDigits(char* digits, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return true;
        }
        digits[i] = '0';
    }
    return false;
}

// Steps 3 to 5 on significant characters (zero and the non-finite names):
// the first `count` characters, zero-filled, rounded half up by the next.
int RoundCharacters(const char* significant, int length, int count, int exponent)
{
    for (int i = 0; i < count; ++i)
        DigitText[i] = i < length ? significant[i] : '0';
    const char next = count < length ? significant[count] : '0';
    DigitLength = count;
    if (next >= '5' && !IncrementDigits(DigitText, count)) {
        DigitText[0] = '1';
        for (int i = 1; i <= count; ++i)
            DigitText[i] = '0';
        DigitLength = count + 1;
        ++exponent;
    }
    return exponent;
}

// The same on the 17 significant digits of a finite value, held as an
// integer in [10^16, 10^17).
int RoundSignificant(uint64_t significant, int count, int exponent)
{
    if (count >= KeptDigitCount) {
        WriteDigits(DigitText, significant, KeptDigitCount);
        for (int i = KeptDigitCount; i < count; ++i)
            DigitText[i] = '0';
        DigitLength = count;
        return exponent;
    }
    const uint64_t unit = PowersOfTen[KeptDigitCount - count];
    uint64_t taken = significant / unit;
    if (significant % unit >= unit / 2)  // the next digit is 5 or more
        ++taken;
    if (taken == PowersOfTen[count]) {  // a carry out of the first digit
        DigitText[0] = '1';
        for (int i = 1; i <= count; ++i)
            DigitText[i] = '0';
        DigitLength = count + 1;
        return exponent + 1;
    }
    WriteDigits(DigitText, taken, count);
    DigitLength = count;
    return exponent;
}

// N = places + E, capped.
int DigitCount(int places, int exponent)
{
    if (places < 0)
        places = 0;
    if (places > MaxPlaces)
        places = MaxPlaces;
    const int count = places + exponent;
    return count > MaxDigitCount ? MaxDigitCount : count;
}

} // namespace

int SignificantDigits18(double value, char digits[SignificantDigitCount + 1])
{
    const Binary b = Decompose(value);
    int exponent = 0;
    if (b.kind == Kind::Finite) {
        WriteDigits(digits, LeadingDigits(b, &exponent), SignificantDigitCount);
    } else {
        for (int i = 0; i < SignificantDigitCount; ++i)
            digits[i] = '0';
    }
    digits[SignificantDigitCount] = '\0';
    return exponent;
}

DigitRecord FixedDigits(double value, int places)
{
    const Binary b = Decompose(value);
    const char* name = "0";  // zero: the digits "0", E = 0, not negative
    bool negative = b.signBit;
    int exponent = 0;
    switch (b.kind) {
    case Kind::Zero:          negative = false; break;
    case Kind::Infinite:      name = "1#INF"; exponent = 1; break;
    case Kind::DefaultNaN:    name = "1#IND"; exponent = 1; break;
    case Kind::QuietNaN:      name = "1#QNAN"; exponent = 1; break;
    case Kind::SignallingNaN: name = "1#SNAN"; exponent = 1; break;
    case Kind::Finite: {
        const uint64_t leading = LeadingDigits(b, &exponent);
        // Half up to 17 digits; a carry out of the first gives "1".
        uint64_t significant = leading / 10 + (leading % 10 >= 5 ? 1 : 0);
        if (significant == Ten17) {
            significant = Ten16;
            ++exponent;
        }
        const int count = DigitCount(places, exponent);
        DigitLength = 0;
        if (count >= 0)
            exponent = RoundSignificant(significant, count, exponent);
        DigitText[DigitLength] = '\0';
        return DigitRecord{DigitText, exponent, negative};
    }
    }
    int length = 0;
    while (name[length] != '\0')
        ++length;
    const int count = DigitCount(places, exponent);
    DigitLength = 0;
    if (count >= 0)
        exponent = RoundCharacters(name, length, count, exponent);
    DigitText[DigitLength] = '\0';
    return DigitRecord{DigitText, exponent, negative};
}

namespace {

struct Writer {
    int length;
    void Put(char c)
    {
        if (length < FormatResultSize - 1)
            FormattedText[length++] = c;
    }
};

char DigitAt(int index)
{
    return index >= 0 && index < DigitLength ? DigitText[index] : '0';
}

} // namespace

const char* FormatNumber(double value, int decimals)
{
    if (decimals < -1)
        decimals = -1;
    if (decimals > MaxDecimals)
        decimals = MaxDecimals;
    const bool withPoint = decimals >= 0;
    const int places = withPoint ? decimals : 0;
    const DigitRecord record = FixedDigits(value, places);
    const int e = record.exponent;

    Writer out{0};
    if (record.negative)
        out.Put('-');
    if (e > 0) {
        for (int i = 0; i < e; ++i)
            out.Put(DigitAt(i));
        if (withPoint) {
            out.Put(DecimalMark());
            const int pointEnd = out.length;
            for (int i = 0; i < places; ++i)
                out.Put(DigitAt(e + i));
            if (decimals == CutDecimals) {
                while (out.length > pointEnd && FormattedText[out.length - 1] == '0')
                    --out.length;
            }
        }
    } else {
        out.Put('0');
        if (withPoint) {
            out.Put(DecimalMark());
            const int zeros = -e < places ? -e : places;
            for (int i = 0; i < zeros; ++i)
                out.Put('0');
            for (int i = 0; i < places + e; ++i)
                out.Put(DigitAt(i));
        }
    }
    FormattedText[out.length] = '\0';
    return FormattedText;
}
