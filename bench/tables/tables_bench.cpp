// Speed of the table layer on a generated table of 100,000 rows and 25 fields: a full scan, the
// raw bytes of the file for comparison, nearest-key seeks, building an index, edit and post, and
// a seek right after a post.
#include <fcntl.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sys/files.h"
#include "platform/sys/text.h"
#include "platform/tables/create.h"
#include "platform/tables/field_codec.h"
#include "platform/tables/table.h"

namespace {

constexpr int kRows = 100000;
constexpr int kSeeks = 10000;
constexpr int kEdits = 1000;

struct Column {
    const char* name;
    tables::FieldType type;
    int width;
    int decimals;
};

// 25 fields, 317 bytes a record.
const Column kColumns[] = {
    {"KEY", tables::FieldType::Character, 10, 0},    {"NAME", tables::FieldType::Character, 30, 0},
    {"CITY", tables::FieldType::Character, 20, 0},   {"STATE", tables::FieldType::Character, 2, 0},
    {"ZIP", tables::FieldType::Character, 5, 0},     {"ADDR", tables::FieldType::Character, 40, 0},
    {"DESCR", tables::FieldType::Character, 50, 0},  {"CODE", tables::FieldType::Character, 6, 0},
    {"SIC", tables::FieldType::Numeric, 4, 0},       {"AMOUNT", tables::FieldType::Numeric, 12, 3},
    {"COUNT", tables::FieldType::Numeric, 8, 0},     {"RATE", tables::FieldType::Numeric, 10, 4},
    {"FLOW1", tables::FieldType::Numeric, 12, 4},    {"FLOW2", tables::FieldType::Numeric, 12, 4},
    {"FLOW3", tables::FieldType::Numeric, 12, 4},    {"FLOW4", tables::FieldType::Float, 12, 4},
    {"LAT", tables::FieldType::Numeric, 10, 5},      {"LON", tables::FieldType::Numeric, 10, 5},
    {"FLAG", tables::FieldType::Logical, 1, 0},      {"OPENED", tables::FieldType::Date, 8, 0},
    {"REACH", tables::FieldType::Character, 11, 0},  {"NPDES", tables::FieldType::Character, 9, 0},
    {"REMARK", tables::FieldType::Character, 10, 0}, {"WIDTH", tables::FieldType::Numeric, 6, 1},
    {"DEPTH", tables::FieldType::Numeric, 6, 1},
};

std::uint32_t Scramble(std::uint32_t i) {
    return (i * 2654435761u) % 1000000007u;
}

std::string KeyOf(int row) {
    return sys::Format("K%09u", Scramble(std::uint32_t(row)) % 1000000000u);
}

std::string CellOf(const Column& column, int row) {
    switch (column.type) {
        case tables::FieldType::Character:
            return std::string(column.name) == "KEY" ? KeyOf(row)
                                                     : sys::Format("%s %d", column.name, row)
                                                           .substr(0, std::size_t(column.width));
        case tables::FieldType::Logical:
            return row % 2 ? "T" : "F";
        case tables::FieldType::Date:
            return sys::Format("2004%02d%02d", row % 12 + 1, row % 28 + 1);
        default:
            return sys::Format("%.*f", column.decimals, (row % 9973) * 0.5);
    }
}

void MakeBenchTable(const std::string& path) {
    std::vector<tables::FieldDef> fields;
    for (const auto& c : kColumns)
        fields.push_back({c.name, c.type, c.width, c.decimals, 0});
    tables::LayOutFields(fields);
    std::vector<tables::NewRow> rows(kRows);
    for (int r = 0; r < kRows; ++r) {
        rows[std::size_t(r)].bytes = tables::BlankRecord(fields);
        for (std::size_t f = 0; f < fields.size(); ++f) {
            std::string bytes;
            tables::EncodeFromText(fields[f], CellOf(kColumns[f], r), bytes);
            rows[std::size_t(r)].bytes.replace(std::size_t(fields[f].offset), bytes.size(), bytes);
        }
    }
    tables::WriteNewTable(path, fields, tables::DbfVersion::DBase3, rows);
}

const std::string& BenchTable() {
    static const std::string path = [] {
        const char* folder = std::getenv("TABLES_BENCH_DIR");
        std::string file = std::string(folder != nullptr ? folder : "/tmp") + "/tables_bench.dbf";
        if (!sys::FileExists(file))
            MakeBenchTable(file);
        return file;
    }();
    return path;
}

void BM_ReadFileBytes(benchmark::State& state) {
    std::vector<char> buffer(1 << 20);
    for (auto _ : state) {
        int fd = ::open(BenchTable().c_str(), O_RDONLY);
        std::size_t total = 0;
        for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;)
            total += std::size_t(n);
        ::close(fd);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);

void BM_ScanThreeFields(benchmark::State& state) {
    tables::Table table;
    table.Open(BenchTable());
    int key = table.FieldIndex("KEY");
    int amount = table.FieldIndex("AMOUNT");
    int city = table.FieldIndex("CITY");
    for (auto _ : state) {
        double sum = 0;
        std::size_t length = 0;
        for (table.First(); !table.Eof(); table.Next()) {
            length += table.AsString(key).size();
            sum += table.AsFloat(amount);
            length += table.AsString(city).size();
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_ScanThreeFields)->Unit(benchmark::kMillisecond);

void BM_BuildIndex(benchmark::State& state) {
    tables::Table table;
    table.Open(BenchTable());
    for (auto _ : state) {
        table.SetIndex("");
        table.SetIndex("KEY");
    }
}
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond);

// kSeeks seeks per iteration: half on keys that exist, half between keys.
void BM_NearestSeeks(benchmark::State& state) {
    tables::Table table;
    table.Open(BenchTable());
    table.SetIndex("KEY");
    std::vector<std::string> keys;
    for (int i = 0; i < kSeeks; ++i) {
        std::string key = KeyOf(int(Scramble(std::uint32_t(i)) % kRows));
        if (i % 2)
            key.back() = char('0' + (key.back() - '0' + 5) % 10);
        keys.push_back(key);
    }
    for (auto _ : state) {
        std::uint64_t sum = 0;
        for (const auto& key : keys) {
            table.FindNearest(key);
            sum += table.RecNo();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["seeks"] = kSeeks;
}
BENCHMARK(BM_NearestSeeks)->Unit(benchmark::kMillisecond);

// kEdits cycles of going to a row, editing one number and posting (flushed to disk each time).
void BM_EditPost(benchmark::State& state) {
    tables::Table table;
    table.Open(BenchTable());
    int amount = table.FieldIndex("AMOUNT");
    for (auto _ : state) {
        for (int i = 0; i < kEdits; ++i) {
            table.GoToRecord(Scramble(std::uint32_t(i)) % kRows + 1);
            table.Edit();
            table.SetFloat(amount, i * 0.25);
            table.Post();
        }
    }
    state.counters["edits"] = kEdits;
}
BENCHMARK(BM_EditPost)->Unit(benchmark::kMillisecond)->Iterations(3);

// A seek right after this process posted a row with a new key: the index follows the post
// instead of being built again. Only the seek is timed; the post (flushed to disk) is not.
void BM_SeekAfterPost(benchmark::State& state) {
    tables::Table table;
    table.Open(BenchTable());
    table.SetIndex("KEY");
    int key = table.FieldIndex("KEY");
    std::uint32_t i = 0;
    for (auto _ : state) {
        table.GoToRecord(Scramble(i) % kRows + 1);
        table.Edit();
        table.SetString(key, KeyOf(int(kRows + i)));
        table.Post();
        std::string sought = KeyOf(int(Scramble(i + 7) % kRows));
        auto start = std::chrono::steady_clock::now();
        table.FindNearest(sought);
        auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(table.RecNo());
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        ++i;
    }
}
BENCHMARK(BM_SeekAfterPost)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(200);

}  // namespace

// The table is made before any timing starts.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    BenchTable();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
