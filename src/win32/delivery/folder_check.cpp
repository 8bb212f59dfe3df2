#include "win32/delivery/folder_check.h"

#include <windows.h>

#include <memory>
#include <string>
#include <utility>

#include "win32/base/file_system_redirection.h"
#include "win32/base/text_conversion.h"
#include "win32/base/unique_handle.h"

namespace dm::win {
namespace {

constexpr DWORD kDeadlineMs = 1500;
constexpr SIZE_T kWorkerStack = 64 * 1024;

void LookUpNow(FolderLookup& lookup) {
  const FileSystemRedirectionOff pathsAsWritten(lookup.redirection);
  lookup.attributes = GetFileAttributesW(lookup.path.c_str());
  lookup.error = GetLastError();
}

DWORD WINAPI LookUp(void* parameter) {
  const std::unique_ptr<std::shared_ptr<FolderLookup>> lookup(
      static_cast<std::shared_ptr<FolderLookup>*>(parameter));
  // No "insert a disk" box for an empty drive.
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, nullptr);
  LookUpNow(**lookup);
  return 0;
}

// A drive-letter path on a disk of this machine: the file system answers it at once, so it needs
// no worker (starting a thread takes longer than the look itself). Network drives, UNC paths,
// removable and optical drives may keep a caller waiting, and are looked at on a worker.
bool OnLocalDisk(const std::wstring& path, const RedirectionCalls& redirection) {
  if (path.size() < 3 || path[1] != L':' || (path[2] != L'\\' && path[2] != L'/')) return false;
  const FileSystemRedirectionOff pathsAsWritten(redirection);
  const wchar_t root[] = {path[0], L':', L'\\', L'\0'};
  const UINT type = GetDriveTypeW(root);
  return type == DRIVE_FIXED || type == DRIVE_RAMDISK;
}

FolderState StateOf(const FolderLookup& lookup) {
  if (lookup.attributes != INVALID_FILE_ATTRIBUTES) {
    return (lookup.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FolderState::Folder : FolderState::NotFolder;
  }
  switch (lookup.error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_DIRECTORY:
      return FolderState::NotFolder;
    default:
      // An unreachable server, a refused look: the dialog may still know better.
      return FolderState::Unknown;
  }
}

}  // namespace

Win32FolderCheck::Worker Win32FolderCheck::Start(const std::wstring& path) const {
  Worker worker;
  worker.lookup = std::make_shared<FolderLookup>();
  worker.lookup->path = path;
  worker.lookup->redirection = redirection_;
  worker.started = GetTickCount64();
  worker.local = OnLocalDisk(path, redirection_);
  if (worker.local) return worker;
  auto* shared = new std::shared_ptr<FolderLookup>(worker.lookup);
  worker.thread.Reset(
      CreateThread(nullptr, kWorkerStack, LookUp, shared, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
  if (!worker.thread) delete shared;
  return worker;
}

void Win32FolderCheck::Prepare(const std::string& path) { prepared_ = Start(Utf8ToWide(path)); }

FolderState Win32FolderCheck::Check(const std::string& path) {
  const std::wstring wide = Utf8ToWide(path);
  Worker worker = std::exchange(prepared_, Worker{});
  // A look started for another path, or so long ago that the folder may have changed since, is
  // not the answer.
  if (!worker.lookup || worker.lookup->path != wide || GetTickCount64() - worker.started > kDeadlineMs) {
    worker = Start(wide);
  }
  if (worker.local) {
    LookUpNow(*worker.lookup);
    return StateOf(*worker.lookup);
  }
  if (!worker.thread) return FolderState::Unknown;
  if (WaitForSingleObject(worker.thread.Get(), kDeadlineMs) != WAIT_OBJECT_0) return FolderState::Unknown;
  return StateOf(*worker.lookup);
}

}  // namespace dm::win
