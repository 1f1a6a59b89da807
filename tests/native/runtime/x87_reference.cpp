// Digit accumulation in plain IEEE double arithmetic (SSE2), the reference
// for the x87 test.
double ReferenceWhole(const char* digits)
{
    double w = 0.0;
    for (const char* p = digits; *p; ++p)
        w = w * 10 + (*p - '0');
    return w;
}
