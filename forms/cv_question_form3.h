#pragma once
// The question whether to save the changes before the program ends.

#include "forms/cv_question_form.h"

class TQuestionForm3 : public TSaveQuestionForm {
 public:
  void AnswerYes() override;
  void AnswerNo() override;
};

extern TOwned<TQuestionForm3> QuestionForm3;
