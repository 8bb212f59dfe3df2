// Runs the benchmarks, then sums them up: for every benchmark X with a floor "XFloor" of the same
// argument, the cost of one item (a window, a text) of each, taken from the fastest repetition,
// and their ratio. Exits non-zero when the window search misses its goals: at most 1.2 times its
// floor at every size, and a per-window cost that grows no faster than the floor's does.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace dm::bench {
namespace {

constexpr double kSearchRatioGoal = 1.2;
constexpr const char* kFloorSuffix = "Floor";

struct Key {
  std::string name;  // without "BM_" and without "Floor"
  long long argument = 0;
  bool operator<(const Key& other) const {
    return name != other.name ? name < other.name : argument < other.argument;
  }
};

struct Costs {
  double item = 0;   // seconds per item, fastest repetition
  double floor = 0;  // the same for the floor
};

class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const auto counter = run.counters.find("per_item");
      if (counter == run.counters.end()) continue;
      Key key{run.run_name.function_name, run.run_name.args.empty() ? 0 : std::stoll(run.run_name.args)};
      if (key.name.rfind("BM_", 0) == 0) key.name.erase(0, 3);
      bool isFloor = key.name.size() > 5 && key.name.ends_with(kFloorSuffix);
      if (isFloor) key.name.resize(key.name.size() - 5);
      Costs& costs = costs_[key];
      double& slot = isFloor ? costs.floor : costs.item;
      slot = slot == 0 ? counter->second.value : std::min(slot, counter->second.value);
    }
  }

  // Prints the table; returns whether the window search met its goals.
  bool Summarize() const {
    std::printf("\n%-16s %8s %14s %14s %7s\n", "benchmark", "size", "floor ns/item", "ns/item", "ratio");
    bool ok = true;
    const Costs* smallest = nullptr;
    const Costs* largest = nullptr;
    for (const auto& [key, costs] : costs_) {
      if (costs.item == 0 || costs.floor == 0) continue;
      const double ratio = costs.item / costs.floor;
      const std::string size = key.argument == 0 ? "-" : std::to_string(key.argument);
      std::printf("%-16s %8s %14.1f %14.1f %7.2f\n", key.name.c_str(), size.c_str(), costs.floor * 1e9,
                  costs.item * 1e9, ratio);
      if (key.name != "CollectWindows") continue;
      if (ratio > kSearchRatioGoal) ok = false;
      if (!smallest) smallest = &costs;
      largest = &costs;
    }
    if (smallest && largest && smallest != largest) {
      const double growth = largest->item / smallest->item;
      const double floorGrowth = largest->floor / smallest->floor;
      std::printf("\nwindow search, per-window cost largest/smallest desktop: %.2f (floor %.2f)\n", growth,
                  floorGrowth);
      if (growth > floorGrowth * kSearchRatioGoal) ok = false;
    }
    std::printf("window search goals (ratio <= %.1f, growth like the floor's): %s\n", kSearchRatioGoal,
                ok ? "met" : "MISSED");
    return ok;
  }

 private:
  std::map<Key, Costs> costs_;
};

}  // namespace
}  // namespace dm::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  dm::bench::SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return reporter.Summarize() ? 0 : 1;
}
