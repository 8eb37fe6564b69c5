// The What's Up filter and its suggestions, per keystroke, over large generated name lists: a
// keystroke must fit in one 16 ms frame at 100 000 names and grow linearly with the list.
#include "panes/whatsup/core/GreetingFilter.h"

#include <QStringListModel>

#include <benchmark/benchmark.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

QStringList generatedNames(int count)
{
    static const char *const syllables[] = {"an", "bel", "cor", "da", "el", "fin", "gra", "ho",
                                            "is", "jo",  "ka",  "lu", "mi", "no",  "ol",  "pe",
                                            "ra", "sa",  "ta",  "ul", "va", "wen", "xi",  "yo"};
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> syllable(0, std::size(syllables) - 1);
    std::uniform_int_distribution<int> length(2, 4);
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i) {
        QString name;
        for (int part = length(random); part > 0; --part)
            name += QLatin1StringView(syllables[syllable(random)]);
        name[0] = name[0].toUpper();
        names.append(name);
    }
    return names;
}

// What a user types, one keystroke at a time, then deletes again.
const QStringList &keystrokes()
{
    static const QStringList texts{u"o"_s, u"ol"_s, u"ola"_s, u"ol"_s, u"o"_s,
                                   u""_s,  u"H"_s,  u"Ho"_s,  u"H"_s,  u""_s};
    return texts;
}

void filterPerKeystroke(benchmark::State &state)
{
    const QStringList names = generatedNames(static_cast<int>(state.range(0)));
    qsizetype next = 0;
    for (auto _ : state) {
        QStringList kept = filteredNames(names, keystrokes()[next++ % keystrokes().size()]);
        benchmark::DoNotOptimize(kept);
    }
    state.SetComplexityN(state.range(0));
}

// The greeting list and the completer both take the filtered names on every keystroke.
void suggestionsPerKeystroke(benchmark::State &state)
{
    const QStringList names = generatedNames(static_cast<int>(state.range(0)));
    QStringListModel model;
    qsizetype next = 0;
    for (auto _ : state) {
        model.setStringList(filteredNames(names, keystrokes()[next++ % keystrokes().size()]));
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(filterPerKeystroke)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK(suggestionsPerKeystroke)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

BENCHMARK_MAIN();
