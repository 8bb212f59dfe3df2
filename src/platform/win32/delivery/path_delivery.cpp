#include "platform/win32/delivery/path_delivery.h"

#include "deliver/deliver_path.h"
#include "platform/win32/delivery/activation.h"
#include "platform/win32/delivery/clipboard.h"
#include "platform/win32/delivery/send_input_keyboard.h"
#include "platform/win32/delivery/wait_pointer.h"
#include "platform/win32/delivery/window_tree.h"

namespace dm::win {
namespace {

class Win32PathDelivery : public PathDelivery {
 public:
  explicit Win32PathDelivery(const ClipboardBounds& bounds) : clipboard_(bounds) {}
  void DeliverPath(const std::string& path, bool clipboardMode) override {
    sequence_.DeliverPath(path, clipboardMode);
  }

 private:
  Win32WindowTree tree_;
  SendInputKeyboard keyboard_;
  Win32Clipboard clipboard_;
  Win32Activation activation_;
  WaitPointer pointer_;
  PathDeliverySequence sequence_{{tree_, keyboard_, clipboard_, activation_, pointer_}};
};

}  // namespace

std::unique_ptr<PathDelivery> MakeWin32PathDelivery(const ClipboardBounds& bounds) {
  return std::make_unique<Win32PathDelivery>(bounds);
}

}  // namespace dm::win
