#pragma once
// The system clipboard, saved whole (every format that can be copied) and put back.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "win32/base/unique_handle.h"
#include "win32/delivery/clipboard_format.h"

namespace dm::win {

// How much a snapshot may hold and how long taking it may last. Rendering formats that their
// owner only promised can take seconds and hundreds of megabytes (a large spreadsheet range).
// The time bound holds for the program's own thread too: the snapshot is taken on a worker that
// is left to itself once the time is up and the path typed instead, so a click on the icon is
// answered soon after. An ordinary clipboard is copied in a few milliseconds.
struct ClipboardBounds {
  std::size_t bytes = std::size_t{64} << 20;
  ULONGLONG milliseconds = 750;
};

class Win32Clipboard : public Clipboard {
 public:
  explicit Win32Clipboard(const ClipboardBounds& bounds = {}) : bounds_(bounds) {}
  ~Win32Clipboard() override;
  Win32Clipboard(const Win32Clipboard&) = delete;
  Win32Clipboard& operator=(const Win32Clipboard&) = delete;

  // Copies every format but OLE's bookkeeping for a data object: memory blocks byte for byte (private formats
  // too, when their owner put a plain block there), bitmaps, metafiles, palettes and the GDI-object formats
  // as private copies. A format that cannot be copied (owner-drawn display, a block of no size, a rendering
  // its owner declines or fails, a GDI object of a kind that cannot be rebuilt) is left out and
  // traced. kBusy when the clipboard stays open elsewhere or its owner, which the paste will have
  // to wait for, does not answer within two seconds; TooLarge past the bounds, and when memory
  // runs out; OwnersOwn when an OLE clipboard window owns it (an Office copy or cut: taking it
  // over would end a pending cut, and its data object cannot be rebuilt from bytes). The copy is
  // made on a worker thread, waited for within the time bound while this thread answers the
  // messages other threads send it; a worker past the bound is left to finish by itself (an owner
  // that hangs while rendering holds it), and until it has, no new snapshot is begun (TooLarge).
  // The worker is started at the first Save and kept for the next: a thread and its window take
  // milliseconds to make (about 3 ms under Wine), which every paste would pay.
  // Every outcome but Saved is traced in one line.
  ClipboardSaveResult Save() override;
  // The text, marked to be kept out of the clipboard history, the cloud clipboard and clipboard
  // monitors: it is there for one paste.
  bool SetText(const std::string& text) override;
  // The saved formats, marked like the path's text (the history and the cloud clipboard have had
  // them already); an empty snapshot leaves the clipboard empty.
  bool Restore(const ClipboardSnapshot& snapshot) override;

 private:
  static LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The hidden message-only window that owns what this object puts on the clipboard, created at
  // the first use; it frees the private blocks once the clipboard is emptied.
  HWND Owner();

  struct Reading;
  struct Reader;
  static DWORD WINAPI Read(void* parameter);
  // The worker, started once; false when it cannot be.
  bool StartReader();

  ClipboardBounds bounds_;
  std::shared_ptr<Reader> reader_;           // the worker, with what it is to read next
  std::shared_ptr<Reading> unfinished_;      // a snapshot left running past its time
  std::vector<UniqueGlobal> privateBlocks_;  // what the private formats put back hold
  UniqueWindow owner_;                       // destroyed first
};

}  // namespace dm::win
