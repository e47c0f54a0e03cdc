// Nanoseconds per call of every forward and reverse routine, over a spread
// of colours so that no branch is favoured.
#include <benchmark/benchmark.h>

#include <vector>

#include "cli/cli.h"
#include "colour/colour.h"

using namespace qolvar;

namespace {

const std::vector<RGBCode>& Codes()
{
    static const std::vector<RGBCode> codes = [] {
        std::vector<RGBCode> v;
        std::uint32_t x = 12345;
        for (int i = 0; i < 4096; ++i) {
            x = x * 1664525u + 1013904223u;
            v.push_back(x >> 8);
        }
        return v;
    }();
    return codes;
}

template <class F>
void Loop(benchmark::State& state, F f)
{
    const auto& codes = Codes();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(codes[i]));
        i = (i + 1) & 4095;
    }
    state.SetItemsProcessed(state.iterations());
}

// The start-up conditions; the Munsell benchmarks add the shipped D65 table.
ConversionConditions& Conditions()
{
    static ConversionConditions c;
    return c;
}

template <void (*Forward)(RGBCode, TColorVec&, const ConversionConditions&)>
void BM_Forward(benchmark::State& state)
{
    Loop(state, [](RGBCode c) {
        TColorVec v;
        Forward(c, v, Conditions());
        return v[0] + v[1] + v[2];
    });
}

template <void (*Forward)(RGBCode, TColorVec&, const ConversionConditions&),
          RGBCode (*Reverse)(TColorVec&, const ConversionConditions&)>
void BM_Reverse(benchmark::State& state)
{
    // Precompute the inputs so only the reverse routine is timed.
    std::vector<TColorVec> inputs;
    for (RGBCode c : Codes()) {
        TColorVec v;
        Forward(c, v, Conditions());
        inputs.push_back(v);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        TColorVec v = inputs[i];
        benchmark::DoNotOptimize(Reverse(v, Conditions()));
        i = (i + 1) & 4095;
    }
    state.SetItemsProcessed(state.iterations());
}

RGBCode XYZToRGBInPlace(TColorVec& v, const ConversionConditions& c) { return XYZToRGB(v, c); }

template <std::uint32_t (*Forward)(RGBCode)>
void BM_Packed(benchmark::State& state)
{
    Loop(state, Forward);
}

template <std::uint32_t (*Forward)(RGBCode), RGBCode (*Reverse)(std::uint32_t)>
void BM_PackedReverse(benchmark::State& state)
{
    std::vector<std::uint32_t> inputs;
    for (RGBCode c : Codes()) inputs.push_back(Forward(c));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Reverse(inputs[i]));
        i = (i + 1) & 4095;
    }
    state.SetItemsProcessed(state.iterations());
}

CMYKCode CMYKForward(RGBCode c) { return RGBToCMYK(c); }

// The Munsell searches with the full shipped D65 table.
void LoadTable()
{
    if (!Conditions().munsell) Conditions().munsell = LoadMunsellTable(cli::ProgramFolder(), MunsellIlluminant::D65);
}

void BM_RGBToHVC(benchmark::State& state)
{
    LoadTable();
    Loop(state, [](RGBCode c) {
        TColorVec hvc, yxy;
        RGBToHVC(c, hvc, yxy, Conditions());
        return hvc[0] + hvc[1] + hvc[2];
    });
}

void BM_HVCToRGB(benchmark::State& state)
{
    LoadTable();
    std::vector<TColorVec> inputs;
    for (RGBCode c : Codes()) {
        TColorVec hvc, yxy;
        RGBToHVC(c, hvc, yxy, Conditions());
        inputs.push_back(hvc);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        TColorVec yxy;
        benchmark::DoNotOptimize(HVCToRGB(inputs[i], yxy, Conditions()));
        i = (i + 1) & 4095;
    }
    state.SetItemsProcessed(state.iterations());
}

// The interpolation of the renotation samples: RGB → H V/C solves for the
// notation, H V/C → RGB interpolates once.
void BM_RenotationRGBToHVC(benchmark::State& state)
{
    LoadTable();
    Loop(state, [](RGBCode c) {
        TColorVec hvc, yxy;
        RenotationRGBToHVC(c, hvc, yxy, Conditions());
        return hvc[0] + hvc[1] + hvc[2];
    });
}

