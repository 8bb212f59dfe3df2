#include "platform/win32/delivery/clipboard.h"

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/win32/base/text_conversion.h"
#include "platform/win32/delivery/clipboard_session.h"
#include "platform/win32/delivery/window_ping.h"

namespace dm::win {
namespace {

// How long the clipboard's owner may take to answer before a paste gives up.
constexpr ULONGLONG kOwnerDeadlineMs = 2000;

using UniqueGlobal = UniqueHandle<NullHandleTraits<HGLOBAL, ::GlobalFree>>;

class GlobalLock {
 public:
  explicit GlobalLock(HGLOBAL memory) : memory_(memory), data_(::GlobalLock(memory)) {}
  ~GlobalLock() {
    if (data_) ::GlobalUnlock(memory_);
  }
  GlobalLock(const GlobalLock&) = delete;
  GlobalLock& operator=(const GlobalLock&) = delete;
  void* data() const { return data_; }

 private:
  HGLOBAL memory_;
  void* data_;
};

enum class Kind { kMemory, kBitmap, kEnhMetafile, kMetafilePict, kPalette };

struct SavedFormat {
  UINT format = 0;
  Kind kind = Kind::kMemory;
  std::vector<unsigned char> bytes;  // memory contents, metafile bits or palette entries
  UniqueGdiObject bitmap;            // a private copy, for bitmaps
  METAFILEPICT picture{};            // size and mapping mode of a metafile picture
};

class Win32ClipboardSnapshot : public ClipboardSnapshot {
 public:
  std::vector<SavedFormat> formats;
};

std::optional<Kind> KindOf(UINT format) {
  switch (format) {
    case CF_BITMAP:
    case CF_DSPBITMAP:
      return Kind::kBitmap;
    case CF_ENHMETAFILE:
    case CF_DSPENHMETAFILE:
      return Kind::kEnhMetafile;
    case CF_METAFILEPICT:
    case CF_DSPMETAFILEPICT:
      return Kind::kMetafilePict;
    case CF_PALETTE:
      return Kind::kPalette;
    case CF_OWNERDISPLAY:
      return std::nullopt;
    default:
      break;
  }
  // Private and GDI-object ranges hold handles whose meaning only their owner knows.
  if (format >= CF_PRIVATEFIRST && format <= CF_GDIOBJLAST) return std::nullopt;
  return Kind::kMemory;
}

UniqueGlobal GlobalCopyOf(const void* data, std::size_t size) {
  UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, size == 0 ? 1 : size));
  if (!memory) return memory;
  GlobalLock lock(memory.Get());
  if (!lock.data()) return UniqueGlobal();
  if (size != 0) std::memcpy(lock.data(), data, size);
  return memory;
}

bool SaveFormat(UINT format, Kind kind, HANDLE data, SavedFormat& saved) {
  saved.format = format;
  saved.kind = kind;
  switch (kind) {
    case Kind::kMemory: {
      const SIZE_T size = GlobalSize(data);
      GlobalLock lock(data);
      if (!lock.data()) return false;
      const auto* bytes = static_cast<const unsigned char*>(lock.data());
      saved.bytes.assign(bytes, bytes + size);
      return true;
    }
    case Kind::kBitmap:
      saved.bitmap.Reset(CopyImage(data, IMAGE_BITMAP, 0, 0, 0));
      return static_cast<bool>(saved.bitmap);
    case Kind::kEnhMetafile: {
      const auto metafile = static_cast<HENHMETAFILE>(data);
      const UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
      saved.bytes.resize(size);
      return size != 0 && GetEnhMetaFileBits(metafile, size, saved.bytes.data()) == size;
    }
    case Kind::kMetafilePict: {
      GlobalLock lock(data);
      if (!lock.data()) return false;
      saved.picture = *static_cast<const METAFILEPICT*>(lock.data());
      const UINT size = GetMetaFileBitsEx(saved.picture.hMF, 0, nullptr);
      saved.bytes.resize(size);
      saved.picture.hMF = nullptr;
      return size != 0 && GetMetaFileBitsEx(static_cast<const METAFILEPICT*>(lock.data())->hMF, size,
                                            saved.bytes.data()) == size;
    }
    case Kind::kPalette: {
      const auto palette = static_cast<HPALETTE>(data);
      const UINT count = GetPaletteEntries(palette, 0, 0, nullptr);
      saved.bytes.resize(count * sizeof(PALETTEENTRY));
      return count != 0 && GetPaletteEntries(palette, 0, count,
                                             reinterpret_cast<PALETTEENTRY*>(saved.bytes.data())) == count;
    }
  }
  return false;
}

