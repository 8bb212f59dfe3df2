#include "platform/win32/delivery/folder_check.h"

#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/base/text_conversion.h"
#include "platform/win32/base/unique_handle.h"

namespace dm::win {
namespace {

constexpr DWORD kDeadlineMs = 1500;
constexpr SIZE_T kWorkerStack = 64 * 1024;

// What the worker was asked and found; shared, since the worker may outlive the wait.
struct Lookup {
  std::wstring path;
  DWORD attributes = INVALID_FILE_ATTRIBUTES;
  DWORD error = ERROR_SUCCESS;
};

DWORD WINAPI LookUp(void* parameter) {
  const std::unique_ptr<std::shared_ptr<Lookup>> lookup(static_cast<std::shared_ptr<Lookup>*>(parameter));
  // No "insert a disk" box for an empty drive.
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, nullptr);
  (*lookup)->attributes = GetFileAttributesW((*lookup)->path.c_str());
  (*lookup)->error = GetLastError();
  return 0;
}

FolderState StateOf(const Lookup& lookup) {
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

FolderState Win32FolderCheck::Check(const std::string& path) {
  auto lookup = std::make_shared<Lookup>();
  lookup->path = Utf8ToWide(path);
  auto* shared = new std::shared_ptr<Lookup>(lookup);
  UniqueKernelHandle worker(
      CreateThread(nullptr, kWorkerStack, LookUp, shared, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
  if (!worker) {
    delete shared;
    return FolderState::Unknown;
  }
  if (WaitForSingleObject(worker.Get(), kDeadlineMs) != WAIT_OBJECT_0) return FolderState::Unknown;
  return StateOf(*lookup);
}

}  // namespace dm::win
