#include "platform/win32/delivery/path_delivery.h"

#include <windows.h>

#include <string>

#include "deliver/deliver_path.h"
#include "platform/win32/base/text_conversion.h"
#include "platform/win32/delivery/activation.h"
#include "platform/win32/delivery/clipboard.h"
#include "platform/win32/delivery/dialog_controls.h"
#include "platform/win32/delivery/folder_check.h"
#include "platform/win32/delivery/send_input_keyboard.h"
#include "platform/win32/delivery/shell_window_list.h"
#include "platform/win32/delivery/wait_pointer.h"
#include "platform/win32/delivery/window_process.h"
#include "platform/win32/delivery/window_tree.h"

namespace dm::win {
namespace {

class Win32PathDelivery : public PathDelivery {
 public:
  explicit Win32PathDelivery(const ClipboardBounds& bounds) : clipboard_(bounds) {}
  DeliveryOutcome DeliverPath(const std::string& path, bool clipboardMode) override {
    return Reported(sequence_.DeliverPath(path, clipboardMode), clipboardMode);
  }
  DeliveryOutcome DeliverPathTo(const std::string& path, bool clipboardMode, WindowHandle window) override {
    return Reported(sequence_.DeliverPathTo(path, clipboardMode, window), clipboardMode);
  }
  Whereabouts LookAround(WindowHandle window) override { return sequence_.LookAround(window); }

 private:
  static DeliveryOutcome Reported(DeliveryOutcome outcome, bool clipboardMode) {
    if (outcome != DeliveryOutcome::Delivered) {
      // The user chose a folder and nothing happened: say so, audibly and in the debug trace.
      MessageBeep(MB_OK);
      const std::string line =
          "Dashmarks: the folder was not delivered: " + std::string(DescribeOutcome(outcome)) +
          (clipboardMode ? " (clipboard mode)\n" : " (typed)\n");
      OutputDebugStringW(Utf8ToWide(line).c_str());
    }
    return outcome;
  }

  Win32WindowTree tree_;
  SendInputKeyboard keyboard_;
  Win32Clipboard clipboard_;
  Win32Activation activation_;
  WaitPointer pointer_;
  Win32DialogControls controls_;
  Win32FolderCheck folders_;
  Win32WindowProcess process_;
  Win32ShellWindowList shell_;
  PathDeliverySequence sequence_{
      {tree_, keyboard_, clipboard_, activation_, pointer_, controls_, folders_, process_, shell_}};
};

}  // namespace

std::unique_ptr<PathDelivery> MakeWin32PathDelivery(const ClipboardBounds& bounds) {
  return std::make_unique<Win32PathDelivery>(bounds);
}

}  // namespace dm::win
