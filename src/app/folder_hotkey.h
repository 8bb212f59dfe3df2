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
  // One line of the debug trace; the desktop puts the program's name before it.
  virtual void Trace(const std::string& line) = 0;
  // Calls FolderHotkey::LookAgain every FolderHotkey::kLookAgainMs milliseconds from now on, until
  // StopLookingAgain; asked again while it runs, it keeps running as it is.
  virtual void StartLookingAgain() = 0;
  virtual void StopLookingAgain() = 0;
};

// The "Hotkey" setting as stored.
HotkeySetting LoadHotkeySetting(SettingsStore& store);

class FolderHotkey {
 public:
  // A dialog comes to the front before it has made all of its controls: one that is not yet a
  // target is looked at again this often, this many times (2.4 s), wherever the front is followed.
  static constexpr int kLookAgainMs = 200;
  static constexpr int kLookAgainTimes = 12;

  FolderHotkey(WindowTree& tree, HotkeyRegistration& registration, const HotkeySetting& setting)
      : tree_(tree), registration_(registration), setting_(setting) {}

  // Traces a setting that is not a key, then follows the window in front.
  void Start(WindowHandle front);
  // Takes the key when front is a file dialog or an Explorer window, gives it back otherwise. A key
  // the system refuses is traced once and not asked for again.
  void OnForegroundChanged(WindowHandle front);
  // The window in front is looked at again, while it is a dialog or an Explorer window that came to
  // the front before it was a target and its time to become one is not over.
  void LookAgain();
  // Gives the key back for good (the program ends).
  void Stop();
  // The window the key was pressed in, while it is still a file dialog or an Explorer window.
  std::optional<WindowTarget> PressedIn();

  bool Registered() const { return registered_; }

 private:
  // Takes or gives back the key for the window now in front.
  void Follow(WindowHandle front);
  // Whether a window in front that is no target yet may become one once it has made its controls.
  bool MayBecomeTarget(WindowHandle front);
  void StopWaiting();

  WindowTree& tree_;
  HotkeyRegistration& registration_;
  HotkeySetting setting_;
  bool registered_ = false;
  bool stopped_ = false;
  WindowHandle front_ = 0;    // the target in front, 0 when none is
  WindowHandle waiting_ = 0;  // the window in front that may yet become a target, 0 when none
  int looksLeft_ = 0;
};

}  // namespace dm
