// The clipboard saved whole and put back around a paste: text, a bitmap, a file list, formats of
// another program (registered, private, GDI objects) all return as they were; what cannot be
// copied is left out without stopping the paste, and a clipboard beyond the bounds is left alone.

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#include "win32/delivery/clipboard.h"
#include "win32/delivery/clipboard_session.h"
#include "win32/support/test_thread.h"

namespace dm::win {
namespace {

const UINT kCustomFormat = RegisterClipboardFormatW(L"Dashmarks.Test.Custom");
const std::vector<COLORREF> kPixels{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(10, 20, 30)};

HGLOBAL GlobalFrom(const void* data, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), data, size);
  GlobalUnlock(memory);
  return memory;
}

HBITMAP MakeBitmap() {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 2, 2);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  for (int i = 0; i < 4; ++i) SetPixel(dc, i % 2, i / 2, kPixels[static_cast<std::size_t>(i)]);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

std::vector<COLORREF> PixelsOf(HBITMAP bitmap) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  std::vector<COLORREF> pixels;
  for (int i = 0; i < 4; ++i) pixels.push_back(GetPixel(dc, i % 2, i / 2));
  SelectObject(dc, old);
  DeleteDC(dc);
  return pixels;
}

HGLOBAL MakeFileList(const std::wstring& doubleNullList) {
  std::vector<unsigned char> bytes(sizeof(DROPFILES) + doubleNullList.size() * sizeof(wchar_t));
  auto* header = reinterpret_cast<DROPFILES*>(bytes.data());
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(bytes.data() + sizeof(DROPFILES), doubleNullList.data(),
              doubleNullList.size() * sizeof(wchar_t));
  return GlobalFrom(bytes.data(), bytes.size());
}

std::vector<std::wstring> FilesOf(HANDLE drop) {
  std::vector<std::wstring> files;
  const UINT count = DragQueryFileW(static_cast<HDROP>(drop), 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    wchar_t name[MAX_PATH] = {};
    DragQueryFileW(static_cast<HDROP>(drop), i, name, MAX_PATH);
    files.push_back(name);
  }
  return files;
}

std::wstring TextOf(HANDLE text) {
  std::wstring out(static_cast<const wchar_t*>(GlobalLock(text)));
  GlobalUnlock(text);
  return out;
}

TEST(ClipboardTest, RestorePutsBackEveryFormatAfterThePathWasSet) {
  const std::string custom("\x01\x02\x00\x03", 4);
  {
    ClipboardSession session(nullptr);
    ASSERT_TRUE(session.IsOpen());
    ASSERT_TRUE(EmptyClipboard());
    const std::wstring text = L"earlier \u00FC text";
    SetClipboardData(CF_UNICODETEXT, GlobalFrom(text.c_str(), (text.size() + 1) * sizeof(wchar_t)));
    SetClipboardData(CF_BITMAP, MakeBitmap());
    SetClipboardData(CF_HDROP, MakeFileList(std::wstring(L"C:\\one.txt\0C:\\two words.txt\0\0", 30)));
    SetClipboardData(kCustomFormat, GlobalFrom(custom.data(), custom.size()));
  }

  Win32Clipboard clipboard;
  const ClipboardSaveResult saved = clipboard.Save();
  ASSERT_EQ(saved.status, ClipboardSaveStatus::Saved);
  ASSERT_NE(saved.snapshot, nullptr);
  ASSERT_TRUE(clipboard.SetText("C:\\50% {x}\\\xC3\xA9"));
  {
    ClipboardSession session(nullptr);
    ASSERT_TRUE(session.IsOpen());
    EXPECT_EQ(TextOf(GetClipboardData(CF_UNICODETEXT)), L"C:\\50% {x}\\\u00E9");
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_HDROP));
    EXPECT_FALSE(IsClipboardFormatAvailable(kCustomFormat));
  }

  ASSERT_TRUE(clipboard.Restore(*saved.snapshot));
  ClipboardSession session(nullptr);
  ASSERT_TRUE(session.IsOpen());
  EXPECT_EQ(TextOf(GetClipboardData(CF_UNICODETEXT)), L"earlier \u00FC text");
  EXPECT_EQ(PixelsOf(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))), kPixels);
  EXPECT_EQ(FilesOf(GetClipboardData(CF_HDROP)),
            (std::vector<std::wstring>{L"C:\\one.txt", L"C:\\two words.txt"}));
  HANDLE customData = GetClipboardData(kCustomFormat);
  ASSERT_NE(customData, nullptr);
  ASSERT_GE(GlobalSize(customData), custom.size());
  EXPECT_EQ(std::string(static_cast<const char*>(GlobalLock(customData)), custom.size()), custom);
  GlobalUnlock(customData);
}

