#include "vc/vc_app.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/files.h"
#include "platform/platform.h"
#include "platform/vk.h"
#include "rastrix/rastrix.h"
#include "vc/vc_base.h"
#include "vc/vc_container.h"
#include "vc/vc_form.h"
#include "vc/vc_menu_item.h"

namespace {

TExitHook exitHook = nullptr;

[[noreturn]] void EndProcess(int status) {
  if (exitHook != nullptr) exitHook(status);
  std::exit(status);
}

bool Usable(const TVisualComponent& c) { return c.Enable && c.Visible && !c.UnEnableAncestor && !c.InvisibleAncestor; }

// Brings a form to the top, makes it active and gives the focus to its first
// focusable component.
void Reactivate(TForm& form) {
  form.Replace_To_The_Top();
  form.PositionOfFocusedComponent = 0;
  Toolkit().Focused = form.FocusableComponents.empty() ? nullptr : form.FocusableComponents[0];
  form.OnShow();
}

bool Contains(const TVisualComponent& c, int32_t x, int32_t y) {
  const TViewport& v = c.RealComponentViewport;
  return c.Visible && x >= v.X1 && x <= v.X2 && y >= v.Y1 && y <= v.Y2;
}

// The deepest shown component at (x, y) in c, topmost child first. A
// container is only a frame for its children: where none of them lies, the
// point belongs to whatever is below it, as its clicks do.
TVisualComponent* ComponentAt(TVisualComponent& c, int32_t x, int32_t y) {
  if (!Contains(c, x, y)) return nullptr;
  for (std::size_t i = c.RegisteredComponents.size(); i-- > 0;) {
    TVisualComponent* child = Deref(c.RegisteredComponents[i]);
    if (child == nullptr) continue;
    if (TVisualComponent* hit = ComponentAt(*child, x, y)) return hit;
  }
  return dynamic_cast<TContainer*>(&c) != nullptr ? nullptr : &c;
}

// The wheel goes to the component under the pointer, or the nearest of its
// mothers that can use it, in the topmost form there; never below a shown
// modal form.
void DispatchWheel(int32_t notches) {
  int32_t x = 0;
  int32_t y = 0;
  platform::Current().GetCursorPos(x, y);
  for (std::size_t i = Toolkit().OpenedWindows.size(); i-- > 0;) {
    TForm* form = DerefAs<TForm>(Toolkit().OpenedWindows[i]);
    if (form == nullptr || !form->Visible) continue;
    if (Contains(*form, x, y) && form->Enable) {
      for (TVisualComponent* c = ComponentAt(*form, x, y); c != nullptr; c = c->Mother())
        if (c->Enable && c->MouseWheel(notches)) return;
      return;
    }
    if (form->GetShowType() == ST_Modal) return;
  }
}

// Escape cancels the topmost shown form; the desktop's own form at the
// bottom is never a dialog to cancel.
void CancelTopmostForm() {
  for (std::size_t i = Toolkit().OpenedWindows.size(); i-- > 0;) {
    TForm* form = DerefAs<TForm>(Toolkit().OpenedWindows[i]);
    if (form == nullptr || !form->Visible) continue;
    if (form->Enable && form->PositionType != PT_Always_On_The_Bottom) form->CancelByEscape();
    return;
  }
}

}  // namespace

void SetExitHook(TExitHook Hook) { exitHook = Hook; }

void TApplication::Create(const char* ApplicationName) {
  RenewToolkit();
  Finish = false;
  ClearingVirtualScreen = true;
  Toolkit().DoubleClickTime = static_cast<int32_t>(platform::Current().DoubleClickTime());
  InitRastrix(ApplicationName);
  Toolkit().MouseCursor = MC_Arrow;
  default_font_ = new TFont();
  LoadedFonts.push_back(default_font_);
  uint8_t result = 0;
  constexpr std::string_view kDefaultFont = "Fonts\\Tahoma_10pt_normal.fnt";
  LoadFNTFont(kDefaultFont, *default_font_, result);
  if (result != 0) {
    // Every title is drawn with it, so nothing could be shown: say so where
    // the user who started the program can see it, and fail.
    std::fprintf(stderr, "%s: Predvolené písmo \"%s\" chýba alebo je poškodené (kód %u).\n", ApplicationName,
                 platform::NativePath(kDefaultFont).c_str(), unsigned{result});
    Release(this);
    EndProcess(1);
  }
  OnCreate();
}

void TApplication::Run() {
  Prologue();
  do {
    RunFrame();
  } while (!Finish);
  Epilogue();
}