// Puts one saved format back; the clipboard takes over the new handle on success.
bool RestoreFormat(const SavedFormat& saved) {
  switch (saved.kind) {
    case Kind::kMemory: {
      UniqueGlobal memory = GlobalCopyOf(saved.bytes.data(), saved.bytes.size());
      if (!memory || !SetClipboardData(saved.format, memory.Get())) return false;
      memory.Release();
      return true;
    }
    case Kind::kBitmap: {
      UniqueGdiObject copy(CopyImage(saved.bitmap.Get(), IMAGE_BITMAP, 0, 0, 0));
      if (!copy || !SetClipboardData(saved.format, copy.Get())) return false;
      copy.Release();
      return true;
    }
    case Kind::kEnhMetafile: {
      const HENHMETAFILE metafile =
          SetEnhMetaFileBits(static_cast<UINT>(saved.bytes.size()), saved.bytes.data());
      if (!metafile) return false;
      if (SetClipboardData(saved.format, metafile)) return true;
      DeleteEnhMetaFile(metafile);
      return false;
    }
    case Kind::kMetafilePict: {
      METAFILEPICT picture = saved.picture;
      picture.hMF = SetMetaFileBitsEx(static_cast<UINT>(saved.bytes.size()), saved.bytes.data());
      if (!picture.hMF) return false;
      UniqueGlobal memory = GlobalCopyOf(&picture, sizeof(picture));
      if (!memory || !SetClipboardData(saved.format, memory.Get())) {
        DeleteMetaFile(picture.hMF);
        return false;
      }
      memory.Release();
      return true;
    }
    case Kind::kPalette: {
      const std::size_t count = saved.bytes.size() / sizeof(PALETTEENTRY);
      std::vector<unsigned char> record(offsetof(LOGPALETTE, palPalEntry) + saved.bytes.size());
      auto* logical = reinterpret_cast<LOGPALETTE*>(record.data());
      logical->palVersion = 0x300;
      logical->palNumEntries = static_cast<WORD>(count);
      std::memcpy(logical->palPalEntry, saved.bytes.data(), saved.bytes.size());
      UniqueGdiObject palette(CreatePalette(logical));
      if (!palette || !SetClipboardData(saved.format, palette.Get())) return false;
      palette.Release();
      return true;
    }
  }
  return false;
}

}  // namespace

HWND Win32Clipboard::Owner() {
  if (!owner_) {
    owner_.Reset(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr));
  }
  return owner_.Get();
}

std::unique_ptr<ClipboardSnapshot> Win32Clipboard::Save() {
  // Saving may ask the owner to render a format it only promised, and the paste then tells it
  // that it lost the clipboard; both wait for its answer. An owner that does not answer soon
  // makes the paste give up rather than hold the program.
  const HWND owner = GetClipboardOwner();
  if (owner && GetWindowThreadProcessId(owner, nullptr) != GetCurrentThreadId() &&
      !AnswersBefore(owner, GetTickCount64() + kOwnerDeadlineMs)) {
    return nullptr;
  }
  ClipboardSession session(Owner());
  if (!session.IsOpen()) return nullptr;
  auto snapshot = std::make_unique<Win32ClipboardSnapshot>();
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    const std::optional<Kind> kind = KindOf(format);
    if (!kind) continue;
    const HANDLE data = GetClipboardData(format);
    if (!data) continue;  // a delayed rendering that its owner declined
    SavedFormat saved;
    if (!SaveFormat(format, *kind, data, saved)) return nullptr;
    snapshot->formats.push_back(std::move(saved));
  }
  return snapshot;
}

bool Win32Clipboard::SetText(const std::string& text) {
  ClipboardSession session(Owner());
  if (!session.IsOpen() || !EmptyClipboard()) return false;
  const std::wstring wide = Utf8ToWide(text);
  UniqueGlobal memory = GlobalCopyOf(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  if (!memory || !SetClipboardData(CF_UNICODETEXT, memory.Get())) return false;
  memory.Release();
  return true;
}

bool Win32Clipboard::Restore(const ClipboardSnapshot& snapshot) {
  ClipboardSession session(Owner());
  if (!session.IsOpen() || !EmptyClipboard()) return false;
  bool all = true;
  for (const SavedFormat& saved : static_cast<const Win32ClipboardSnapshot&>(snapshot).formats) {
    all = RestoreFormat(saved) && all;
  }
  return all;
}

}  // namespace dm::win
