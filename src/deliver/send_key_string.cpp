#include "deliver/send_key_string.h"

#include "deliver/key_string.h"

namespace dm {

bool SendKeyString(Keyboard& keyboard, std::string_view keys, bool wait, WindowHandle target) {
  const ParsedKeyString parsed = ParseKeyString(keys);
  if (!parsed.ok) return false;
  return wait ? keyboard.SendAndWait(parsed.keys, target) : keyboard.Send(parsed.keys);
}

}  // namespace dm
