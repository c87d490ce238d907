#pragma once
// What the encyclopedia and the help book share: a page of fixed text,
// pictures and links on paper-coloured ground, described by a table, and the
// link that turns the book to another page.
//
// Positions on a page are given in lines of the book: line k lies k line
// sizes below the page's top, so the text scrolls with the book's scroll bar.
// The links are components (children of the page) placed in pixels from the
// height H of font 0; the book moves them when it scrolls.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "rastrix/bmp.h"
#include "vc/vc_book.h"
#include "vc/vc_label.h"

// The paper colour of every page and link.
inline constexpr TColor PAPER_COLOR{194, 210, 212, 0};

// Paragraph widths: the full page, and beside a picture.
inline constexpr int32_t FULL_TEXT_WIDTH = 443;
inline constexpr int32_t SIDE_TEXT_WIDTH = 228;
// Left edge of every text, and of a picture standing beside a paragraph.
inline constexpr int32_t TEXT_X = 10;
inline constexpr int32_t SIDE_PICTURE_X = 253;

enum TBlockKind : uint8_t {
  BK_Text,        // a paragraph in the page's font, black
  BK_Bold,        // a paragraph in bold (font 2), black: the help's questions
  BK_SubHeading,  // one line in bold in the heading colour
  BK_Picture,     // a picture at X with its caption under it (font 4)
};

struct TPageBlock {
  TBlockKind Kind = BK_Text;
  int32_t Line = 0;                 // the line it starts on
  int32_t Dy = 0;                   // pixels below that line, to clear a link standing above it
  std::string_view Text;            // paragraph text, or the picture's file name
  int32_t Width = FULL_TEXT_WIDTH;  // paragraphs: wrapping width; pictures: X
  std::string_view Caption = {};
};

struct TPageLink {
  std::string_view Title;
  int32_t Href = 0;
  // The link stands at Y = HTimes x H + Plus, at X = 20 (index and back
  // links) or at the start of its text line (links inside running text).
  int32_t HTimes = 0;
  int32_t Plus = 0;
  bool InText = false;
  // The line size the book gets on a click: H + LineSizePlus.
  int32_t LineSizePlus = 0;
};

struct TPageContent {
  std::string_view Heading;
  int32_t NumOfLines = 1;
  std::span<const TPageBlock> Blocks;
  std::span<const TPageLink> Links;
};

// The pixel height H of font 0 on which links and line sizes are built.
int32_t BookFontHeight();
// Font 0, the font of the books' pages (null before the fonts are loaded).
TFont* BookFont();
// Where a link of the table stands on its page's canvas.
int32_t LinkX(const TPageLink& L);
int32_t LinkY(const TPageLink& L, int32_t H);

class TBookLink : public TLabel {
 public:
  int32_t Href = 0;                     // the page to show when clicked
  int32_t Href_Line_Size = 0;           // the line size to set when clicked
  PComponentBase TargetBook = nullptr;  // the slot of the book it turns

  void OnCreate() override;
  void OnDraw() override;
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
  void MouseArrive(int32_t X, int32_t Y) override;
  void MouseLeave(int32_t X, int32_t Y) override;
};

class TBookPageTemplate : public TBookPage {
 public:
  explicit TBookPageTemplate(const TPageContent& Content) : Content_(Content) {}

  // The book the page's links turn; set before CreateComponent.
  PComponentBase TargetBook = nullptr;

  const TPageContent& Content() const { return Content_; }
  // The most links a page holds (the encyclopedia's contents).
  static constexpr std::size_t MAX_LINKS = 9;
  // Link I of the table (after creation).
  TBookLink* LinkAt(std::size_t I) const { return I < Links_.size() ? Links_[I].Get() : nullptr; }

  void OnCreate() override;
  void OnDraw() override;
  void OnFree() override;

 private:
  const TPageContent& Content_;
  std::array<TOwned<TBookLink>, MAX_LINKS> Links_;
  std::vector<TPicture> Pictures_;  // one per picture block, in table order
};

// The rectangle a block or a link takes on its page, in pixels from the top
// left of the canvas, for line size LineSize and font height H; texts are
// measured wrapped in their fonts. For the content checks.
struct TPageArea {
  int32_t X1, Y1, X2, Y2;
};
std::vector<TPageArea> PageAreas(const TPageContent& Content, int32_t LineSize, int32_t H);
