#pragma once
// The path delivery wired to the system: window tree, SendInput keyboard, clipboard,
// activation and the wait pointer.

#include <memory>

#include "app/path_delivery.h"
#include "platform/win32/delivery/clipboard.h"

namespace dm::win {

// Call on the user-interface thread, as it runs the delivery on the thread that calls
// DeliverPath (right after the Folders menu has closed, while the program may still set the
// foreground window). bounds limit what the clipboard mode saves; beyond them it types.
std::unique_ptr<PathDelivery> MakeWin32PathDelivery(const ClipboardBounds& bounds = {});

}  // namespace dm::win
