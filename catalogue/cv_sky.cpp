#include "catalogue/cv_sky.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kRad = std::numbers::pi / 180.0;
constexpr double kArcsec = kRad / 3600.0;
// Sidereal degrees per solar day, and the sidereal day in solar days.
constexpr double kSiderealRate = 360.98564736629;
constexpr double kSiderealDay = 360.0 / kSiderealRate;

using TMatrix = double[3][3];

void Product(const TMatrix& A, const TMatrix& B, TMatrix& Out) {
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) Out[r][c] = A[r][0] * B[0][c] + A[r][1] * B[1][c] + A[r][2] * B[2][c];
}

// Rotations of the axes by A radians about the first, second and third axis.
void Rotation(int Axis, double A, TMatrix& Out) {
  const double s = std::sin(A);
  const double c = std::cos(A);
  for (auto& row : Out) std::fill(row, row + 3, 0.0);
  const int i = (Axis + 1) % 3;
  const int j = (Axis + 2) % 3;
  Out[Axis][Axis] = 1;
  Out[i][i] = c;
  Out[j][j] = c;
  Out[i][j] = s;
  Out[j][i] = -s;
}

// Out := Rotation(Axis, A) * M.
void Rotate(int Axis, double A, TMatrix& M) {
  TMatrix r;
  TMatrix out;
  Rotation(Axis, A, r);
  Product(r, M, out);
  std::copy(&out[0][0], &out[0][0] + 9, &M[0][0]);
}

double Polynomial(double T, std::initializer_list<double> Coefficients) {
  double sum = 0;
  double power = 1;
  for (const double c : Coefficients) {
    sum += c * power;
    power *= T;
  }
  return sum;
}

double Wrap360(double A) {
  A = std::fmod(A, 360.0);
  return A < 0 ? A + 360 : A;
}

void Unit(double RA, double Decl, double V[3]) {
  const double a = RA * 15 * kRad;
  const double d = Decl * kRad;
  V[0] = std::cos(d) * std::cos(a);
  V[1] = std::cos(d) * std::sin(a);
  V[2] = std::sin(d);
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

double DaysFromJ2000(TDiffDate Minutes) { return Minutes / 1440.0 - 0.5; }

TEarthOrientation EarthOrientation(double Days) {
  // Julian centuries; the minute that separates TT from UTC moves nothing
  // at this precision.
  const double t = Days / 36525;

  // Precession (IAU 2006): mean equator and equinox of J2000 to those of date.
  const double zeta = Polynomial(t, {2.650545, 2306.083227, 0.2988499, 0.01801828, -0.000005971, -0.0000003173});
  const double z = Polynomial(t, {-2.650545, 2306.077181, 1.0927348, 0.01826837, -0.000028596, -0.0000002904});
  const double theta = Polynomial(t, {0, 2004.191903, -0.4294934, -0.04182264, -0.000007089, -0.0000001274});
  const double obliquity =
      Polynomial(t, {84381.406, -46.836769, -0.0001831, 0.00200340, -0.000000576, -0.0000000434}) * kArcsec;
  TMatrix precession;
  Rotation(2, -zeta * kArcsec, precession);
  Rotate(1, theta * kArcsec, precession);
  Rotate(2, -z * kArcsec, precession);

  // Nutation: the four largest terms of the IAU 1980 series, good to half
  // an arcsecond.
  const double node = (125.04452 - 1934.136261 * t) * kRad;
  const double sun = 2 * (280.4665 + 36000.7698 * t) * kRad;
  const double moon = 2 * (218.3165 + 481267.8813 * t) * kRad;
  const double dpsi =
      (-17.20 * std::sin(node) - 1.32 * std::sin(sun) - 0.23 * std::sin(moon) + 0.21 * std::sin(2 * node)) * kArcsec;
  const double deps =
      (9.20 * std::cos(node) + 0.57 * std::cos(sun) + 0.10 * std::cos(moon) - 0.09 * std::cos(2 * node)) * kArcsec;

  TEarthOrientation e;
  std::copy(&precession[0][0], &precession[0][0] + 9, &e.ToDate[0][0]);
  Rotate(0, obliquity, e.ToDate);
  Rotate(2, -dpsi, e.ToDate);
  Rotate(0, -(obliquity + deps), e.ToDate);

  // Apparent sidereal angle: the Earth rotation angle, the accumulated
  // precession in right ascension (IAU 2006) and the equation of the equinoxes.
  const double era = 360 * (0.7790572732640 + std::fmod(Days, 1.0) + 0.00273781191135448 * Days);
  const double gmst =
      era + Polynomial(t, {0.014506, 4612.156534, 1.3915817, -0.00000044, -0.000029956, -0.0000000368}) / 3600;
  e.Sidereal = Wrap360(gmst + dpsi * std::cos(obliquity) / kRad);

  // The Earth's velocity from the Sun's true longitude on an elliptic orbit
  // (the constant of aberration, 20.5"), turned from the ecliptic of date to
  // the J2000 axes.
  const double anomaly = (357.52911 + 35999.05029 * t) * kRad;
  const double longitude = (280.46646 + 36000.76983 * t) * kRad +
                           ((1.914602 - 0.004817 * t) * std::sin(anomaly) + 0.019993 * std::sin(2 * anomaly) +
                            0.000289 * std::sin(3 * anomaly)) *
                               kRad;
  const double eccentricity = 0.016708634 - 0.000042037 * t;
  const double perihelion = (102.93735 + 1.71946 * t) * kRad;
  const double kappa = 20.49552 * kArcsec;
  const double vx = kappa * (std::sin(longitude) - eccentricity * std::sin(perihelion));
  const double vy = -kappa * (std::cos(longitude) - eccentricity * std::cos(perihelion));
  const double ofDate[3] = {vx, vy * std::cos(obliquity), vy * std::sin(obliquity)};
  for (int i = 0; i < 3; ++i)
    e.Velocity[i] = precession[0][i] * ofDate[0] + precession[1][i] * ofDate[1] + precession[2][i] * ofDate[2];
  return e;
}

void ApparentPlace(const TEarthOrientation& Earth, double RA, double Decl, double& RAOfDate, double& DeclOfDate) {
  double v[3];
  Unit(RA, Decl, v);
  for (int i = 0; i < 3; ++i) v[i] += Earth.Velocity[i];
  double w[3];
  for (int i = 0; i < 3; ++i) w[i] = Earth.ToDate[i][0] * v[0] + Earth.ToDate[i][1] * v[1] + Earth.ToDate[i][2] * v[2];
  RAOfDate = Wrap360(std::atan2(w[1], w[0]) / kRad) / 15;
  DeclOfDate = std::atan2(w[2], std::sqrt(w[0] * w[0] + w[1] * w[1])) / kRad;
}

TSkyMoment SkyMoment(const TNormalDate& Date, double Longit, double Lat) {
  const TEarthOrientation e = EarthOrientation(DaysFromJ2000(NormalDateToDiffDate(Date)));
  TSkyMoment m;
  std::copy(&e.ToDate[0][0], &e.ToDate[0][0] + 9, &m.ToHorizon[0][0]);
  std::copy(e.Velocity, e.Velocity + 3, m.Velocity);
  // The true equator of date turned by the local sidereal angle: the hour
  // angle's frame; then tilted by the latitude onto north, east, zenith.
  Rotate(2, (e.Sidereal + Longit) * kRad, m.ToHorizon);
  const double s = DSin(Lat);
  const double c = DCos(Lat);
  const TMatrix tilt = {{-s, 0, c}, {0, 1, 0}, {c, 0, s}};
  TMatrix out;
  Product(tilt, m.ToHorizon, out);
  std::copy(&out[0][0], &out[0][0] + 9, &m.ToHorizon[0][0]);
  return m;
}

void HorizonPosition(const TSkyMoment& Moment, double RA, double Decl, double& Azimut, double& Elevacia) {
  double v[3];
  Unit(RA, Decl, v);
  for (int i = 0; i < 3; ++i) v[i] += Moment.Velocity[i];
  const auto& m = Moment.ToHorizon;
  const double north = m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2];
  const double east = m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2];
  const double up = m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2];
  Elevacia = std::atan2(up, std::sqrt(north * north + east * east)) / kRad;
  Azimut = std::atan2(east, north) / kRad;
  if (Azimut < 0) Azimut += 360;
}

