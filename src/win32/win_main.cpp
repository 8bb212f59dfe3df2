// Dashmarks: the program's entry. It makes the desktop's pieces, gives them to the tray
// application, and runs the messages; everything else begins when the hidden main window is
// created.

#include <windows.h>

#include <cstdlib>

#include "deliver/path_delivery_sequence.h"
#include "win32/delivery/delivery_desktop.h"
#include "win32/system/process_services.h"
#include "win32/system/registry_settings_store.h"
#include "win32/windows/main_window.h"
#include "win32/windows/notify_icon.h"
#include "win32/windows/tray_popups.h"

// The runtime's default terminate handler demangles the exception's type name to print it on a
// console this program does not have; the demangler alone is a sixth of the executable. A program
// that terminates ends the same way without it.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  dm::win::RegistrySettingsStore store;
  dm::win::Win32DeliveryDesktop desktop;
  dm::PathDeliverySequence delivery(desktop.Services());
  dm::win::Win32ProcessServices process;
  dm::win::NotifyIcon icon;
  dm::win::TrayPopups popups;
  dm::win::MainWindow main(instance, store, icon, popups, process);
  dm::TrayApp app(dm::TrayAppServices{store, icon, main, process, popups, delivery, main});
  if (!main.Create(app)) return 0;

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (popups.TranslateDialogMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
