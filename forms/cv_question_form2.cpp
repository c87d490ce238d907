#include "forms/cv_question_form2.h"

TOwned<TQuestionForm2> QuestionForm2;
