#include "win32/delivery/clipboard_format.h"

#include <cstring>
#include <optional>

namespace dm::win {
namespace {

class GlobalLock {
 public:
  explicit GlobalLock(HGLOBAL memory) : memory_(memory), data_(::GlobalLock(memory)) {}
  ~GlobalLock() {
    if (data_) ::GlobalUnlock(memory_);
  }
  GlobalLock(const GlobalLock&) = delete;
  GlobalLock& operator=(const GlobalLock&) = delete;
  void* Data() const { return data_; }

 private:
  HGLOBAL memory_;
  void* data_;
};

bool IsPrivate(UINT format) { return format >= CF_PRIVATEFIRST && format <= CF_PRIVATELAST; }

std::optional<FormatKind> KindOf(UINT format) {
  switch (format) {
    case CF_BITMAP:
    case CF_DSPBITMAP:
      return FormatKind::kBitmap;
    case CF_ENHMETAFILE:
    case CF_DSPENHMETAFILE:
      return FormatKind::kEnhMetafile;
    case CF_METAFILEPICT:
    case CF_DSPMETAFILEPICT:
      return FormatKind::kMetafilePict;
    case CF_PALETTE:
      return FormatKind::kPalette;
    case CF_OWNERDISPLAY:
      return std::nullopt;  // its owner draws it in the viewer: there is no data to copy
    default:
      break;
  }
  if (format >= CF_GDIOBJFIRST && format <= CF_GDIOBJLAST) return FormatKind::kGdiObject;
  return FormatKind::kMemory;
}

// A bitmap's size in memory, for the budget: its rows at its depth.
std::size_t BitmapBytes(HBITMAP bitmap) {
  BITMAP info{};
  if (GetObjectW(bitmap, sizeof(info), &info) == 0) return 0;
  return static_cast<std::size_t>(info.bmWidthBytes) * static_cast<std::size_t>(info.bmHeight) *
         static_cast<std::size_t>(info.bmPlanes);
}

// A copy of a GDI object of the kinds that can be rebuilt from what GetObject tells; null for the
// others (device contexts, pattern brushes, metafile DCs).
HGDIOBJ CopyGdiObject(HGDIOBJ object, std::size_t budget, std::size_t& bytes) {
  switch (GetObjectType(object)) {
    case OBJ_BITMAP:
      bytes = BitmapBytes(static_cast<HBITMAP>(object));
      if (bytes > budget) return nullptr;
      return CopyImage(object, IMAGE_BITMAP, 0, 0, 0);
    case OBJ_PAL: {
      const UINT count = GetPaletteEntries(static_cast<HPALETTE>(object), 0, 0, nullptr);
      if (count == 0) return nullptr;
      std::vector<unsigned char> record(offsetof(LOGPALETTE, palPalEntry) + count * sizeof(PALETTEENTRY));
      auto* logical = reinterpret_cast<LOGPALETTE*>(record.data());
      logical->palVersion = 0x300;
      logical->palNumEntries = static_cast<WORD>(count);
      if (GetPaletteEntries(static_cast<HPALETTE>(object), 0, count, logical->palPalEntry) != count)
        return nullptr;
      bytes = record.size();
      return CreatePalette(logical);
    }
    case OBJ_FONT: {
      LOGFONTW font{};
      if (GetObjectW(object, sizeof(font), &font) == 0) return nullptr;
      bytes = sizeof(font);
      return CreateFontIndirectW(&font);
    }
    case OBJ_PEN: {
      LOGPEN pen{};
      if (GetObjectW(object, sizeof(pen), &pen) != sizeof(pen)) return nullptr;
      bytes = sizeof(pen);
      return CreatePenIndirect(&pen);
    }
    case OBJ_BRUSH: {
      LOGBRUSH brush{};
      if (GetObjectW(object, sizeof(brush), &brush) == 0) return nullptr;
      if (brush.lbStyle != BS_SOLID && brush.lbStyle != BS_HATCHED && brush.lbStyle != BS_NULL)
        return nullptr;
      bytes = sizeof(brush);
      return CreateBrushIndirect(&brush);
    }
    case OBJ_REGION: {
      const DWORD size = GetRegionData(static_cast<HRGN>(object), 0, nullptr);
      if (size == 0 || size > budget) return nullptr;
      std::vector<unsigned char> data(size);
      auto* region = reinterpret_cast<RGNDATA*>(data.data());
      if (GetRegionData(static_cast<HRGN>(object), size, region) != size) return nullptr;
      bytes = size;
      return ExtCreateRegion(nullptr, size, region);
    }
    default:
      return nullptr;
  }
}

}  // namespace

bool IsOleBookkeeping(UINT format) {
  static const UINT dataObject = RegisterClipboardFormatW(L"DataObject");
  static const UINT olePrivateData = RegisterClipboardFormatW(L"Ole Private Data");
  return format != 0 && (format == dataObject || format == olePrivateData);
}

UniqueGlobal GlobalCopyOf(const void* data, std::size_t size) {
  UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, size == 0 ? 1 : size));
  if (!memory) return memory;
  GlobalLock lock(memory.Get());
  if (!lock.Data()) return UniqueGlobal();
  if (size != 0) std::memcpy(lock.Data(), data, size);
  return memory;
}

