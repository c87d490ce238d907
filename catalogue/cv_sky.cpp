#include "catalogue/cv_sky.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kRad = std::numbers::pi / 180.0;

// Brings an angle into [0, 360) exactly as repeatedly adding 360 while it is
// not positive and then subtracting 360 while it is 360 or more would: those
// steps are exact for doubles, so fmod gives the same value without a loop
// that could run for ever on a huge or infinite angle.
double ReduceAngle(double a) {
  if (!std::isfinite(a)) return a;
  if (a <= 0) a = std::fmod(a, 360.0) + 360.0;
  if (a >= 360) a = std::fmod(a, 360.0);
  return a;
}

}  // namespace

double DSin(double X) { return std::sin(X * kRad); }
double DCos(double X) { return std::cos(X * kRad); }
double DTan(double X) { return std::sin(X * kRad) / std::cos(X * kRad); }
double DATan(double X) { return std::atan(X) / kRad; }

double DASin(double X) {
  if (X >= 1) return 90;
  if (X <= -1) return -90;
  return DATan(X / std::sqrt(1 - X * X));
}

double DATan2(double Y, double X) {
  if (X == 0 && Y == 0) return 0;
  if (X == 0) X = 0.00001;
  double a = DATan(Y / X);
  if (X < 0) a += 180;
  if (Y < 0 && X > 0) a += 360;
  return a;
}

double SiderealAngle(const TNormalDate& Date, double Longit) {
  const double d = NormalDateToDiffDate(Date);
  const double dj2000 = d / 1440 - 0.5;
  const double ut = (Date.Minute / 60.0 + Date.Hour) * 15;
  return ReduceAngle(dj2000 * 0.985647 + 100.46 + Longit + ut);
}

TSkyAngle SkyAngle(double X) { return {DSin(X), DCos(X)}; }

double HourAngleElevation(double HA, const TSkyAngle& Decl, const TSkyAngle& Lat) {
  return DASin(Decl.Sin * Lat.Sin + Decl.Cos * Lat.Cos * DCos(HA));
}

double HourAngleAzimuth(double HA, const TSkyAngle& Decl, const TSkyAngle& Lat) {
  // Sine over cosine of the same angle: exactly what DTan gives.
  double azimut = DATan2(DSin(HA), DCos(HA) * Lat.Sin - Decl.Sin / Decl.Cos * Lat.Cos) + 180;
  if (azimut >= 360) azimut -= 360;
  return azimut;
}

double HourAngleElevation(double HA, double Decl, double Lat) {
  return HourAngleElevation(HA, SkyAngle(Decl), SkyAngle(Lat));
}

double HourAngleAzimuth(double HA, double Decl, double Lat) {
  return HourAngleAzimuth(HA, SkyAngle(Decl), SkyAngle(Lat));
}

double HourAngle(double LST, double RA) { return ReduceAngle(LST - RA * 15); }

void RaToAzim(double RA, double Decl, const TNormalDate& Date, double Longit, double Lat, double& Azimut,
              double& Elevacia) {
  const double ha = HourAngle(SiderealAngle(Date, Longit), RA);
  Elevacia = HourAngleElevation(ha, Decl, Lat);
  Azimut = HourAngleAzimuth(ha, Decl, Lat);
}

void PositionOnSky(double Azimut, double Elevacia, int32_t Priemer, double& X, double& Y) {
  const double r = (90 - Elevacia) / 90 * (Priemer / 2.0);
  const double omega = 360 - Azimut - 90;
  X = DCos(omega) * r;
  Y = DSin(omega) * r;
}
