#include "win32/delivery/clipboard.h"

#include <windows.h>

#include <atomic>
#include <memory>
#include <new>
#include <string>
#include <utility>

#include "win32/base/text_conversion.h"
#include "win32/base/trace.h"
#include "win32/delivery/clipboard_session.h"
#include "win32/delivery/window_ping.h"

namespace dm::win {
namespace {

// How long the clipboard's owner may take to answer before a paste gives up.
constexpr ULONGLONG kOwnerDeadlineMs = 2000;
// How much longer than its own time bound the worker is waited for: it checks the bound between
// formats, and a format being copied is finished first.
constexpr ULONGLONG kWorkerGraceMs = 250;
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

// One snapshot and its result, shared by the asking thread and the worker: whichever lets go last
// frees it, so a worker left behind at the deadline still writes into a live record.
struct Win32Clipboard::Reading {
  ClipboardBounds bounds;
  ClipboardSaveResult result;  // written by the worker before it signals done
  UniqueKernelHandle done{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

// The worker's side of the pair, shared the same way. The asking thread hands a reading over in
// next, only while no earlier one is unfinished, and wakes the worker; quit ends the worker at
// its next wake.
struct Win32Clipboard::Reader {
  UniqueKernelHandle wake{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  std::shared_ptr<Reading> next;
  std::atomic<bool> quit{false};
};

namespace {

// The class of the window OLE puts on the clipboard for a data object (OleSetClipboard).
constexpr wchar_t kOleClipboardClass[] = L"CLIPBRDWNDCLASS";

bool OwnedByOle(HWND owner) {
  wchar_t name[32] = L"";
  return owner != nullptr && GetClassNameW(owner, name, 32) > 0 && lstrcmpW(name, kOleClipboardClass) == 0;
}

// Waits for the event until the deadline, answering meanwhile the messages other threads send to
// this one (a window of this thread may be asked something by the clipboard's owner).
bool WaitAnswering(HANDLE event, ULONGLONG deadline) {
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
    const DWORD woke =
        MsgWaitForMultipleObjectsEx(1, &event, static_cast<DWORD>(deadline - now), QS_SENDMESSAGE, 0);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke != WAIT_OBJECT_0 + 1) return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
    // Sent messages are delivered by a peek; nothing is taken from the queue.
    MSG ignored;
    PeekMessageW(&ignored, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

// Every format of the clipboard, which this thread holds open, copied within the bounds.
ClipboardSaveResult CopyOpenClipboard(const ClipboardBounds& bounds) {
  const ULONGLONG deadline = GetTickCount64() + bounds.milliseconds;
  int skipped = 0;
  auto snapshot = std::make_unique<Win32ClipboardSnapshot>();
  try {
    std::size_t total = 0;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
      if (IsOleBookkeeping(format)) continue;
      // A rendering cannot be cut short; the next one is not asked for once the time is up.
      if (GetTickCount64() >= deadline) return TooLarge(bounds, "takes too long to copy");
      const HANDLE data = GetClipboardData(format);
      if (!data) {  // a promised format its owner declined or failed to render
        ++skipped;
        continue;
      }
      SavedFormat saved;
      std::size_t used = 0;
      switch (CopyFormat(format, data, bounds.bytes - total, saved, used)) {
        case CopyResult::Copied:
          total += used;
          snapshot->formats.push_back(std::move(saved));
          break;
        case CopyResult::Skipped:
          ++skipped;
          break;
        case CopyResult::TooLarge:
          return TooLarge(bounds, "holds too much to keep");
      }
    }
    if (GetTickCount64() > deadline) return TooLarge(bounds, "takes too long to copy");
  } catch (const std::bad_alloc&) {
    return TooLarge(bounds, "holds more than the memory there is to keep it");
  }
  if (skipped != 0) {
    Trace(Number(static_cast<unsigned long long>(skipped)) +
          " clipboard format(s) could not be copied and will not come back");
  }
  return {ClipboardSaveStatus::Saved, std::move(snapshot)};
}

// The snapshot itself, on the worker: the clipboard is opened for reading only, by a window of
// the worker's own (the system tells openers apart by their window).
ClipboardSaveResult TakeSnapshot(HWND reader, const ClipboardBounds& bounds) {
  ClipboardSaveResult result;
  {
    const ClipboardSession session(reader);
    if (!session.IsOpen()) return Busy("the clipboard stays open in another program; nothing is pasted");
    result = CopyOpenClipboard(bounds);
  }
  // GetClipboardData copies another program's data into this process, and the system may keep
  // that copy until this process opens the clipboard again (Wine does, even for a format refused
  // by its size): a snapshot given up would hold as much as the clipboard holds, hundreds of
  // megabytes, until the next paste. Opening it once more lets the copies go.
  { const ClipboardSession again(reader); }
  return result;
}

}  // namespace

DWORD WINAPI Win32Clipboard::Read(void* parameter) {
  const std::unique_ptr<std::shared_ptr<Reader>> held(static_cast<std::shared_ptr<Reader>*>(parameter));
  Reader& reader = **held;
  const UniqueWindow window(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
  const HANDLE wake = reader.wake.Get();
  for (;;) {
    // Messages sent to the worker's window meanwhile are answered; none is ever posted to it.
    const DWORD woke = MsgWaitForMultipleObjectsEx(1, &wake, INFINITE, QS_SENDMESSAGE, 0);
    if (woke == WAIT_OBJECT_0 + 1) {
      MSG ignored;
      PeekMessageW(&ignored, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
      continue;
    }
    if (woke != WAIT_OBJECT_0 || reader.quit.load()) return 0;
    const std::shared_ptr<Reading> reading = std::exchange(reader.next, nullptr);
    if (!reading) continue;
    reading->result = TakeSnapshot(window.Get(), reading->bounds);
    SetEvent(reading->done.Get());
  }
}

Win32Clipboard::~Win32Clipboard() {
  if (reader_) {
    reader_->quit.store(true);
    SetEvent(reader_->wake.Get());
  }
  owner_.Reset();
}

bool Win32Clipboard::StartReader() {
  if (reader_) return true;
  auto reader = std::make_shared<Reader>();
  if (!reader->wake) return false;
  auto held = std::make_unique<std::shared_ptr<Reader>>(reader);
  const UniqueKernelHandle worker(CreateThread(nullptr, 0, &Read, held.get(), 0, nullptr));
  if (!worker) return false;
  static_cast<void>(held.release());  // the worker's now: it lets go of it
  reader_ = std::move(reader);
  return true;
}

ClipboardSaveResult Win32Clipboard::Save() {
  if (unfinished_) {
    if (WaitForSingleObject(unfinished_->done.Get(), 0) != WAIT_OBJECT_0)
      return TooLarge(bounds_, "is still being copied for an earlier paste");
    unfinished_.reset();
  }
  const HWND owner = GetClipboardOwner();
  if (OwnedByOle(owner)) {
    Trace(
        "the clipboard holds another program's copy or cut; the path is typed instead and the clipboard "
        "left as it is");
    return {ClipboardSaveStatus::OwnersOwn, nullptr};
  }
  // Saving may ask the owner to render a format it only promised, and the paste then tells it
  // that it lost the clipboard; both wait for its answer. An owner that does not answer soon
  // makes the paste give up rather than hold the program.
  if (owner && GetWindowThreadProcessId(owner, nullptr) != GetCurrentThreadId() &&
      !AnswersBefore(owner, GetTickCount64() + kOwnerDeadlineMs)) {
    return Busy("the clipboard's owner does not answer; nothing is pasted");
  }
  auto reading = std::make_shared<Reading>();
  reading->bounds = bounds_;
  if (!reading->done) return Busy("no event for the clipboard's copy; nothing is pasted");
  if (!StartReader()) return Busy("no thread for the clipboard's copy; nothing is pasted");
  reader_->next = reading;
  SetEvent(reader_->wake.Get());
  // A little beyond the worker's own bound, which it checks between formats.
  if (!WaitAnswering(reading->done.Get(), GetTickCount64() + bounds_.milliseconds + kWorkerGraceMs)) {
    unfinished_ = std::move(reading);
    return TooLarge(bounds_, "takes too long to copy");
  }
  return std::move(reading->result);
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
