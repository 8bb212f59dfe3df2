#pragma once
// What the notification-area icon reports: the Win32 layer turns the icon's callback messages into
// these, and the tray application answers them.

#include <optional>

namespace dm {

// A point on the screen, in pixels.
struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

enum class IconEvent {
  LeftButtonUp,     // the end of a single click (or of the second click of a double click)
  LeftDoubleClick,  // the second press of a double click
  RightButtonUp,    // the end of a right click
  Select,           // the icon was selected: after a left click, or with the keyboard (Space)
  KeySelect,        // the icon was selected with the keyboard (Enter)
  ContextMenu,      // the icon's menu was asked for: after a right click, or with the keyboard
  Other,            // moves, presses and anything else: no answer
};

// One event of the icon and, for the events of the current notification behaviour, the point the
// shell anchors it at (the icon itself for the keyboard's events).
struct IconNotification {
  IconEvent event = IconEvent::Other;
  std::optional<ScreenPoint> anchor;
  friend bool operator==(const IconNotification&, const IconNotification&) = default;
};

}  // namespace dm
