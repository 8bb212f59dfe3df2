#include "bench_desktop.h"

#include <array>
#include <cstdint>
#include <string>

namespace dm::bench {
namespace {

// A small deterministic generator (the same tree on every machine and library).
class Random {
 public:
  int Below(int n) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(n));
  }

 private:
  std::uint64_t state_ = 0x5DEECE66DULL;
};

constexpr std::array<const char*, 6> kTopLevelClasses{"Notepad", "CabinetWClass", "Chrome_WidgetWin_1",
                                                      "OpusApp", "XLMAIN",        "ConsoleWindowClass"};
constexpr std::array<const char*, 12> kControlClasses{
    "Button",        "Edit",          "Static",           "ComboBox",
    "SysListView32", "SysTreeView32", "ToolbarWindow32",  "msctls_statusbar32",
    "ReBarWindow32", "DirectUIHWND",  "SHELLDLL_DefView", "Internet Explorer_Server"};

class Builder {
 public:
  Builder(BenchDesktop& out, int windowCount) : out_(out), left_(windowCount) {}

  void Run() {
    const int total = left_;
    // About one titled dialog per thousand windows, at least five, spread through the Z-order.
    const int dialogs = total / 1000 > 5 ? total / 1000 : 5;
    const int dialogEvery = total / dialogs;
    int nextDialogAt = dialogEvery / 2;
    while (left_ > 0) {
      if (total - left_ >= nextDialogAt && out_.dialogs < dialogs) {
        AddDialog();
        nextDialogAt += dialogEvery;
      } else {
        AddApplication();
      }
    }
  }

 private:
  WindowHandle Add(WindowHandle parent, const char* className, std::string title) {
    --left_;
    return out_.desktop.Add(parent, className, std::move(title));
  }

  void AddDialog() {
    const WindowHandle dialog = Add(0, "#32770", "Open");
    ++out_.dialogs;
    const std::array<const char*, 5> controls{"Static", "ComboBox", "Button", "Button", "SHELLDLL_DefView"};
    for (std::size_t i = 0; i < controls.size() && left_ > 0; ++i) {
      const WindowHandle control = Add(dialog, controls[i], "");
      if (i + 1 == controls.size() && left_ > 0) Add(control, "SysListView32", "FolderView");
    }
  }

  void AddApplication() {
    const WindowHandle top =
        Add(0, kTopLevelClasses[static_cast<std::size_t>(random_.Below(kTopLevelClasses.size()))],
            "Document " + std::to_string(++applications_));
    AddChildren(top, 1);
  }

  // Two to eight children per window, up to four levels below the top-level window.
  void AddChildren(WindowHandle parent, int level) {
    const int children = 2 + random_.Below(7);
    for (int i = 0; i < children && left_ > 0; ++i) {
      const char* className =
          kControlClasses[static_cast<std::size_t>(random_.Below(kControlClasses.size()))];
      // Most controls carry no title; buttons and labels do.
      const bool titled = random_.Below(4) == 0;
      const WindowHandle child = Add(parent, className, titled ? "&Options" : "");
      if (level < 4 && random_.Below(3) == 0) AddChildren(child, level + 1);
    }
  }

  BenchDesktop& out_;
  int left_;
  int applications_ = 0;
  Random random_;
};

}  // namespace

void BuildDesktop(BenchDesktop& out, int windowCount) {
  out.windows = windowCount;
  Builder(out, windowCount).Run();
}

}  // namespace dm::bench
