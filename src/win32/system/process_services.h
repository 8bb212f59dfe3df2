#pragma once
// The program's process and its place in the session, as the tray application asks for them: the
// one copy per session, the beep, the priority, the user's double-click time and the ends.

#include <windows.h>

#include "app/app_services.h"
#include "win32/system/single_instance.h"

namespace dm::win {

class Win32ProcessServices final : public ProcessServices {
 public:
  // The hidden main window, which CloseMainWindow closes; set once it exists.
  void SetMainWindow(HWND window) { mainWindow_ = window; }

  bool AnotherCopyRunning() override { return singleInstance_.AnotherCopyRunning(); }
  void Beep() override;
  void Trace(const std::string& line) override;
  void SetPriority(ProcessPriority priority) override;
  int DoubleClickTime() override;
  void CloseMainWindow() override;
  void EndProgram() override;

 private:
  SingleInstance singleInstance_;  // taken as the program starts, held until it ends
  HWND mainWindow_ = nullptr;
};

}  // namespace dm::win
