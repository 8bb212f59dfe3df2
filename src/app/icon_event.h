#pragma once
// What the notification-area icon reports: the Win32 layer turns the icon's callback messages into
// these, and the tray application answers them.

namespace dm {

enum class IconEvent {
  LeftButtonUp,     // the end of a single click (or of the second click of a double click)
  LeftDoubleClick,  // the second press of a double click
  RightButtonUp,    // the end of a right click
  Other,            // moves, presses and anything else: no answer
};

}  // namespace dm
