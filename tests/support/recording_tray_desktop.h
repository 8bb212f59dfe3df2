#pragma once
// Stands in for the tray application's desktop: icon, timer, process, menus and windows. Every
// call lands in one ordered log; menus answer with scripted choices.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/app_services.h"
#include "deliver/path_delivery.h"

namespace dm::test {

// What the user picks in the Folders menu: the folder at a position of the list, an entry by its
// text (in a submenu too), or nothing. A pick the menu does not offer chooses nothing.
struct MenuPick {
  MenuPick(std::size_t storedIndex) : index(storedIndex) {}  // NOLINT(google-explicit-constructor)
  MenuPick(std::nullopt_t) {}                                // NOLINT(google-explicit-constructor)
  static MenuPick Entry(std::string text) {
    MenuPick pick(std::nullopt);
    pick.text = std::move(text);
    return pick;
  }

  std::optional<std::size_t> index;
  std::optional<std::string> text;
};

// The choice of the entry pick names among items, None when there is none.
inline FoldersMenuChoice Picked(const std::vector<FoldersMenuItem>& items, const MenuPick& pick) {
  for (const FoldersMenuItem& item : items) {
    if (item.kind == FoldersMenuItemKind::Submenu) {
      FoldersMenuChoice inner = Picked(item.items, pick);
      if (inner.action != FoldersMenuAction::None) return inner;
    }
    if (item.kind != FoldersMenuItemKind::Entry) continue;
    const bool stored = item.choice.action == FoldersMenuAction::DeliverStored;
    if ((pick.index && stored && item.choice.index == *pick.index) || (pick.text && item.text == *pick.text))
      return item.choice;
  }
  return {};
}

// The menu as one line: "folders menu (2 paths)", " open [C:\X\|C:\Y\]" when it offers folders
// open in folder windows, " recent [C:\X\|C:\Y\]" when it offers the "Recent" submenu (its
// entries above the separator), and " add [C:\Z\]" when it offers to add a folder.
inline std::string DescribeFoldersMenu(const FoldersMenu& menu) {
  std::size_t paths = 0;
  std::string open;
  std::string recent;
  std::string add;
  for (const FoldersMenuItem& item : menu.items) {
    if (item.kind == FoldersMenuItemKind::Entry && item.choice.action == FoldersMenuAction::DeliverStored)
      ++paths;
    if (item.kind == FoldersMenuItemKind::Entry && item.choice.action == FoldersMenuAction::DeliverPath)
      open += (open.empty() ? "" : "|") + item.text;
    if (item.kind == FoldersMenuItemKind::Entry && item.choice.action == FoldersMenuAction::AddFolder)
      add = " add [" + item.choice.path + "]";
    if (item.kind != FoldersMenuItemKind::Submenu) continue;
    recent += " " + item.text + " [";
    for (const FoldersMenuItem& entry : item.items) {
      if (entry.kind == FoldersMenuItemKind::Separator) break;
      recent += (recent.back() == '[' ? "" : "|") + entry.text;
    }
    recent += "]";
  }
  return "folders menu (" + std::to_string(paths) + " paths)" + (open.empty() ? "" : " open [" + open + "]") +
         recent + add;
}

class RecordingTrayDesktop final : public TrayIcon,
                                   public ClickTimer,
                                   public ProcessServices,
                                   public TrayWindows,
                                   public PathDelivery,
                                   public IconRetry {
 public:
  std::vector<std::string> log;

  // Scripted state and answers.
  bool anotherCopy = false;
  bool editorVisible = false;
  bool aboutOpen = false;
  int doubleClickTime = 320;
  std::deque<MenuPick> folderChoices;
  // The outcome of each delivery, in turn; Delivered once they are used up.
  std::deque<DeliveryOutcome> outcomes;
  std::deque<ConfigureCommand> configureChoices;
  // Runs while a menu is on screen, as the menu's own message loop would dispatch messages.
  std::function<void()> whileMenuOpen;
  std::function<void()> whileAboutOpen;

  // What a look around finds, and the windows it was asked for (0: the delivery's own search).
  Whereabouts around;
  std::vector<WindowHandle> lookedAround;

  // The shell: adds that fail while it is not ready, and whether it shows the icon.
  int failingAdds = 0;
  bool iconThere = false;

  bool Add(const std::string& tip) override {
    const bool taken = failingAdds == 0 && !iconThere;
    if (failingAdds > 0) --failingAdds;
    log.push_back("icon add: " + tip + (taken ? "" : " (failed)"));
    iconThere = iconThere || taken;
    return taken;
  }
  bool Modify(const std::string& tip) override {
    log.push_back("icon modify: " + tip + (iconThere ? "" : " (failed)"));
    return iconThere;
  }
  bool ShowNotice(const std::string& title, const std::string& text) override {
    log.push_back("notice: " + title + ": " + text);
    return iconThere;
  }
  void Remove() override {
    log.push_back("icon delete");
    iconThere = false;
  }

  void RequestIconRetry() override { log.push_back("icon retry on"); }
  void StopIconRetry() override { log.push_back("icon retry off"); }

  void SetInterval(int ms) override { log.push_back("timer interval " + std::to_string(ms)); }
  void StartClickTimer() override { log.push_back("timer on"); }
  void StopClickTimer() override { log.push_back("timer off"); }

  bool AnotherCopyRunning() override { return anotherCopy; }
  void Beep() override { log.push_back("beep"); }
  void Trace(const std::string& line) override { log.push_back("trace " + line); }
  void SetPriority(ProcessPriority priority) override {
    static const char* const kNames[] = {"normal", "idle", "high"};
    log.push_back(std::string("priority ") + kNames[static_cast<int>(priority)]);
  }
  int DoubleClickTime() override { return doubleClickTime; }
  void CloseMainWindow() override { log.push_back("close main window"); }
  void EndProgram() override { log.push_back("end"); }

  // " at x,y" for a menu placed at a point, nothing for one at the pointer.
  static std::string Place(std::optional<ScreenPoint> at) {
    return at ? " at " + std::to_string(at->x) + "," + std::to_string(at->y) : "";
  }

  FoldersMenuChoice PopUpFoldersMenu(const FoldersMenu& menu, std::optional<ScreenPoint> at) override {
    log.push_back(DescribeFoldersMenu(menu) + Place(at));
    if (whileMenuOpen) whileMenuOpen();
    if (folderChoices.empty()) return {};
    const MenuPick pick = folderChoices.front();
    folderChoices.pop_front();
    return Picked(menu.items, pick);
  }
  ConfigureCommand PopUpConfigureMenu(const ConfigureMenu& menu, std::optional<ScreenPoint> at) override {
    log.push_back(std::string("configure menu, clipboard ") +
                  (menu.Mode() == DeliveryMode::Pasted ? "checked" : "clear") + Place(at));
    if (whileMenuOpen) whileMenuOpen();
    if (configureChoices.empty()) return ConfigureCommand::None;
    auto choice = configureChoices.front();
    configureChoices.pop_front();
    return choice;
  }
  void ShowEditor() override {
    log.push_back("show editor");
    editorVisible = true;
  }
  bool EditorVisible() override { return editorVisible; }
  void CloseEditor() override {
    if (editorVisible) log.push_back("close editor");
    editorVisible = false;
  }
  void ShowAboutBox(const std::string& text) override {
    log.push_back("about [" + text + "]");
    aboutOpen = true;
    if (whileAboutOpen) whileAboutOpen();
    aboutOpen = false;
  }
  void CloseAboutBox() override {
    if (aboutOpen) log.push_back("close about");
    aboutOpen = false;
  }

  Whereabouts LookAround(WindowHandle window) override {
    lookedAround.push_back(window);
    return around;
  }
  DeliveryOutcome Deliver(const std::string& path, DeliveryMode mode, WindowHandle target) override {
    log.push_back("deliver " + path + (mode == DeliveryMode::Pasted ? " by clipboard" : " by keys") +
                  (target != 0 ? " to window " + std::to_string(target) : ""));
    return NextOutcome();
  }

 private:
  DeliveryOutcome NextOutcome() {
    if (outcomes.empty()) return DeliveryOutcome::Delivered;
    const DeliveryOutcome outcome = outcomes.front();
    outcomes.pop_front();
    return outcome;
  }
};

}  // namespace dm::test
