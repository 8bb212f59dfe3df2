#include "ui/editor/editor_scaled_layout.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace dm {
namespace {

const ScaledControl& Find(const ScaledEditorLayout& layout, EditorControl control) {
  for (const ScaledControl& c : layout.controls) {
    if (c.control == control) return c;
  }
  throw std::logic_error("no such control");
}

TEST(EditorLayoutForDpi, ScalesWithTheDisplay) {
  struct Case {
    int dpi;
    int clientWidth, clientHeight;
    ScaledControl close, list;
  };
  const Case cases[] = {
      {96, 217, 89, {EditorControl::CloseButton, 152, 56, 57, 25}, {EditorControl::PathList, 8, 24, 201, 21}},
      {120,
       271,
       111,
       {EditorControl::CloseButton, 190, 70, 71, 31},
       {EditorControl::PathList, 10, 30, 251, 26}},
      {144,
       326,
       134,
       {EditorControl::CloseButton, 228, 84, 86, 38},
       {EditorControl::PathList, 12, 36, 302, 32}},
      {192,
       434,
       178,
       {EditorControl::CloseButton, 304, 112, 114, 50},
       {EditorControl::PathList, 16, 48, 402, 42}},
      {0, 217, 89, {EditorControl::CloseButton, 152, 56, 57, 25}, {EditorControl::PathList, 8, 24, 201, 21}},
  };
  for (const Case& c : cases) {
    const ScaledEditorLayout layout = EditorLayoutForDpi(c.dpi);
    EXPECT_EQ(layout.clientWidth, c.clientWidth) << c.dpi;
    EXPECT_EQ(layout.clientHeight, c.clientHeight) << c.dpi;
    for (const ScaledControl& expected : {c.close, c.list}) {
      const ScaledControl& got = Find(layout, expected.control);
      EXPECT_EQ(got.left, expected.left) << c.dpi;
      EXPECT_EQ(got.top, expected.top) << c.dpi;
      EXPECT_EQ(got.width, expected.width) << c.dpi;
      EXPECT_EQ(got.height, expected.height) << c.dpi;
    }
  }
}

TEST(EditorLayoutForDpi, KeepsEveryControlInsideWithEvenMarginsAtEveryScale) {
  for (int dpi = 72; dpi <= 480; ++dpi) {
    const ScaledEditorLayout layout = EditorLayoutForDpi(dpi);
    const ScaledControl& list = Find(layout, EditorControl::PathList);
    const ScaledControl& close = Find(layout, EditorControl::CloseButton);
    for (const ScaledControl& c : layout.controls) {
      EXPECT_GE(c.left, 1) << dpi;
      EXPECT_GE(c.top, 1) << dpi;
      EXPECT_LT(c.left + c.width, layout.clientWidth) << dpi;
      EXPECT_LT(c.top + c.height, layout.clientHeight) << dpi;
    }
    // The list and the Close button end where the margin begins; the margins are even.
    EXPECT_EQ(list.left + list.width, close.left + close.width) << dpi;
    EXPECT_EQ(layout.clientWidth - (close.left + close.width), list.left) << dpi;
    EXPECT_EQ(layout.clientHeight - (close.top + close.height), Find(layout, EditorControl::PathLabel).top)
        << dpi;
  }
}

}  // namespace
}  // namespace dm

namespace dm {
namespace {

TEST(EditorLayoutForDpi, WidensThePathLabelToItsText) {
  struct Case {
    int dpi, textWidth, labelWidth;
  };
  // "&Path:" is laid out 375 twips wide: 25 pixels at 96 dpi, 50 at 192.
  const Case cases[] = {{96, 0, 25}, {96, 24, 25}, {96, 27, 27}, {192, 50, 50}, {192, 54, 54}, {120, 35, 35}};
  for (const Case& c : cases) {
    const ScaledEditorLayout layout = EditorLayoutForDpi(c.dpi, c.textWidth);
    EXPECT_EQ(Find(layout, EditorControl::PathLabel).width, c.labelWidth) << c.dpi << " " << c.textWidth;
    EXPECT_EQ(layout.clientWidth, EditorLayoutForDpi(c.dpi).clientWidth) << c.dpi;
  }
}

}  // namespace
}  // namespace dm
