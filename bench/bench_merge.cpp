// The dictionary merge of an online update: 100 000 downloaded lines into a
// dictionary of 100 000, half of them already there (some in another letter
// case). "bench_merge --merge DICTIONARY DOWNLOADED" merges two files once,
// for timing against other tools (bench/merge_vs_awk.sh).
#include "PlikSlownika.h"
#include "UpdateSteps.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::string entry(int i, bool upper)
{
    // Windows-1250: "słowo" / "SŁOWO".
    const std::string polski = upper ? "S\xA3OWO" : "s\xB3owo";
    const std::string angielski = upper ? "WORD" : "word";
    return "\"" + angielski + std::to_string(i) + "\";\"" + polski + std::to_string(i) + "\";\"kategoria" +
           std::to_string(i % 40) + "\"";
}

// A dictionary of n lines and a download of n lines whose first half is
// already in the dictionary, every fourth of those in upper case.
std::pair<Lines, Lines> dictionaries(int n)
{
    Lines slownik, pobrane;
    slownik.reserve(n);
    pobrane.reserve(n);
    for (int i = 0; i < n; ++i)
        slownik.push_back(entry(i, false));
    for (int i = n / 2; i < n + n / 2; ++i)
        pobrane.push_back(entry(i, i < n && i % 4 == 0));
    return {slownik, pobrane};
}

// The merge as first described, for comparison on small sizes only.
Lines mergeBySearch(Lines slownik, const Lines& pobrane)
{
    for (const auto& linia : pobrane) {
        bool found = false;
        for (const auto& stara : slownik) {
            if (TakieSame(stara, linia)) {
                found = true;
                break;
            }
        }
        if (!found)
            slownik.push_back(linia);
    }
    return slownik;
}

void BM_ScalLinie(benchmark::State& state)
{
    const auto [slownik, pobrane] = dictionaries(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Lines wynik = ScalLinie(slownik, pobrane);
        benchmark::DoNotOptimize(wynik.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 2);
}
BENCHMARK(BM_ScalLinie)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LinearSearchMerge(benchmark::State& state)
{
    const auto [slownik, pobrane] = dictionaries(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Lines wynik = mergeBySearch(slownik, pobrane);
        benchmark::DoNotOptimize(wynik.data());
    }
}
BENCHMARK(BM_LinearSearchMerge)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

// The whole step as the update runs it: read both files, merge, write, delete.
void BM_ScalSlowniki(benchmark::State& state)
{
    const auto [slownik, pobrane] = dictionaries(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const std::string plik = dir.path().toStdString() + "/slownik.txt";
    const std::string nowy = dir.path().toStdString() + "/slownik_nowy.txt";
    for (auto _ : state) {
        state.PauseTiming();
        ZapiszLinie(plik, slownik);
        ZapiszLinie(nowy, pobrane);
        state.ResumeTiming();
        ScalSlowniki(plik, nowy);
    }
}
BENCHMARK(BM_ScalSlowniki)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--merge") == 0) {
        try {
            ScalSlowniki(argv[2], argv[3]);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s\n", error.what());
            return 1;
        }
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