TEST(ClipboardTest, AnEmptyClipboardIsRestoredEmpty) {
  {
    ClipboardSession session(nullptr);
    ASSERT_TRUE(session.IsOpen());
    ASSERT_TRUE(EmptyClipboard());
  }
  Win32Clipboard clipboard;
  const ClipboardSaveResult saved = clipboard.Save();
  ASSERT_EQ(saved.status, ClipboardSaveStatus::Saved);
  ASSERT_TRUE(clipboard.SetText("D:\\"));
  ASSERT_TRUE(clipboard.Restore(*saved.snapshot));
  EXPECT_EQ(CountClipboardFormats(), 0);
}

TEST(ClipboardTest, SaveGivesUpWhileAnotherWindowKeepsTheClipboardOpen) {
  ClipboardSession holder(nullptr);
  ASSERT_TRUE(holder.IsOpen());
  // The clipboard belongs to one thread at a time; another thread must wait for it.
  ClipboardSaveResult saved{ClipboardSaveStatus::Saved, nullptr};
  TestThread other([&saved] { saved = Win32Clipboard().Save(); });
  other.Join();
  EXPECT_EQ(saved.status, ClipboardSaveStatus::Busy);
  EXPECT_EQ(saved.snapshot, nullptr);
}

// The clipboard's owner, on a thread of its own, stops answering once it has put text there.
class SilentOwner {
 public:
  SilentOwner() : release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = TestThread([this, ready] {
      HWND window =
          CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
      {
        ClipboardSession session(window);
        if (session.IsOpen() && EmptyClipboard()) {
          const char text[] = "owned";
          SetClipboardData(CF_TEXT, GlobalFrom(text, sizeof text));
        }
      }
      SetEvent(ready);
      WaitForSingleObject(release_, INFINITE);  // answers nothing meanwhile
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
      DestroyWindow(window);
    });
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
  }
  ~SilentOwner() {
    SetEvent(release_);
    thread_.Join();
    CloseHandle(release_);
  }
  SilentOwner(const SilentOwner&) = delete;
  SilentOwner& operator=(const SilentOwner&) = delete;

 private:
  HANDLE release_;
  TestThread thread_;
};

TEST(ClipboardTest, SaveGivesUpWhenTheClipboardsOwnerDoesNotAnswer) {
  SilentOwner owner;
  ASSERT_NE(GetClipboardOwner(), nullptr);
  // Emptying the clipboard for the paste would wait for this owner's answer.
  EXPECT_EQ(Win32Clipboard().Save().status, ClipboardSaveStatus::Busy);
}

const UINT kZeroSizeFormat = RegisterClipboardFormatW(L"Dashmarks.Test.ZeroSize");
const UINT kDeclinedFormat = RegisterClipboardFormatW(L"Dashmarks.Test.Declined");
constexpr UINT kPrivateFormat = CF_PRIVATEFIRST + 7;
constexpr UINT kGdiFormat = CF_GDIOBJFIRST + 3;

bool Available(const wchar_t* registeredName) {
  return IsClipboardFormatAvailable(RegisterClipboardFormatW(registeredName)) != FALSE;
}

