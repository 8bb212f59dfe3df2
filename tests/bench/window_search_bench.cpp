// The window search on desktops of 1,000 to 100,000 windows, against its floor: a bare walk of
// the same tree in the same order that only reads each window's class name.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <vector>

#include "bench_desktop.h"
#include "deliver/window_search.h"

namespace dm::bench {
namespace {

BenchDesktop& DesktopOf(int windows) {
  static std::map<int, std::unique_ptr<BenchDesktop>> desktops;
  auto& slot = desktops[windows];
  if (!slot) {
    slot = std::make_unique<BenchDesktop>();
    BuildDesktop(*slot, windows);
  }
  return *slot;
}

void SetPerWindow(benchmark::State& state, int windows) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * windows);
  state.counters["per_item"] = benchmark::Counter(
      windows, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_CollectWindows(benchmark::State& state) {
  BenchDesktop& bench = DesktopOf(static_cast<int>(state.range(0)));
  WindowSearch search(bench.desktop);
  std::vector<WindowHandle> list;
  for (auto _ : state) {
    const int found = search.CollectWindows(list, 0, "#32770");
    benchmark::DoNotOptimize(found);
    if (found != bench.dialogs) {
      state.SkipWithError("the search did not find every dialog");
      break;
    }
  }
  SetPerWindow(state, bench.windows);
}

// Post-order like the search, siblings in Z-order, one class-name read per window.
std::size_t WalkClasses(WindowTree& tree, WindowHandle start) {
  std::size_t total = 0;
  for (WindowHandle h = tree.FirstChild(start); h != 0; h = tree.NextSibling(h)) {
    total += WalkClasses(tree, h);
    total += tree.ClassName(h, WindowSearch::kTextBufferChars).size();
  }
  return total;
}

void BM_CollectWindowsFloor(benchmark::State& state) {
  BenchDesktop& bench = DesktopOf(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(WalkClasses(bench.desktop, bench.desktop.Desktop()));
  SetPerWindow(state, bench.windows);
}

// At each size the floor runs right before the search, so both see the same machine state.
#define DM_WINDOW_BENCH(fn, n) BENCHMARK(fn)->Arg(n)->Repetitions(5)->Unit(benchmark::kMicrosecond)
DM_WINDOW_BENCH(BM_CollectWindowsFloor, 1000);
DM_WINDOW_BENCH(BM_CollectWindows, 1000);
DM_WINDOW_BENCH(BM_CollectWindowsFloor, 10000);
DM_WINDOW_BENCH(BM_CollectWindows, 10000);
DM_WINDOW_BENCH(BM_CollectWindowsFloor, 100000);
DM_WINDOW_BENCH(BM_CollectWindows, 100000);

}  // namespace
}  // namespace dm::bench
