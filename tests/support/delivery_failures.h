#pragma once
// Every way a delivery can fail, for tests that go through all of them.

#include "deliver/path_delivery.h"

namespace dm::test {

inline constexpr DeliveryOutcome kDeliveryFailures[] = {
    DeliveryOutcome::NoTarget,       DeliveryOutcome::FolderInvalid,
    DeliveryOutcome::TargetElevated, DeliveryOutcome::ActivationRefused,
    DeliveryOutcome::FocusLost,      DeliveryOutcome::TargetStoppedAnswering,
    DeliveryOutcome::ClipboardBusy,  DeliveryOutcome::InputMethodOpen,
    DeliveryOutcome::NoWayIn,        DeliveryOutcome::ShellNotAnswering,
    DeliveryOutcome::NotShown,
};

}  // namespace dm::test
