// Number text against the C and C++ libraries, on the inputs the program
// sees: amounts at 2 places, calculator values at 10, huge page results at
// 2, and field texts of up to 29 characters. Prints the ratios at the end.
#include <benchmark/benchmark.h>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>
#include "numtext/numtext.h"

namespace {

constexpr int InputCount = 4096;

std::vector<double> LogUniform(double low, double high, unsigned seed, bool cents)
{
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> exponent(std::log10(low), std::log10(high));
    std::vector<double> values;
    for (int i = 0; i < InputCount; ++i) {
        double v = std::pow(10.0, exponent(random));
        if (cents)
            v = std::round(v * 100.0) / 100.0;
        values.push_back(v);
    }
    return values;
}

const std::vector<double> Amounts = LogUniform(0.01, 1e10, 1, true);
const std::vector<double> CalculatorValues = [] {
    // Results of arithmetic: full mantissas, signs, below 10^15.
    std::vector<double> v = LogUniform(1e-4, 1e15, 2, false);
    for (size_t i = 0; i < v.size(); i += 3)
        v[i] = -v[i] / 3.0;
    return v;
}();
const std::vector<double> HugeValues = LogUniform(1e28, 1e308, 3, false);

// Field texts: amounts and calculator values as the fields show them, some
// with blanks around, cut to 29 characters.
const std::vector<std::string> FieldTexts = [] {
    std::vector<std::string> texts;
    for (int i = 0; i < InputCount; ++i) {
        std::string t = i % 2 ? FormatNumber(Amounts[i], 2) : FormatNumber(CalculatorValues[i], 10);
        if (i % 5 == 0)
            t = "  " + t + " ";
        texts.push_back(t.substr(0, 29));
    }
    return texts;
}();

enum class Formatter { Ledgerly, Snprintf, ToChars };

void FormatLoop(benchmark::State& state, const std::vector<double>& values, int decimals,
                Formatter how)
{
    char buffer[400];
    const char* format = decimals == 2 ? "%.2f" : "%.10f";
    size_t i = 0;
    for (auto _ : state) {
        const double v = values[i++ & (InputCount - 1)];
        switch (how) {
        case Formatter::Ledgerly:
            benchmark::DoNotOptimize(FormatNumber(v, decimals));
            break;
        case Formatter::Snprintf:
            benchmark::DoNotOptimize(snprintf(buffer, sizeof buffer, format, v));
            break;
        case Formatter::ToChars:
            benchmark::DoNotOptimize(
                std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals));
            break;
        }
        benchmark::ClobberMemory();
    }
}

void ParseLoop(benchmark::State& state, bool ledgerly)
{
    char text[FieldTextSize];
    size_t i = 0;
    for (auto _ : state) {
        const std::string& t = FieldTexts[i++ & (InputCount - 1)];
        memcpy(text, t.c_str(), t.size() + 1);  // callers read into a scratch buffer
        benchmark::DoNotOptimize(ledgerly ? ParseNumber(text, ParseSigned) : strtod(text, nullptr));
        benchmark::ClobberMemory();
    }
}

struct Group {
    const char* name;
    const std::vector<double>* values;
    int decimals;
};

const Group Groups[] = {
    {"amounts/2", &Amounts, 2},
    {"calculator/10", &CalculatorValues, 10},
    {"huge/2", &HugeValues, 2},
};

// Keeps the time per iteration of every run, for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> nanoseconds;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            nanoseconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv)
{
    for (const Group& g : Groups) {
        const std::string base = std::string("format ") + g.name;
        benchmark::RegisterBenchmark((base + " FormatNumber").c_str(), FormatLoop, *g.values,
                                     g.decimals, Formatter::Ledgerly);
        benchmark::RegisterBenchmark((base + " snprintf").c_str(), FormatLoop, *g.values,
                                     g.decimals, Formatter::Snprintf);
        benchmark::RegisterBenchmark((base + " to_chars").c_str(), FormatLoop, *g.values,
                                     g.decimals, Formatter::ToChars);
    }
    benchmark::RegisterBenchmark("parse fields ParseNumber", ParseLoop, true);
    benchmark::RegisterBenchmark("parse fields strtod", ParseLoop, false);

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    auto& ns = reporter.nanoseconds;
    auto ratio = [&](const std::string& other, const std::string& ours) {
        if (ns.count(other) && ns.count(ours) && ns[ours] > 0)
            printf("  %-42s %6.2fx\n", (other + " / ours").c_str(), ns[other] / ns[ours]);
    };
    printf("\nSpeed-up of Ledgerly's routines (time of the other / time of ours):\n");
    for (const Group& g : Groups) {
        const std::string base = std::string("format ") + g.name;
        ratio(base + " snprintf", base + " FormatNumber");
        ratio(base + " to_chars", base + " FormatNumber");
    }
    ratio("parse fields strtod", "parse fields ParseNumber");
    printf("Goals: amounts >= 4x snprintf and >= 0.67x to_chars; huge >= 1x snprintf;"
           " parse >= 1x strtod.\n");
    benchmark::Shutdown();
    return 0;
}
