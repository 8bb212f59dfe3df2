#pragma once
// A desktop of a given size for the window-search benchmarks: top-level application windows in
// Z-order, each with a few levels of controls and panes below it, and a handful of titled
// standard dialogs ("#32770") among them. The same size always gives the same tree.

#include "support/fake_desktop.h"

namespace dm::bench {

struct BenchDesktop {
  test::FakeDesktop desktop;
  int windows = 0;  // every window below the desktop
  int dialogs = 0;  // titled "#32770" windows, each a match of the dialog search
};

// Fills out with exactly windowCount windows.
void BuildDesktop(BenchDesktop& out, int windowCount);

}  // namespace dm::bench