TEST(ClipboardTest, FormatsThatCannotBeCopiedAreLeftOutAndEveryOtherComesBack) {
  const std::string privateBytes("\x10\x00\x20\x30", 4);
  bool gdiPlaced = false;
  {
    ClipboardSession session(nullptr);
    ASSERT_TRUE(session.IsOpen());
    ASSERT_TRUE(EmptyClipboard());
    const std::wstring text = L"earlier text";
    SetClipboardData(CF_UNICODETEXT, GlobalFrom(text.c_str(), (text.size() + 1) * sizeof(wchar_t)));
    SetClipboardData(CF_BITMAP, MakeBitmap());
    // A block of no size, and a format promised with no window to render it.
    SetClipboardData(kZeroSizeFormat, GlobalAlloc(GMEM_MOVEABLE, 0));
    SetClipboardData(kDeclinedFormat, nullptr);
    // Another program's private block (it stays that program's to free) and a GDI object.
    SetClipboardData(kPrivateFormat, GlobalFrom(privateBytes.data(), privateBytes.size()));
    gdiPlaced = SetClipboardData(kGdiFormat, CreateSolidBrush(RGB(1, 2, 3))) != nullptr;
  }

  Win32Clipboard clipboard;
  const ClipboardSaveResult saved = clipboard.Save();
  ASSERT_EQ(saved.status, ClipboardSaveStatus::Saved);
  ASSERT_TRUE(clipboard.SetText("C:\\"));
  {
    // The path is there for the paste alone: out of the history, the cloud and the monitors.
    ClipboardSession session(nullptr);
    ASSERT_TRUE(session.IsOpen());
    EXPECT_TRUE(Available(L"ExcludeClipboardContentFromMonitorProcessing"));
    for (const wchar_t* name : {L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard"}) {
      HANDLE flag = GetClipboardData(RegisterClipboardFormatW(name));
      ASSERT_NE(flag, nullptr) << name;
      ASSERT_GE(GlobalSize(flag), sizeof(DWORD)) << name;
      EXPECT_EQ(*static_cast<const DWORD*>(GlobalLock(flag)), 0U) << name;
      GlobalUnlock(flag);
    }
    EXPECT_FALSE(IsClipboardFormatAvailable(kPrivateFormat));
  }

  ASSERT_TRUE(clipboard.Restore(*saved.snapshot));
  ClipboardSession session(nullptr);
  ASSERT_TRUE(session.IsOpen());
  EXPECT_EQ(TextOf(GetClipboardData(CF_UNICODETEXT)), L"earlier text");
  EXPECT_EQ(PixelsOf(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))), kPixels);
  HANDLE privateData = GetClipboardData(kPrivateFormat);
  ASSERT_NE(privateData, nullptr);
  ASSERT_GE(GlobalSize(privateData), privateBytes.size());
  EXPECT_EQ(std::string(static_cast<const char*>(GlobalLock(privateData)), privateBytes.size()),
            privateBytes);
  GlobalUnlock(privateData);
  if (gdiPlaced) {
    LOGBRUSH brush{};
    ASSERT_NE(GetObjectW(GetClipboardData(kGdiFormat), sizeof(brush), &brush), 0);
    EXPECT_EQ(brush.lbColor, RGB(1, 2, 3));
  }
  EXPECT_EQ(GetClipboardData(kZeroSizeFormat), nullptr);
  EXPECT_FALSE(IsClipboardFormatAvailable(kDeclinedFormat));
  // The earlier content comes back marked like the path was: it is not new to the history.
  EXPECT_TRUE(Available(L"CanIncludeInClipboardHistory"));
  EXPECT_TRUE(Available(L"ExcludeClipboardContentFromMonitorProcessing"));
}

