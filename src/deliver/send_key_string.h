#pragma once
// Sending a key string through the keyboard service.

#include <string_view>

#include "platform/keyboard.h"

namespace dm {

// Sends the keys a key string describes to the foreground window. With wait set it returns only
// after target has processed them. False for a malformed string (nothing is sent), when the
// system refuses the keys, or when the wait runs out.
bool SendKeyString(Keyboard& keyboard, std::string_view keys, bool wait, WindowHandle target);

}  // namespace dm
