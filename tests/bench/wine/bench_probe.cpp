// bench_probe: the Wine benchmarks' stopwatch inside Wine. Every time it prints is taken with
// QueryPerformanceCounter in this one process, so no clock is compared across processes. Output
// is one line of UTF-8 on stdout.
//
//   bench_probe memory PID|IMAGE      "PID PRIVATE_USAGE WORKING_SET COMMITTED_PRIVATE" in bytes, of a
//                                     running process (GetProcessMemoryInfo, then VirtualQueryEx)
//   bench_probe start EXE CLASS       starts EXE with the tray empty and prints "PID OWNER_US ICON_US":
//                                     microseconds from CreateProcess until a window of CLASS of that
//                                     process exists, and until the system tray shows (its first icon)
//   bench_probe end PID CLASS         WM_CLOSE to PID's top-level window of CLASS; waits for the
//                                     process to end and the tray to empty; prints the exit code
//   bench_probe timed LOG TOKEN...    sends keys, then waits for LOG to grow by a line; prints
//                                     "MICROSECONDS LINE": from the token after "mark" to that line
//   bench_probe menu TOKEN...         sends keys, then waits for a pop-up menu to show; prints
//                                     "MICROSECONDS": from the token after "mark" to the menu
//   bench_probe deliver LOG typed|pasted PATH
//                                     the least a correct delivery does, in a straight line: with a
//                                     window of its own in front (as the program's menu is), finds
//                                     the file dialog, brings it to the front, focuses its name box
//                                     by handle, types PATH (or saves the clipboard, puts PATH on
//                                     it, sends Ctrl+V, waits until the box holds it and restores
//                                     the clipboard) and Enter, then waits for LOG to grow by a
//                                     line; prints "MICROSECONDS LINE" from the search to that line
//
// Tokens of "timed": down, up, enter, esc, alt+X, ctrl+X, text:LITERAL (typed as Unicode),
// front:TITLE (brings that visible top-level window to the foreground and waits until it is),
// namebox (the foreground dialog moves its focus to its file name box and selects the text, as a
// Tab would: WM_NEXTDLGCTL with the box),
// clip:TEXT (puts TEXT on the clipboard), mark (the clock starts at the next token). Before the
// mark a token follows the previous one after 60 ms, as a person's keys would; after it, with no
// pause. LOG is polled about once a millisecond (Sleep(1)), which bounds the resolution.

#include <windows.h>
// After windows.h, which they build on:
#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "../../fixtures/key_tokens.h"

namespace {

constexpr wchar_t kTrayTitle[] = L"Wine System Tray";
constexpr DWORD kTimeoutMs = 20000;
constexpr DWORD kPersonGapMs = 60;

void Print(const std::wstring& line) {
  std::wstring text = line + L"\n";
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), n, nullptr,
                      nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    Restart();
  }
  void Restart() { QueryPerformanceCounter(&start_); }
  long long Microseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (now.QuadPart - start_.QuadPart) * 1000000 / frequency_.QuadPart;
  }
  DWORD Milliseconds() const { return static_cast<DWORD>(Microseconds() / 1000); }

 private:
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER start_{};
};

bool TrayShown() {
  HWND tray = FindWindowW(nullptr, kTrayTitle);
  return tray != nullptr && IsWindowVisible(tray);
}

struct ClassSearch {
  DWORD pid;
  const wchar_t* cls;
  HWND found;
};

BOOL CALLBACK MatchClassAndProcess(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ClassSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  wchar_t cls[256] = L"";
  GetClassNameW(window, cls, 256);
  if (pid == search->pid && wcscmp(cls, search->cls) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND WindowOf(DWORD pid, const wchar_t* cls) {
  ClassSearch search{pid, cls, nullptr};
  EnumWindows(MatchClassAndProcess, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

DWORD ProcessByImage(const wchar_t* image) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  DWORD pid = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more && pid == 0;
       more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, image) == 0) pid = entry.th32ProcessID;
  }
  CloseHandle(snapshot);
  return pid;
}

