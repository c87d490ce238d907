#pragma once
// The look the questions with three answers share (the recovery question at
// start, the question about a file changed on disk): the question mark, a
// few lines of text centred under it, and three picture buttons in a row.

#include <cassert>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/cv_dialog_form.h"

class TThreeAnswerForm : public TDialogForm {
 public:
  static constexpr uint32_t WIDTH = 380;
  static constexpr uint32_t HEIGHT = 200;

  TPicture Picture1;  // the question mark
  TColor TranColor;
  // The question, one entry a line; set when it is asked (SetLines), so that
  // drawing does not allocate.
  std::vector<std::string> Lines;

  // Sets the lines, each shortened from its start to fit the form ("..." in
  // front): the end of a long file name is the part that tells it apart.
  void SetLines(std::vector<std::string> Text);

  void OnCreate() override;
  void OnDraw() override;
  // Answer I (0 to 2, the buttons left to right) was chosen.
  virtual void OnAnswer(int32_t I) = 0;

 protected:
  // The buttons' places, left to right.
  static constexpr int32_t ANSWER_Y = 160;
  static constexpr int32_t ANSWER_X[3] = {30, 148, 266};
};

// Answer button I of a three-answer form, in the look TLook.
template <class TLook, int32_t I>
class TNthAnswerButton final : public TLook {
 public:
  void OnMouseLeftClick(int32_t, int32_t) override {
    auto* form = dynamic_cast<TThreeAnswerForm*>(&DialogOf(*this));
    assert(form != nullptr && "an answer button of three lies on a three-answer form");
    form->OnAnswer(I);
  }
};
