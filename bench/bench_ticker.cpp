// The word list and the ticker frame: loading a large dictionary, and one
// frame on a wide strip drawn onto the paint box's retained surface.
#include "AppFonts.h"
#include "Cp1250.h"
#include "KeyedPicture.h"
#include "KlatkaTickera.h"
#include "ListaSlow.h"
#include "PlikSlownika.h"
#include "TPaintBox.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

// A dictionary of the given size with Polish letters and 40 categories.
std::string writeDictionary(const QTemporaryDir& dir, int lines)
{
    const std::string path = dir.filePath(QStringLiteral("slownik.txt")).toStdString();
    std::vector<std::string> linie;
    linie.reserve(static_cast<std::size_t>(lines));
    const std::string polish = Cp1250::fromUnicodeOrDie(QStringLiteral("zażółć gęślą jaźń"));
    for (int i = 0; i < lines; ++i)
        linie.push_back(ZlozLinie("english text number " + std::to_string(i), polish + " " + std::to_string(i),
                                  Cp1250::fromUnicodeOrDie(QStringLiteral("kategoria ż%1").arg(i % 40))));
    ZapiszLinie(path, linie);
    return path;
}

void BM_WczytajListe(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string path = writeDictionary(dir, static_cast<int>(state.range(0)));
    const std::string kategoria = state.range(1) ? Cp1250::fromUnicodeOrDie(QStringLiteral("kategoria ż7"))
                                                 : std::string(WszystkieKategorie);
    for (auto _ : state) {
        StanSlow stan;
        WczytajListeSlow(stan, path, kategoria, [] {});
        benchmark::DoNotOptimize(stan.LiczbaSlow);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WczytajListe)->Args({100000, 0})->Args({100000, 1})->ArgNames({"lines", "filtered"})->Unit(benchmark::kMillisecond);

void BM_Klatka(benchmark::State& state)
{
    TPaintBox box;
    box.setFont(AppFonts::windowFont());
    box.setSeparator(KeyedPicture::load(QStringLiteral(":/skin/SpacjaImg.png")));
    box.resize(static_cast<int>(state.range(0)), 17);
    StanSlow stan;
    const std::string polish = Cp1250::fromUnicodeOrDie(QStringLiteral("zażółć gęślą jaźń"));
    for (int i = 0; i < 1000; ++i) {
        TSlowo slowo;
        slowo.Polski = polish + " " + std::to_string(i);
        slowo.Angielski = "english text number " + std::to_string(i);
        stan.Slowa.push_back(slowo);
    }
    stan.LiczbaSlow = static_cast<std::int32_t>(stan.Slowa.size());
    for (auto _ : state)
        RysujKlatke(stan, 2, box);
    benchmark::DoNotOptimize(box.surface().constBits());
}
BENCHMARK(BM_Klatka)->Arg(306)->Arg(2000)->ArgName("strip_px")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppFonts::install();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