// Committed private memory, region by region: what Windows counts as a process's private bytes.
// Wine's GetProcessMemoryInfo reports only swapped-out memory in PrivateUsage, so this is the
// figure to compare under Wine.
SIZE_T CommittedPrivate(HANDLE process) {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (const char* at = nullptr; VirtualQueryEx(process, at, &region, sizeof(region)) == sizeof(region);) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    if (next <= at) break;
    at = next;
  }
  return total;
}

int Memory(const wchar_t* target) {
  DWORD pid = iswdigit(target[0]) ? static_cast<DWORD>(wcstoul(target, nullptr, 10)) : ProcessByImage(target);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (process == nullptr) return 1;
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  const BOOL read =
      GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
  const SIZE_T committed = CommittedPrivate(process);
  CloseHandle(process);
  if (!read) return 1;
  Print(std::to_wstring(pid) + L" " + std::to_wstring(counters.PrivateUsage) + L" " +
        std::to_wstring(counters.WorkingSetSize) + L" " + std::to_wstring(committed));
  return 0;
}

int Start(const wchar_t* exe, const wchar_t* cls) {
  if (TrayShown()) {
    Print(L"the tray is not empty");
    return 3;
  }
  std::wstring command = L"\"" + std::wstring(exe) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  const Stopwatch clock;
  if (!CreateProcessW(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return 1;
  }
  long long ownerUs = -1;
  long long iconUs = -1;
  while ((ownerUs < 0 || iconUs < 0) && clock.Milliseconds() < kTimeoutMs) {
    if (ownerUs < 0 && WindowOf(info.dwProcessId, cls) != nullptr) ownerUs = clock.Microseconds();
    if (iconUs < 0 && TrayShown()) iconUs = clock.Microseconds();
    Sleep(1);
  }
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  Print(std::to_wstring(info.dwProcessId) + L" " + std::to_wstring(ownerUs) + L" " + std::to_wstring(iconUs));
  return ownerUs >= 0 && iconUs >= 0 ? 0 : 1;
}

int End(DWORD pid, const wchar_t* cls) {
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, pid);
  if (process == nullptr) return 1;
  HWND window = WindowOf(pid, cls);
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) TerminateProcess(process, 9);
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  const Stopwatch clock;
  while (TrayShown() && clock.Milliseconds() < 5000) Sleep(5);
  Print(std::to_wstring(code));
  return TrayShown() ? 1 : 0;
}

bool SetClipboardText(const std::wstring& text) {
  bool opened = false;
  for (int i = 0; i < 50 && !opened; ++i) {
    opened = OpenClipboard(nullptr) != FALSE;
    if (!opened) Sleep(20);
  }
  if (!opened) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  return set;
}

bool BringToFront(const std::wstring& title) {
  HWND window = FindWindowW(nullptr, title.c_str());
  if (window == nullptr || !IsWindowVisible(window)) return false;
  const Stopwatch clock;
  while (GetForegroundWindow() != window && clock.Milliseconds() < 5000) {
    SetForegroundWindow(window);
    Sleep(20);
  }
  return GetForegroundWindow() == window;
}

struct ChildById {
  int id;
  HWND found;
};

