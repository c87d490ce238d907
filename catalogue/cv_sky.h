#pragma once
// Where the catalogue's nebulae stand on the sky: degree trigonometry, the
// conversion of right ascension and declination into azimuth and elevation,
// and the offset of a sky position from the centre of a round map of a given
// size. Where that map lies on the screen belongs to the observatory's view
// (forms/cv_sky_map).

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

// Horizontal coordinates (azimuth from the north through the east, elevation)
// of an object at RA hours, Decl degrees for the UTC instant Date and an
// observer at Longit (east positive), Lat degrees. Precession, nutation and
// refraction are ignored.
void RaToAzim(double RA, double Decl, const TNormalDate& Date, double Longit, double Lat, double& Azimut,
              double& Elevacia);

// The steps of RaToAzim, for callers that place many objects at one instant
// and place: the local sidereal angle (degrees, 0 up to 360) of the UTC
// instant at longitude Longit, the hour angle of RA hours at it, and the
// elevation and azimuth at that hour angle. Composed they give exactly what
// RaToAzim gives.
double SiderealAngle(const TNormalDate& Date, double Longit);
double HourAngle(double LST, double RA);
double HourAngleElevation(double HA, double Decl, double Lat);
double HourAngleAzimuth(double HA, double Decl, double Lat);
// The same with the sine and cosine of the declination and the latitude
// computed once by the caller; the results are identical to the last bit.
struct TSkyAngle {
  double Sin;
  double Cos;
};
TSkyAngle SkyAngle(double X);
double HourAngleElevation(double HA, const TSkyAngle& Decl, const TSkyAngle& Lat);
double HourAngleAzimuth(double HA, const TSkyAngle& Decl, const TSkyAngle& Lat);

// Offset of a map point from the map centre, Y pointing up, for a map of the
// given diameter (the horizon on its rim, the zenith in its centre).
void PositionOnSky(double Azimut, double Elevacia, int32_t Priemer, double& X, double& Y);
