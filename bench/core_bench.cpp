// Speed of the core: a whole calculation run from the five input texts, and the
// result text rule against printf's %.15G on the same values.
#include "calc/calculation.h"
#include "calc/number_text.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using namespace velmora;

void CalculationRun(benchmark::State& state)
{
    const InputTexts inputs {"203", "2032", "5.6", "640", "480"};
    for (auto _ : state) {
        const Outcome outcome = calculate(inputs, ",");
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(CalculationRun);

std::vector<double> sampleValues()
{
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 18);
    std::vector<double> values(4096);
    for (double& v : values)
        v = mantissa(random) * std::pow(10.0, exponent(random));
    return values;
}

void ResultTextRule(benchmark::State& state)
{
    const std::vector<double> values = sampleValues();
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = formatResult(values[i++ % values.size()], ",");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(ResultTextRule);

void SnprintfBaseline(benchmark::State& state)
{
    const std::vector<double> values = sampleValues();
    std::size_t i = 0;
    char buffer[40];
    for (auto _ : state) {
        std::snprintf(buffer, sizeof buffer, "%.15G", values[i++ % values.size()]);
        benchmark::DoNotOptimize(buffer);
    }
}
BENCHMARK(SnprintfBaseline);

void FieldReadingRule(benchmark::State& state)
{
    const char* texts[] = {"203", "2032", "5.6", " 1 250", "6,8", "1.5E+16", "&H1F", "abc"};
    std::size_t i = 0;
    for (auto _ : state) {
        auto value = readFieldNumber(texts[i++ % std::size(texts)]);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(FieldReadingRule);

} // namespace
