#include "ui/about/about_layout.h"

namespace dm {

TwipsPoint CentreOnScreen(double screenWidth, double screenHeight, double windowWidth, double windowHeight) {
  return {screenWidth / 2 - windowWidth / 2, screenHeight / 2 - windowHeight / 2};
}

}  // namespace dm
