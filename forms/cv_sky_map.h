#pragma once
// The observatory's round sky map: where it lies on the form's canvas, the
// sky position under a canvas pixel, and the list of nebulae above the
// horizon with their thumbnail rectangles, in drawing order.

#include <cstdint>
#include <vector>

#include "catalogue/cv_calendar.h"
#include "catalogue/cv_globals.h"
#include "catalogue/cv_sky.h"
#include "rastrix/display.h"

// The observatory's map: centre and horizon radius in canvas pixels.
inline constexpr int32_t SKY_CENTER = 220;
inline constexpr int32_t SKY_RADIUS = 200;

// The azimuth and elevation under the canvas pixel (PX, PY) of the map.
void SkyPointAt(int32_t PX, int32_t PY, double& MouseAz, double& MouseElev);

// A nebula above the horizon. The list refers to the records by position
// instead of copying them: it is rebuilt whenever the catalogue's Revision
// changes, so Record always designates the same record it was computed from.
struct TObservingNebula {
  int32_t Record = 0;       // position in the records the list was built from
  int32_t IndexOfItem = 0;  // the record's number, which keeps the focus across rebuilds
  TViewport SkyArea;        // the thumbnail's rectangle on the canvas
};
using TObservingNebulas = std::vector<TObservingNebula>;

// Rebuilds ObservingNebulas from the first Count records: every record at
// elevation 0 or above, in drawing order (top to bottom, then left to right,
// database order among equals). FocusedNebula is the index the keyboard focus
// was on (or -1) and FocusHeld tells whether the nebula list holds the focus;
// the result is the index of the same record (by number) in the new list, or
// -1 when it is gone. When it is -1 while FocusHeld, the caller moves the
// focus away (the observatory gives it to the day input). Records whose
// position cannot be computed (a non-finite coordinate) are left out. The
// list's storage is reused: once it has grown, a rebuild allocates nothing.
int32_t RecalculateNebulas(const TNebulas& Records, int32_t Count, const TNormalDate& UTCTime, double Latitude,
                           double Longitude, TObservingNebulas& ObservingNebulas, int32_t FocusedNebula,
                           bool FocusHeld);

// The rectangle of a thumbnail of W x H pixels centred on the map point at
// offset (X, Y) from the centre, Y pointing up.
TViewport ThumbnailArea(double X, double Y, int32_t W, int32_t H);
