// The wildcard matcher and the key strings on typical class names, titles and folder paths, each
// beside a floor that does the least work the operation cannot avoid: decoding the same UTF-8
// (matcher, parser) or copying it (escaping).

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "deliver/key_string.h"
#include "deliver/wildcard_pattern.h"
#include "text/utf8.h"

namespace dm::bench {
namespace {

struct MatchCase {
  std::string_view text;
  std::string_view pattern;
};

// The searches' own patterns against the classes and titles a search meets, and a few richer ones.
constexpr std::array<MatchCase, 8> kMatchCases{{
    {"#32770", "[#]32770"},
    {"ExploreWClass", "[#]32770"},
    {"Internet Explorer_Server", "[#]32770"},
    {"ExploreWClass", "ExploreWClass"},
    {"Save As", "*"},
    {"C:\\Program Files (x86)\\Common Files\\System\\readme.txt", "C:\\*\\*.txt"},
    {"Rechnung 2024-03 (Entwurf) - Dokumente", "Rechnung ####-## *"},
    {"Résumé – Brouillon 7", "[!A-Z]*#"},
}};

// Folder paths as the list holds them: plain, with spaces, with key-string metacharacters, long,
// and beyond ASCII.
constexpr std::array<std::string_view, 5> kPaths{
    "C:\\Windows\\",
    "C:\\Program Files (x86)\\Microsoft Office\\root\\Templates\\",
    "D:\\Projects\\[2024] Budget+Plan {draft}\\50% ~ final\\",
    "\\\\fileserver\\departments\\accounting\\archive\\2019\\quarterly reports\\scanned invoices\\",
    "C:\\Users\\Zoë\\Documents\\Café – Übersicht\\",
};

// Time per text ("per_item") and bytes per second.
void SetPerText(benchmark::State& state, const auto& texts, auto field) {
  std::size_t bytes = 0;
  for (const auto& text : texts) bytes += field(text).size();
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["per_item"] =
      benchmark::Counter(static_cast<double>(texts.size()),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_MatchPattern(benchmark::State& state) {
  for (auto _ : state) {
    for (const MatchCase& c : kMatchCases) benchmark::DoNotOptimize(MatchesPattern(c.text, c.pattern));
  }
  SetPerText(state, kMatchCases, [](const MatchCase& c) { return c.text; });
}

void BM_MatchPatternFloor(benchmark::State& state) {
  for (auto _ : state) {
    for (const MatchCase& c : kMatchCases) benchmark::DoNotOptimize(DecodeUtf8(c.text));
  }
  SetPerText(state, kMatchCases, [](const MatchCase& c) { return c.text; });
}

void BM_EscapeKeyString(benchmark::State& state) {
  for (auto _ : state) {
    for (std::string_view path : kPaths) benchmark::DoNotOptimize(EscapeKeyString(path));
  }
  SetPerText(state, kPaths, [](std::string_view p) { return p; });
}

void BM_EscapeKeyStringFloor(benchmark::State& state) {
  for (auto _ : state) {
    for (std::string_view path : kPaths) benchmark::DoNotOptimize(std::string(path));
  }
  SetPerText(state, kPaths, [](std::string_view p) { return p; });
}

const std::array<std::string, kPaths.size()>& EscapedPaths() {
  static const auto escaped = [] {
    std::array<std::string, kPaths.size()> out;
    for (std::size_t i = 0; i < kPaths.size(); ++i) out[i] = EscapeKeyString(kPaths[i]);
    return out;
  }();
  return escaped;
}

void BM_ParseKeyString(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& keys : EscapedPaths()) benchmark::DoNotOptimize(ParseKeyString(keys));
  }
  SetPerText(state, EscapedPaths(), [](const std::string& k) { return k; });
}

void BM_ParseKeyStringFloor(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& keys : EscapedPaths()) benchmark::DoNotOptimize(DecodeUtf8(keys));
  }
  SetPerText(state, EscapedPaths(), [](const std::string& k) { return k; });
}

#define DM_TEXT_BENCH(fn) BENCHMARK(fn)->Repetitions(5)
DM_TEXT_BENCH(BM_MatchPatternFloor);
DM_TEXT_BENCH(BM_MatchPattern);
DM_TEXT_BENCH(BM_EscapeKeyStringFloor);
DM_TEXT_BENCH(BM_EscapeKeyString);
DM_TEXT_BENCH(BM_ParseKeyStringFloor);
DM_TEXT_BENCH(BM_ParseKeyString);

}  // namespace
}  // namespace dm::bench