BOOL CALLBACK MatchVisibleId(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ChildById*>(param);
  if (GetDlgCtrlID(window) == search->id && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND VisibleChild(HWND parent, int id) {
  ChildById search{id, nullptr};
  EnumChildWindows(parent, MatchVisibleId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The name box of the foreground file dialog gets the focus from its own dialog, its text selected.
bool FocusNameBox() {
  const HWND front = GetForegroundWindow();
  HWND box = VisibleChild(front, 0x47C);
  if (box == nullptr) box = VisibleChild(front, 0x480);
  // The Save item dialog's, in its view.
  if (box == nullptr) box = VisibleChild(front, 0x3E9);
  if (box == nullptr) return false;
  HWND dialog = GetParent(box);
  while (dialog != nullptr && dialog != front) {
    wchar_t cls[16] = L"";
    GetClassNameW(dialog, cls, 16);
    if (lstrcmpW(cls, L"#32770") == 0) break;
    dialog = GetParent(dialog);
  }
  if (dialog == nullptr) dialog = front;
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE, SMTO_ABORTIFHUNG,
                           kTimeoutMs, &answer)) {
    return false;
  }
  HWND edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
  if (edit == nullptr) {
    if (HWND combo = FindWindowExW(box, nullptr, L"ComboBox", nullptr))
      edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  }
  return SendMessageTimeoutW(edit != nullptr ? edit : box, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, kTimeoutMs,
                             &answer) != 0;
}

LONGLONG FileSize(const wchar_t* path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data)) return 0;
  return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string ReadFrom(const wchar_t* path, LONGLONG offset) {
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  LARGE_INTEGER at{};
  at.QuadPart = offset;
  SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
  std::string text(4096, '\0');
  DWORD read = 0;
  ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
  CloseHandle(file);
  text.resize(read);
  return text;
}

// Sends the tokens; the clock restarts at the token after "mark" (at the end where there is none).
// 0, or the exit code for a token that failed.
int SendTokens(int count, wchar_t** tokens, Stopwatch& clock) {
  bool marked = false;
  bool timing = false;
  for (int i = 0; i < count; ++i) {
    const std::wstring token = tokens[i];
    if (token == L"mark") {
      marked = true;
      continue;
    }
    if (i > 0 && !marked) Sleep(kPersonGapMs);
    if (token.rfind(L"front:", 0) == 0) {
      if (!BringToFront(token.substr(6))) return 4;
      continue;
    }
    if (token == L"namebox") {
      if (!FocusNameBox()) return 4;
      continue;
    }
    if (token.rfind(L"clip:", 0) == 0) {
      if (!SetClipboardText(token.substr(5))) return 4;
      continue;
    }
    std::vector<INPUT> inputs;
    if (!KeyTokenInputs(token, inputs)) {
      Print(L"unknown token " + token);
      return 2;
    }
    if (marked && !timing) {
      timing = true;
      clock.Restart();
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  }
  if (!timing) clock.Restart();
  return 0;
}

// Waits for the next whole line the log gets after `before` (complete once its newline is in the
// file) and prints the clock's microseconds at that moment with the line; idle runs between looks.
template <typename Idle>
int AwaitLogLine(const wchar_t* log, LONGLONG before, const Stopwatch& clock, Idle idle) {
  while (clock.Milliseconds() < kTimeoutMs) {
    if (FileSize(log) > before) {
      const std::string added = ReadFrom(log, before);
      const std::size_t end = added.find('\n');
      if (end != std::string::npos) {
        const long long us = clock.Microseconds();
        std::string line = added.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string out = std::to_string(us) + " " + line + "\n";
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written,
                  nullptr);
        return 0;
      }
    }
    idle();
    Sleep(1);
  }
  Print(L"timeout");
  return 1;
}

int Timed(const wchar_t* log, int count, wchar_t** tokens) {
  const LONGLONG before = FileSize(log);
  Stopwatch clock;
  if (const int failed = SendTokens(count, tokens, clock); failed != 0) return failed;
  return AwaitLogLine(log, before, clock, [] {});
}

// --- the minimal deliverer --------------------------------------------------------------------

// The file dialog the program would find: the first visible top-level dialog in Z-order with a
// visible name box, which the search tells it by.
struct FoundDialog {
  HWND dialog = nullptr;
  HWND box = nullptr;
};

HWND NameBoxOf(HWND dialog) {
  HWND box = VisibleChild(dialog, 0x47C);
  if (box == nullptr) box = VisibleChild(dialog, 0x480);
  if (box == nullptr) box = VisibleChild(dialog, 0x3E9);
  return box;
}

BOOL CALLBACK MatchFileDialog(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<FoundDialog*>(param);
  wchar_t cls[16] = L"";
  if (GetClassNameW(window, cls, 16) == 0 || lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(window)) {
    return TRUE;
  }
  if (HWND box = NameBoxOf(window); box != nullptr) {
    *found = {window, box};
    return FALSE;
  }
  return TRUE;
}

// The dialog box that holds a control, and the edit field that takes its text.
HWND DialogOfControl(HWND control, HWND root) {
  for (HWND window = GetParent(control); window != nullptr; window = GetParent(window)) {
    wchar_t cls[16] = L"";
    GetClassNameW(window, cls, 16);
    if (lstrcmpW(cls, L"#32770") == 0 || window == root) return window;
  }
  return root;
}

HWND EditOf(HWND box) {
  wchar_t cls[16] = L"";
  GetClassNameW(box, cls, 16);
  if (lstrcmpW(cls, L"Edit") == 0) return box;
  if (HWND edit = FindWindowExW(box, nullptr, L"Edit", nullptr)) return edit;
  if (HWND combo = FindWindowExW(box, nullptr, L"ComboBox", nullptr))
    return FindWindowExW(combo, nullptr, L"Edit", nullptr);
  return box;
}

bool Answers(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result = nullptr) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs,
                             result != nullptr ? result : &ignored) != 0;
}

