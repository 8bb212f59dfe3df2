// The clipboard saved whole and put back around a paste: text, a bitmap, a file list and a
// format of another program all return as they were.

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/delivery/clipboard.h"
#include "platform/win32/delivery/clipboard_session.h"

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
  const std::unique_ptr<ClipboardSnapshot> saved = clipboard.Save();
  ASSERT_NE(saved, nullptr);
  ASSERT_TRUE(clipboard.SetText("C:\\50% {x}\\\xC3\xA9"));
  {
    ClipboardSession session(nullptr);
    ASSERT_TRUE(session.IsOpen());
    EXPECT_EQ(TextOf(GetClipboardData(CF_UNICODETEXT)), L"C:\\50% {x}\\\u00E9");
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_HDROP));
    EXPECT_FALSE(IsClipboardFormatAvailable(kCustomFormat));
  }

  ASSERT_TRUE(clipboard.Restore(*saved));
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
  const std::unique_ptr<ClipboardSnapshot> saved = clipboard.Save();
  ASSERT_NE(saved, nullptr);
  ASSERT_TRUE(clipboard.SetText("D:\\"));
  ASSERT_TRUE(clipboard.Restore(*saved));
  EXPECT_EQ(CountClipboardFormats(), 0);
}

TEST(ClipboardTest, SaveGivesUpWhileAnotherWindowKeepsTheClipboardOpen) {
  ClipboardSession holder(nullptr);
  ASSERT_TRUE(holder.IsOpen());
  // The clipboard belongs to one thread at a time; another thread must wait for it.
  std::unique_ptr<ClipboardSnapshot> saved;
  std::thread other([&saved] { saved = Win32Clipboard().Save(); });
  other.join();
  EXPECT_EQ(saved, nullptr);
}

// The clipboard's owner, on a thread of its own, stops answering once it has put text there.
class SilentOwner {
 public:
  SilentOwner() : release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, ready] {
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
    thread_.join();
    CloseHandle(release_);
  }
  SilentOwner(const SilentOwner&) = delete;
  SilentOwner& operator=(const SilentOwner&) = delete;

 private:
  HANDLE release_;
  std::thread thread_;
};

TEST(ClipboardTest, SaveGivesUpWhenTheClipboardsOwnerDoesNotAnswer) {
  SilentOwner owner;
  ASSERT_NE(GetClipboardOwner(), nullptr);
  // Emptying the clipboard for the paste would wait for this owner's answer.
  EXPECT_EQ(Win32Clipboard().Save(), nullptr);
}

}  // namespace
}  // namespace dm::win
