#pragma once
// The desktop a delivery runs against, on the system: window tree, SendInput keyboard, clipboard,
// activation, the busy cursor, the dialogs' controls, the folder check, the processes of windows
// and the shell's window list.

#include "deliver/path_delivery_sequence.h"
#include "win32/delivery/activation.h"
#include "win32/delivery/busy_cursor.h"
#include "win32/delivery/clipboard.h"
#include "win32/delivery/dialog_controls.h"
#include "win32/delivery/folder_check.h"
#include "win32/delivery/send_input_keyboard.h"
#include "win32/delivery/target_program.h"
#include "win32/delivery/window_tree.h"
#include "win32/shell/shell_window_list.h"

namespace dm::win {

// Use on the user-interface thread: a delivery runs on the thread that calls it (right after the
// Folders menu has closed, while the program may still set the foreground window). bounds limit
// what the clipboard mode saves; beyond them it types.
class Win32DeliveryDesktop {
 public:
  explicit Win32DeliveryDesktop(const ClipboardBounds& bounds = {}) : clipboard_(bounds) {}
  Win32DeliveryDesktop(const Win32DeliveryDesktop&) = delete;
  Win32DeliveryDesktop& operator=(const Win32DeliveryDesktop&) = delete;

  // The services, valid while this desktop lives.
  DeliveryServices Services() {
    return {tree_, keyboard_, clipboard_, activation_, busyCursor_, controls_, folders_, programs_, shell_};
  }

 private:
  Win32WindowTree tree_;
  SendInputKeyboard keyboard_;
  Win32Clipboard clipboard_;
  Win32Activation activation_;
  Win32BusyCursor busyCursor_;
  Win32DialogControls controls_;
  Win32FolderCheck folders_;
  Win32TargetProgram programs_;
  Win32ShellWindowList shell_;
};

}  // namespace dm::win