std::wstring TextOf(HWND edit) {
  wchar_t text[1024] = L"";
  DWORD_PTR copied = 0;
  if (!Answers(edit, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), &copied)) return {};
  return std::wstring(text, copied < 1024 ? copied : 1023);
}

// The clipboard's formats that are memory blocks, copied, to be put back after the paste.
struct SavedFormat {
  UINT format;
  std::vector<char> bytes;
};

// The clipboard, opened as the program opens it: another program may hold it open for a moment,
// so an attempt that finds it open is made again after 25 ms, twenty times at most.
bool OpenClipboardSoon(HWND owner) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (attempt > 0) Sleep(25);
    if (OpenClipboard(owner)) return true;
  }
  return false;
}

bool SaveClipboard(HWND owner, std::vector<SavedFormat>& saved) {
  if (!OpenClipboardSoon(owner)) return false;
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    HANDLE data = GetClipboardData(format);
    const SIZE_T size = data != nullptr ? GlobalSize(data) : 0;
    const void* bytes = size != 0 ? GlobalLock(data) : nullptr;
    if (bytes == nullptr) continue;
    const char* first = static_cast<const char*>(bytes);
    saved.push_back({format, std::vector<char>(first, first + size)});
    GlobalUnlock(data);
  }
  CloseClipboard();
  return true;
}

bool PutOnClipboard(HWND owner, const std::vector<SavedFormat>& formats) {
  if (!OpenClipboardSoon(owner)) return false;
  EmptyClipboard();
  bool all = true;
  for (const SavedFormat& saved : formats) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, saved.bytes.size());
    memcpy(GlobalLock(memory), saved.bytes.data(), saved.bytes.size());
    GlobalUnlock(memory);
    all = SetClipboardData(saved.format, memory) != nullptr && all;
  }
  CloseClipboard();
  return all;
}

LRESULT CALLBACK PlainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// The probe's own small window, in front, as the program's menu is when its entry is picked.
HWND OwnWindowInFront() {
  WNDCLASSW cls{};
  cls.lpfnWndProc = PlainWindow;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.lpszClassName = L"BenchProbeFront";
  RegisterClassW(&cls);
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, cls.lpszClassName, L"Bench probe", WS_POPUP,
                                0, 0, 8, 8, nullptr, nullptr, cls.hInstance, nullptr);
  if (window == nullptr) return nullptr;
  ShowWindow(window, SW_SHOW);
  const Stopwatch clock;
  while (GetForegroundWindow() != window && clock.Milliseconds() < 5000) {
    SetForegroundWindow(window);
    PumpMessages();
    Sleep(20);
  }
  PumpMessages();
  return GetForegroundWindow() == window ? window : nullptr;
}

