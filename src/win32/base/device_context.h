#pragma once
// Move-only owners for what a drawing borrows: a device context lent by GetDC, an object selected
// into a device context, and a window's paint. Each gives back what it took when it goes, on every
// way out of the scope that took it.

#include <windows.h>

#include <utility>

namespace dm::win {

// A window's device context, or the screen's where the window is null; ReleaseDC gives it back.
class ScopedGetDC {
 public:
  explicit ScopedGetDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ScopedGetDC() { Reset(); }
  ScopedGetDC(ScopedGetDC&& other) noexcept
      : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  ScopedGetDC& operator=(ScopedGetDC&& other) noexcept {
    if (this != &other) {
      Reset();
      window_ = other.window_;
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  void Reset() {
    if (dc_ != nullptr) ReleaseDC(window_, std::exchange(dc_, nullptr));
  }

  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// object selected into dc; the object it replaced is selected back. Selects nothing into a null
// device context or a null object.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(dc != nullptr && object != nullptr ? SelectObject(dc, object) : nullptr) {}
  ~ScopedSelectObject() { Reset(); }
  ScopedSelectObject(ScopedSelectObject&& other) noexcept
      : dc_(other.dc_), previous_(std::exchange(other.previous_, nullptr)) {}
  ScopedSelectObject& operator=(ScopedSelectObject&& other) noexcept {
    if (this != &other) {
      Reset();
      dc_ = other.dc_;
      previous_ = std::exchange(other.previous_, nullptr);
    }
    return *this;
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

  // Whether the object was selected.
  explicit operator bool() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

 private:
  void Reset() {
    const HGDIOBJ previous = std::exchange(previous_, nullptr);
    if (previous != nullptr && previous != HGDI_ERROR) SelectObject(dc_, previous);
  }

  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// A window's paint, from BeginPaint to EndPaint.
class ScopedPaint {
 public:
  explicit ScopedPaint(HWND window) : window_(window) { dc_ = BeginPaint(window_, &paint_); }
  ~ScopedPaint() { Reset(); }
  ScopedPaint(ScopedPaint&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), paint_(other.paint_), dc_(other.dc_) {}
  ScopedPaint& operator=(ScopedPaint&& other) noexcept {
    if (this != &other) {
      Reset();
      window_ = std::exchange(other.window_, nullptr);
      paint_ = other.paint_;
      dc_ = other.dc_;
    }
    return *this;
  }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;

  HDC Dc() const { return dc_; }
  const PAINTSTRUCT& Paint() const { return paint_; }

 private:
  void Reset() {
    if (window_ != nullptr) EndPaint(std::exchange(window_, nullptr), &paint_);
  }

  HWND window_ = nullptr;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

}  // namespace dm::win
