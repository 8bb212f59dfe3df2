#pragma once
// The keys of a delivery: the path typed as it stands, and the fixed steps around it.

#include <array>
#include <optional>
#include <string_view>

#include "platform/key_sequence.h"

namespace dm {

// Alt+N, the access key of "File name": sent only when the name box will not take the focus by
// its handle.
inline constexpr std::array kDialogFocusNameBox{KeyPress::Character(U'n', modifier::kAlt)};
// Delete goes first, in the same batch as Enter: an autocomplete suggestion that the box appends
// (selected) after the path was read back is taken out again before Enter could accept it.
inline constexpr std::array kDialogAfterPath{KeyPress::Named(NamedKey::Delete),
                                             KeyPress::Named(NamedKey::Enter)};
// Alt+T, G: Tools > Go To of the old Explorer.
inline constexpr std::array kExplorerBeforePath{KeyPress::Character(U't', modifier::kAlt),
                                                KeyPress::Character(U'g')};
inline constexpr std::array kExplorerAfterPath{KeyPress::Named(NamedKey::Enter)};
inline constexpr std::array kPaste{KeyPress::Character(U'v', modifier::kCtrl)};
// The keys that open a folder window's address box for typing, each sent alone and tried in this
// order until the box has the focus: Alt+D, then F4 and Ctrl+L where Alt+D does nothing.
inline constexpr std::array kAddressBoxKeys{KeyPress::Character(U'd', modifier::kAlt),
                                            KeyPress::Named(FunctionKey(4)),
                                            KeyPress::Character(U'l', modifier::kCtrl)};
inline constexpr std::array kAddressBoxAfterPath{KeyPress::Named(NamedKey::Enter)};

// The presses that type text as it stands: one press of each character, with no modifier, so no
// character of a path (not "%", "+", "^", "~", a bracket nor one beyond the Basic Multilingual
// Plane) is ever taken for a key. Nothing when text is not well-formed UTF-8.
std::optional<KeySequence> TypedText(std::string_view text);

}  // namespace dm
