#pragma once
// The question whether to save the changes before the program ends.

#include "forms/cv_question_form.h"

class TQuestionForm3 : public TSaveQuestionForm {};

extern TOwned<TQuestionForm3> QuestionForm3;
