#pragma once
// Where the catalogue's nebulae stand on the sky: degree trigonometry, the
// apparent place of date of a J2000 position (precession, nutation, annual
// aberration) turned into azimuth and elevation with the apparent sidereal
// time, rise, culmination and set, and the offset of a sky position from the
// centre of a round map of a given size. Where that map lies on the screen
// belongs to the observatory's view (forms/cv_sky_map).
//
// The clock is UTC and is taken as UT1: the program has no table of the
// Earth's rotation, and the difference (under a second) moves an object by at
// most 14 arcseconds. Refraction is ignored: the horizon is the geometric one.

#include <cstdint>

#include "catalogue/cv_calendar.h"

double DSin(double X);
double DCos(double X);
double DTan(double X);
double DATan(double X);
// Arcsine in degrees; arguments at or beyond +-1 give +-90.
double DASin(double X);
// Direction of the vector (X, Y) in degrees, 0 up to 360; (0, 0) gives 0.
double DATan2(double Y, double X);

// Days (with the fraction) since 2000-01-01 12:00 UTC of a minute count.
double DaysFromJ2000(TDiffDate Minutes);

// The Earth's orientation at one moment, Days from DaysFromJ2000.
struct TEarthOrientation {
  double ToDate[3][3];  // J2000 axes to the true equator and equinox of date
  double Velocity[3];   // the Earth's orbital velocity over c, J2000 axes
  double Sidereal;      // apparent Greenwich sidereal angle, degrees, 0 up to 360
};
TEarthOrientation EarthOrientation(double Days);

// Apparent right ascension (hours, 0 up to 24) and declination of date of an
// object at J2000 RA hours, Decl degrees.
void ApparentPlace(const TEarthOrientation& Earth, double RA, double Decl, double& RAOfDate, double& DeclOfDate);

// Everything one instant and place share: a J2000 direction with the
// aberration added goes to the horizon in one turn. Computed once per moment,
// not per object.
struct TSkyMoment {
  double ToHorizon[3][3];  // rows: north, east, zenith
  double Velocity[3];
};
TSkyMoment SkyMoment(const TNormalDate& Date, double Longit, double Lat);

// Horizontal coordinates (azimuth from the north through the east, 0 up to
// 360; elevation) of an object at J2000 RA hours, Decl degrees. A
// non-finite coordinate gives a non-finite elevation.
void HorizonPosition(const TSkyMoment& Moment, double RA, double Decl, double& Azimut, double& Elevacia);

// The same for the UTC instant Date and an observer at Longit (east
// positive), Lat degrees.
void RaToAzim(double RA, double Decl, const TNormalDate& Date, double Longit, double Lat, double& Azimut,
              double& Elevacia);

// The first rise, upper culmination and set of an object in one local day
// (from local midnight, UTCDiff minutes ahead of UTC, for 24 hours), in
// minutes after that midnight. An object that never sets or never rises
// that day has no rise and set; its culmination is still given (for the one
// that never rises, below the horizon).
enum TRiseKind : uint8_t { RK_RisesAndSets, RK_NeverSets, RK_NeverRises };
struct TRiseSet {
  TRiseKind Kind = RK_RisesAndSets;
  double Rise = 0;
  double Culmination = 0;
  double Set = 0;
  double CulminationElevation = 0;
};
// False for a local day outside the calendar's years or a non-finite coordinate.
bool RiseCulminationSet(double RA, double Decl, int32_t Year, int32_t Month, int32_t Day, int32_t UTCDiff,
                        double Longit, double Lat, TRiseSet& Result);

// Offset of a map point from the map centre, Y pointing up, for a map of the
// given diameter (the horizon on its rim, the zenith in its centre).
void PositionOnSky(double Azimut, double Elevacia, int32_t Priemer, double& X, double& Y);
