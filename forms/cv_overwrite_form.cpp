#include "forms/cv_overwrite_form.h"

#include <string>
#include <utility>
#include <vector>

#include "catalogue/cv_globals.h"
#include "forms/cv_save_as_form.h"
#include "platform/cp1250.h"

TOwned<TOverwriteForm> OverwriteForm;

void TOverwriteForm::OnAnswer(int32_t I) {
  static constexpr TOverwriteAnswer kAnswers[] = {TOverwriteAnswer::Overwrite, TOverwriteAnswer::SaveAs,
                                                  TOverwriteAnswer::Cancel};
  const TOverwriteAnswer answer = kAnswers[I];
  Hide();
  AnswerOverwriteQuestion(answer);
  if (answer == TOverwriteAnswer::SaveAs) SaveAsForm->Show(ST_Unmodal);
}

void TOverwriteForm::OnCreate() {
  TThreeAnswerForm::OnCreate();
  CreateDialogButton(OverwriteButton, ANSWER_X[0], ANSWER_Y);
  CreateDialogButton(SaveAsButton, ANSWER_X[1], ANSWER_Y);
  CreateDialogButton(CancelButton, ANSWER_X[2], ANSWER_Y);
}

void TOverwriteForm::OnShow() {
  PositionOfFocusedComponent = 3;
  // The safe answer has the focus: Enter alone destroys nothing.
  CancelButton->CatchFocus();
}

void TOverwriteForm::OnCloseQuery() { AnswerOverwriteQuestion(TOverwriteAnswer::Cancel); }

bool ShowOverwriteQuestionFor(TWorkflowStep Step) {
  if (Step != TWorkflowStep::AskToOverwrite) return false;
  const std::string_view file = Catalogue().DatabaseFile;
  TOverwriteForm& form = *OverwriteForm;
  std::string first = "Súbor \""_cps;
  first += file.substr(FolderOf(file).size());
  first += "\" sa na disku zmenil"_cp;
  std::vector<std::string> lines;
  lines.push_back(std::move(first));
  lines.emplace_back("(medzitým ho prepísal iný program)."_cp);
  lines.emplace_back("Prepísať ho, uložiť pod iným menom, alebo zrušiť?"_cp);
  form.SetLines(std::move(lines));
  form.Show(ST_Modal);
  return true;
}