void RaToAzim(double RA, double Decl, const TNormalDate& Date, double Longit, double Lat, double& Azimut,
              double& Elevacia) {
  HorizonPosition(SkyMoment(Date, Longit, Lat), RA, Decl, Azimut, Elevacia);
}

bool RiseCulminationSet(double RA, double Decl, int32_t Year, int32_t Month, int32_t Day, int32_t UTCDiff,
                        double Longit, double Lat, TRiseSet& Result) {
  if (Year < FIRST_YEAR || Year > LAST_YEAR || !std::isfinite(RA) || !std::isfinite(Decl)) return false;
  const double midnight = DaysFromJ2000(NormalDateToDiffDate(TNormalDate{Year, Month, Day, 0, 0}) - UTCDiff);
  // Within one day a nebula's apparent place moves by well under an
  // arcsecond: the place at noon serves the whole day, and the sidereal
  // angle runs on at its steady rate from midnight.
  double ra = 0;
  double decl = 0;
  ApparentPlace(EarthOrientation(midnight + 0.5), RA, Decl, ra, decl);
  const double sidereal = EarthOrientation(midnight).Sidereal;
  const double sinLat = DSin(Lat);
  const double cosLat = DCos(Lat);
  const double sinDecl = DSin(decl);
  const double cosDecl = DCos(decl);

  // Days after midnight, the first time in the day the event happens.
  const auto first = [](double Days) {
    const double d = std::fmod(Days, kSiderealDay);
    return (d < 0 ? d + kSiderealDay : d) * 1440;
  };
  const double transit = (ra * 15 - Longit - sidereal) / kSiderealRate;
  Result.Culmination = first(transit);
  Result.CulminationElevation = DASin(sinLat * sinDecl + cosLat * cosDecl);
  // cos H0 = num / den at the hour angle H0 of rise and set.
  const double num = -sinLat * sinDecl;
  const double den = cosLat * cosDecl;
  if (num > den) {
    Result.Kind = RK_NeverRises;
  } else if (num <= -den) {
    Result.Kind = RK_NeverSets;  // at most touches the horizon, as the map lists it
  } else {
    Result.Kind = RK_RisesAndSets;
    const double h0 = std::acos(num / den) / kRad;
    Result.Rise = first(transit - h0 / kSiderealRate);
    Result.Set = first(transit + h0 / kSiderealRate);
  }
  return true;
}

void PositionOnSky(double Azimut, double Elevacia, int32_t Priemer, double& X, double& Y) {
  const double r = (90 - Elevacia) / 90 * (Priemer / 2.0);
  const double omega = 360 - Azimut - 90;
  X = DCos(omega) * r;
  Y = DSin(omega) * r;
}
