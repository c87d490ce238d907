#include "catalogue/cv_places.h"

#include <array>

#include "platform/cp1250.h"

namespace {

constexpr std::array kPlaces = {
    TPlace{"Bratislava", 48.1486, 17.1077},
    TPlace{"Banská Bystrica"_cp, 48.7363, 19.1462},
    TPlace{"Košice"_cp, 48.7164, 21.2611},
    TPlace{"Martin", 49.0636, 18.9214},
    TPlace{"Nitra", 48.3069, 18.0864},
    TPlace{"Poprad", 49.0614, 20.2980},
    TPlace{"Prešov"_cp, 49.0018, 21.2393},
    TPlace{"Trenčín"_cp, 48.8945, 18.0444},
    TPlace{"Trnava", 48.3774, 17.5872},
    TPlace{"Žilina"_cp, 49.2231, 18.7394},
    TPlace{"Hurbanovo", 47.8733, 18.1925},
    TPlace{"Skalnaté Pleso"_cp, 49.1894, 20.2347},
    TPlace{"Praha", 50.0755, 14.4378},
    TPlace{"Brno", 49.1951, 16.6068},
    TPlace{"České Budějovice"_cp, 48.9745, 14.4743},
    TPlace{"Hradec Králové"_cp, 50.2104, 15.8327},
    TPlace{"Olomouc", 49.5938, 17.2509},
    TPlace{"Ostrava", 49.8209, 18.2625},
    TPlace{"Plzeň"_cp, 49.7384, 13.3736},
    TPlace{"Ondřejov"_cp, 49.9106, 14.7808},
    TPlace{"Viedeň"_cp, 48.2082, 16.3738},
    TPlace{"Budapešť"_cp, 47.4979, 19.0402},
    TPlace{"Varšava"_cp, 52.2297, 21.0122},
    TPlace{"Berlín"_cp, 52.5200, 13.4050},
    TPlace{"Londýn"_cp, 51.5074, -0.1278},
    TPlace{"Paríž"_cp, 48.8566, 2.3522},
    TPlace{"Rím"_cp, 41.9028, 12.4964},
    TPlace{"Madrid", 40.4168, -3.7038},
    TPlace{"Moskva", 55.7558, 37.6173},
    TPlace{"Reykjavík"_cp, 64.1466, -21.9426},
    TPlace{"Káhira"_cp, 30.0444, 31.2357},
    TPlace{"Kapské Mesto"_cp, -33.9249, 18.4241},
    TPlace{"Nové Dillí"_cp, 28.6139, 77.2090},
    TPlace{"Peking", 39.9042, 116.4074},
    TPlace{"Tokio", 35.6762, 139.6503},
    TPlace{"Sydney", -33.8688, 151.2093},
    TPlace{"New York", 40.7128, -74.0060},
    TPlace{"Los Angeles", 34.0522, -118.2437},
    TPlace{"Mexiko", 19.4326, -99.1332},
    TPlace{"Rio de Janeiro", -22.9068, -43.1729},
    TPlace{"Buenos Aires", -34.6037, -58.3816},
    TPlace{"Santiago de Chile", -33.4489, -70.6693},
};

}  // namespace

std::span<const TPlace> KnownPlaces() { return kPlaces; }
