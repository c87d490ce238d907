#include "forms/cv_question_form3.h"

TOwned<TQuestionForm3> QuestionForm3;
