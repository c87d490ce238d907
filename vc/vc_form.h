#pragma once
// Forms: the top-level windows of the program, with a bevelled frame, a
// gradient title bar carrying an icon, a title and three buttons (minimise,
// maximise/restore, close), a drop shadow and a canvas. Every form lives in the
// z-ordered list OpenedWindows from creation until it is freed, shown or not.

#include <cstdint>
#include <string>
#include <string_view>

#include "rastrix/bmp.h"
#include "vc/vc_base.h"
#include "vc/vc_button.h"

enum TPositionType : uint8_t { PT_Normal, PT_Always_On_The_Top, PT_Always_On_The_Bottom };
enum TShowType : uint8_t { ST_Unmodal, ST_Modal };
enum TFormStyle : uint8_t { FS_Classic };

// The title-bar buttons. They sit in the title bar, outside their form's
// canvas, so while they are checked and drawn the form's outer rectangle
// stands in for its canvas.
class TExitButton : public TButton {
 public:
  bool Close = false;  // clicked; the form consumes it

  void OnDraw() override;
  void Draw() override;
  void Check() override;
};

class TMinimizeButton : public TButton {
 public:
  bool Minimized = false;

  void OnDraw() override;
  void Draw() override;
  void Check() override;
};

class TMaximizeButton : public TButton {
 public:
  bool Maximized = false;      // the form shows at its maximum size
  bool ChangedStatus = false;  // toggled; the form consumes it

  void OnDraw() override;
  void Draw() override;
  void Check() override;
};

class TForm : public TVisualComponent {
 public:
  TPositionType PositionType = PT_Normal;
  TShowType ShowType = ST_Unmodal;
  TFormStyle FormStyle = FS_Classic;
  uint32_t MaxWidth = 0;
  uint32_t MaxHeight = 0;
  TPoint MovePos;  // cursor at the last drag step
  TOwned<TExitButton> ExitButton;
  TOwned<TMinimizeButton> MinimizeButton;
  TOwned<TMaximizeButton> MaximizeButton;
  uint32_t Position = 0;  // index in OpenedWindows
  TPicture Icon;
  bool IsExitButton = false;
  bool IsMinimizeButton = false;
  bool IsMaximizeButton = false;
  TPicture Texture;
  bool CenterY = false;
  bool CenterX = false;
  std::string Title;  // Windows-1250
  bool Close = false;  // a close request is pending; OnCloseQuery may refuse it
  bool Minimized = false;
  bool PMove = false;  // the title bar is being dragged
  PComponentBase FocusBeforeModal = nullptr;  // the focus when shown modally
  // What Escape clicks when this form is the topmost one (a dialog's Cancel);
  // without it Escape closes the form as its close button does.
  PComponentBase EscapeButton = nullptr;

  // Creates the form hidden, places it in the z-order by its position type
  // and makes it the parent and focus-list owner of what is created next.
  void CreateComponent(PComponentBase Adress_, TPositionType PositionType_, TFormStyle FormStyle_,
                       std::string_view Title_, uint32_t Width_, uint32_t Height_);

  void Free() override;
  void DimensionChange() override;
  void Draw() override;
  void Check() override;

  virtual void FormMove() {}
  virtual void OnCloseQuery() {}
  virtual void OnFormMove() {}
  virtual void OnShow() {}
  virtual void OnHide() {}

  // A modal form remembers which component had the focus when it was shown
  // and gives it back when it hides, if that component can still take it:
  // closing a message goes on where the user was.
  void Show(TShowType ShowType_);
  void Hide();
  void Add_To_List();
  void Remove_From_List();
  void Replace_To_The_Top();
  TShowType GetShowType() const { return ShowType; }

  // The close procedure of the close button and the icon double-click: ask
  // OnCloseQuery, then hide unless it refused.
  void CloseByUser();
  // Escape on the topmost form: EscapeButton's click, or CloseByUser when the
  // form has a close button. Never anything that confirms.
  void CancelByEscape();

  // The canvas size the geometry uses: the maximum size while maximised.
  uint32_t ShownWidth() const;
  uint32_t ShownHeight() const;

 private:
  void GiveBackFocus();
};

// The centred position of a form edge: round((screen - size - frame) / 2),
// halfway cases to the even neighbour.
int32_t CenteredFormPos(int32_t Screen, int64_t Size, int32_t Frame);
