// Fixed-point formatting with exact two-stage rounding.
#include <stdint.h>
#include "numtext/numtext.h"

namespace {

constexpr int KeptDigitCount = 17;       // significant digits after the first rounding
constexpr int MaxDigitCount = 347;       // cap on places + point position
constexpr int MaxPlaces = 1000;          // more places round exactly like this many
constexpr int DigitBufferSize = MaxDigitCount + 2;  // a carry adds a digit; terminator
constexpr int MaxDecimals = 10;
constexpr int CutDecimals = 10;          // this many places drops trailing zeros

char DigitText[DigitBufferSize];
int DigitLength = 0;
char ResultText[FormatResultSize];

// ---------------------------------------------------------------------------
// The double's parts: magnitude = mantissa * 2^exponent.

enum class Kind { Zero, Finite, Infinite, DefaultNaN, QuietNaN, SignallingNaN };

struct Binary {
    Kind kind;
    bool signBit;
    uint64_t mantissa;
    int exponent;
};

constexpr uint64_t FractionMask = (uint64_t(1) << 52) - 1;
constexpr uint64_t HiddenBit = uint64_t(1) << 52;
constexpr uint64_t QuietBit = uint64_t(1) << 51;
constexpr uint64_t DefaultNaNBits = 0xFFF8000000000000u;  // what 0 * infinity gives
constexpr int ExponentBias = 1075;                        // bias 1023 plus 52 fraction bits

Binary Decompose(double value)
{
    uint64_t bits;
    __builtin_memcpy(&bits, &value, sizeof bits);
    Binary b;
    b.signBit = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const uint64_t fraction = bits & FractionMask;
    b.mantissa = 0;
    b.exponent = 0;
    if (biased == 0x7FF) {
        if (fraction == 0)
            b.kind = Kind::Infinite;
        else if (bits == DefaultNaNBits)
            b.kind = Kind::DefaultNaN;
        else if (fraction & QuietBit)
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
    b.mantissa = biased == 0 ? fraction : fraction | HiddenBit;
    b.exponent = (biased == 0 ? 1 : biased) - ExponentBias;
    // An odd mantissa keeps the exact expansion as short as possible.
    const int zeros = __builtin_ctzll(b.mantissa);
    b.mantissa >>= zeros;
    b.exponent += zeros;
    return b;
}

// ---------------------------------------------------------------------------
// Collecting the first 18 significant digits of an exact expansion.

struct Leading {
    char* digits;    // SignificantDigitCount characters and a terminator
    int count;       // digits collected so far
    int exponent;    // point position
};

bool Full(const Leading& lead)
{
    return lead.count >= SignificantDigitCount;
}

// Appends the `width` lowest decimal digits of `chunk`, leading zeros included,
// as far as there is room.
void AppendDigits(Leading& lead, uint64_t chunk, int width)
{
    char text[20];
    for (int i = width - 1; i >= 0; --i) {
        text[i] = static_cast<char>('0' + chunk % 10);
        chunk /= 10;
    }
    for (int i = 0; i < width && !Full(lead); ++i)
        lead.digits[lead.count++] = text[i];
}

int DecimalWidth(uint64_t n)
{
    int width = 1;
    while (n >= 10) {
        n /= 10;
        ++width;
    }
    return width;
}

void PadWithZeros(Leading& lead)
{
    while (!Full(lead))
        lead.digits[lead.count++] = '0';
    lead.digits[SignificantDigitCount] = '\0';
}

// r * factor as a 96-bit number: returns the low 64 bits, *high the rest.
uint64_t MultiplyWide(uint64_t r, uint32_t factor, uint64_t* high)
{
    const uint64_t low = (r & 0xFFFFFFFFu) * factor;
    const uint64_t mid = (r >> 32) * factor;
    const uint64_t result = low + (mid << 32);
    *high = (mid >> 32) + (result < low ? 1 : 0);
    return result;
}

constexpr uint32_t ChunkBase = 1000000000;  // nine decimal digits
constexpr int ChunkDigits = 9;

// Values whose whole part fits 64 bits and that have at most 64 fraction bits:
// the whole part is an integer, the fraction r / 2^bits yields nine exact
// digits per multiplication by 10^9.
void LeadingDigitsSmall(uint64_t whole, uint64_t fraction, int bits, Leading& lead)
{
    if (whole != 0) {
        const int width = DecimalWidth(whole);
        lead.exponent = width;
        AppendDigits(lead, whole, width);
    }
    const uint64_t mask = bits >= 64 ? ~uint64_t(0) : (uint64_t(1) << bits) - 1;
    while (!Full(lead) && fraction != 0) {
        uint64_t high;
        const uint64_t low = MultiplyWide(fraction, ChunkBase, &high);
        uint64_t chunk;
        if (bits >= 64) {
            chunk = high;
            fraction = low;
        } else {
            chunk = (high << (64 - bits)) | (low >> bits);
            fraction = low & mask;
        }
        if (lead.count == 0) {
            // Still in the zeros after the point.
            if (chunk == 0) {
                lead.exponent -= ChunkDigits;
                continue;
            }
            const int width = DecimalWidth(chunk);
            lead.exponent -= ChunkDigits - width;
            AppendDigits(lead, chunk, width);
        } else {
            AppendDigits(lead, chunk, ChunkDigits);
        }
    }
}

// Any other value: the exact integer mantissa * 2^exponent, or
// mantissa * 5^-exponent with the point -exponent digits from the right,
// in base 10^9.
constexpr int MaxLimbs = 90;  // mantissa * 5^1074 has 767 digits

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

constexpr int MaxTwoStep = 32;
constexpr int MaxFiveStep = 13;
constexpr uint64_t FivePowers[MaxFiveStep + 1] = {
    1u, 5u, 25u, 125u, 625u, 3125u, 15625u, 78125u, 390625u, 1953125u,
    9765625u, 48828125u, 244140625u, 1220703125u};

void LeadingDigitsBig(uint64_t mantissa, int exponent, Leading& lead)
{
    BigDecimal big;
    big.used = 0;
    while (mantissa != 0) {
        big.limbs[big.used++] = static_cast<uint32_t>(mantissa % ChunkBase);
        mantissa /= ChunkBase;
    }
    int pointShift = 0;
    if (exponent >= 0) {
        for (int left = exponent; left > 0; left -= MaxTwoStep) {
            const int step = left < MaxTwoStep ? left : MaxTwoStep;
            MultiplyBig(big, uint64_t(1) << step);
        }
    } else {
        pointShift = -exponent;
        for (int left = pointShift; left > 0; left -= MaxFiveStep) {
            const int step = left < MaxFiveStep ? left : MaxFiveStep;
            MultiplyBig(big, FivePowers[step]);
        }
    }
    const int top = big.used - 1;
    const int width = DecimalWidth(big.limbs[top]);
    lead.exponent = width + ChunkDigits * top - pointShift;
    AppendDigits(lead, big.limbs[top], width);
    for (int i = top - 1; i >= 0 && !Full(lead); --i)
        AppendDigits(lead, big.limbs[i], ChunkDigits);
}

// Values below 2^-11 with more than 64 fraction bits, mantissa / 2^bits:
// with s = 18 - E, the 18 digits are floor(mantissa * 5^s / 2^(bits - s)),
// a product in base 2^32 and a shift. E is known from the binary exponent to
// within one. Returns false where this does not apply.
constexpr int MaxBinaryLimbs = 40;  // mantissa * 5^341 has under 850 bits
constexpr uint64_t Ten17 = 100000000000000000u;
constexpr uint64_t Ten18 = 1000000000000000000u;

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

bool LeadingDigitsTiny(uint64_t mantissa, int bits, Leading& lead)
{
    const int binaryPoint = 63 - __builtin_clzll(mantissa) - bits;  // value in [2^k, 2^(k+1))
    int exponent = FloorLog10Pow2(binaryPoint) + 1;
    const int scale = SignificantDigitCount - exponent;
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
    // Bits shift .. shift + 63 of the product; nothing lies above them.
    if (LimbAt(big, word + 3) != 0 || (offset != 0 && (LimbAt(big, word + 2) >> offset) != 0))
        return false;
    const uint64_t low = LimbAt(big, word) | uint64_t(LimbAt(big, word + 1)) << 32;
    const uint64_t high = LimbAt(big, word + 2);
    uint64_t digits = offset == 0 ? low : (low >> offset) | (high << (64 - offset));
    if (digits >= Ten18) {
        digits /= 10;  // truncating twice truncates once
        ++exponent;
    }
    if (digits < Ten17 || digits >= Ten18)
        return false;
    lead.exponent = exponent;
    AppendDigits(lead, digits, SignificantDigitCount);
    return true;
}

// ---------------------------------------------------------------------------
// Rounding on decimal digits.

// Adds one to the last of `count` digits, carrying through nines. Returns
// false if the carry ran out of the first digit (all are zeros then).
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

} // namespace

int SignificantDigits18(double value, char digits[SignificantDigitCount + 1])
{
    Leading lead{digits, 0, 0};
    const Binary b = Decompose(value);
    if (b.kind != Kind::Finite) {
        PadWithZeros(lead);
        return 0;
    }
    if (b.exponent >= 0) {
        if (b.exponent == 0 || (b.exponent < 64 && (b.mantissa >> (64 - b.exponent)) == 0))
            LeadingDigitsSmall(b.mantissa << b.exponent, 0, 0, lead);
        else
            LeadingDigitsBig(b.mantissa, b.exponent, lead);
    } else if (b.exponent >= -64) {
        const int bits = -b.exponent;
        const uint64_t whole = bits >= 64 ? 0 : b.mantissa >> bits;
        const uint64_t fraction = bits >= 64 ? b.mantissa : b.mantissa & ((uint64_t(1) << bits) - 1);
        LeadingDigitsSmall(whole, fraction, bits, lead);
    } else if (!LeadingDigitsTiny(b.mantissa, -b.exponent, lead)) {
        LeadingDigitsBig(b.mantissa, b.exponent, lead);
    }
    PadWithZeros(lead);
    return lead.exponent;
}

DigitRecord FixedDigits(double value, int places)
{
    // The significant digits: at most 17 characters, or a non-finite name.
    char significant[SignificantDigitCount + 1];
    int length = 1;
    int exponent = 0;
    const Binary b = Decompose(value);
    bool negative = b.signBit;
    const char* name = nullptr;
    switch (b.kind) {
    case Kind::Zero:
        significant[0] = '0';
        negative = false;
        break;
    case Kind::Infinite:      name = "1#INF"; break;
    case Kind::DefaultNaN:    name = "1#IND"; break;
    case Kind::QuietNaN:      name = "1#QNAN"; break;
    case Kind::SignallingNaN: name = "1#SNAN"; break;
    case Kind::Finite:
        exponent = SignificantDigits18(value, significant);
        // Half up to 17 digits; a carry out of the first gives "1".
        if (significant[KeptDigitCount] >= '5' &&
            !IncrementDigits(significant, KeptDigitCount)) {
            significant[0] = '1';
            ++exponent;
        }
        length = KeptDigitCount;
        while (length > 1 && significant[length - 1] == '0')
            --length;
        break;
    }
    if (name) {
        length = 0;
        while (name[length] != '\0') {
            significant[length] = name[length];
            ++length;
        }
        exponent = 1;
    }

    if (places < 0)
        places = 0;
    if (places > MaxPlaces)
        places = MaxPlaces;
    int count = places + exponent;
    if (count > MaxDigitCount)
        count = MaxDigitCount;

    DigitLength = 0;
    if (count >= 0) {
        for (int i = 0; i < count; ++i)
            DigitText[i] = i < length ? significant[i] : '0';
        const char next = count < length ? significant[count] : '0';
        DigitLength = count;
        // Half up at the last place, on the characters; a carry out of the
        // first digit gives "1" followed by `count` zeros.
        if (next >= '5' && !IncrementDigits(DigitText, count)) {
            DigitText[0] = '1';
            for (int i = 1; i <= count; ++i)
                DigitText[i] = '0';
            DigitLength = count + 1;
            ++exponent;
        }
    }
    DigitText[DigitLength] = '\0';
    return DigitRecord{DigitText, exponent, negative};
}

namespace {

struct Writer {
    int length;
    void Put(char c)
    {
        if (length < FormatResultSize - 1)
            ResultText[length++] = c;
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
            out.Put('.');
            const int pointEnd = out.length;
            for (int i = 0; i < places; ++i)
                out.Put(DigitAt(e + i));
            if (decimals == CutDecimals) {
                while (out.length > pointEnd && ResultText[out.length - 1] == '0')
                    --out.length;
            }
        }
    } else {
        out.Put('0');
        if (withPoint) {
            out.Put('.');
            const int zeros = -e < places ? -e : places;
            for (int i = 0; i < zeros; ++i)
                out.Put('0');
            for (int i = 0; i < places + e; ++i)
                out.Put(DigitAt(i));
        }
    }
    ResultText[out.length] = '\0';
    return ResultText;
}
