#pragma once
// Where the catalogue's nebulae stand on the sky: degree trigonometry, the
// conversion of right ascension and declination into azimuth and elevation,
// the projection onto the observatory's round map and back, and the list of
// nebulae above the horizon with their thumbnail rectangles.

#include <cstdint>
#include <vector>

#include "forms/cv_calendar.h"
#include "forms/cv_globals.h"
#include "rastrix/display.h"

double DSin(double X);
double DCos(double X);
double DTan(double X);
double DATan(double X);
// Arcsine in degrees; arguments at or beyond +-1 give +-90.
double DASin(double X);
// Direction of the vector (X, Y) in degrees, 0 up to 360; (0, 0) gives 0.
double DATan2(double Y, double X);

// Horizontal coordinates (azimuth from the north through the east, elevation)
// of an object at RA hours, Decl degrees for the UTC instant Date and an
// observer at Longit (east positive), Lat degrees. Precession, nutation and
// refraction are ignored.
void RaToAzim(double RA, double Decl, const TNormalDate& Date, double Longit, double Lat, double& Azimut,
              double& Elevacia);

// Offset of a map point from the map centre, Y pointing up, for a map of the
// given diameter (the horizon on its rim, the zenith in its centre).
void PositionOnSky(double Azimut, double Elevacia, int32_t Priemer, double& X, double& Y);

// The observatory's map: centre and horizon radius in canvas pixels.
inline constexpr int32_t SKY_CENTER = 220;
inline constexpr int32_t SKY_RADIUS = 200;

// The azimuth and elevation under the canvas pixel (PX, PY) of the map.
void SkyPointAt(int32_t PX, int32_t PY, double& MouseAz, double& MouseElev);

struct TObservingNebula {
  TNebula Data;        // a copy; its thumbnail's pixels belong to the database record
  TViewport SkyArea;   // the thumbnail's rectangle on the canvas
};
using TObservingNebulas = std::vector<TObservingNebula>;

// Rebuilds ObservingNebulas from the first Count records: every record at
// elevation 0 or above, in drawing order (top to bottom, then left to right,
// database order among equals). FocusedNebula is the index the keyboard focus
// was on (or -1) and FocusHeld tells whether the nebula list holds the focus;
// the result is the index of the same record (by number) in the new list, or
// -1 when it is gone. When it is -1 while FocusHeld, the caller moves the
// focus away (the observatory gives it to the day input). Records whose
// position cannot be computed (a non-finite coordinate) are left out.
int32_t RecalculateNebulas(const TNebulas& Records, int32_t Count, const TNormalDate& UTCTime, double Latitude,
                           double Longitude, TObservingNebulas& ObservingNebulas, int32_t FocusedNebula,
                           bool FocusHeld);
