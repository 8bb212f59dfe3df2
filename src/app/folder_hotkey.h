#pragma once
// The folder hotkey: taken from the system only while a file dialog or an Explorer window is the
// foreground window, so that it never takes the key from other programs, and given back as soon as
// anything else comes to the front.

#include <optional>
#include <string>

#include "app/hotkey_text.h"
#include "deliver/target_choice.h"
#include "platform/settings_store.h"
#include "platform/window_tree.h"

namespace dm {

// The system's hotkey, for this program.
class HotkeyRegistration {
 public:
  virtual ~HotkeyRegistration() = default;
  // Takes the key for this program; false when the system refused it (another program holds it).
  virtual bool Register(const Hotkey& key) = 0;
  virtual void Unregister() = 0;
  // One line of the debug trace.
  virtual void Trace(const std::string& line) = 0;
};

// The "Hotkey" setting as stored.
HotkeySetting LoadHotkeySetting(SettingsStore& store);

class FolderHotkey {
 public:
  FolderHotkey(WindowTree& tree, HotkeyRegistration& registration, const HotkeySetting& setting)
      : tree_(tree), registration_(registration), setting_(setting) {}

  // Traces a setting that is not a key, then follows the window in front.
  void Start(WindowHandle front);
  // Takes the key when front is a file dialog or an Explorer window, gives it back otherwise. A key
  // the system refuses is traced once and not asked for again.
  void OnForegroundChanged(WindowHandle front);
  // Gives the key back for good (the program ends).
  void Stop();
  // The window the key was pressed in, while it is still a file dialog or an Explorer window.
  std::optional<WindowTarget> PressedIn();

  bool Registered() const { return registered_; }

 private:
  WindowTree& tree_;
  HotkeyRegistration& registration_;
  HotkeySetting setting_;
  bool registered_ = false;
  bool stopped_ = false;
  WindowHandle front_ = 0;  // the target in front, 0 when none is
};

}  // namespace dm
