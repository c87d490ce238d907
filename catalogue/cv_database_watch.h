#pragma once
// How a view learns that the loaded database has changed: nobody tells it;
// it remembers the revision it last rebuilt from and compares. A list of
// records reacts to every change, the header's editor and the views of one
// record only to a replacement of the whole database (load or new).

#include <cstdint>

#include "catalogue/cv_globals.h"

enum class TDatabaseChange : uint8_t {
  AnyChange,    // records replaced, added, removed or revised, thumbnails released
  Replacement,  // a load or a new database
};

class TDatabaseWatch {
 public:
  explicit TDatabaseWatch(TDatabaseChange Kind) : kind_(Kind), seen_(Catalogue().Revision) {}

  // Whether a change of the watched kind happened since the last Seen.
  bool Changed() const {
    const uint32_t since_seen = Catalogue().Revision - seen_;
    if (kind_ == TDatabaseChange::AnyChange) return since_seen != 0;
    // Counted backwards from now, the replacement is more recent than the visit.
    return Catalogue().Revision - Catalogue().Replaced < since_seen;
  }
  // The view is up to date with the database as it is now.
  void Seen() { seen_ = Catalogue().Revision; }

 private:
  TDatabaseChange kind_;
  uint32_t seen_;
};

// A view's "rebuild at the next check" flag: true when the view asked for it
// itself (Refresh = true) or when the watched kind of change has happened
// since it last rebuilt (Refresh = false).
class TRefreshFlag {
 public:
  explicit TRefreshFlag(TDatabaseChange Kind) : watch_(Kind) {}

  TRefreshFlag& operator=(bool Value) {
    requested_ = Value;
    if (!Value) watch_.Seen();
    return *this;
  }
  operator bool() const { return requested_ || watch_.Changed(); }

 private:
  TDatabaseWatch watch_;
  bool requested_ = false;
};