void TApplication::RunFrame() {
  OnStartCycle();

  Toolkit().Changed = false;
  bool modal = false;
  Toolkit().CanControl = true;
  Toolkit().Link = L_No_Response;

  ScanKeys();
  CheckKeyboardInput();
  if (platform::Current().TakeCloseRequest()) OnCloseRequest();
  // Before the forms' checks, so that what scrolls is drawn scrolled now.
  if (const int notches = platform::Current().TakeWheelNotches(); notches != 0) DispatchWheel(notches);

  if (!Toolkit().KeyboardKeysNew[vk::LBUTTON]) Toolkit().ChangedActiveComponent = false;

  // Open submenus take the input before every form; an Escape that closed
  // one (it takes the focus away) is spent.
  const PComponentBase focused_before_menus = Toolkit().Focused;
  MenuCheckPass(P_Input);
  if (KeyPressed(vk::ESCAPE) && Toolkit().Focused == focused_before_menus) CancelTopmostForm();

  // Form input pass, topmost first, stopping below a visible modal form. A
  // form's Check may reorder the list (click to front, or a button showing a
  // modal form from lower down, which moves the forms above it down a place),
  // so every step reads the entry afresh and never runs past the end, and the
  // stop looks at the list as it is now: at the entry checked last and at
  // everything above it. Otherwise the opener would be checked again and the
  // forms below the new modal form would get input.
  for (std::size_t i = Toolkit().OpenedWindows.size(); i-- > 0 && !modal;) {
    if (i >= Toolkit().OpenedWindows.size()) continue;
    TForm* form = DerefAs<TForm>(Toolkit().OpenedWindows[i]);
    if (form == nullptr) continue;
    form->Check();
    for (std::size_t j = i; j < Toolkit().OpenedWindows.size() && !modal; ++j) {
      const TForm* entry = DerefAs<TForm>(Toolkit().OpenedWindows[j]);
      modal = entry != nullptr && entry->GetShowType() == ST_Modal && entry->Visible;
    }
  }

  // Submenus follow forms that have just moved.
  MenuCheckPass(P_Position);

  if (Toolkit().Link == L_Hover && Toolkit().MouseCursor != MC_Hand) {
    platform::Current().SetCursorShape(platform::CursorShape::Hand);
    Toolkit().MouseCursor = MC_Hand;
  } else if (Toolkit().Link == L_Leaved && Toolkit().MouseCursor != MC_Arrow) {
    platform::Current().SetCursorShape(platform::CursorShape::Arrow);
    Toolkit().MouseCursor = MC_Arrow;
  }

  if (ClearingVirtualScreen) ClearVirtualScreen();

  for (std::size_t i = 0; i < Toolkit().OpenedWindows.size(); ++i) {
    TForm* form = DerefAs<TForm>(Toolkit().OpenedWindows[i]);
    if (form != nullptr && form->Visible) form->Draw();
  }

  // Open menus lie above every form.
  MenuDrawPass();

  // A held key or button repeats or drags by the clock: no rest then.
  bool held = false;
  for (int k = 1; k <= 255; ++k) held = held || Toolkit().KeyboardKeysNew[k];
  const uint32_t rest = TakeNextRedraw();
  platform::Current().SetIdleWait(held ? 0 : rest);
  Flip();
  OnEndCycle();
}

void TApplication::ScanKeys() {
  for (int k = 1; k <= 255; ++k) Toolkit().KeyboardKeysOld[k] = Toolkit().KeyboardKeysNew[k];
  platform::Backend& host = platform::Current();
  for (int k = 1; k <= 255; ++k) Toolkit().KeyboardKeysNew[k] = host.KeyDown(k);
  // Taken every frame, so that what was typed while no field had the focus
  // is not typed into the next one to get it.
  Toolkit().TextFromSystem = host.TypesText();
  host.TakeTypedText(Toolkit().TypedText);
}

void TApplication::CheckKeyboardInput() {
  if (KeyPressed(vk::TAB) && !Toolkit().OpenedWindows.empty()) {
    TVisualComponent* form = Deref(Toolkit().ActiveForm);
    if (form != nullptr && !form->FocusableComponents.empty()) {
      const std::size_t count = form->FocusableComponents.size();
      std::size_t pos = form->PositionOfFocusedComponent < count ? form->PositionOfFocusedComponent : 0;
      const std::size_t start = pos;
      do {
        pos = (pos + 1) % count;
        const TVisualComponent* c = Deref(form->FocusableComponents[pos]);
        if (c != nullptr && Usable(*c)) break;
      } while (pos != start);
      form->PositionOfFocusedComponent = static_cast<uint32_t>(pos);
      Toolkit().Focused = form->FocusableComponents[pos];
    }
  }

  if (Toolkit().AllForms.empty()) return;

  if (KeyIsDown(vk::CONTROL) && KeyPressed(vk::SHIFT)) {
    const std::size_t count = Toolkit().AllForms.size();
    std::size_t start = count;
    for (std::size_t i = 0; i < count; ++i)
      if (Toolkit().AllForms[i] == Toolkit().ActiveForm) start = i;
    if (start == count) {
      // No active form in the list: the first usable form in creation order.
      for (PComponentBase entry : Toolkit().AllForms) {
        TForm* f = DerefAs<TForm>(entry);
        if (f != nullptr && f->Enable && f->Visible) {
          Reactivate(*f);
          break;
        }
      }
    } else {
      std::size_t i = start;
      TForm* next = nullptr;
      do {
        i = (i + 1) % count;
        TForm* f = DerefAs<TForm>(Toolkit().AllForms[i]);
        if (i == start || (f != nullptr && f->Enable && f->Visible)) next = f;
      } while (next == nullptr && i != start);
      if (next != nullptr) Reactivate(*next);
    }
  }

  const TVisualComponent* active = Deref(Toolkit().ActiveForm);
  if (active != nullptr && active->Visible && active->Enable) return;
  for (std::size_t i = Toolkit().OpenedWindows.size(); i-- > 0;) {
    TForm* f = DerefAs<TForm>(Toolkit().OpenedWindows[i]);
    if (f != nullptr && f->Enable && f->Visible) {
      Reactivate(*f);
      break;
    }
  }
}

void TApplication::Free() {
  Release(this);
  EndProcess(0);
}

void TApplication::Release(TApplication* App) {
  App->OnFree();
  while (!Toolkit().OpenedWindows.empty()) {
    TVisualComponent* form = Deref(Toolkit().OpenedWindows.back());
    if (form != nullptr) form->Free();  // removes itself from the list
    else Toolkit().OpenedWindows.pop_back();
  }
  delete App->default_font_;  // a font leaves LoadedFonts as it goes
  LoadedFonts.clear();
  delete App;
  CloseRastrix();
  RenewToolkit();
}
