// SPDX-License-Identifier: MIT
#include "CodePage.h"
#include "Conversions.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using hexconv::CodePage;
using hexconv::Conversions;
using hexconv::Value;

namespace {

const Conversions::Yield noYield = [] {};

// Each iteration runs over all 256 byte values; the per-byte rate is reported as items.
std::vector<Value> allBytes() {
    std::vector<Value> values;
    for (int v = 0; v <= 255; ++v) {
        values.emplace_back(static_cast<double>(v));
    }
    return values;
}

std::vector<Value> convertAll(const std::vector<Value>& in, Value (*f)(const Value&)) {
    std::vector<Value> out;
    for (const Value& v : in) {
        out.push_back(f(v));
    }
    return out;
}

Value decToBin(const Value& v) {
    return Conversions::DecToBin(v, noYield);
}
Value hexOf(const Value& v) {
    return Conversions::BinToHex(v);
}

const std::vector<Value> bytes = allBytes();
const std::vector<Value> bitStrings = convertAll(bytes, decToBin);
const std::vector<Value> hexPairs = convertAll(bitStrings, hexOf);

template <typename F> void overAll(benchmark::State& state, const std::vector<Value>& in, F f) {
    for (auto _ : state) {
        for (const Value& v : in) {
            benchmark::DoNotOptimize(f(v));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(in.size()));
}

void BM_DecToBin(benchmark::State& state) {
    overAll(state, bytes, [](const Value& v) { return Conversions::DecToBin(v, noYield); });
}
void BM_BinToDec(benchmark::State& state) {
    overAll(state, bitStrings, [](const Value& v) { return Conversions::BinToDec(v, noYield); });
}
void BM_BinToHex(benchmark::State& state) {
    overAll(state, bitStrings, [](const Value& v) { return Conversions::BinToHex(v); });
}
void BM_HexToBin(benchmark::State& state) {
    overAll(state, hexPairs, [](const Value& v) { return Conversions::HexToBin(v, noYield); });
}

// Character mode's road: the character's code, as decimal text, to bits, to hex.
void BM_CharacterToHexChain(benchmark::State& state) {
    std::vector<std::u32string> characters;
    for (int code = 0; code <= 255; ++code) {
        characters.emplace_back(1, CodePage::windows1252().characterFor(code));
    }
    for (auto _ : state) {
        for (const std::u32string& c : characters) {
            const Value dec(Value::textForm(CodePage::windows1252().codeOfCharacter(c)));
            const Value bits = Conversions::DecToBin(dec, noYield);
            benchmark::DoNotOptimize(Conversions::BinToHex(bits));
        }
    }
    state.SetItemsProcessed(state.iterations() * 256);
}

// Hex mode's road: hex digits to bits, to decimal text, to the character.
void BM_HexToCharacterChain(benchmark::State& state) {
    for (auto _ : state) {
        for (const Value& hex : hexPairs) {
            const Value bits = Conversions::HexToBin(hex, noYield);
            const Value dec(Conversions::BinToDec(bits, noYield).toText());
            benchmark::DoNotOptimize(CodePage::windows1252().characterFor(dec.toNumber()));
        }
    }
    state.SetItemsProcessed(state.iterations() * 256);
}

BENCHMARK(BM_DecToBin);
BENCHMARK(BM_BinToDec);
BENCHMARK(BM_BinToHex);
BENCHMARK(BM_HexToBin);
BENCHMARK(BM_CharacterToHexChain);
BENCHMARK(BM_HexToCharacterChain);

} // namespace

BENCHMARK_MAIN();