TEST(ClipboardTest, AClipboardBeyondTheSizeBoundIsLeftAsItIs) {
  const std::wstring large(4000, L'x');
  {
    ClipboardSession session(nullptr);
    ASSERT_TRUE(session.IsOpen());
    ASSERT_TRUE(EmptyClipboard());
    SetClipboardData(CF_UNICODETEXT, GlobalFrom(large.c_str(), (large.size() + 1) * sizeof(wchar_t)));
  }
  Win32Clipboard clipboard(ClipboardBounds{1024, 2000});
  const ClipboardSaveResult saved = clipboard.Save();
  EXPECT_EQ(saved.status, ClipboardSaveStatus::TooLarge);
  EXPECT_EQ(saved.snapshot, nullptr);
  ClipboardSession session(nullptr);
  ASSERT_TRUE(session.IsOpen());
  EXPECT_EQ(TextOf(GetClipboardData(CF_UNICODETEXT)), large);
}

// A program that put text on the clipboard as a promise (delayed rendering) and a registered
// format as data, and renders the text, late, or not at all, when asked.
class PromisingOwner {
 public:
  PromisingOwner(DWORD renderDelayMs, bool renders) : delay_(renderDelayMs), renders_(renders) {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = TestThread([this, ready] {
      WNDCLASSW cls{};
      cls.lpfnWndProc = Proc;
      cls.hInstance = GetModuleHandleW(nullptr);
      cls.lpszClassName = L"DashmarksTestPromisingOwner";
      RegisterClassW(&cls);
      window_ = CreateWindowExW(0, cls.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                cls.hInstance, nullptr);
      SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
      threadId_ = GetCurrentThreadId();
      {
        ClipboardSession session(window_);
        if (session.IsOpen() && EmptyClipboard()) {
          SetClipboardData(CF_UNICODETEXT, nullptr);
          const char kept[] = "kept";
          SetClipboardData(kCustomFormat, GlobalFrom(kept, sizeof kept));
        }
      }
      SetEvent(ready);
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
      DestroyWindow(window_);
    });
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
  }
  ~PromisingOwner() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.Join();
  }
  PromisingOwner(const PromisingOwner&) = delete;
  PromisingOwner& operator=(const PromisingOwner&) = delete;

  // Whether it is inside its rendering at the moment.
  bool Rendering() const { return rendering_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<PromisingOwner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_RENDERFORMAT && self != nullptr) {
      self->rendering_ = true;
      Sleep(self->delay_);
      self->rendering_ = false;
      if (self->renders_) {
        const wchar_t text[] = L"rendered";
        SetClipboardData(static_cast<UINT>(wParam), GlobalFrom(text, sizeof text));
      }
      return 0;
    }
    if (message == WM_RENDERALLFORMATS) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
  }

  DWORD delay_;
  bool renders_;
  std::atomic<bool> rendering_{false};
  TestThread thread_;
  HWND window_ = nullptr;
  DWORD threadId_ = 0;
};

TEST(ClipboardTest, AFormatItsOwnerFailsToRenderIsLeftOutAndThePasteGoesOn) {
  Win32Clipboard clipboard;
  ClipboardSaveResult saved;
  {
    PromisingOwner owner(0, /*renders=*/false);
    saved = clipboard.Save();
  }
  ASSERT_EQ(saved.status, ClipboardSaveStatus::Saved);
  ASSERT_TRUE(clipboard.SetText("C:\\"));
  ASSERT_TRUE(clipboard.Restore(*saved.snapshot));
  ClipboardSession session(nullptr);
  ASSERT_TRUE(session.IsOpen());
  HANDLE kept = GetClipboardData(kCustomFormat);
  ASSERT_NE(kept, nullptr);
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(kept)), "kept");
  GlobalUnlock(kept);
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
}

TEST(ClipboardTest, ARenderingBeyondTheTimeBoundMakesTheSnapshotTooLarge) {
  PromisingOwner owner(400, /*renders=*/true);
  Win32Clipboard clipboard(ClipboardBounds{std::size_t{1} << 20, 100});
  EXPECT_EQ(clipboard.Save().status, ClipboardSaveStatus::TooLarge);
}

