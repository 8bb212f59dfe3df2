#pragma once
// The base of the program's own windows. A window belongs to one object of class T: the object is
// bound to it at WM_NCCREATE (the creation parameter, kept in the window's user data), so that
// every later message, the first ones during CreateWindowEx included, reaches T::HandleMessage;
// the binding ends at WM_NCDESTROY, and the window goes with its object at the latest. No
// exception crosses the window procedure (Guarded, window_class.h). A window that follows the
// display's scale declares LayOut(int dpi, const RECT* suggested): WM_DPICHANGED calls it here,
// the same way for every window.

#include <windows.h>

#include <string_view>

#include "win32/base/unique_handle.h"
#include "win32/windows/window_class.h"

namespace dm::win {

template <typename T>
class BaseWindow {
 public:
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;

  HWND Window() const { return window_.Get(); }
  bool IsOpen() const { return static_cast<bool>(window_); }

 protected:
  // What CreateWindowEx is given, besides the class and the object.
  struct Creation {
    HINSTANCE instance = nullptr;
    const wchar_t* className = nullptr;
    int backgroundColour = COLOR_BTNFACE;  // a system colour
    DWORD exStyle = 0;
    DWORD style = 0;
    const wchar_t* caption = L"";
    RECT place{};  // left, top, right and bottom in pixels
    HWND parent = nullptr;
  };

  BaseWindow() = default;
  // The object's own members are gone by now: the window is unbound first, so that the messages
  // of its destruction reach none of them.
  ~BaseWindow() { DestroyUnbound(); }

  // Registers the class (once) and creates the window bound to this object; null when the system
  // refused it.
  HWND CreateBound(const Creation& c) {
    RegisterWindowClass(c.instance, c.className, Guarded<&BaseWindow::Procedure>, c.backgroundColour);
    const HWND created = CreateWindowExW(
        c.exStyle, c.className, c.caption, c.style, c.place.left, c.place.top, c.place.right - c.place.left,
        c.place.bottom - c.place.top, c.parent, nullptr, c.instance, static_cast<T*>(this));
    // The window adopted its handle at WM_NCCREATE; a window destroyed during its creation let go.
    return created != nullptr && created == window_.Get() ? created : nullptr;
  }

  // Destroys the window: its handlers see WM_DESTROY and WM_NCDESTROY, after which it is closed.
  void Destroy() {
    if (window_) DestroyWindow(window_.Get());
  }

  // Destroys the window without its handlers: for an object on its way out, whose members go next.
  void DestroyUnbound() {
    if (window_) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
    window_.Reset();
  }

  LRESULT DefaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_.Get(), message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    T* self = BoundObject<T>(window, message, lParam);
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    BaseWindow& base = *self;
    // The handle is adopted as soon as it exists, so that every later message finds it.
    if (message == WM_NCCREATE) base.window_.Reset(window);
    if (base.window_.Get() != window) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      // The window's last message: its handler and the default processing still see the handle,
      // then the object lets go of it, however the handler ends.
      struct Unbind {
        BaseWindow& base;
        HWND window;
        ~Unbind() {
          SetWindowLongPtrW(window, GWLP_USERDATA, 0);
          static_cast<void>(base.window_.Release());
        }
      } unbind{base, window};
      return self->HandleMessage(message, wParam, lParam);
    }
    if constexpr (requires(T & t) { t.LayOut(0, static_cast<const RECT*>(nullptr)); }) {
      if (message == WM_DPICHANGED) {
        // Moved to a monitor of another scale, or the scale changed: laid out again for it, where
        // the system suggests.
        self->LayOut(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
      }
    }
    return self->HandleMessage(message, wParam, lParam);
  }

  UniqueWindow window_;
};

// The outer size of window, of style and exStyle, for a client area of client pixels at dpi; it goes to
// suggested where the system suggests a place, and keeps its place otherwise.
void FitFrame(HWND window, SIZE client, DWORD style, DWORD exStyle, int dpi, const RECT* suggested);

// The width in pixels of text (UTF-8, one line) drawn on the screen in font; with accessKeyMarker
// the '&' that marks an access key is left out, as a label draws it.
int TextWidth(HGDIOBJ font, std::string_view text, bool accessKeyMarker);

}  // namespace dm::win
