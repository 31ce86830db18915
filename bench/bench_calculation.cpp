// SPDX-FileCopyrightText: 2026 Dividra
// SPDX-License-Identifier: GPL-3.0-or-later

// The cost of a calculation: the pure core (from field texts to captions,
// and the formulas alone) and a whole "Calcola" click on the real window,
// from reading the fields to writing the labels.
#include "applicationsetup.h"
#include "crossover.h"
#include "form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

namespace {

void coreTwoWayFormulas(benchmark::State &state)
{
    std::int16_t t = 8, w = 8, f = 3000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(dividra::computeTwoWay(t, w, f));
    }
}
BENCHMARK(coreTwoWayFormulas);

void coreThreeWayFormulas(benchmark::State &state)
{
    std::int16_t tw = 8, md = 8, wf = 8, fmin = 500, fmax = 5000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tw);
        benchmark::DoNotOptimize(dividra::computeThreeWay(tw, md, wf, fmin, fmax));
    }
}
BENCHMARK(coreThreeWayFormulas);

// The parts of a calculation: reading one field and writing one caption.
void coreReadField(benchmark::State &state)
{
    const std::string_view text = "3000";
    for (auto _ : state) {
        benchmark::DoNotOptimize(dividra::readInputValue(text));
        benchmark::DoNotOptimize(dividra::isNumericText(text));
    }
}
BENCHMARK(coreReadField);

void coreCaption(benchmark::State &state)
{
    float value = 4.692192f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(dividra::resultCaption(dividra::Component::C1, value));
    }
}
BENCHMARK(coreCaption);

void coreTwoWayFromTexts(benchmark::State &state)
{
    const std::array<std::string_view, 3> fields{"8", "8", "3000"};
    for (auto _ : state)
        benchmark::DoNotOptimize(dividra::calculateTwoWay(fields));
}
BENCHMARK(coreTwoWayFromTexts);

void coreThreeWayFromTexts(benchmark::State &state)
{
    const std::array<std::string_view, 5> fields{"8", "8", "8", "500", "5000"};
    for (auto _ : state)
        benchmark::DoNotOptimize(dividra::calculateThreeWay(fields));
}
BENCHMARK(coreThreeWayFromTexts);

void windowClick(benchmark::State &state, const char *button, std::initializer_list<const char *> fields,
                 std::initializer_list<const char *> texts)
{
    Form1 form;
    auto field = fields.begin();
    for (const char *text : texts)
        form.findChild<QLineEdit *>(QString::fromLatin1(*field++))->setText(QString::fromLatin1(text));
    QPushButton *calculate = form.findChild<QPushButton *>(QString::fromLatin1(button));
    for (auto _ : state)
        calculate->click();
}

void clickTwoWay(benchmark::State &state)
{
    windowClick(state, "Command1", {"txttweeter", "txtwoofer", "txtfrequenza"}, {"8", "8", "3000"});
}
BENCHMARK(clickTwoWay);

void clickThreeWay(benchmark::State &state)
{
    windowClick(state, "Command3", {"txttw", "txtmd", "txtw", "txtmin", "txtmax"},
                {"8", "8", "8", "500", "5000"});
}
BENCHMARK(clickThreeWay);

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    configureApplication(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