CopyResult CopyFormat(UINT format, HANDLE data, std::size_t budget, SavedFormat& saved, std::size_t& used) {
  const std::optional<FormatKind> kind = KindOf(format);
  if (!kind) return CopyResult::Skipped;
  saved.format = format;
  saved.kind = *kind;
  used = 0;
  switch (*kind) {
    case FormatKind::kMemory: {
      // Private formats hold whatever handle their owner chose; a plain block, as SetClipboardData
      // takes it, is copied like any other, anything else is left out. A block of no size cannot
      // be locked, and holds nothing to bring back.
      const SIZE_T size = GlobalSize(data);
      if (size == 0) return CopyResult::Skipped;
      if (size > budget) return CopyResult::TooLarge;
      GlobalLock lock(data);
      if (!lock.Data()) return CopyResult::Skipped;
      const auto* bytes = static_cast<const unsigned char*>(lock.Data());
      saved.bytes.assign(bytes, bytes + size);
      used = size;
      return CopyResult::Copied;
    }
    case FormatKind::kBitmap: {
      used = BitmapBytes(static_cast<HBITMAP>(data));
      if (used > budget) return CopyResult::TooLarge;
      saved.object.Reset(CopyImage(data, IMAGE_BITMAP, 0, 0, 0));
      return saved.object ? CopyResult::Copied : CopyResult::Skipped;
    }
    case FormatKind::kGdiObject: {
      std::size_t bytes = 0;
      saved.object.Reset(CopyGdiObject(data, budget, bytes));
      used = bytes;
      if (bytes > budget) return CopyResult::TooLarge;
      return saved.object ? CopyResult::Copied : CopyResult::Skipped;
    }
    case FormatKind::kEnhMetafile: {
      const auto metafile = static_cast<HENHMETAFILE>(data);
      const UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
      if (size == 0) return CopyResult::Skipped;
      if (size > budget) return CopyResult::TooLarge;
      saved.bytes.resize(size);
      used = size;
      return GetEnhMetaFileBits(metafile, size, saved.bytes.data()) == size ? CopyResult::Copied
                                                                            : CopyResult::Skipped;
    }
    case FormatKind::kMetafilePict: {
      GlobalLock lock(data);
      if (!lock.Data() || GlobalSize(data) < sizeof(METAFILEPICT)) return CopyResult::Skipped;
      saved.picture = *static_cast<const METAFILEPICT*>(lock.Data());
      const HMETAFILE metafile = saved.picture.hMF;
      saved.picture.hMF = nullptr;
      const UINT size = GetMetaFileBitsEx(metafile, 0, nullptr);
      if (size == 0) return CopyResult::Skipped;
      if (size > budget) return CopyResult::TooLarge;
      saved.bytes.resize(size);
      used = size;
      return GetMetaFileBitsEx(metafile, size, saved.bytes.data()) == size ? CopyResult::Copied
                                                                           : CopyResult::Skipped;
    }
    case FormatKind::kPalette: {
      const auto palette = static_cast<HPALETTE>(data);
      const UINT count = GetPaletteEntries(palette, 0, 0, nullptr);
      if (count == 0) return CopyResult::Skipped;
      saved.bytes.resize(count * sizeof(PALETTEENTRY));
      used = saved.bytes.size();
      return GetPaletteEntries(palette, 0, count, reinterpret_cast<PALETTEENTRY*>(saved.bytes.data())) ==
                     count
                 ? CopyResult::Copied
                 : CopyResult::Skipped;
    }
  }
  return CopyResult::Skipped;
}

bool PutBackFormat(const SavedFormat& saved, std::vector<UniqueGlobal>& privateBlocks) {
  switch (saved.kind) {
    case FormatKind::kMemory: {
      UniqueGlobal memory = GlobalCopyOf(saved.bytes.data(), saved.bytes.size());
      if (!memory || !SetClipboardData(saved.format, memory.Get())) return false;
      // The system frees what the other ranges hold when the clipboard is emptied; private blocks
      // are their owner's to free.
      if (IsPrivate(saved.format)) {
        privateBlocks.push_back(std::move(memory));
      } else {
        memory.Release();
      }
      return true;
    }
    case FormatKind::kBitmap:
    case FormatKind::kGdiObject: {
      std::size_t ignored = 0;
      UniqueGdiObject copy(saved.kind == FormatKind::kBitmap
                               ? CopyImage(saved.object.Get(), IMAGE_BITMAP, 0, 0, 0)
                               : CopyGdiObject(saved.object.Get(), static_cast<std::size_t>(-1), ignored));
      if (!copy || !SetClipboardData(saved.format, copy.Get())) return false;
      copy.Release();
      return true;
    }
    case FormatKind::kEnhMetafile: {
      const HENHMETAFILE metafile =
          SetEnhMetaFileBits(static_cast<UINT>(saved.bytes.size()), saved.bytes.data());
      if (!metafile) return false;
      if (SetClipboardData(saved.format, metafile)) return true;
      DeleteEnhMetaFile(metafile);
      return false;
    }
    case FormatKind::kMetafilePict: {
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
    case FormatKind::kPalette: {
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

}  // namespace dm::win
