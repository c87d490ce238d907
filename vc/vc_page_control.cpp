#include "vc/vc_page_control.h"

#include <algorithm>

#include "rastrix/fnt.h"
#include "vc/vc_button.h"

namespace {

uint32_t PixHeight(const TFont* font) { return font != nullptr ? font->PixHeight : 0; }
uint32_t TextLength(const TFont* font, std::string_view text) {
  return font != nullptr ? GetTextLength(*font, text) : 0;
}

int32_t IndexOf(const Array_Of_PComponentBase& list, PComponentBase entry) {
  const auto it = std::find(list.begin(), list.end(), entry);
  return it == list.end() ? -1 : static_cast<int32_t>(it - list.begin());
}

void Erase(Array_Of_PComponentBase& list, PComponentBase entry) {
  list.erase(std::remove(list.begin(), list.end(), entry), list.end());
}

}  // namespace

void TTablet::OnDraw() {
  if (Font == nullptr || Title.empty()) return;
  const TViewport& c = RealCanvasPos;
  const int64_t length = GetTextLength(*Font, Title);
  SetColor(TextColor.R, TextColor.G, TextColor.B, AlphaBlending);
  WriteText(c.X1 + HalfRounded(int64_t{c.X2} + 1 - c.X1 - length),
            c.Y1 + HalfRounded(int64_t{c.Y2} + 1 - c.Y1 - Font->PixHeight), *Font, Title);
}

void TPage::CreateComponent(PComponentBase Adress_) {
  RegisterComponent = false;
  CreatePanel(Adress_, false, PS_Classic, 0, 0, 0, 0);
  Borders = TBorders{true, true, true, true};
  OnCreate();
  Toolkit().ActualComponent = MotherComponent;
  Tablet = new TTablet();
  Tablet->RegisterComponent = false;
  Tablet->CreateComponent(&Tablet, true, PS_Classic, 0, 0, 0, 0);
  Tablet->Borders = TBorders{true, true, false, true};
}

void TPageControl::CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, uint32_t Width_,
                                   uint32_t Height_) {
  Font = LoadedFonts.empty() ? nullptr : LoadedFonts[0];
  TabletOverflow = static_cast<int32_t>(PixHeight(Font)) + 10 + 8 - 2;
  TContainer::CreateComponent(Adress_, X_, Y_ - TabletOverflow, Width_ + 8,
                              Height_ + 8 + static_cast<uint32_t>(TabletOverflow));
  FirstPage = 0;
  Pages.clear();
  AlphaBlending = 0;
  OnCreate();
  Toolkit().ActualComponent = MotherComponent;
}

TPage* TPageControl::PageAt(int32_t Index) const {
  if (Index < 0 || Index >= static_cast<int32_t>(Pages.size())) return nullptr;
  return DerefAs<TPage>(Pages[static_cast<std::size_t>(Index)].Page);
}

void TPageControl::SetWidth(int32_t Value) {
  Width = Value + 8;
  DimensionChange();
  OnDimensionChange();
}

void TPageControl::SetHeight(int32_t Value) {
  Height = Value + 8 + TabletOverflow;
  DimensionChange();
  OnDimensionChange();
}

void TPageControl::SetY(int32_t Value) {
  Y = Value - TabletOverflow;
  DimensionChange();
  OnDimensionChange();
}

void TPageControl::DimensionChange() {
  TabletOverflow = static_cast<int32_t>(PixHeight(Font)) + 16;
  int32_t xPos = 0;
  for (std::size_t i = 0; i < Pages.size(); ++i) {
    TPage* page = DerefAs<TPage>(Pages[i].Page);
    if (page == nullptr) continue;
    page->X = 0;
    page->Y = TabletOverflow;
    page->Width = std::max(Width - 8, 0);
    page->Height = std::max(Height - TabletOverflow - 8, 0);
    page->DimensionChange();
    page->OnDimensionChange();
    const auto length = static_cast<int32_t>(TextLength(Font, Pages[i].Title));
    if (TTablet* tab = page->Tablet.Get()) {
      tab->X = xPos;
      tab->Y = static_cast<int32_t>(i) == FirstPage ? 0 : 2;
      tab->Width = length + 16;
      tab->Height = static_cast<int32_t>(PixHeight(Font)) + 10;
      tab->DimensionChange();
      tab->OnDimensionChange();
    }
    xPos += length + 24;
  }
  TContainer::DimensionChange();
}

