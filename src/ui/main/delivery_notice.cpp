#include "ui/main/delivery_notice.h"

namespace dm::delivery_notice {
namespace {

// Why, after "The folder was not put into the window: ".
std::string_view Why(DeliveryOutcome outcome) {
  switch (outcome) {
    case DeliveryOutcome::Delivered:  // no notice
    case DeliveryOutcome::NoTarget:   // a sentence of its own: there was no window
      return {};
    case DeliveryOutcome::FolderInvalid:
      return "the folder does not exist (any more), or it is not one a file dialog can show.";
    case DeliveryOutcome::TargetElevated:
      return "that program runs as administrator.";
    case DeliveryOutcome::ActivationRefused:
      return "the window could not be brought to the front.";
    case DeliveryOutcome::FocusLost:
      return "another window took the front, or the box did not take the folder.";
    case DeliveryOutcome::TargetStoppedAnswering:
      return "the window stopped answering, or closed.";
    case DeliveryOutcome::ClipboardBusy:
      return "another program is holding the clipboard.";
    case DeliveryOutcome::InputMethodOpen:
      return "its input method is composing and would not close.";
    case DeliveryOutcome::NoWayIn:
      return "that Explorer window offers no address box to type into.";
    case DeliveryOutcome::ShellNotAnswering:
      return "Explorer did not answer in time.";
    case DeliveryOutcome::NotShown:
      return "the window does not show the folder afterwards.";
  }
  return "of an unknown reason.";
}

}  // namespace

std::string Sentence(DeliveryOutcome outcome) {
  if (outcome == DeliveryOutcome::Delivered) return {};
  if (outcome == DeliveryOutcome::NoTarget)
    return "The folder was not put anywhere: no file dialog or Explorer window is open.";
  return "The folder was not put into the window: " + std::string(Why(outcome));
}

}  // namespace dm::delivery_notice
