#pragma once
// Stands in for the tray application's desktop: icon, timer, process, menus and windows. Every
// call lands in one ordered log; menus answer with scripted choices.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/app_services.h"
#include "app/path_delivery.h"

namespace dm::test {

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
  std::deque<std::optional<std::size_t>> folderChoices;
  std::deque<ConfigureCommand> configureChoices;
  // Runs while a menu is on screen, as the menu's own message loop would dispatch messages.
  std::function<void()> whileMenuOpen;
  std::function<void()> whileAboutOpen;

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
  void Delete() override {
    log.push_back("icon delete");
    iconThere = false;
  }

  void RequestIconRetry() override { log.push_back("icon retry on"); }
  void StopIconRetry() override { log.push_back("icon retry off"); }

  void SetInterval(int ms) override { log.push_back("timer interval " + std::to_string(ms)); }
  void Enable() override { log.push_back("timer on"); }
  void Disable() override { log.push_back("timer off"); }

  bool AnotherCopyRunning() override { return anotherCopy; }
  void Beep() override { log.push_back("beep"); }
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

  std::optional<std::size_t> PopUpFoldersMenu(const FolderList& folders,
                                              std::optional<ScreenPoint> at) override {
    log.push_back("folders menu (" + std::to_string(folders.Count()) + " paths)" + Place(at));
    if (whileMenuOpen) whileMenuOpen();
    if (folderChoices.empty()) return std::nullopt;
    auto choice = folderChoices.front();
    folderChoices.pop_front();
    return choice;
  }
  ConfigureCommand PopUpConfigureMenu(const ConfigureMenu& menu, std::optional<ScreenPoint> at) override {
    log.push_back(std::string("configure menu, clipboard ") +
                  (menu.ClipboardChecked() ? "checked" : "clear") + Place(at));
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

  DeliveryOutcome DeliverPath(const std::string& path, bool clipboardMode) override {
    log.push_back("deliver " + path + (clipboardMode ? " by clipboard" : " by keys"));
    return DeliveryOutcome::Delivered;
  }
  DeliveryOutcome DeliverPathTo(const std::string& path, bool clipboardMode, WindowHandle window) override {
    log.push_back("deliver " + path + (clipboardMode ? " by clipboard" : " by keys") + " to window " +
                  std::to_string(window));
    return DeliveryOutcome::Delivered;
  }
};

}  // namespace dm::test
