#pragma once
// The list of the loaded records, sorted and searched.

#include "catalogue/cv_database_watch.h"
#include "catalogue/cv_globals.h"
#include "vc/vc_form.h"

class TListForm : public TForm {
 public:
  // Rebuild the contents from the loaded database at the next check: due
  // after every change of the records.
  TRefreshFlag Refresh{TDatabaseChange::AnyChange};
  void OnCreate() override;
  void OnFree() override;
};

extern TOwned<TListForm> ListForm;

// The records the list shows: the same sequence as Nebulas without a search,
// otherwise copies of the matching records in Nebulas order. Its copies share
// the records' thumbnails, so the list rebuilds it whenever DatabaseRevision
// has moved on.
extern TNebulas Nebulas2;
// The list's current sort column header.
extern TComponentBase* ActivePropertyButton;