void TPageControl::Free() {
  // Tabs first: each lives in its page's slot.
  for (const TPageControlPage& entry : Pages) {
    TPage* page = DerefAs<TPage>(entry.Page);
    if (page != nullptr && page->Tablet) page->Tablet->Free();
  }
  Pages.clear();
  TContainer::Free();
}

void TPageControl::SetFont(TFont* Font_) {
  Font = Font_;
  for (const TPageControlPage& entry : Pages) {
    if (TPage* page = DerefAs<TPage>(entry.Page)) {
      page->SetFont(Font_);
      if (page->Tablet) page->Tablet->Font = Font_;
    }
  }
  DimensionChange();
  OnDimensionChange();
}

int32_t TPageControl::AddPage(PComponentBase Page, std::string_view Title) {
  TPage* page = DerefAs<TPage>(Page);
  assert(page != nullptr && page->Tablet && "a page control holds pages with their tabs");
  if (page == nullptr || !page->Tablet) return -1;
  TPageControlPage entry;
  entry.Page = Page;
  entry.Title = std::string(Title);
  page->Tablet->Title = entry.Title;
  page->Tablet->Font = Font;
  page->MotherComponent = Adress;
  page->Tablet->MotherComponent = Adress;
  RegisteredComponents.push_back(Page);
  RegisteredComponents.push_back(&page->Tablet);
  Pages.push_back(std::move(entry));
  Reindex();
  SetFirstPage(FirstPage);
  DimensionChange();
  OnDimensionChange();
  return static_cast<int32_t>(Pages.size()) - 1;
}

void TPageControl::Reindex() {
  for (TPageControlPage& entry : Pages) {
    TPage* page = DerefAs<TPage>(entry.Page);
    entry.PageIndex = IndexOf(RegisteredComponents, entry.Page);
    entry.TabletIndex = page != nullptr ? IndexOf(RegisteredComponents, &page->Tablet) : -1;
  }
}

void TPageControl::RemoveFromRegComp(int32_t Index) {
  TPage* page = PageAt(Index);
  if (page == nullptr) return;
  Erase(RegisteredComponents, Pages[static_cast<std::size_t>(Index)].Page);
  Erase(RegisteredComponents, &page->Tablet);
  Reindex();
}

void TPageControl::SetFirstPage(int32_t Index) {
  TPage* front = PageAt(Index);
  if (front == nullptr) return;
  FirstPage = Index;
  RemoveFromRegComp(Index);
  // Drawn last, on top; checked first.
  RegisteredComponents.push_back(Pages[static_cast<std::size_t>(Index)].Page);
  RegisteredComponents.push_back(&front->Tablet);
  Reindex();
  for (std::size_t i = 0; i < Pages.size(); ++i) {
    TPage* page = DerefAs<TPage>(Pages[i].Page);
    if (page == nullptr) continue;
    const bool shown = static_cast<int32_t>(i) == Index;
    for (PComponentBase child : page->RegisteredComponents) {
      if (TVisualComponent* c = Deref(child)) {
        c->Enable = shown;
        c->Visible = shown;
      }
    }
  }
  DimensionChange();
  OnDimensionChange();
}

void TPageControl::RemovePage(int32_t Index) {
  TPage* page = PageAt(Index);
  if (page == nullptr) return;
  RemoveFromRegComp(Index);
  Pages.erase(Pages.begin() + Index);
  page->Free();  // frees its tab with it
  Reindex();
  if (Pages.empty()) {
    FirstPage = 0;
  } else {
    if (FirstPage > Index || FirstPage >= static_cast<int32_t>(Pages.size())) FirstPage = std::max(FirstPage - 1, 0);
    SetFirstPage(FirstPage);
  }
  DimensionChange();
  OnDimensionChange();
}

void TPageControl::ChangeTitle(int32_t Index, std::string_view Title) {
  TPage* page = PageAt(Index);
  if (page == nullptr) return;
  Pages[static_cast<std::size_t>(Index)].Title = std::string(Title);
  if (page->Tablet) page->Tablet->Title = std::string(Title);
  DimensionChange();
  OnDimensionChange();
}

void TPageControl::Check() {
  TContainer::Check();
  if (SelfChanged) Toolkit().Changed = true;
  for (std::size_t i = 0; i < Pages.size(); ++i) {
    TPage* page = DerefAs<TPage>(Pages[i].Page);
    if (page == nullptr || !page->Tablet) continue;
    if (Toolkit().ActiveComponent == &page->Tablet && static_cast<int32_t>(i) != FirstPage) {
      SetFirstPage(static_cast<int32_t>(i));
      break;
    }
  }
}
