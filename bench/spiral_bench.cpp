// The spiral generator against the floor: a plain copy of as many bytes as the block holds.
#include <benchmark/benchmark.h>

#include <string>

#include "app/spiral.hpp"

namespace {

constexpr int kLines = 10000;

std::u16string typed_line(std::size_t length) {
    std::u16string text;
    for (std::size_t i = 0; i < length; ++i) text += static_cast<char16_t>(u'a' + i % 26);
    return text;
}

void BM_SpiralBlock(benchmark::State& state) {
    const std::u16string text = typed_line(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::u16string block = vandrelle::app::make_spiral_block(text, kLines);
        bytes = block.size() * sizeof(char16_t);
        benchmark::DoNotOptimize(block.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

// The floor: one allocation and one copy of a string of the block's size.
void BM_PlainCopy(benchmark::State& state) {
    const std::size_t units = (static_cast<std::size_t>(state.range(0)) + 2) * kLines;
    const std::u16string source(units, u'x');
    for (auto _ : state) {
        std::u16string copy(source);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * units * sizeof(char16_t)));
}

BENCHMARK(BM_SpiralBlock)->Arg(80)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCopy)->Arg(80)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