TEST(ClipboardTest, AnOwnerStillRenderingAtTheTimeBoundNoLongerHoldsTheProgram) {
  PromisingOwner owner(3000, /*renders=*/true);
  Win32Clipboard clipboard(ClipboardBounds{std::size_t{1} << 20, 200});
  EXPECT_EQ(clipboard.Save().status, ClipboardSaveStatus::TooLarge);
  // The answer came while the owner was still at its rendering: the copy was left to it.
  EXPECT_TRUE(owner.Rendering());
  // Until the copy left behind has ended, no other is begun: the path is typed.
  EXPECT_EQ(clipboard.Save().status, ClipboardSaveStatus::TooLarge);
}

// One worker takes every snapshot of a clipboard object: each Save still reads the clipboard as it
// is at that moment, and a copy left behind at the time bound holds up only the Saves made before
// it has ended.
TEST(ClipboardTest, EverySaveTakesTheClipboardOfItsMoment) {
  Win32Clipboard clipboard;
  for (const std::wstring text : {L"first", L"second", L"third"}) {
    {
      ClipboardSession session(nullptr);
      ASSERT_TRUE(session.IsOpen());
      ASSERT_TRUE(EmptyClipboard());
      SetClipboardData(CF_UNICODETEXT, GlobalFrom(text.c_str(), (text.size() + 1) * sizeof(wchar_t)));
    }
    const ClipboardSaveResult saved = clipboard.Save();
    ASSERT_EQ(saved.status, ClipboardSaveStatus::Saved);
    ASSERT_TRUE(clipboard.SetText("C:\\"));
    ASSERT_TRUE(clipboard.Restore(*saved.snapshot));
    ClipboardSession session(nullptr);
    ASSERT_TRUE(session.IsOpen());
    EXPECT_EQ(TextOf(GetClipboardData(CF_UNICODETEXT)), text);
  }
}

TEST(ClipboardTest, ACopyLeftBehindAtTheTimeBoundHoldsUpNoSaveAfterItEnded) {
  Win32Clipboard clipboard(ClipboardBounds{std::size_t{1} << 20, 100});
  {
    PromisingOwner owner(400, /*renders=*/true);
    EXPECT_EQ(clipboard.Save().status, ClipboardSaveStatus::TooLarge);
  }
  {
    ClipboardSession session(nullptr);
    ASSERT_TRUE(session.IsOpen());
    ASSERT_TRUE(EmptyClipboard());
    const std::wstring text = L"after";
    SetClipboardData(CF_UNICODETEXT, GlobalFrom(text.c_str(), (text.size() + 1) * sizeof(wchar_t)));
  }
  // The owner has rendered and gone; the copy it held ends at once. A deadline stops a hang only.
  ClipboardSaveResult saved;
  for (const ULONGLONG deadline = GetTickCount64() + 5000; GetTickCount64() < deadline; Sleep(20)) {
    saved = clipboard.Save();
    if (saved.status == ClipboardSaveStatus::Saved) break;
  }
  ASSERT_EQ(saved.status, ClipboardSaveStatus::Saved);
  ASSERT_TRUE(clipboard.SetText("C:\\"));
  ASSERT_TRUE(clipboard.Restore(*saved.snapshot));
  ClipboardSession session(nullptr);
  ASSERT_TRUE(session.IsOpen());
  EXPECT_EQ(TextOf(GetClipboardData(CF_UNICODETEXT)), L"after");
}

