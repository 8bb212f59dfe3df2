#include "ui/about/about_layout.h"

#include <algorithm>

namespace dm {

TwipsRect MemoryLabel(double textWidth) {
  TwipsRect memory = about_layout::kMemory;
  memory.width = std::max(memory.width, textWidth);
  return memory;
}

std::array<PlacedControl, 11> AboutControlRects(const TwipsRect& memory) {
  namespace layout = about_layout;
  return {{{AboutControl::OkButton, layout::kOk},
           {AboutControl::AboutIcon, layout::kAboutIcon},
           {AboutControl::ProgramLine, layout::kProgram},
           {AboutControl::AuthorLine, layout::kAuthor},
           {AboutControl::CopyrightLine, layout::kCopyright},
           {AboutControl::WebAddress, layout::kUrl},
           {AboutControl::MailAddress, layout::kMail},
           {AboutControl::InfoHeading, layout::kInfo},
           {AboutControl::FolderCountLine, layout::kSpecific},
           {AboutControl::MemoryHeading, layout::kPhysMem},
           {AboutControl::MemoryLine, memory}}};
}

TwipsSize AboutClientSize(const TwipsRect& memory) {
  double right = memory.left + memory.width;
  double bottom = memory.top + memory.height;
  for (const TwipsRect& control : about_layout::kFixedControls) {
    right = std::max(right, control.left + control.width);
    bottom = std::max(bottom, control.top + control.height);
  }
  right = std::max({right, about_layout::kShadowLine.x2, about_layout::kHighlightLine.x2});
  return {right + about_layout::kMargin, bottom + about_layout::kMargin};
}

TwipsPoint CentreOnScreen(double screenWidth, double screenHeight, double windowWidth, double windowHeight) {
  return {screenWidth / 2 - windowWidth / 2, screenHeight / 2 - windowHeight / 2};
}

}  // namespace dm
