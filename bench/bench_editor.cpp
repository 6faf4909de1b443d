// The dictionary editor on a dictionary of 100 000 lines: opening it into the
// grid, saving it back, searching it, and scrolling the shown grid through.
#include "AppFonts.h"
#include "Application.h"
#include "DictionaryGrid.h"
#include "DictionaryModel.h"
#include "MessageBoxes.h"
#include "TEdytorDialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr int kLines = 100000;

// One editor on a program directory holding the big dictionary, made once.
struct BigDictionary {
    QTemporaryDir dir;
    std::string katalog;
    std::unique_ptr<TEdytorDialog> dialog;

    BigDictionary()
    {
        katalog = dir.path().toStdString() + "/";
        std::ofstream out(katalog + "slownik.txt", std::ios::binary);
        for (int i = 0; i < kLines; ++i)
            out << "\"word " << i << "\";\"s\xB3owo \xBF\xF3\xB3w " << i << "\";\"kategoria " << i % 37 << "\"\r\n";
        out.close();
        dialog = std::make_unique<TEdytorDialog>(nullptr, katalog);
    }
    [[nodiscard]] std::string txt() const { return katalog + "slownik.txt"; }
    [[nodiscard]] std::string bak() const { return katalog + "slownik.bak"; }
};

BigDictionary& big()
{
    static BigDictionary instance;
    return instance;
}

void BM_Open(benchmark::State& state)
{
    BigDictionary& b = big();
    for (auto _ : state)
        b.dialog->WczytajSlownik(b.txt());
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);

// Every save but the first finds the backup in place.
void BM_Save(benchmark::State& state)
{
    BigDictionary& b = big();
    b.dialog->WczytajSlownik(b.txt());
    for (auto _ : state)
        b.dialog->Button2Click();
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_FirstSaveWithBackup(benchmark::State& state)
{
    BigDictionary& b = big();
    b.dialog->WczytajSlownik(b.txt());
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(QString::fromStdString(b.bak()));
        state.ResumeTiming();
        b.dialog->Button2Click();
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_FirstSaveWithBackup)->Unit(benchmark::kMillisecond);

// A text found only in the last row: the longest press of "Szukaj".
void BM_SearchToTheLastRow(benchmark::State& state)
{
    BigDictionary& b = big();
    b.dialog->WczytajSlownik(b.txt());
    b.dialog->SzukajEdit->setText(QStringLiteral("word %1").arg(kLines - 1));
    for (auto _ : state) {
        b.dialog->SzukajEditChange();
        b.dialog->Button3Click();
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_SearchToTheLastRow)->Unit(benchmark::kMillisecond);

// The grid drawn as the screen would show it.
void paintGrid(DictionaryGrid* grid)
{
    QApplication::processEvents();
    benchmark::DoNotOptimize(grid->grab());
}

// One page down and the grid painted again, as a Page Down or a wheel turn
// asks; the time per page is what the user waits for while scrolling.
void BM_ScrollPageAndPaint(benchmark::State& state)
{
    BigDictionary& b = big();
    b.dialog->WczytajSlownik(b.txt());
    b.dialog->show();
    QScrollBar* bar = b.dialog->SlownikGrid->verticalScrollBar();
    int pages = 0;
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        paintGrid(b.dialog->SlownikGrid);
        ++pages;
    }
    state.counters["pages"] = pages;
    state.counters["rows per page"] = bar->pageStep();
}
BENCHMARK(BM_ScrollPageAndPaint)->Unit(benchmark::kMicrosecond);

// The scroll bar's thumb dragged from the top to the bottom in 200 steps,
// each painted.
void BM_DragThumbThrough(benchmark::State& state)
{
    BigDictionary& b = big();
    b.dialog->WczytajSlownik(b.txt());
    b.dialog->show();
    QScrollBar* bar = b.dialog->SlownikGrid->verticalScrollBar();
    constexpr int kSteps = 200;
    for (auto _ : state) {
        for (int i = 0; i <= kSteps; ++i) {
            bar->setValue(static_cast<int>(static_cast<long long>(bar->maximum()) * i / kSteps));
            paintGrid(b.dialog->SlownikGrid);
        }
    }
    state.counters["steps"] = kSteps + 1;
}
BENCHMARK(BM_DragThumbThrough)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    AppFonts::install();
    MessageBoxes::setResponder([](const BoxRecord&) { return BoxOk; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
