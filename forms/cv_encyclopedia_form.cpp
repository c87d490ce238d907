#include "forms/cv_encyclopedia_form.h"

#include "platform/cp1250.h"

TOwned<TEncyclopediaForm> EncyclopediaForm;

namespace {

// The link back to the contents, at Y = HTimes x H + Plus.
constexpr TPageLink BackLink(int32_t HTimes, int32_t Plus = 0) {
  return TPageLink{"<- Obsah"_cp, 0, HTimes, Plus, false, 10};
}
// The K-th link of the contents page (K from 2) leads to page K - 1.
constexpr TPageLink ContentsLink(std::string_view Title, int32_t K) {
  return TPageLink{Title, K - 1, K, 10 * K, false, 0};
}
constexpr TPageLink TextLink(std::string_view Title, int32_t Href, int32_t HTimes, int32_t Plus) {
  return TPageLink{Title, Href, HTimes, Plus, true, 0};
}

// --- 0: contents ---

constexpr TPageBlock kContentBlocks[] = {
    {BK_Picture, 2, 0, "Pictures\\nebulaHorse.bmp", SIDE_PICTURE_X},
};
constexpr TPageLink kContentLinks[] = {
    ContentsLink("Hmloviny"_cp, 2),          ContentsLink("Vznik"_cp, 3),
    ContentsLink("Chemické zloženie"_cp, 4), ContentsLink("Kategorizácia"_cp, 5),
    ContentsLink("Emisné hmloviny"_cp, 6),   ContentsLink("Reflexné hmloviny"_cp, 7),
    ContentsLink("Tmavé hmloviny"_cp, 8),    ContentsLink("Planetárne hmloviny"_cp, 9),
};

// --- 1: nebulae ---

constexpr TPageBlock kNebulasBlocks[] = {
    {BK_Text, 3, 0,
     "Hmlovina (z latinského nebula, hmla) je oblak medzihviezdneho plynu a prachu. V "
     "ďalekohľade vyzerá ako slabá rozmazaná škvrna, ktorú nijaké zväčšenie nerozloží na hviezdy. Na "
     "obrázku je planetárna hmlovina Mačacie oko (NGC\u00A06543) v súhvezdí Drak."_cp,
     SIDE_TEXT_WIDTH},
    {BK_Picture, 3, 0, "Pictures\\Catseye.bmp", SIDE_PICTURE_X},
    {BK_Text, 12, 0,
     "Kedysi sa hmlovinami nazývali všetky rozmazané objekty oblohy, aj hviezdokopy a galaxie. Charles "
     "Messier ich v 18. storočí zapísal do katalógu, aby si ich lovci komét nemýlili s kométami; jeho "
     "čísla, napríklad M42 alebo M57, sa používajú dodnes. Neskôr vznikol rozsiahlejší Nový všeobecný "
     "katalóg (NGC) a jeho doplnky (IC). Až spektroskop v 19. storočí ukázal, že niektoré hmloviny sú "
     "žiariaci plyn, a v 20. storočí sa zistilo, že mnohé „špirálové hmloviny“ sú vzdialené galaxie."_cp},
    {BK_Text, 21, 0,
     "Dnes hmlovinou rozumieme len oblak plynu a prachu, v našej Galaxii i v iných galaxiách. Oblaky sú "
     "nesmierne "
     "riedke, v kubickom centimetri je obvykle len niekoľko desiatok až tisícok atómov, menej ako v "
     "najlepšom vákuu na Zemi. Sú však obrovské, ich rozmery sa merajú vo svetelných rokoch. V hmlovinách "
     "sa rodia nové hviezdy a hmloviny sú aj tým, čo po sebe zanechávajú hviezdy umierajúce."_cp},
};
constexpr TPageLink kNebulasLinks[] = {BackLink(28)};

// --- 2: formation ---

constexpr TPageBlock kFormationBlocks[] = {
    {BK_Text, 3, 0,
     "Hmloviny vznikajú dvoma cestami. Prvou je medzihviezdna látka, ktorú hviezdy neustále obohacujú. "
     "Kde sa zhustí do chladných molekulových oblakov, začne sa zmršťovať vlastnou gravitáciou."_cp,
     SIDE_TEXT_WIDTH},
    {BK_Picture, 3, 0, "Pictures\\starExplosion.bmp", SIDE_PICTURE_X},
    {BK_Text, 13, 0,
     "Keď sa časť takého oblaku zrúti, vznikne v ňom skupina mladých hviezd. Najhmotnejšie z nich sú "
     "veľmi horúce a ich ultrafialové žiarenie ionizuje okolitý vodík, takže oblak sa rozžiari ako emisná "
     "hmlovina. Tak svieti aj Veľká hmlovina v Orióne (M42), v ktorej sa hviezdy rodia dodnes. Hviezdny "
     "vietor a žiarenie mladých hviezd potom zvyšok oblaku postupne rozfúkajú."_cp},
    {BK_Text, 20, 0,
     "Druhou cestou je koniec hviezdneho života. Hviezda podobná Slnku na konci svojho vývoja odvrhne "
     "vonkajšie vrstvy a jej obnažené horúce jadro ich rozžiari: vznikne planetárna hmlovina. Hmotná "
     "hviezda končí výbuchom supernovy, ktorého rozpínajúce sa trosky tvoria pozostatok supernovy. Taká "
     "je aj Krabia hmlovina (M1) v Býkovi, pozostatok výbuchu, ktorý v roku 1054 zaznamenali čínski "
     "hvezdári."_cp},
    {BK_Text, 28, 0,
     "Látka vyvrhnutá umierajúcimi hviezdami je bohatšia na uhlík, dusík, kyslík a ťažšie prvky. Premieša "
     "sa s medzihviezdnym plynom a stane sa surovinou pre ďalšie pokolenia hviezd a planét. Aj atómy "
     "nášho tela kedysi prešli takou hmlovinou. Hmloviny sú tak súčasťou nekončiaceho kolobehu látky v "
     "Galaxii."_cp},
};
constexpr TPageLink kFormationLinks[] = {BackLink(34, -10)};

// --- 3: chemical composition ---

constexpr TPageBlock kChemBlocks[] = {
    {BK_Text, 3, 0,
     "Hmloviny majú podobné zloženie ako celý vesmír. Asi 70 % ich hmotnosti tvorí vodík, asi 28 % hélium "
     "a zvyšné dve percentá pripadajú na ťažšie prvky: kyslík, uhlík, dusík, neón, síru, železo a ďalšie."_cp},
    {BK_Text, 8, 0,
     "Plyn môže byť ionizovaný (oblasti H\u00A0II), neutrálny (oblasti H\u00A0I) alebo molekulový. V chladných a "
     "hustých oblakoch vznikajú molekuly, najmä molekulový vodík, ďalej oxid uhoľnatý, voda, amoniak i "
     "zložitejšie organické látky. Asi jedno percento hmotnosti tvorí prach, drobné zrnká kremičitanov a "
     "uhlíka, často obalené ľadom."_cp},
    {BK_Text, 14, 0,
     "Zloženie hmlovín prezrádza ich spektrum. Žiariaci plyn vysiela svetlo len v niektorých vlnových "
     "dĺžkach, v spektrálnych čiarach typických pre každý prvok. Červená čiara vodíka H-alfa dáva emisným "
     "hmlovinám ich ružovočervenú farbu, zelenkastý nádych planetárnych hmlovín pochádza od dvakrát "
     "ionizovaného kyslíka."_cp},
};
constexpr TPageLink kChemLinks[] = {BackLink(20)};

// --- 4: taxonomy ---

constexpr TPageBlock kTaxonomyBlocks[] = {
    {BK_Text, 3, -1, "Podľa toho, odkiaľ pochádza ich svetlo, delíme hmloviny na tri hlavné skupiny:"_cp},
    {BK_Text, 6, 9,
     "Plyn týchto hmlovín svieti sám. Ionizuje ho ultrafialové žiarenie blízkych horúcich hviezd a pri "
     "spätnom spájaní elektrónov s iónmi vyžaruje svetlo v spektrálnych čiarach. Patria sem oblasti H\u00A0II, "
     "v ktorých vznikajú hviezdy, aj pozostatky supernov."_cp},
    {BK_Text, 12, 2,
     "Nesvietia samy, ale rozptyľujú svetlo blízkych hviezd na zrnkách prachu. Modré svetlo sa rozptyľuje "
     "účinnejšie ako červené, preto majú zväčša modrú farbu."_cp},
    {BK_Text, 17, -3,
     "Husté oblaky prachu, ktoré nič neosvetľuje. Vidíme ich len vtedy, keď zakrývajú hviezdy alebo jasnú "
     "hmlovinu za sebou; na oblohe sa javia ako čierne škvrny a zálivy."_cp},
    {BK_Text, 21, 0,
     "Emisné hmloviny sa podľa pôvodu delia na oblasti H\u00A0II, pozostatky supernov, Herbigove-Harove "
     "objekty (výtrysky plynu z rodiacich sa hviezd) a planetárne hmloviny. Katalóg programu pozná sedem "
     "typov: planetárnu hmlovinu, pozostatok supernovy, Herbigov-Harov objekt, oblasti H1 a H2, reflexnú "
     "a tmavú hmlovinu. Planetárna hmlovina vzniká na konci života hviezdy:"_cp},
    {BK_Text, 28, 10,
     "Žiariaci obal, ktorý odvrhla hviezda podobná Slnku a ktorý rozžiarilo jej obnažené horúce jadro."_cp},
};
constexpr TPageLink kTaxonomyLinks[] = {
    BackLink(32),
    TextLink("Emisné hmloviny"_cp, 5, 5, -1),
    TextLink("Reflexné hmloviny"_cp, 6, 11, -8),
    TextLink("Tmavé hmloviny"_cp, 7, 16, -13),
    TextLink("Planetárna hmlovina."_cp, 8, 27, 0),
};

// --- 5: emission nebulae ---

constexpr TPageBlock kEmissionBlocks[] = {
    {BK_Text, 3, 0,
     "Emisné hmloviny svietia vlastným svetlom. Ich plyn ionizuje žiarenie hviezd horúcejších ako 25 "
     "tisíc stupňov. Keď sa elektróny znova viažu na ióny, plyn vyžaruje svetlo v spektrálnych čiarach. "
     "Emisné sú aj pozostatky supernov a planetárne hmloviny, o tých viac v kapitole:"_cp,
     SIDE_TEXT_WIDTH},
    {BK_Picture, 3, 0, "Pictures\\OrionNebula.bmp", SIDE_PICTURE_X, "obr.: hmlovina v Orióne"_cp},
    {BK_Text, 13, 0,
     "Najčastejšie sú však oblasti H\u00A0II, oblaky ionizovaného vodíka okolo mladých hviezd. Na fotografiách "
     "majú sýtu ružovočervenú farbu čiary H-alfa, oko v ďalekohľade vidí skôr sivozelený nádych, lebo je "
     "v šere citlivejšie na zelené svetlo kyslíka."_cp},
    {BK_SubHeading, 18, 0, "Veľká hmlovina v Orióne"_cp},
    {BK_Text, 19, 0,
     "Najjasnejšou emisnou hmlovinou severnej oblohy je M42 (NGC\u00A01976) v meči Orióna, pod tromi hviezdami "
     "jeho pásu. Za tmavej noci ju vidno aj voľným okom. Je od nás vzdialená asi 1350 svetelných rokov a "
     "meria okolo 24 svetelných rokov. Svieti vďaka Trapézu, štvorici mladých hviezd v jej strede, ktorú "
     "rozlíši už malý ďalekohľad. Severne od nej leží menšia M43 a celá oblasť je súčasťou obrovského "
     "molekulového oblaku Orióna."_cp},
    {BK_SubHeading, 27, 0, "Ďalšie oblasti H\u00A0II"_cp},
    {BK_Text, 28, 0,
     "V lete stojí nízko nad južným obzorom Strelec s hmlovinou Lagúna (M8, asi 4100 svetelných rokov) a "
     "hmlovinou Trifid (M20), v ktorej sa stretáva červená emisná a modrá reflexná zložka, prerušená "
     "tmavými pásmi prachu. Neďaleko sú hmlovina Omega (M17) a Orlia hmlovina (M16) v Hadovi so slávnymi "
     "Stĺpmi stvorenia, ktoré v roku 1995 odfotografoval Hubblov teleskop. Pri Denebe v Labuti leží "
     "rozsiahla hmlovina Severná Amerika (NGC\u00A07000), v Jednorožcovi Rozeta (NGC\u00A02237) okolo hviezdokopy "
     "NGC\u00A02244. Z južnej pologule vidno hmlovinu v Lodnom kýle (NGC\u00A03372), najjasnejšiu emisnú hmlovinu "
     "oblohy, s hviezdou Eta Carinae a vo Veľkom "
     "Magellanovom oblaku Tarantulu (NGC\u00A02070) vzdialenú asi 160 tisíc svetelných rokov."_cp},
    {BK_SubHeading, 40, 0, "Pozostatky supernov"_cp},
    {BK_Text, 41, 0,
     "Krabia hmlovina (M1) v Býkovi je pozostatok supernovy z roku 1054, ktorú čínski hvezdári videli aj "
     "cez deň. Leží asi 6500 svetelných rokov od nás a v jej strede rotuje pulzar, neutrónová hviezda, "
     "ktorá sa otočí asi tridsaťkrát za sekundu. V Labuti je hmlovina Závoj (NGC\u00A06960 a NGC\u00A06992), tenké "
     "vlákna plynu, ktoré zostali po výbuchu spred 10 až 20 tisíc rokov."_cp},
    {BK_SubHeading, 48, 0, "Pozorovanie"_cp},
    {BK_Text, 56, 0,
     "V katalógu tohto programu majú oblasti ionizovaného vodíka typ H2 a pozostatky supernov typ "
     "Pozostatok Supernovy. Hľadajte ich vo hvezdárni vtedy, keď stoja vysoko nad obzorom."_cp},
    {BK_Text, 49, 0,
     "Emisné hmloviny najlepšie vyniknú za bezmesačnej noci ďaleko od svetiel miest. Úzkopásmové filtre "
     "UHC a OIII prepúšťajú len svetlo ich spektrálnych čiar a potlačia svetlo oblohy, preto v nich "
     "hmloviny vystúpia z pozadia. Na fotografiách sa často používa filter H-alfa. Veľký zorný uhol a "
     "malé zväčšenie sú pre rozsiahle hmloviny dôležitejšie ako veľký priemer ďalekohľadu."_cp},
};
constexpr TPageLink kEmissionLinks[] = {
    BackLink(60),
    TextLink("Planetárne hmloviny"_cp, 8, 12, -10),
};

// --- 6: reflection nebulae ---

constexpr TPageBlock kReflexBlocks[] = {
    {BK_Text, 3, 0,
     "Reflexné hmloviny nesvietia vlastným svetlom. Ich prach rozptyľuje svetlo blízkej hviezdy, ktorá "
     "nie je dosť horúca, aby plyn ionizovala. V ich spektre sú preto čiary osvetľujúcej hviezdy, modré "
     "svetlo však v ňom prevažuje."_cp,
     SIDE_TEXT_WIDTH},
    {BK_Picture, 3, 0, "Pictures\\kosatec.bmp", SIDE_PICTURE_X, "obr.: hmlovina Kosatec"_cp},
    {BK_Text, 14, 0,
     "Zrnká prachu rozptyľujú modré svetlo účinnejšie ako červené, podobne ako vzduch, ktorý farbí denné "
     "nebo namodro. Preto sú reflexné hmloviny zväčša modré. Na obrázku je hmlovina Kosatec (NGC\u00A07023) v "
     "Kefeovi, vzdialená asi 1300 svetelných rokov."_cp},
    {BK_Text, 19, 0,
     "Jednou z najjasnejších reflexných hmlovín je M78 v Orióne, neďaleko jeho pásu, asi 1600 svetelných "
     "rokov od nás. Známe sú modré závoje okolo Plejád (M45) v Býkovi: hviezdokopa práve prechádza oblakom prachu, "
     "ktorý s ňou nemá spoločný pôvod. Pri Rigeli leží slabá Čarodejnicina hlava (IC\u00A02118). Často "
     "sa reflexná hmlovina dotýka emisnej, ako v hmlovine Trifid (M20)."_cp},
    {BK_Text, 26, 0,
     "Reflexné hmloviny svietia v celom spektre ako hviezdy, preto im úzkopásmové filtre nepomôžu. Treba "
     "tmavú oblohu a čistú optiku; jasná hviezda v zornom poli často slabú hmlovinu prežiari."_cp},
};
constexpr TPageLink kReflexLinks[] = {BackLink(31)};

// --- 7: dark nebulae ---

constexpr TPageBlock kDarkBlocks[] = {
    {BK_Text, 3, 0,
     "Tmavé hmloviny sú husté oblaky prachu a plynu, ktoré pohlcujú svetlo hviezd za nimi. Na pozadí "
     "Mliečnej cesty alebo jasnej hmloviny sa javia ako čierne škvrny."_cp,
     SIDE_TEXT_WIDTH},
    {BK_Picture, 3, 0, "Pictures\\HorseHead.bmp", SIDE_PICTURE_X, "obr.: hmlovina Konská hlava"_cp},
    {BK_Text, 13, 0,
     "Najznámejšia je Konská hlava (Barnard 33) v Orióne, asi 1400 svetelných rokov od nás, ktorej "
     "silueta sa črtá na pozadí žiariaceho pásu IC\u00A0434. Voľným okom vidno letnú Veľkú trhlinu Mliečnej cesty od "
     "Labute po "
     "Strelca a na južnej oblohe Uhoľné vrece pri Južnom kríži. Katalóg E. E. Barnarda "
     "z roku 1927 obsahuje 349 tmavých hmlovín. Najmenšie sú Bokove globuly, v ktorých vznikajú hviezdy."_cp},
};
constexpr TPageLink kDarkLinks[] = {BackLink(20)};

// --- 8: planetary nebulae ---

constexpr TPageBlock kPlanetaryBlocks[] = {
    {BK_Text, 3, 0,
     "S planétami nemajú nič spoločné. Názov im dal William Herschel, ktorému v ďalekohľade pripomínali "
     "zelenkasté kotúčiky planét. Vznikajú, keď hviezda podobná Slnku odvrhne na konci života svoj obal."_cp,
     SIDE_TEXT_WIDTH},
    {BK_Picture, 3, 0, "Pictures\\NGC_6302.bmp", SIDE_PICTURE_X, "obr.: NGC\u00A06302"_cp},
    {BK_Text, 14, 0,
     "Obnažené jadro hviezdy, budúci biely trpaslík, má teplotu aj vyše stotisíc stupňov a jeho žiarenie "
     "rozžiari rozpínajúci sa plyn. Hmlovina svieti asi 20 tisíc rokov, potom sa rozplynie. Takto raz, o "
     "päť miliárd rokov, skončí aj Slnko. Na obrázku je NGC\u00A06302 v Škorpiónovi."_cp},
    {BK_Text, 19, 0,
     "Najznámejšia je Prstencová hmlovina (M57) v Lýre medzi hviezdami Beta a Gama, vzdialená asi 2600 "
     "svetelných rokov. Jasná je Činka (M27) v Líštičke, vo Veľkej medvedici leží Sova (M97). Helix ("
     "NGC\u00A07293) vo Vodnárovi, asi 650 svetelných rokov od nás, patrí k najbližším a na oblohe je veľký takmer "
     "ako pol Mesiaca."_cp},
    {BK_Text, 25, 0,
     "Planetárne hmloviny sú malé, no jasné, preto znesú veľké zväčšenie a filter OIII ich výrazne "
     "zvýrazní. Centrálnu hviezdu M57, slabšiu ako 15. magnitúda, však uvidíte len veľkým ďalekohľadom."_cp},
};
constexpr TPageLink kPlanetaryLinks[] = {BackLink(30)};

}  // namespace

// The line counts are the scroll lengths of the pages: with font 0's height
// as the line size, the last line shows the link back to the contents whole.
const std::array<TPageContent, ENCYCLOPEDIA_PAGE_COUNT> EncyclopediaPages = {{
    {"Obsah"_cp, 1, kContentBlocks, kContentLinks},
    {"Hmloviny"_cp, 12, kNebulasBlocks, kNebulasLinks},
    {"Vznik"_cp, 17, kFormationBlocks, kFormationLinks},
    {"Chemické zloženie"_cp, 4, kChemBlocks, kChemLinks},
    {"Kategorizácia"_cp, 16, kTaxonomyBlocks, kTaxonomyLinks},
    {"Emisné hmloviny"_cp, 44, kEmissionBlocks, kEmissionLinks},
    {"Reflexné hmloviny"_cp, 15, kReflexBlocks, kReflexLinks},
    {"Tmavé hmloviny"_cp, 4, kDarkBlocks, kDarkLinks},
    {"Planetárne hmloviny"_cp, 14, kPlanetaryBlocks, kPlanetaryLinks},
}};

