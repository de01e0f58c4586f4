// name_pinyin on 100,000 realistic names, as the result list fills its pinyin column.
// --names-out=FILE also writes the names (UTF-8, one a line) for the pinyin-pro side of run.sh.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

#include "base/gbk.h"
#include "present/pinyin.h"
#include "realistic_names.h"

using namespace namer;

namespace {

constexpr std::size_t name_count = 100000;

const std::vector<Text>& gbk_names() {
    static const std::vector<Text> names = [] {
        std::vector<Text> out;
        for (const std::string& name : realistic_names(name_count))
            out.push_back(gbk_from_utf8(name));
        return out;
    }();
    return names;
}

void name_pinyin_column(benchmark::State& state) {
    const std::vector<Text>& names = gbk_names();
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (const Text& name : names) {
            const Text column = name_pinyin(name, true);
            bytes += column.size();
            benchmark::DoNotOptimize(column.data());
        }
    }
    state.counters["names_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations() * names.size()), benchmark::Counter::kIsRate);
    state.counters["column_bytes_per_name"] =
        static_cast<double>(bytes) / static_cast<double>(state.iterations() * names.size());
}
BENCHMARK(name_pinyin_column)->Unit(benchmark::kMillisecond)->MinTime(2.0);

bool write_names(const char* path) {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& name : realistic_names(name_count))
        out << name << '\n';
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    const char* option = "--names-out=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], option, std::strlen(option)) == 0) {
            if (!write_names(argv[i] + std::strlen(option))) {
                std::cerr << "cannot write " << argv[i] + std::strlen(option) << "\n";
                return 1;
            }
            for (int j = i--; j + 1 < argc; ++j) // leave the other arguments to the benchmark library
                argv[j] = argv[j + 1];
            --argc;
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
