#pragma once
// The Configure pop-up menu of the main window, opened by a right click on the icon.

#include <string_view>

namespace dm {

enum class ConfigureCommand { None, List, Clipboard, About, Exit };

struct ConfigureMenuEntry {
  ConfigureCommand command;  // None for the separator
  std::string_view caption;  // empty for the separator
};

class ConfigureMenu {
 public:
  // Top to bottom; the entry without a command is the separator.
  static constexpr ConfigureMenuEntry kEntries[] = {
      {ConfigureCommand::List, "&List..."}, {ConfigureCommand::Clipboard, "&Clipboard"},
      {ConfigureCommand::None, ""},         {ConfigureCommand::About, "&About..."},
      {ConfigureCommand::Exit, "E&xit"},
  };

  // The check mark of "&Clipboard" is the clipboard option; it starts checked.
  bool ClipboardChecked() const { return clipboardChecked_; }
  void SetClipboardChecked(bool checked) { clipboardChecked_ = checked; }
  void ToggleClipboard() { clipboardChecked_ = !clipboardChecked_; }

 private:
  bool clipboardChecked_ = true;
};

}  // namespace dm
