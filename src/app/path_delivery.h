#pragma once
// What a chosen Folders menu entry asks of the delivery subsystem, and how it ended.

#include <cstdint>
#include <string>
#include <string_view>

namespace dm {

enum class DeliveryOutcome : std::uint8_t {
  kDelivered,
  kNoTarget,           // no file dialog and no Explorer window is open
  kFolderInvalid,      // the entry is not an existing folder that a dialog can show
  kTargetElevated,     // the target runs with more rights than this program: input would be dropped
  kActivationRefused,  // the target could not be brought to the front
  kFocusLost,          // something else took the front or the focus, or the name box did not take the path
  kTargetStoppedAnswering,  // the target did not take the keys in time, or went away
  kClipboardBusy,           // the clipboard could not be saved or filled
};

// A short English description for the trace line.
constexpr std::string_view DescribeOutcome(DeliveryOutcome outcome) {
  switch (outcome) {
    case DeliveryOutcome::kDelivered:
      return "delivered";
    case DeliveryOutcome::kNoTarget:
      return "no file dialog or Explorer window is open";
    case DeliveryOutcome::kFolderInvalid:
      return "the entry is not an existing folder";
    case DeliveryOutcome::kTargetElevated:
      return "the target runs with higher rights";
    case DeliveryOutcome::kActivationRefused:
      return "the target could not be brought to the front";
    case DeliveryOutcome::kFocusLost:
      return "the target lost the front or the focus";
    case DeliveryOutcome::kTargetStoppedAnswering:
      return "the target stopped answering";
    case DeliveryOutcome::kClipboardBusy:
      return "the clipboard is busy";
  }
  return "unknown";
}

class PathDelivery {
 public:
  virtual ~PathDelivery() = default;
  // Puts path into the open file dialog, or else an Explorer window: typed as keystrokes, or
  // pasted through the clipboard when clipboardMode is set. Says how it ended; nothing is sent
  // once a step has failed.
  virtual DeliveryOutcome DeliverPath(const std::string& path, bool clipboardMode) = 0;
};

}  // namespace dm
