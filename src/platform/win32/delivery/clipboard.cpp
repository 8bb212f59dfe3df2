#include "platform/win32/delivery/clipboard.h"

#include <windows.h>

#include <new>
#include <string>
#include <utility>

#include "platform/win32/base/text_conversion.h"
#include "platform/win32/base/trace.h"
#include "platform/win32/delivery/clipboard_session.h"
#include "platform/win32/delivery/window_ping.h"

namespace dm::win {
namespace {

// How long the clipboard's owner may take to answer before a paste gives up.
constexpr ULONGLONG kOwnerDeadlineMs = 2000;
constexpr wchar_t kOwnerClassName[] = L"DashmarksClipboardOwner";

class Win32ClipboardSnapshot : public ClipboardSnapshot {
 public:
  std::vector<SavedFormat> formats;
};

// Numbers written without the C library's formatter, which would bring its floating-point
// conversions into the program.
std::string Number(unsigned long long value) { return std::to_string(value); }

ClipboardSaveResult TooLarge(const ClipboardBounds& bounds, const char* why) {
  Trace("the clipboard " + std::string(why) + " (bounds: " + Number(bounds.bytes >> 10) + " KB, " +
        Number(bounds.milliseconds) + " ms); the path is typed instead and the clipboard left as it is");
  return {ClipboardSaveStatus::TooLarge, nullptr};
}

ClipboardSaveResult Busy(const char* line) {
  Trace(line);
  return {ClipboardSaveStatus::Busy, nullptr};
}

// The registered formats that keep the text of a paste out of the clipboard history and the
// cloud clipboard of Windows 10 and 11 and tell clipboard monitors to pass it by.
void MarkForThisPasteAlone() {
  const DWORD no = 0;
  for (const wchar_t* name : {L"ExcludeClipboardContentFromMonitorProcessing",
                              L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard"}) {
    const UINT format = RegisterClipboardFormatW(name);
    UniqueGlobal memory = GlobalCopyOf(&no, sizeof(no));
    if (format != 0 && memory && SetClipboardData(format, memory.Get())) memory.Release();
  }
}

}  // namespace

Win32Clipboard::~Win32Clipboard() { owner_.Reset(); }

LRESULT CALLBACK Win32Clipboard::OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROYCLIPBOARD) {
    // The clipboard was emptied: what the private formats held is no longer anyone's.
    if (auto* self = reinterpret_cast<Win32Clipboard*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
      self->privateBlocks_.clear();
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND Win32Clipboard::Owner() {
  if (!owner_) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExW(instance, kOwnerClassName, &windowClass)) {
      windowClass = {};
      windowClass.cbSize = sizeof(windowClass);
      windowClass.lpfnWndProc = OwnerProc;
      windowClass.hInstance = instance;
      windowClass.lpszClassName = kOwnerClassName;
      RegisterClassExW(&windowClass);
    }
    owner_.Reset(
        CreateWindowExW(0, kOwnerClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr));
    if (owner_) SetWindowLongPtrW(owner_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  return owner_.Get();
}

ClipboardSaveResult Win32Clipboard::Save() {
  // Saving may ask the owner to render a format it only promised, and the paste then tells it
  // that it lost the clipboard; both wait for its answer. An owner that does not answer soon
  // makes the paste give up rather than hold the program.
  const HWND owner = GetClipboardOwner();
  if (owner && GetWindowThreadProcessId(owner, nullptr) != GetCurrentThreadId() &&
      !AnswersBefore(owner, GetTickCount64() + kOwnerDeadlineMs)) {
    return Busy("the clipboard's owner does not answer; nothing is pasted");
  }
  ClipboardSession session(Owner());
  if (!session.IsOpen()) {
    return Busy("the clipboard stays open in another program; nothing is pasted");
  }
  const ULONGLONG deadline = GetTickCount64() + bounds_.milliseconds;
  int skipped = 0;
  auto snapshot = std::make_unique<Win32ClipboardSnapshot>();
  try {
    std::size_t total = 0;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
      if (IsOleBookkeeping(format)) continue;
      // A rendering cannot be cut short; the next one is not asked for once the time is up.
      if (GetTickCount64() >= deadline) return TooLarge(bounds_, "takes too long to copy");
      const HANDLE data = GetClipboardData(format);
      if (!data) {  // a promised format its owner declined or failed to render
        ++skipped;
        continue;
      }
      SavedFormat saved;
      std::size_t used = 0;
      switch (CopyFormat(format, data, bounds_.bytes - total, saved, used)) {
        case CopyResult::Copied:
          total += used;
          snapshot->formats.push_back(std::move(saved));
          break;
        case CopyResult::Skipped:
          ++skipped;
          break;
        case CopyResult::TooLarge:
          return TooLarge(bounds_, "holds too much to keep");
      }
    }
    if (GetTickCount64() > deadline) return TooLarge(bounds_, "takes too long to copy");
  } catch (const std::bad_alloc&) {
    return TooLarge(bounds_, "holds more than the memory there is to keep it");
  }
  if (skipped != 0) {
    Trace(Number(static_cast<unsigned long long>(skipped)) +
          " clipboard format(s) could not be copied and will not come back");
  }
  return {ClipboardSaveStatus::Saved, std::move(snapshot)};
}

bool Win32Clipboard::SetText(const std::string& text) {
  try {
    const std::wstring wide = Utf8ToWide(text);
    ClipboardSession session(Owner());
    if (!session.IsOpen() || !EmptyClipboard()) return false;
    UniqueGlobal memory = GlobalCopyOf(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    if (!memory || !SetClipboardData(CF_UNICODETEXT, memory.Get())) return false;
    memory.Release();
    MarkForThisPasteAlone();
    return true;
  } catch (const std::bad_alloc&) {
    Trace("no memory for the path's text on the clipboard");
    return false;
  }
}

bool Win32Clipboard::Restore(const ClipboardSnapshot& snapshot) {
  ClipboardSession session(Owner());
  if (!session.IsOpen() || !EmptyClipboard()) return false;
  bool all = true;
  const std::vector<SavedFormat>& formats = static_cast<const Win32ClipboardSnapshot&>(snapshot).formats;
  for (const SavedFormat& saved : formats) {
    try {
      all = PutBackFormat(saved, privateBlocks_) && all;
    } catch (const std::bad_alloc&) {
      all = false;
    }
  }
  // The content is back, not new: the clipboard history already holds it and the cloud clipboard
  // has had it, so it is marked like the path's text was. The marks replace any it came with.
  if (!formats.empty()) MarkForThisPasteAlone();
  if (!all) Trace("some of the clipboard's earlier formats could not be put back");
  return all;
}

}  // namespace dm::win
