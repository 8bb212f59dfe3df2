#pragma once
// The Configure pop-up menu of the main window, opened by a right click on the icon.

#include <string_view>

#include "deliver/path_delivery.h"

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

  // How a chosen folder is delivered: the check mark of "&Clipboard" shows pasting through the
  // clipboard; it starts checked.
  DeliveryMode Mode() const { return mode_; }
  void SetMode(DeliveryMode mode) { mode_ = mode; }
  void ToggleMode() { mode_ = mode_ == DeliveryMode::Pasted ? DeliveryMode::Typed : DeliveryMode::Pasted; }

 private:
  DeliveryMode mode_ = DeliveryMode::Pasted;
};

}  // namespace dm
