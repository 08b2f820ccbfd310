// Timings of the editor's heavy paths on a full table: loading and showing a file, paste and the Calc
// loop over every parameter cell, painting the visible grid, and a grid text file round trip.
#include "app/Unit1.h"
#include "platform/AppHost.h"
#include "platform/Forms.h"
#include "tools/UnitFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Editor {
    QTemporaryDir dir;
    std::string file = dir.filePath(QStringLiteral("weapon.prm")).toStdString();
    std::string settings = dir.filePath(QStringLiteral("bench.INI")).toStdString();
    std::unique_ptr<app::TForm1> form;

    Editor() {
        fixture::WriteBytes(file, fixture::MakeSampleUnitFile());
        fixture::WriteBytes(settings, fixture::Bytes(file.begin(), file.end()));
        form = std::make_unique<app::TForm1>(settings);
        form->show();
        form->LoadUnitFile(file);
    }
};

void LoadAndShow(benchmark::State& state) {
    Editor editor;
    for (auto _ : state) benchmark::DoNotOptimize(editor.form->LoadUnitFile(editor.file));
}
BENCHMARK(LoadAndShow)->Unit(benchmark::kMillisecond);

void PasteWholeTable(benchmark::State& state) {
    Editor editor;
    std::string text;
    for (int row = 1; row <= 251; ++row) {
        for (int col = 1; col <= 46; ++col) {
            text += std::to_string((row * col) % 256);
            text += col < 46 ? '\t' : '\n';
        }
    }
    QApplication::clipboard()->setText(QString::fromStdString(text));
    editor.form->StringGridEx1->SetCol(1);
    editor.form->StringGridEx1->SetRow(1);
    for (auto _ : state) editor.form->Paste1Click(nullptr);
}
BENCHMARK(PasteWholeTable)->Unit(benchmark::kMillisecond);

void CalcLoopWholeTable(benchmark::State& state) {
    Editor editor;
    auto& form = *editor.form;
    for (auto _ : state) {
        for (int col = 1; col <= 46; ++col)
            for (int row = 1; row <= 251; ++row) {
                form.SetCellValue(col, row, form.StringGridEx1->GetInteger(col, row) + 1);
                form.StoreCellValue(col, row);
            }
    }
}
BENCHMARK(CalcLoopWholeTable)->Unit(benchmark::kMillisecond);

void PaintVisibleGrid(benchmark::State& state) {
    Editor editor;
    QWidget* viewport = editor.form->StringGridEx1->viewport();
    for (auto _ : state) benchmark::DoNotOptimize(viewport->grab());
}
BENCHMARK(PaintVisibleGrid)->Unit(benchmark::kMillisecond);

void GridTextFileRoundTrip(benchmark::State& state) {
    Editor editor;
    const std::string path = editor.dir.filePath(QStringLiteral("grid.csv")).toStdString();
    for (auto _ : state) {
        editor.form->StringGridEx1->SaveToFile(path);
        editor.form->StringGridEx1->LoadFromFile(path);
    }
}
BENCHMARK(GridTextFileRoundTrip)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    platform::TAppHost host(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
