#pragma once
// One clipboard format copied out of the clipboard and put back: memory blocks byte for byte
// (standard, registered and private formats), bitmaps, metafiles, palettes and the other GDI
// objects as private copies.

#include <windows.h>

#include <cstddef>
#include <vector>

#include "win32/base/unique_handle.h"

namespace dm::win {

using UniqueGlobal = UniqueHandle<NullHandleTraits<HGLOBAL, ::GlobalFree>>;

enum class FormatKind { kMemory, kBitmap, kEnhMetafile, kMetafilePict, kPalette, kGdiObject };

struct SavedFormat {
  UINT format = 0;
  FormatKind kind = FormatKind::kMemory;
  std::vector<unsigned char> bytes;  // memory contents, metafile bits or palette entries
  UniqueGdiObject object;            // a private copy, for bitmaps and other GDI objects
  METAFILEPICT picture{};            // size and mapping mode of a metafile picture
};

enum class CopyResult {
  Copied,
  Skipped,   // this format's data cannot be copied; the others still can
  TooLarge,  // it would take the snapshot beyond budget bytes
};

// Copies data, as GetClipboardData gave it for format, into saved. budget is what the snapshot
// may still grow by; the bytes counted go into used. May throw std::bad_alloc.
CopyResult CopyFormat(UINT format, HANDLE data, std::size_t budget, SavedFormat& saved, std::size_t& used);

// Puts one saved format back on the open clipboard; the clipboard takes over the new handle,
// except for the private range, whose blocks stay with the caller in privateBlocks until the
// clipboard is emptied. May throw std::bad_alloc.
bool PutBackFormat(const SavedFormat& saved, std::vector<UniqueGlobal>& privateBlocks);

// The formats OLE keeps beside a data object it put on the clipboard ("DataObject", "Ole Private
// Data"): they describe an object of the program that set it, not data, and copied back as bytes
// they would point OLE at an object that is gone. They are never copied.
bool IsOleBookkeeping(UINT format);

// A movable global block holding a copy of size bytes; empty on failure.
UniqueGlobal GlobalCopyOf(const void* data, std::size_t size);

}  // namespace dm::win
