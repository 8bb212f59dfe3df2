// Dashmarks: the program's entry. Everything else begins when the hidden main window is created.

#include <windows.h>
// After windows.h, which it builds on:
#include <objbase.h>

#include "platform/win32/main_window.h"
#include "platform/win32/registry_settings_store.h"
#include "platform/win32/win32_path_delivery.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // The folder browser needs a single-threaded apartment on this, the only, thread.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

  dm::win::RegistrySettingsStore store;
  auto delivery = dm::win::MakeWin32PathDelivery();
  dm::win::MainWindow main(instance, store, *delivery);
  if (!main.Create()) return 0;

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (main.TranslateDialogMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
