#include "forms/cv_question_form2.h"

#include "catalogue/cv_globals.h"
#include "forms/cv_open_form.h"

TOwned<TQuestionForm2> QuestionForm2;

void TQuestionForm2::AnswerYes() {
  if (!SaveDatabase()) {
    Hide();
    return;
  }
  AnswerNo();
}

void TQuestionForm2::AnswerNo() {
  Hide();
  OpenPendingDatabase();
}
