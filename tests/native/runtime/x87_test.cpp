// Number parsing on the x87 unit: at the 64-bit extended precision that the
// i686 start-up code leaves, accumulating the digits of a long number gives
// another double than IEEE double arithmetic; after LoadFpuControl, the
// same code gives exactly the double result.
#include "numtext/numtext.h"
#include "tests/harness.h"

double ReferenceWhole(const char* digits);

static void SetControlWord(unsigned short cw)
{
    __asm__ volatile("fldcw %0" : : "m"(cw));
}

static double Parse(const char* text)
{
    char scratch[64];
    strcpy(scratch, text);
    return ParseNumber(scratch, ParseSigned);
}

int main()
{
    // Whole parts long enough that extended and double sums part ways.
    static const char* const texts[] = {"12345678901234567891", "98765432109876543219",
                                        "314159265358979323846"};
    unsigned short start = ReadFpuControl();

    SetControlWord(0x37F);  // 64-bit significand, as mingw's start-up leaves it
    int differing = 0;
    for (const char* text : texts)
        differing += Parse(text) != ReferenceWhole(text);
    CHECK(differing > 0);  // the extended sum is a different double

    HarnessStart();  // what the program and every test program do first
    CHECK_INT(ReadFpuControl() & FpuPrecisionMask, FpuPrecision53, "precision bits");
    for (const char* text : texts)
        CHECK_DOUBLE(Parse(text), ReferenceWhole(text), text);

    SetControlWord(start);
    return HarnessFinish("x87");
}