void BM_RenotationHVCToRGB(benchmark::State& state)
{
    LoadTable();
    std::vector<TColorVec> inputs;
    for (RGBCode c : Codes()) {
        TColorVec hvc, yxy;
        RenotationRGBToHVC(c, hvc, yxy, Conditions());
        inputs.push_back(hvc);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        TColorVec yxy;
        RenotationHVCToYxy(inputs[i], yxy, Conditions());
        benchmark::DoNotOptimize(YxyToRGB(yxy, Conditions()));
        i = (i + 1) & 4095;
    }
    state.SetItemsProcessed(state.iterations());
}

// Reading a table and indexing it, as the Munsell page does on a switch.
void BM_LoadMunsellTable(benchmark::State& state, MunsellIlluminant illuminant)
{
    for (auto _ : state) benchmark::DoNotOptimize(LoadMunsellTable(cli::ProgramFolder(), illuminant));
}

// Memory of a table once every luminance range and every hue band has been
// searched (sweeps of Y and of H): the rows (in file order and by Y) and the
// index with the sorted lists it keeps.
void BM_MunsellMemory(benchmark::State& state, MunsellIlluminant illuminant)
{
    ConversionConditions c;
    for (auto _ : state) {
        c.munsell = LoadMunsellTable(cli::ProgramFolder(), illuminant);
        TColorVec out;
        for (int i = 0; i <= 100000; ++i) YxyToHVC({0.31f, 0.33f, i / 1000.0f}, out, c);
        for (int i = 0; i <= 10000; ++i) HVCToYxy({i / 100.0f, 5, 4}, out, c);
    }
    state.counters["rows_KiB"] = 2.0 * c.munsell->Rows().size() * sizeof(MunsellRow) / 1024.0;
    state.counters["index_KiB"] = c.munsell->IndexBytes() / 1024.0;
}

RGBCode CMYKReverse(CMYKCode c) { return CMYKToRGB(c); }

}  // namespace

BENCHMARK(BM_Forward<RGBToXYZ>)->Name("RGBToXYZ");
BENCHMARK(BM_Reverse<RGBToXYZ, XYZToRGBInPlace>)->Name("XYZToRGB");
BENCHMARK(BM_Forward<RGBToYxy>)->Name("RGBToYxy");
BENCHMARK(BM_Reverse<RGBToYxy, YxyToRGB>)->Name("YxyToRGB");
BENCHMARK(BM_Forward<RGBToLab>)->Name("RGBToLab");
BENCHMARK(BM_Reverse<RGBToLab, LabToRGB>)->Name("LabToRGB");
BENCHMARK(BM_Forward<RGBToLuv>)->Name("RGBToLuv");
BENCHMARK(BM_Reverse<RGBToLuv, LuvToRGB>)->Name("LuvToRGB");
BENCHMARK(BM_RGBToHVC)->Name("RGBToHVC")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HVCToRGB)->Name("HVCToRGB")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenotationRGBToHVC)->Name("RenotationRGBToHVC")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenotationHVCToRGB)->Name("RenotationHVCToRGB")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LoadMunsellTable, d65, MunsellIlluminant::D65)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadMunsellTable, c, MunsellIlluminant::C)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MunsellMemory, d65, MunsellIlluminant::D65)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_MunsellMemory, c, MunsellIlluminant::C)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Packed<RGBToHSV>)->Name("RGBToHSV");
BENCHMARK(BM_PackedReverse<RGBToHSV, HSVToRGB>)->Name("HSVToRGB");
BENCHMARK(BM_Packed<RGBToHLS>)->Name("RGBToHLS");
BENCHMARK(BM_PackedReverse<RGBToHLS, HLSToRGB>)->Name("HLSToRGB");
BENCHMARK(BM_Packed<CMYKForward>)->Name("RGBToCMYK");
BENCHMARK(BM_PackedReverse<CMYKForward, CMYKReverse>)->Name("CMYKToRGB");
BENCHMARK(BM_Packed<RGBToYUV>)->Name("RGBToYUV");
BENCHMARK(BM_PackedReverse<RGBToYUV, YUVToRGB>)->Name("YUVToRGB");
BENCHMARK(BM_Packed<RGBToYCbCr>)->Name("RGBToYCbCr");
BENCHMARK(BM_PackedReverse<RGBToYCbCr, YCbCrToRGB>)->Name("YCbCrToRGB");
BENCHMARK(BM_Packed<RGBToYPbPr>)->Name("RGBToYPbPr");
BENCHMARK(BM_PackedReverse<RGBToYPbPr, YPbPrToRGB>)->Name("YPbPrToRGB");
BENCHMARK(BM_Packed<RGBToYIQ>)->Name("RGBToYIQ");
BENCHMARK(BM_PackedReverse<RGBToYIQ, YIQToRGB>)->Name("YIQToRGB");
