// A shutdown that arrives while the editor fills its window (the fill lets pending messages run)
// saves every folder, whichever step of the fill it interrupts. The editor here fills its window
// the way the real one does: line by line from the tray application's list, with a turn of the
// message loop after each line, and no further once it is closed.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/tray_app.h"
#include "support/memory_settings_store.h"
#include "support/recording_tray_desktop.h"

namespace dm {
namespace {

class FillingEditor final : public TrayWindows {
 public:
  TrayApp* app = nullptr;
  std::size_t shutdownAtStep = 0;
  std::vector<std::string> lines;

  FoldersMenuChoice PopUpFoldersMenu(const FoldersMenu&, std::optional<ScreenPoint>) override { return {}; }
  ConfigureCommand PopUpConfigureMenu(const ConfigureMenu&, std::optional<ScreenPoint>) override {
    return ConfigureCommand::None;
  }
  void ShowEditor() override {
    open_ = true;
    const FolderList& folders = app->Folders();
    for (std::size_t i = 0; i < folders.Count(); ++i) {
      lines.push_back(folders.At(i));
      // The pending messages: at the chosen step, a close request from the task list.
      if (i + 1 == shutdownAtStep) app->OnClose(CloseReason::TaskList);
      if (!open_) return;
    }
  }
  bool EditorVisible() override { return open_; }
  void CloseEditor() override { open_ = false; }
  void ShowAboutBox(const std::string&) override {}
  void CloseAboutBox() override {}

 private:
  bool open_ = false;
};

TEST(ShutdownDuringTheEditorsFill, EveryStepSavesAllFivePaths) {
  const std::vector<std::string> paths{"C:\\A\\", "C:\\B\\", "C:\\C\\", "C:\\D\\", "C:\\E\\"};
  for (std::size_t step = 1; step <= paths.size(); ++step) {
    test::MemorySettingsStore store;
    store.Seed("Amount", "5");
    for (std::size_t i = 0; i < paths.size(); ++i) store.Seed("Path" + std::to_string(i + 1), paths[i]);
    test::RecordingTrayDesktop desktop;
    FillingEditor editor;
    TrayApp app{TrayAppServices{store, desktop, desktop, desktop, editor, desktop, desktop}};
    editor.app = &app;
    editor.shutdownAtStep = step;
    ASSERT_TRUE(app.Start());

    app.OnConfigureCommand(ConfigureCommand::List);

    EXPECT_EQ(desktop.log.back(), "end") << "step " << step;
    EXPECT_EQ(store.Value("Amount"), "5") << "step " << step;
    for (std::size_t i = 0; i < paths.size(); ++i) {
      EXPECT_EQ(store.Value("Path" + std::to_string(i + 1)), paths[i]) << "step " << step;
    }
    EXPECT_EQ(editor.lines.size(), step) << "filled on after the editor closed";
  }
}

}  // namespace
}  // namespace dm