int Deliver(const wchar_t* log, const std::wstring& mode, const std::wstring& path) {
  const bool pasted = mode == L"pasted";
  const HWND own = OwnWindowInFront();
  if (own == nullptr) {
    Print(L"the probe's window did not come to the front");
    return 4;
  }
  const LONGLONG before = FileSize(log);
  Sleep(kPersonGapMs);
  const Stopwatch clock;
  FoundDialog found;
  EnumWindows(MatchFileDialog, reinterpret_cast<LPARAM>(&found));
  if (found.dialog == nullptr) {
    Print(L"no file dialog");
    return 4;
  }
  // In front once the system says so and the dialog's thread has carried out its activation.
  SetForegroundWindow(found.dialog);
  while (GetForegroundWindow() != found.dialog) {
    if (clock.Milliseconds() > kTimeoutMs) {
      Print(L"the dialog did not come to the front");
      return 4;
    }
    Sleep(1);
  }
  if (!Answers(found.dialog, WM_NULL, 0, 0)) {
    Print(L"the dialog does not answer");
    return 4;
  }
  // The dialog moves its focus to the box itself, and the text is selected so the keys replace it.
  const HWND edit = EditOf(found.box);
  if (!Answers(DialogOfControl(found.box, found.dialog), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(found.box),
               TRUE) ||
      !Answers(edit, EM_SETSEL, 0, -1)) {
    Print(L"the name box was not focused");
    return 4;
  }
  std::vector<INPUT> inputs;
  if (pasted) {
    std::vector<SavedFormat> saved;
    if (!SaveClipboard(own, saved)) {
      Print(L"the clipboard could not be saved");
      return 4;
    }
    // The path as the clipboard's only content.
    std::vector<SavedFormat> text{{CF_UNICODETEXT, {}}};
    const char* first = reinterpret_cast<const char*>(path.c_str());
    text[0].bytes.assign(first, first + (path.size() + 1) * sizeof(wchar_t));
    if (!PutOnClipboard(own, text)) {
      Print(L"the path could not be put on the clipboard");
      return 4;
    }
    KeyTokenInputs(L"ctrl+v", inputs);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    // The earlier content goes back once the box has taken the paste.
    while (TextOf(edit) != path) {
      if (clock.Milliseconds() > kTimeoutMs) {
        Print(L"the box holds \"" + TextOf(edit) + L"\", not the path");
        return 4;
      }
    }
    if (!PutOnClipboard(own, saved)) {
      Print(L"the clipboard could not be put back");
      return 4;
    }
    inputs.clear();
  } else {
    KeyTokenInputs(L"text:" + path, inputs);
  }
  KeyTokenInputs(L"enter", inputs);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  const int result = AwaitLogLine(log, before, clock, [] { PumpMessages(); });
  DestroyWindow(own);
  return result;
}

int TimedMenu(int count, wchar_t** tokens) {
  Stopwatch clock;
  if (const int failed = SendTokens(count, tokens, clock); failed != 0) return failed;
  while (clock.Milliseconds() < kTimeoutMs) {
    const HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu != nullptr && IsWindowVisible(menu)) {
      Print(std::to_wstring(clock.Microseconds()));
      return 0;
    }
    Sleep(1);
  }
  Print(L"timeout");
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring command = argv[1];
  if (command == L"memory") return Memory(argv[2]);
  if (command == L"start" && argc >= 4) return Start(argv[2], argv[3]);
  if (command == L"end" && argc >= 4) return End(static_cast<DWORD>(wcstoul(argv[2], nullptr, 10)), argv[3]);
  if (command == L"timed" && argc >= 4) return Timed(argv[2], argc - 3, argv + 3);
  if (command == L"menu" && argc >= 3) return TimedMenu(argc - 2, argv + 2);
  if (command == L"deliver" && argc >= 5) return Deliver(argv[2], argv[3], argv[4]);
  return 2;
}