// A program's copy or cut through OLE (an Office program's) is owned by OLE's clipboard window,
// here played by a window of that class.
TEST(ClipboardTest, AnOleCopyOrCutIsLeftWithItsOwner) {
  WNDCLASSW oleClass{};
  oleClass.lpfnWndProc = DefWindowProcW;
  oleClass.hInstance = GetModuleHandleW(nullptr);
  oleClass.lpszClassName = L"CLIPBRDWNDCLASS";
  RegisterClassW(&oleClass);
  HWND ole = CreateWindowExW(0, oleClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             oleClass.hInstance, nullptr);
  ASSERT_NE(ole, nullptr);
  {
    ClipboardSession session(ole);
    ASSERT_TRUE(session.IsOpen());
    EmptyClipboard();
    const wchar_t text[] = L"cut from a spreadsheet";
    SetClipboardData(CF_UNICODETEXT, GlobalFrom(text, sizeof text));
  }
  const ClipboardSaveResult saved = Win32Clipboard().Save();
  EXPECT_EQ(saved.status, ClipboardSaveStatus::OwnersOwn);
  EXPECT_EQ(saved.snapshot, nullptr);
  EXPECT_EQ(GetClipboardOwner(), ole);
  {
    ClipboardSession session(nullptr);
    ASSERT_TRUE(session.IsOpen());
    EXPECT_EQ(TextOf(GetClipboardData(CF_UNICODETEXT)), L"cut from a spreadsheet");
    EmptyClipboard();
  }
  DestroyWindow(ole);
  UnregisterClassW(oleClass.lpszClassName, oleClass.hInstance);
}

// After the paste the restored set carries the same marks as the path's text did, so the
// clipboard history gets no second entry and the cloud clipboard no second upload; the OLE
// bookkeeping a data object left there would describe an object that is gone, and stays out.
struct RestoredFormatCase {
  const wchar_t* name;
  bool present;
  bool markedNo;  // present with the value 0
};

class RestoredFormatTest : public testing::TestWithParam<RestoredFormatCase> {};

TEST_P(RestoredFormatTest, TheRestoredSetCarriesThePasteMarksAndNoOleBookkeeping) {
  const RestoredFormatCase& expected = GetParam();
  const std::wstring text = L"earlier text";
  const std::string bookkeeping("\x10\x20\x30\x40", 4);
  {
    ClipboardSession session(nullptr);
    ASSERT_TRUE(session.IsOpen());
    ASSERT_TRUE(EmptyClipboard());
    SetClipboardData(CF_UNICODETEXT, GlobalFrom(text.c_str(), (text.size() + 1) * sizeof(wchar_t)));
    for (const wchar_t* ole : {L"DataObject", L"Ole Private Data"}) {
      SetClipboardData(RegisterClipboardFormatW(ole), GlobalFrom(bookkeeping.data(), bookkeeping.size()));
    }
  }

  Win32Clipboard clipboard;
  const ClipboardSaveResult saved = clipboard.Save();
  ASSERT_EQ(saved.status, ClipboardSaveStatus::Saved);
  ASSERT_TRUE(clipboard.SetText("C:\\Work"));
  ASSERT_TRUE(clipboard.Restore(*saved.snapshot));

  ClipboardSession session(nullptr);
  ASSERT_TRUE(session.IsOpen());
  EXPECT_EQ(TextOf(GetClipboardData(CF_UNICODETEXT)), text);
  const UINT format = RegisterClipboardFormatW(expected.name);
  ASSERT_NE(format, 0u);
  EXPECT_EQ(IsClipboardFormatAvailable(format) != FALSE, expected.present);
  if (expected.markedNo) {
    HANDLE data = GetClipboardData(format);
    ASSERT_NE(data, nullptr);
    ASSERT_GE(GlobalSize(data), sizeof(DWORD));
    DWORD value = 1;
    std::memcpy(&value, GlobalLock(data), sizeof(value));
    GlobalUnlock(data);
    EXPECT_EQ(value, 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(ClipboardTest, RestoredFormatTest,
                         testing::Values(RestoredFormatCase{L"ExcludeClipboardContentFromMonitorProcessing",
                                                            true, false},
                                         RestoredFormatCase{L"CanIncludeInClipboardHistory", true, true},
                                         RestoredFormatCase{L"CanUploadToCloudClipboard", true, true},
                                         RestoredFormatCase{L"DataObject", false, false},
                                         RestoredFormatCase{L"Ole Private Data", false, false}));

}  // namespace
}  // namespace dm::win
