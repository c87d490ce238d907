#include "forms/cv_help_form.h"

#include "platform/cp1250.h"

TOwned<THelpForm> HelpForm;

namespace {

constexpr TPageLink BackLink(int32_t HTimes) { return TPageLink{"<- Register"_cp, 0, HTimes, 0, false, 10}; }
constexpr TPageLink RegisterLink(std::string_view Title, int32_t K) {
  return TPageLink{Title, K - 1, K, 10 * K, false, 0};
}

// --- 0: register ---

constexpr TPageBlock kRegisterBlocks[] = {
    {BK_Text, 6, 0,
     "Pomoc opisuje, ako sa program Corvala ovláda myšou a klávesnicou, a odpovedá na otázky, ktoré si "
     "nový používateľ kladie najčastejšie. Kliknite na kapitolu; odkaz „<- Register“ na jej konci vás "
     "vráti sem."_cp},
};
constexpr TPageLink kRegisterLinks[] = {
    RegisterLink("Ovládanie"_cp, 2),
    RegisterLink("FAQ"_cp, 3),
    RegisterLink("Technická podpora"_cp, 4),
};

// --- 1: control ---

constexpr TPageBlock kControlingBlocks[] = {
    {BK_SubHeading, 3, 0, "Ovládanie myškou"_cp},
    {BK_Text, 4, 0,
     "Tlačidlá, položky ponúk a záložky sa stláčajú ľavým tlačidlom myši. Okno presuniete ťahaním za "
     "titulný pruh, kliknutím doň ho prenesiete do popredia. Dlhú stránku posúva posuvník: jeho šípky, "
     "kliknutie na dráhu, ťahanie jazdca alebo koliesko myši nad ňou. Nad odkazom sa ukazovateľ zmení na ruku."_cp},
    {BK_Text, 10, 0,
     "Vo hvezdárni stačí ukázať na obrázok hmloviny a hmlovina sa označí bielym rámikom; dvojklik otvorí "
     "jej záznam. Hvezdáreň ukazuje aj azimut a výšku miesta pod ukazovateľom; tlačidlo Teraz vráti jej "
     "hodiny na súčasný čas. Vo výpise položiek "
     "kliknutie na hlavičku stĺpca zoradí záznamy podľa neho, ďalšie kliknutie obráti poradie."_cp},
    {BK_SubHeading, 16, 0, "Ovládanie klávesnicou"_cp},
    {BK_Text, 17, 0,
     "Tab presúva zameranie na ďalší prvok okna a Enter stlačí zamerané tlačidlo. Keď podržíte Ctrl a "
     "stlačíte Shift, prepnete na ďalšie otvorené okno. Šípkami sa pohybujete v ponukách, v riadkoch "
     "výpisu a po posuvníku, ktorý má zameranie; Esc zavrie podponuku alebo zruší vrchné okno. Print Screen uloží obraz obrazovky "
     "do priečinka SnapShots. Vo výpise položiek Enter zobrazí vybraný záznam, medzerník ho otvorí na "
     "úpravu a Delete ho po potvrdení odstráni. Vo hvezdárni Tab prechádza hmloviny na mape zhora nadol a "
     "Enter otvorí záznam označenej hmloviny. F9 zapne a vypne nočný režim."_cp},
    {BK_Text, 27, 0,
     "V textovom poli sa píše podľa rozloženia klávesnice nastaveného v systéme, aj s mŕtvymi klávesmi, "
     "AltGr a Caps Lockom. Desatinné čísla sa píšu s bodkou (48.15); číslice, mínus a bodku dáva na "
     "každom rozložení aj numerická klávesnica."_cp},
};
constexpr TPageLink kControlingLinks[] = {BackLink(32)};

// --- 2: questions ---

constexpr TPageBlock kFAQBlocks[] = {
    {BK_Bold, 3, 0, "Kde sú uložené moje katalógy?"_cp},
    {BK_Text, 4, 0,
     "Katalóg je súbor s príponou .cvl tam, kam ho uložíte. Meno súboru sa píše vzhľadom na pracovný "
     "priečinok programu, s oddeľovačom „\\“, napríklad samples\\Hmloviny.cvl."_cp},
    {BK_Bold, 8, 0, "Ako sa pri spustení otvorí môj katalóg?"_cp},
    {BK_Text, 9, 0,
     "V Nastaveniach na strane Databáza napíšte meno súboru, zaškrtnite Použiť predvolenú databázu a "
     "stlačte OK. Katalóg sa otvorí pri ďalšom spustení."_cp},
    {BK_Bold, 13, 0, "Prečo sa obrázok hmloviny nezobrazí?"_cp},
    {BK_Text, 14, 0,
     "Obrázok musí byť nekomprimovaný súbor BMP s 8 alebo 24 bitmi na bod a jeho meno sa píše vzhľadom na "
     "priečinok katalógu. Ak súbor chýba alebo je poškodený, okno záznamu vypíše dôvod."_cp},
    {BK_Bold, 18, 0, "Ako nastavím svoje miesto pozorovania?"_cp},
    {BK_Text, 19, 0,
     "V Nastaveniach na strane Pozícia zadajte zemepisnú šírku a dĺžku v stupňoch s desatinnou bodkou, "
     "sever a východ kladne (Bratislava 48.14860 a 17.10770), alebo vyberte mesto zo zoznamu Miesto. "
     "Hvezdáreň ich použije pri ďalšom otvorení."_cp},
    {BK_Bold, 23, 0, "Ako prenesiem vlastný zoznam hmlovín?"_cp},
    {BK_Text, 24, 0,
     "Uložte ho ako CSV v kódovaní UTF-8 so stĺpcami number, name, ngc, ra_hours, dec_degrees, "
     "distance_ly, magnitude, type, picture, description a zavolajte cvltool import zoznam.csv "
     "zoznam.cvl. Príkaz cvltool check zoznam.cvl katalóg overí, cvltool export ho vypíše späť do CSV."_cp},
    {BK_Bold, 30, 0, "Kde nájdem hmloviny katalógov NGC a IC?"_cp},
    {BK_Text, 31, 0,
     "Vedľa vzorového katalógu leží katalóg NGC-IC.cvl so všetkými hmlovinami katalógov NGC a IC z "
     "databázy OpenNGC. V okne Otvoriť súbor napíšte samples\\NGC-IC.cvl, alebo program spustite "
     "príkazom corvala samples/NGC-IC.cvl."_cp},
};
constexpr TPageLink kFAQLinks[] = {BackLink(36)};

// --- 3: support ---

constexpr TPageBlock kTechSupportBlocks[] = {
    {BK_Text, 3, 0,
     "Ak program nerobí, čo má, zapíšte si, čo ste robili, a k hláseniu chyby priložte: verziu programu "
     "(príkaz corvala --version), obraz obrazovky z priečinka SnapShots (kláves Print Screen), katalóg, s "
     "ktorým chyba nastala, výpis príkazu cvltool check pre tento katalóg, súbor nastavení cv_settings.ini "
     "a hlásenia, ktoré program vypísal v termináli."_cp},
    {BK_Text, 10, 0,
     "Nainštalovaný program má nastavenia v priečinku ~/.config/corvala (presnejšie $XDG_CONFIG_HOME/"
     "corvala) a katalógy a snímky obrazovky v priečinku ~/.local/share/corvala ($XDG_DATA_HOME/corvala); "
     "mená súborov v programe sa píšu vzhľadom naň. Program spustený v priečinku, v ktorom leží jeho "
     "priečinok Fonts (napríklad príkazom make run), má nastavenia, katalógy aj snímky v tomto priečinku."_cp},
    {BK_Text, 18, 0,
     "Keď súbor nastavení zmažete, program sa spustí s predvolenými hodnotami. Katalóg, ktorý program "
     "odmietne otvoriť, zostane nezmenený."_cp},
};
constexpr TPageLink kTechSupportLinks[] = {BackLink(22)};

}  // namespace

const std::array<TPageContent, HELP_PAGE_COUNT> HelpPages = {{
    {"Register"_cp, 1, kRegisterBlocks, kRegisterLinks},
    {"Ovládanie"_cp, 16, kControlingBlocks, kControlingLinks},
    {"FAQ"_cp, 20, kFAQBlocks, kFAQLinks},
    {"Technická podpora"_cp, 6, kTechSupportBlocks, kTechSupportLinks},
}};

