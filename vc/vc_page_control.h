#pragma once
// The page control: pages with a row of tabs above them; pressing a tab (mouse
// or Enter) brings its page to the front, and the front tab stands 2 pixels
// higher. Pages are created unregistered and attached by hand:
//
//   Pages = new TPageControl();
//   Pages->CreateComponent(&Pages, 10, 40, 500, 300);   // page area from (10, 40)
//   ActualComponent = &Pages;
//   General = new TGeneralPage();                      // its OnCreate makes the content
//   General->CreateComponent(&General);
//   Pages->AddPage(&General, "Všeobecné");

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "vc/vc_container.h"
#include "vc/vc_hand_panel.h"
#include "vc/vc_panel.h"

// A tab: its own title, centred, over the panel's look.
class TTablet : public THandPanel {
 public:
  std::string Title;  // Windows-1250; hides the panel's title on purpose

  void OnDraw() override;
};

class TPage : public TPanel {
 public:
  TOwned<TTablet> Tablet;

  // A raised panel with all borders and its tab, both sized by the control
  // and registered with no parent until AddPage.
  void CreateComponent(PComponentBase Adress_);
};

struct TPageControlPage {
  PComponentBase Page = nullptr;
  std::string Title;
  int32_t PageIndex = 0;    // of the page in the control's RegisteredComponents
  int32_t TabletIndex = 0;  // of its tab there
};

class TPageControl : public TContainer {
 public:
  int32_t FirstPage = 0;  // the front page
  std::vector<TPageControlPage> Pages;
  int32_t TabletOverflow = 0;  // height of the tab row above the page area

  // (X, Y) is where the page area starts, Width x Height its size; the tabs
  // stand above it.
  void CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, uint32_t Width_, uint32_t Height_);

  // All three take the page area's values.
  void SetWidth(int32_t Value) override;
  void SetHeight(int32_t Value) override;
  void SetY(int32_t Value) override;
  void DimensionChange() override;
  void Free() override;
  void Check() override;
  void SetFont(TFont* Font_) override;

  // Attaches a page created with registration off; returns its index.
  int32_t AddPage(PComponentBase Page, std::string_view Title);
  // Detaches and frees page Index and its tab; the front page stays in front
  // where it can.
  void RemovePage(int32_t Index);
  void ChangeTitle(int32_t Index, std::string_view Title);
  // Brings a page and its tab to the front; out of range does nothing.
  void SetFirstPage(int32_t Index);
  int32_t GetFirstPage() const { return FirstPage; }
  // Takes page Index and its tab out of the child list, correcting the
  // others' positions there.
  void RemoveFromRegComp(int32_t Index);

 private:
  TPage* PageAt(int32_t Index) const;
  void Reindex();
};
