#pragma once
// The About box: the modal About box. The main window owns one AboutBox; it holds a window only
// while the box is shown.

#include <windows.h>

#include <string>

#include "ui/about/about_layout.h"
#include "ui/twips.h"
#include "win32/base/unique_handle.h"
#include "win32/windows/base_window.h"

namespace dm::win {

class AboutBox final : public BaseWindow<AboutBox> {
 public:
  AboutBox() = default;

  // Shows the box modally, owned by owner (disabled meanwhile); returns when it is closed.
  // aboutInfoText is the 64-character information line.
  void ShowModal(HINSTANCE instance, HWND owner, HICON icon, const std::string& aboutInfoText);
  // Closes the box if it is open; the modal display then ends.
  void Close();

 private:
  friend class BaseWindow<AboutBox>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Open(HINSTANCE instance, const std::string& aboutInfoText);
  void CreateControls(HINSTANCE instance);
  // Sizes the box, places its controls and makes its fonts and icon for dpi; where the system
  // suggests a place (the box moved to a monitor of another scale), the box goes there.
  void LayOut(int dpi, const RECT* suggested);
  LRESULT ControlColours(HDC dc, HWND control);
  void Paint();
  void RunModalLoop();

  TwipsScale scale_;
  HINSTANCE instance_ = nullptr;
  HICON fallbackIcon_ = nullptr;                   // the main window's, where none loads at the scale
  UniqueIcon icon_;                                // the program icon at AboutIcon's size
  std::string memoryLine_;                         // MemoryLine's text
  TwipsRect memoryLabel_ = about_layout::kMemory;  // MemoryLine, as wide as its text needs
  UniqueGdiObject windowFont_;                     // bold: the box's own font
  UniqueGdiObject controlFont_;                    // normal weight: every control
  HWND owner_ = nullptr;                           // disabled by ShowModal until the box closes
};

}  // namespace dm::win
