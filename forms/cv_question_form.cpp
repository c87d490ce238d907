#include "forms/cv_question_form.h"

#include "catalogue/cv_database_workflow.h"
#include "catalogue/cv_globals.h"
#include "forms/cv_overwrite_form.h"
#include "platform/cp1250.h"

TOwned<TQuestionForm> QuestionForm;

std::string_view SaveQuestionText() { return "Uložiť zmeny do databázy: "_cp; }

void TSaveQuestionForm::OnDraw() {
  question_.assign(SaveQuestionText());
  question_.append(Catalogue().DatabaseInfo.NameOfDatabase.View());
  DrawQuestion(question_);
}

void TSaveQuestionForm::OnCloseQuery() { CancelPendingOperation(); }

void TSaveQuestionForm::OnYes() {
  Hide();
  ShowOverwriteQuestionFor(AnswerSaveQuestion(true));
}

void TSaveQuestionForm::OnNo() {
  Hide();
  AnswerSaveQuestion(false);
}
