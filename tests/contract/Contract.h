// What the cases of the user-interface contract share: a fresh backend per case and small
// forms to try the layer on.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/contract/Driver.h"
#include "ui/ui.h"

namespace contract {

// Enough for every wait here; a step that takes longer has failed.
constexpr unsigned kLimitMs = 5000;

// A menu as the cases read it, one line per item.
using Lines = std::vector<std::string>;

class Contract : public ::testing::Test {
 protected:
  void SetUp() override { Begin(); }
  void TearDown() override { End(); }
};

inline ui::Rect At(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

inline ui::FormStyle DialogStyle(const std::string& className) {
  ui::FormStyle s;
  s.className = className;
  s.caption = className;
  s.bounds = At(100, 100, 420, 320);
  s.frame = ui::FormStyle::Frame::Dialog;
  s.font = ui::Font{"MS Sans Serif", 11, false, ui::clWindowText};
  return s;
}

// A form that counts its closes and its clicks where no control is.
class CountingForm : public ui::Form {
 public:
  explicit CountingForm(const std::string& className) : ui::Form(DialogStyle(className)) {}
  int closes = 0;
  int formClicks = 0;

 protected:
  void FormClose() override { ++closes; }
  void FormClick() override { ++formClicks; }
};

}  // namespace contract
