#pragma once
// The question whether to save the changes before another database is opened.

#include "forms/cv_question_form.h"

class TQuestionForm2 : public TSaveQuestionForm {};

extern TOwned<TQuestionForm2> QuestionForm2;
