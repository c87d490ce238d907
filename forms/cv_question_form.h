#pragma once
// The questions whether to save the changes of the loaded database before it
// is replaced: before a new database is created (QuestionForm), before another
// one is opened (QuestionForm2, its own unit) and before the program ends
// (QuestionForm3, its own unit). They share their look and their answers: the
// operation waiting behind the question is the model's (cv_database_workflow),
// and each answer hands it back there.

#include <string>

#include "forms/cv_dialog_form.h"

class TSaveQuestionForm : public TQuestionMarkForm {
 public:
  void OnDraw() override;
  // Closing the question by its title bar answers neither: the operation
  // that waited for it is dropped and everything stays as it was.
  void OnCloseQuery() override;

  // The answers. Yes saves first; when the save fails the changes are still
  // only in memory, so nothing that would drop them is done.
  void OnYes() override;
  void OnNo() override;

  // The question as drawn in the last frame.
  const std::string& Question() const { return question_; }

 private:
  std::string question_;  // kept between frames so that drawing does not allocate
};

class TQuestionForm : public TSaveQuestionForm {};

extern TOwned<TQuestionForm> QuestionForm;

// The first words of every question; the database's name follows.
std::string_view SaveQuestionText();
