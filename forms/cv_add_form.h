#pragma once
// Adds a record (AddForm) or revises one (ReviseForm): two instances of one class.

#include "vc/vc_form.h"

class TAddForm : public TForm {
 public:
  void OnCreate() override;
};

extern TOwned<TAddForm> AddForm;
extern TOwned<TAddForm> ReviseForm;
