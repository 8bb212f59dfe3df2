#pragma once
// What the tray application asks of the delivery of a chosen folder, and how a delivery ends:
// the one interface between the two, so that the application acts on the outcome (the beep, the
// trace) and the delivery knows nothing of the application.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_tree.h"

namespace dm {

// How the path goes in: typed as keystrokes, or pasted through the clipboard (the Configure
// menu's "&Clipboard").
enum class DeliveryMode : std::uint8_t { Typed, Pasted };

enum class DeliveryOutcome : std::uint8_t {
  Delivered,
  NoTarget,           // no file dialog and no Explorer window is open
  FolderInvalid,      // the entry is not an existing folder that a dialog can show
  TargetElevated,     // the target runs with more rights than this program: input would be dropped
  ActivationRefused,  // the target could not be brought to the front
  FocusLost,          // something else took the front or the focus, or the name box did not take the path
  TargetStoppedAnswering,  // the target did not take the keys in time, or went away
  ClipboardBusy,           // the clipboard could not be saved or filled
  InputMethodOpen,         // the target's input method would compose a typed path and would not close
  NoWayIn,                 // the folder window is not in the shell's list and has no address box to check
  ShellNotAnswering,       // the shell's window list did not answer in time (a busy or hung shell)
  NotShown,                // the target took the folder but does not show it afterwards
};

// A short English description for the trace line.
constexpr std::string_view DescribeOutcome(DeliveryOutcome outcome) {
  switch (outcome) {
    case DeliveryOutcome::Delivered:
      return "delivered";
    case DeliveryOutcome::NoTarget:
      return "no file dialog or Explorer window is open";
    case DeliveryOutcome::FolderInvalid:
      return "the entry is not an existing folder";
    case DeliveryOutcome::TargetElevated:
      return "the target runs with higher rights";
    case DeliveryOutcome::ActivationRefused:
      return "the target could not be brought to the front";
    case DeliveryOutcome::FocusLost:
      return "the target lost the front or the focus";
    case DeliveryOutcome::TargetStoppedAnswering:
      return "the target stopped answering";
    case DeliveryOutcome::ClipboardBusy:
      return "the clipboard is busy";
    case DeliveryOutcome::InputMethodOpen:
      return "the target's input method is open and would not close";
    case DeliveryOutcome::NoWayIn:
      return "the folder window has no address box that can be checked, and the shell does not list it";
    case DeliveryOutcome::ShellNotAnswering:
      return "the shell did not answer in time";
    case DeliveryOutcome::NotShown:
      return "the target does not show the folder afterwards";
  }
  return "unknown";
}

// Where the user is, as a delivery's target and the shell see it.
struct Whereabouts {
  // The file-system folders open in folder windows (full paths), the front-most window's first.
  // The target's own folder is not among them when the target is a folder window.
  std::vector<std::string> openFolders;
  // The folder the target shows, where it shows a full path.
  std::optional<std::string> targetFolder;
};

class PathDelivery {
 public:
  virtual ~PathDelivery() = default;
  // Puts path into target, a file dialog or an Explorer window the user was in when asking for
  // the Folders menu, or with no target (0) into the window the delivery's own search chooses:
  // the open file dialog, or else an Explorer window. Says how it ended (NoTarget when the window
  // given is gone or is neither); nothing is sent once a step has failed. The caller tells the
  // user of a failure.
  virtual DeliveryOutcome Deliver(const std::string& path, DeliveryMode mode, WindowHandle target) = 0;
  // Where the user is, for the window given, or with none (0) for the window the delivery's own
  // search would choose. Bounded: a shell that does not answer at once leaves its part empty.
  // Nothing where the delivery cannot tell.
  virtual Whereabouts LookAround(WindowHandle window) {
    static_cast<void>(window);
    return {};
  }
};

}  // namespace dm
