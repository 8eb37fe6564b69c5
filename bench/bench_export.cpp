// The TSV serialiser against the plainest loop that writes the same bytes from names already in
// UTF-8. Their ratio is what the UTF-16 conversion and the escape scan cost on top.
#include "commands/core/MyExportDocument.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct PlainEntry
{
    std::string name;
    std::int64_t number;
};

QList<MyDataEntry> entriesOf(std::int64_t rows)
{
    const QList<MyDataEntry> &sample = sampleEntries();
    QList<MyDataEntry> entries;
    entries.reserve(rows);
    for (std::int64_t i = 0; i < rows; ++i)
        entries.append({sample[i % sample.size()].name, i * 7919 - 500000});
    return entries;
}

std::vector<PlainEntry> plainEntriesOf(const QList<MyDataEntry> &entries)
{
    std::vector<PlainEntry> plain;
    plain.reserve(static_cast<std::size_t>(entries.size()));
    for (const MyDataEntry &entry : entries)
        plain.push_back({entry.name.toStdString(), entry.number});
    return plain;
}

struct PlainBuffer
{
    std::unique_ptr<char[]> data;
    std::size_t size;
};

// Like the serialiser, one buffer reserved at the largest size and left uninitialised.
PlainBuffer referenceSerialize(const std::vector<PlainEntry> &entries)
{
    constexpr char header[] = "Name\tNumber\n";
    std::size_t size = sizeof(header) - 1;
    for (const PlainEntry &entry : entries)
        size += entry.name.size() + 22;
    PlainBuffer out{std::make_unique_for_overwrite<char[]>(size), 0};
    char *p = out.data.get();
    std::memcpy(p, header, sizeof(header) - 1);
    p += sizeof(header) - 1;
    for (const PlainEntry &entry : entries) {
        std::memcpy(p, entry.name.data(), entry.name.size());
        p += entry.name.size();
        *p++ = '\t';
        p = std::to_chars(p, p + 20, entry.number).ptr;
        *p++ = '\n';
    }
    out.size = static_cast<std::size_t>(p - out.data.get());
    return out;
}

void BM_Serialize(benchmark::State &state)
{
    const MyExportDocument document(entriesOf(state.range(0)));
    const auto size = document.serialize().size();
    for (auto _ : state) {
        QByteArray bytes = document.serialize();
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * size);
}

void BM_Reference(benchmark::State &state)
{
    const std::vector<PlainEntry> entries = plainEntriesOf(entriesOf(state.range(0)));
    const auto size = static_cast<std::int64_t>(referenceSerialize(entries).size);
    for (auto _ : state) {
        PlainBuffer bytes = referenceSerialize(entries);
        benchmark::DoNotOptimize(bytes.data.get());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * size);
}

BENCHMARK(BM_Serialize)->Arg(1)->Arg(1000)->Arg(1000000);
BENCHMARK(BM_Reference)->Arg(1)->Arg(1000)->Arg(1000000);

// Google Benchmark 1.8 replaced Run::error_occurred with Run::skipped.
template<typename Run>
bool didNotRun(const Run &run)
{
    if constexpr (requires { run.skipped; })
        return static_cast<unsigned>(run.skipped) != 0;
    else
        return run.error_occurred;
}

// Prints the usual table, then serialiser time over reference time for each row count.
class RatioReporter final : public benchmark::ConsoleReporter
{
public:
    RatioReporter()
        : ConsoleReporter(OO_Tabular)
    {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || didNotRun(run))
                continue;
            const std::string name = run.benchmark_name();
            const auto slash = name.find('/');
            const std::string family = name.substr(0, slash);
            const long long rows = std::stoll(name.substr(slash + 1));
            m_times[rows][family] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto &[rows, times] : m_times) {
            const auto serialize = times.find("BM_Serialize");
            const auto reference = times.find("BM_Reference");
            if (serialize == times.end() || reference == times.end())
                continue;
            std::printf("rows %-8lld serializer / reference = %.2f\n", rows,
                        serialize->second / reference->second);
        }
        std::fflush(stdout);
    }

private:
    std::map<long long, std::map<std::string, double>> m_times;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
