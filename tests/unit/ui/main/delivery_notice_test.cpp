#include "ui/main/delivery_notice.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/delivery_failures.h"

namespace dm {
namespace {

TEST(DeliveryNotice, EveryFailureHasASentenceOfItsOwnAndSuccessNone) {
  EXPECT_EQ(delivery_notice::Sentence(DeliveryOutcome::Delivered), "");
  std::set<std::string> sentences;
  for (const DeliveryOutcome outcome : test::kDeliveryFailures) {
    const std::string sentence = delivery_notice::Sentence(outcome);
    SCOPED_TRACE(sentence);
    EXPECT_EQ(sentence.rfind("The folder was not put ", 0), 0U);
    EXPECT_EQ(sentence.back(), '.');
    // A balloon's text holds at most 255 characters.
    EXPECT_LT(sentence.size(), 256U);
    sentences.insert(sentence);
  }
  EXPECT_EQ(sentences.size(), std::size(test::kDeliveryFailures));
  EXPECT_EQ(delivery_notice::Sentence(DeliveryOutcome::TargetElevated),
            "The folder was not put into the window: that program runs as administrator.");
}

}  // namespace
}  // namespace dm
