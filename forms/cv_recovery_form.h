#pragma once
// The question at start about what a previous run left behind (cv_recovery):
// open the recovered version, keep it for later, or delete it. The offers are
// asked one after another; once one has been opened the rest wait for the
// next start. When the questions are over, the start-up goes on.

#include <cstddef>
#include <vector>

#include "catalogue/cv_recovery.h"
#include "forms/cv_three_answer_form.h"

enum class TRecoveryAnswer : uint8_t { Open, Later, Delete };

class TRecoveryForm : public TThreeAnswerForm {
 public:
  TOwned<TNthAnswerButton<TOpenButton, 0>> OpenButton;
  TOwned<TNthAnswerButton<TLaterButton, 1>> LaterButton;
  TOwned<TNthAnswerButton<TRemoveButton, 2>> RemoveButton;

  // Called once the questions are over; Opened tells whether a recovered
  // version is now the loaded database.
  using TThen = void (*)(bool Opened);

  void OnCreate() override;
  void OnShow() override;
  // Open, later or delete, in the order of TRecoveryAnswer.
  void OnAnswer(int32_t I) override { Answer(static_cast<TRecoveryAnswer>(I)); }
  // Closing the question by its title bar keeps the copy for later.
  void OnCloseQuery() override;

  // Asks about each offer in turn (shown modally); without offers `Then`
  // runs at once.
  void Ask(std::vector<TRecoveryOffer> Offers, TThen Then);
  void Answer(TRecoveryAnswer A);
  // The offer being asked about, or null.
  const TRecoveryOffer* Current() const { return next_ < offers_.size() ? &offers_[next_] : nullptr; }

 private:
  void AskNext();

  std::vector<TRecoveryOffer> offers_;
  std::size_t next_ = 0;
  bool opened_ = false;
  TThen then_ = nullptr;
};

extern TOwned<TRecoveryForm> RecoveryForm;
