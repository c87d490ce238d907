#pragma once
// Places an observer may start from: Slovak and Czech towns (with the
// observatories amateurs know) and major cities of the world, with their
// coordinates in degrees (north and east positive). A first start knows no
// position; picking one of these is quicker than looking coordinates up.

#include <span>
#include <string_view>

struct TPlace {
  std::string_view Name;  // Windows-1250
  double Latitude;
  double Longitude;
};

std::span<const TPlace> KnownPlaces();
