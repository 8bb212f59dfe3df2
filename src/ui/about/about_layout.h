#pragma once
// The About box: control geometry in twips, the client area that holds the controls, and where the
// window opens.

#include <array>

#include "ui/twips.h"

namespace dm {

struct TwipsRect {
  double left;
  double top;
  double width;
  double height;
};

struct TwipsLine {
  double x1;
  double y1;
  double x2;
  double y2;
};

struct TwipsPoint {
  double left;
  double top;
};

struct TwipsSize {
  double width;
  double height;
};

// Control identifiers; OkButton is the dialog's OK command (IDOK).
enum class AboutControl : int {
  OkButton = 1,
  AboutIcon = 100,
  ProgramLine,
  AuthorLine,
  CopyrightLine,
  WebAddress,
  MailAddress,
  InfoHeading,
  FolderCountLine,
  MemoryHeading,
  MemoryLine,
};

namespace about_layout {

inline constexpr TwipsRect kAboutIcon{240, 240, 480, 480};
inline constexpr TwipsRect kProgram{1080, 240, 3855, 255};
inline constexpr TwipsRect kAuthor{1080, 525, 1575, 255};
inline constexpr TwipsRect kCopyright{1080, 840, 2895, 255};
inline constexpr TwipsRect kUrl{1080, 1080, 3135, 255};
inline constexpr TwipsRect kMail{1080, 1320, 1455, 255};
inline constexpr TwipsRect kInfo{1080, 1800, 855, 255};
inline constexpr TwipsRect kSpecific{1080, 2040, 3855, 255};
inline constexpr TwipsRect kPhysMem{1080, 2520, 2895, 255};
inline constexpr TwipsRect kMemory{4080, 2520, 855, 255};
inline constexpr TwipsRect kOk{3840, 3320, 1095, 330};

// The etched separator: a button-shadow line with a button-highlight line below it.
inline constexpr TwipsLine kShadowLine{1080, 2385, 4920, 2385};     // Line2
inline constexpr TwipsLine kHighlightLine{1095, 2400, 4920, 2400};  // Line1

// Every control but MemoryLine, whose width follows its text (MemoryLabel).
inline constexpr TwipsRect kFixedControls[] = {kAboutIcon, kProgram, kAuthor,   kCopyright, kUrl,
                                               kMail,      kInfo,    kSpecific, kPhysMem,   kOk};

// The margin between the controls and the client area's edges: the layout's left (and top) margin,
// kept on the right and at the bottom too.
inline constexpr double kMargin = kAboutIcon.left;

inline constexpr double kFontPoints = 8.25;  // MS Sans Serif; bold for the window, normal for controls

}  // namespace about_layout

// MemoryLine for a memory line textWidth twips wide: left, top and height as laid out, and at least
// its laid-out width, wider when the text needs it (a label clips, or wraps off its last word).
TwipsRect MemoryLabel(double textWidth);

struct PlacedControl {
  AboutControl control;
  TwipsRect at;
};

// Every control's place, MemoryLine at memory.
std::array<PlacedControl, 11> AboutControlRects(const TwipsRect& memory);

// The client area that holds every control, with MemoryLine at memory, and kMargin to the right of
// the rightmost and below the lowest.
TwipsSize AboutClientSize(const TwipsRect& memory);

// Top-left corner that centres a window on the screen, all in twips.
TwipsPoint CentreOnScreen(double screenWidth, double screenHeight, double windowWidth, double windowHeight);

}  // namespace dm
