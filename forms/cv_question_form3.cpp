#include "forms/cv_question_form3.h"

#include "catalogue/cv_globals.h"

TOwned<TQuestionForm3> QuestionForm3;

void TQuestionForm3::AnswerYes() {
  Hide();
  // A failed save has been reported; the program stays, so the changes can
  // still be saved elsewhere.
  if (SaveDatabase()) Terminate = true;
}

void TQuestionForm3::AnswerNo() {
  Terminate = true;
  Hide();
}
