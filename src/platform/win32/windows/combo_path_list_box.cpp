#include "platform/win32/windows/combo_path_list_box.h"

#include "platform/win32/base/text_conversion.h"

namespace dm::win {

int ComboPathListBox::Count() const {
  const LRESULT count = SendMessageW(combo_, CB_GETCOUNT, 0, 0);
  return count == CB_ERR ? 0 : static_cast<int>(count);
}

std::string ComboPathListBox::Text(int index) const {
  const LRESULT length = SendMessageW(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(combo_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  if (copied == CB_ERR) return {};
  text.resize(static_cast<std::size_t>(copied));
  return WideToUtf8(text);
}

int ComboPathListBox::Add(const std::string& text) {
  const std::wstring wide = Utf8ToWide(text);
  return static_cast<int>(SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

void ComboPathListBox::Remove(int index) {
  SendMessageW(combo_, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

int ComboPathListBox::Selected() const { return static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0)); }

void ComboPathListBox::Select(int index) {
  SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace dm::win
