// The whole delivery against real windows of other processes: the common Open dialog and a
// stand-in Explorer window, both from the fixture programs built beside this test.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "win32/base/text_conversion.h"
#include "win32/delivery/clipboard_session.h"
#include "win32/delivery/delivery_desktop.h"

namespace dm::win {
namespace {

constexpr DWORD kDeadlineMs = 20000;

std::wstring ModuleDirectory() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir = path;
  return dir.substr(0, dir.find_last_of(L'\\') + 1);
}

std::wstring TempDirectory() {
  wchar_t path[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, path);
  wchar_t longPath[MAX_PATH] = {};
  GetLongPathNameW(path, longPath, MAX_PATH);
  return longPath;
}

// A fixture program, ended when the test ends.
class FixtureProcess {
 public:
  FixtureProcess(const std::wstring& exe, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    started_ = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &info_) != FALSE;
  }
  ~FixtureProcess() {
    if (!started_) return;
    TerminateProcess(info_.hProcess, 0);
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  FixtureProcess(const FixtureProcess&) = delete;
  FixtureProcess& operator=(const FixtureProcess&) = delete;
  bool started() const { return started_; }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

std::vector<std::string> ReadLines(const std::wstring& file) {
  std::vector<std::string> lines;
  HANDLE handle =
      CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return lines;
  std::string content(GetFileSize(handle, nullptr), '\0');
  DWORD read = 0;
  ReadFile(handle, content.data(), static_cast<DWORD>(content.size()), &read, nullptr);
  CloseHandle(handle);
  std::istringstream stream(content.substr(0, read));
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

bool SameText(const std::string& a, const std::string& b) {
  return CompareStringOrdinal(Utf8ToWide(a).c_str(), -1, Utf8ToWide(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}

// Polls the log until it holds a line equal (ignoring case) to wanted.
bool LogReaches(const std::wstring& log, const std::string& wanted) {
  const ULONGLONG deadline = GetTickCount64() + kDeadlineMs;
  while (GetTickCount64() < deadline) {
    for (const std::string& line : ReadLines(log)) {
      if (SameText(line, wanted)) return true;
    }
    Sleep(50);
  }
  return false;
}

bool LogHasLines(const std::wstring& log) {
  const ULONGLONG deadline = GetTickCount64() + kDeadlineMs;
  while (GetTickCount64() < deadline && ReadLines(log).empty()) Sleep(50);
  return !ReadLines(log).empty();
}

HWND WaitForWindow(const wchar_t* className, const wchar_t* title) {
  const ULONGLONG deadline = GetTickCount64() + kDeadlineMs;
  HWND window = nullptr;
  while (GetTickCount64() < deadline && !(window = FindWindowW(className, title))) Sleep(50);
  return window;
}

// FindWindow sees a window from its creation on, before its program has shown it; the delivery
// passes hidden windows over. Waits until the window shows (minimised, when iconic is set).
bool WaitUntilShown(HWND window, bool iconic) {
  const ULONGLONG deadline = GetTickCount64() + kDeadlineMs;
  const auto shown = [&] { return IsWindowVisible(window) && (IsIconic(window) != FALSE) == iconic; };
  while (GetTickCount64() < deadline && !shown()) Sleep(50);
  return shown();
}

class PathDeliveryTest : public testing::Test {
 protected:
  void SetUp() override {
    fixtures_ = ModuleDirectory() + L"fixtures\\";
    if (GetFileAttributesW((fixtures_ + L"file_dialog_fixture.exe").c_str()) == INVALID_FILE_ATTRIBUTES) {
      GTEST_SKIP() << "fixture programs not built";
    }
    const std::wstring temp = TempDirectory();
    log_ = temp + L"dm-delivery-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(GetTickCount64()) + L".log";
    // A folder whose name holds characters that notations of keys take for modifiers, Enter,
    // groups or access keys: each must arrive as itself.
    folder_ = temp + L"dm 50% +^~ {x} [y] (z) & \u00E9";
    CreateDirectoryW(folder_.c_str(), nullptr);
  }
  void TearDown() override {
    DeleteFileW(log_.c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  std::wstring fixtures_;
  std::wstring log_;
  std::wstring folder_;
  std::unique_ptr<Win32DeliveryDesktop> desktop_ = std::make_unique<Win32DeliveryDesktop>();
  std::unique_ptr<PathDeliverySequence> delivery_ =
      std::make_unique<PathDeliverySequence>(desktop_->Services());
};

TEST_F(PathDeliveryTest, FileDialogOpensTheTypedFolder) {
  FixtureProcess dialog(fixtures_ + L"file_dialog_fixture.exe", L"\"" + log_ + L"\" C:\\windows");
  ASSERT_TRUE(dialog.started());
  ASSERT_TRUE(LogHasLines(log_));
  EXPECT_EQ(delivery_->Deliver(WideToUtf8(folder_) + "\\", DeliveryMode::Typed, 0),
            DeliveryOutcome::Delivered);
  EXPECT_TRUE(LogReaches(log_, WideToUtf8(folder_)));
}

HGLOBAL GlobalText(const std::wstring& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

std::wstring ClipboardText() {
  ClipboardSession session(nullptr);
  HANDLE text = session.IsOpen() ? GetClipboardData(CF_UNICODETEXT) : nullptr;
  if (text == nullptr) return L"(none)";
  std::wstring out(static_cast<const wchar_t*>(GlobalLock(text)));
  GlobalUnlock(text);
  return out;
}

TEST_F(PathDeliveryTest, FileDialogOpensThePastedFolderAndTheClipboardIsPutBack) {
  constexpr UINT kPrivateFormat = CF_PRIVATEFIRST + 2;
  const UINT kZeroSizeFormat = RegisterClipboardFormatW(L"Dashmarks.Test.NoSize");
  {
    ClipboardSession session(nullptr);
    ASSERT_TRUE(session.IsOpen());
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, GlobalText(L"kept text"));
    HDC screen = GetDC(nullptr);
    SetClipboardData(CF_BITMAP, CreateCompatibleBitmap(screen, 3, 2));
    ReleaseDC(nullptr, screen);
    SetClipboardData(kPrivateFormat, GlobalText(L"private"));
    SetClipboardData(kZeroSizeFormat, GlobalAlloc(GMEM_MOVEABLE, 0));  // where the system takes one
  }
  FixtureProcess dialog(fixtures_ + L"file_dialog_fixture.exe", L"\"" + log_ + L"\" C:\\windows");
  ASSERT_TRUE(dialog.started());
  ASSERT_TRUE(LogHasLines(log_));
  EXPECT_EQ(delivery_->Deliver(WideToUtf8(folder_), DeliveryMode::Pasted, 0), DeliveryOutcome::Delivered);
  EXPECT_TRUE(LogReaches(log_, WideToUtf8(folder_)));

  EXPECT_EQ(ClipboardText(), L"kept text");
  ClipboardSession session(nullptr);
  ASSERT_TRUE(session.IsOpen());
  BITMAP bitmap{};
  ASSERT_NE(GetObjectW(GetClipboardData(CF_BITMAP), sizeof(bitmap), &bitmap), 0);
  EXPECT_EQ(bitmap.bmWidth, 3);
  HANDLE privateData = GetClipboardData(kPrivateFormat);
  ASSERT_NE(privateData, nullptr);
  EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(privateData)), L"private");
  GlobalUnlock(privateData);
}

TEST_F(PathDeliveryTest, AClipboardBeyondTheBoundIsLeftAloneAndThePathTyped) {
  const std::wstring large(2000, L'q');
  {
    ClipboardSession session(nullptr);
    ASSERT_TRUE(session.IsOpen());
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, GlobalText(large));
  }
  delivery_.reset();
  desktop_ = std::make_unique<Win32DeliveryDesktop>(ClipboardBounds{1024, 2000});
  delivery_ = std::make_unique<PathDeliverySequence>(desktop_->Services());
  FixtureProcess dialog(fixtures_ + L"file_dialog_fixture.exe", L"\"" + log_ + L"\" C:\\windows");
  ASSERT_TRUE(dialog.started());
  ASSERT_TRUE(LogHasLines(log_));
  delivery_->Deliver(WideToUtf8(folder_), DeliveryMode::Pasted, 0);
  EXPECT_TRUE(LogReaches(log_, WideToUtf8(folder_)));
  EXPECT_EQ(ClipboardText(), large);
}

TEST_F(PathDeliveryTest, MinimisedExplorerIsRestoredAndGetsThePathThroughGoTo) {
  FixtureProcess explorer(fixtures_ + L"explorer_fixture.exe",
                          L"\"" + log_ + L"\" --minimized --title \"DM Fixture\"");
  ASSERT_TRUE(explorer.started());
  const HWND window = WaitForWindow(L"ExploreWClass", L"DM Fixture");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntilShown(window, true));
  const std::string path = WideToUtf8(folder_) + "\\";
  EXPECT_EQ(delivery_->Deliver(path, DeliveryMode::Typed, 0), DeliveryOutcome::Delivered);
  EXPECT_TRUE(LogReaches(log_, path));
  EXPECT_FALSE(IsIconic(window));
}

TEST_F(PathDeliveryTest, AFolderThatIsGoneIsNotDeliveredAndTheDialogKeepsItsFolder) {
  FixtureProcess dialog(fixtures_ + L"file_dialog_fixture.exe", L"\"" + log_ + L"\" C:\\windows");
  ASSERT_TRUE(dialog.started());
  ASSERT_TRUE(LogHasLines(log_));
  const std::size_t shown = ReadLines(log_).size();
  EXPECT_EQ(delivery_->Deliver(WideToUtf8(folder_) + "\\gone\\", DeliveryMode::Typed, 0),
            DeliveryOutcome::FolderInvalid);
  Sleep(500);
  EXPECT_EQ(ReadLines(log_).size(), shown);
}

}  // namespace
}  // namespace dm::win
