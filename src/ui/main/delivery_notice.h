#pragma once
// The notice the icon shows when a chosen folder did not arrive: one sentence saying what did not
// happen and why, in words a user reads without the program's terms.

#include <string>
#include <string_view>

#include "deliver/path_delivery.h"

namespace dm::delivery_notice {

inline constexpr std::string_view kTitle = "Dashmarks";

// The sentence for a delivery that ended with outcome; empty for Delivered, which shows none.
std::string Sentence(DeliveryOutcome outcome);

}  // namespace dm::delivery_notice
