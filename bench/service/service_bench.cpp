// Time per request of the naming service's handling (generation and GBK page), without HTTP.
#include <benchmark/benchmark.h>

#include "service/list_page.h"
#include "service/name_generator.h"
#include "service/naming_service.h"
#include "service/surname.h"

namespace {

const std::shared_ptr<const namer::service::NameData>& data() {
    static const auto loaded = namer::service::NameData::load_embedded();
    return loaded;
}

void load_tables(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(namer::service::NameData::load_embedded());
}
BENCHMARK(load_tables)->Unit(benchmark::kMillisecond);

// The two halves of a 200-name request: drawing the names, and writing the page.
void generate_200(benchmark::State& state) {
    const auto surname = namer::service::surname_from_entry(*data()->surname(U"张"));
    std::uint64_t seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            namer::service::NameGenerator(*data(), ++seed).free_names(surname, namer::service::Gender::male, 2, 200));
}
BENCHMARK(generate_200);

void render_200(benchmark::State& state) {
    const auto surname = namer::service::surname_from_entry(*data()->surname(U"张"));
    namer::service::ListPage page{"title", "query", {},
                                  namer::service::NameGenerator(*data(), 1).free_names(
                                      surname, namer::service::Gender::male, 2, 200)};
    for (auto _ : state)
        benchmark::DoNotOptimize(namer::service::render_list_page(page));
}
BENCHMARK(render_200);

void handle(benchmark::State& state, const char* method, const char* target, const char* body) {
    namer::service::NamingService service(data(), 1);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto reply = service.handle(method, target, body);
        bytes = reply.body.size();
        benchmark::DoNotOptimize(reply);
    }
    state.counters["page_bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(handle, free_200_three, "POST", "/showName.php", "xing=%D5%C5&gender=male&num=2&limit=200");
BENCHMARK_CAPTURE(handle, free_100_two, "POST", "/showName.php", "xing=%D5%C5&gender=female&num=1&limit=100");
BENCHMARK_CAPTURE(handle, doubled, "POST", "/showDiezi.php", "xing=%D5%C5");
BENCHMARK_CAPTURE(handle, element, "POST", "/showWuxing.php", "xing=%D5%C5&gender=female&num=2&wuxing=5");
BENCHMARK_CAPTURE(handle, pet, "GET", "/showXiaoming.php", "");
BENCHMARK_CAPTURE(handle, novel_200_mixed, "POST", "/showXiaoshuo.php", "num=3&gender=part&pinlv=0&limit=200");
BENCHMARK_CAPTURE(handle, meaning, "GET", "/showMeaning.php?name=%C5%B7%D1%F4%C3%F7%D0%F9", "");

} // namespace
