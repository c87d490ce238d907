#include "catalogue/cv_catalogue.h"

#include <memory>

namespace {

// What the catalogues before the present one reached. Views remember revisions
// they have seen, so the counters of a new catalogue never go back.
uint32_t g_last_revision = 0;
uint32_t g_last_saves = 0;

std::unique_ptr<TCatalogue> g_catalogue;

}  // namespace

TCatalogue::TCatalogue() : Revision(g_last_revision + 1), Replaced(Revision), Saves(g_last_saves) {}

TCatalogue::~TCatalogue() {
  g_last_revision = Revision;
  g_last_saves = Saves;
}

TCatalogue& Catalogue() {
  if (!g_catalogue) g_catalogue = std::make_unique<TCatalogue>();
  return *g_catalogue;
}

void RenewCatalogue() {
  // The old one goes first: the new one's counters start from its last ones.
  g_catalogue.reset();
  g_catalogue = std::make_unique<TCatalogue>();
}
