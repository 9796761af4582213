// The built-in file checked against the program's published list of names, its shipped places
// and today's law of their zones.
#include "files/settings/default_locations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "calendar/zone_rules.h"
#include "files/settings/config_line.h"

namespace kelmo {
namespace {

constexpr NameEncoding k1252 = NameEncoding::windows1252;

// The 246 names in file order, as the program's documentation lists them.
const char* const kNames[] = {
    "Abidjan,Ivory;coast",
    "Abu;Dhabi,Uae",
    "Accra,Ghana",
    "Addis-Ababa,Ethiopia",
    "Adelaide,Australia",
    "Albany,NY,USA",
    "Algiers,Algeria",
    "Al-Madina,Saudi",
    "Almaty,Kazakstan",
    "Alofi,Niue",
    "Alqods,Palestine",
    "Amman,Jordan",
    "Amsterdam,Netherlands",
    "Andorra;la;Vella,Andorra",
    "Anibare,Nauru",
    "Ankara,Turkey",
    "Antananarivo,Madagascar",
    "Apia,Western;Samoa",
    "Ashgabat,Turkmenistan",
    "Asmara,Eritrea",
    "Asuncion,Paraguay",
    "Athens,Greece",
    "Atlanta,GA,USA",
    "Auckland,New;Zealand",
    "B-S-Begawan,Brunei",
    "Baghdad,Iraq",
    "Baku,Azerbaijan",
    "Bamako,Mali",
    "Bangkok,Thailand",
    "Bangui,Central;africa;rep",
    "Banjul,Gambia",
    "Beijing,China",
    "Beirut,Lebanon",
    "Belgrad,Serbia",
    "Berkeley,CA,USA",
    "Berlin,Germany",
    "Bern,Switzerland",
    "Bishkek,Kyrgyzstan",
    "Bogota,Colombia",
    "Boston,MA,USA",
    "Brasilia,Brazil",
    "Bratislava,Slovakia",
    "Brazzaville,Congo;Brazzaville",
    "Bridgetown,Barbados",
    "Brisbane,Australia",
    "Brussels,Belgium",
    "Bucharest,Romania",
    "Budapest,Hungary",
    "Buenos;Aires,Argentina",
    "Bujumbura,Burundi",
    "Cairo,Egypt",
    "Canberra,Australia",
    "Cape;Town,South;Africa",
    "Caracas,Venezuela",
    "Castries,Saint-lucia",
    "Cayenne,French;Guiana",
    "Chicago,IL,USA",
    "Colombo,Sri;lanka",
    "Columbia,SC,USA",
    "Conakry,Guinea",
    "Copenhagen,Denmark",
    "Dakar,Senegal",
    "Dallas,TX,USA",
    "Damascus,Syria",
    "Dar-es-Salaam,Tanzania",
    "Darwin,Australia",
    "Detroit,MI,USA",
    "Dhaka,Bangladesh",
    "Djibouti,Djibouti",
    "Doha,Qatar",
    "Douglas,Isle;of;Man",
    "Dublin,Ireland",
    "Dushanbe,Tajikistan",
    "El_Paso,TX,USA",
    "Freetown,Sierra;leone",
    "Gaborone,Botswana",
    "Georgetown,Guyana",
    "Gibraltar,Gibraltar",
    "Godthab,Greenland",
    "Guatemala,Guatemala",
    "Ha-Noi,Vietnam",
    "Hamilton,Bermuda",
    "Havana,Cuba",
    "Helsinki,Finland",
    "Hobart,Australia",
    "Houston,TX,USA",
    "Indianapolis_City,IN,USA",
    "Islamabad,Pakistan",
    "Istanbul,Turkey",
    "Izhevsk,Russia",
    "Jakarta,Indonesia",
    "Jamestown,Saint;Helena",
    "Kabul,Afghanistan",
    "Kampala,Uganda",
    "Kathmandu,Nepal",
    "Kennett,;MO,;USA",
    "Khartoum,Sudan",
    "Kiev,Ukraine",
    "Kigali,Rwanda",
    "Kingston,Jamaica",
    "Kinshasa,Congo;Democratic",
    "Kuala;Lumpur,Malaysia",
    "Kuwait,Kuwait",
    "Laayoune,Western;Sahara",
    "La-Paz,Bolivia",
    "Lagos,Nigeria",
    "Las;Vegas,NV,USA",
    "Libreville,Gabon",
    "Lilongwe,Malawi",
    "Lima,Peru",
    "Lisbon,Portugal",
    "Ljubljana,Slovenia",
    "Lome,Togo",
    "London,Uk",
    "Longyearbyen,Svalbard",
    "Los;Angeles,CA,USA",
    "Luanda,Angola",
    "Lusaka,Zambia",
    "Luxembourg,Luxembourg",
    "Macau,Macau",
    "Madrid,Spain",
    "Majuro,Marshall;islands",
    "Male,Maldives",
    "Managua,Nicaragua",
    "Manama,Bahrain",
    "Manchester,;Uk",
    "Manila,Philippines",
    "Maputo,Mozambique",
    "Maseru,Lesotho",
    "Mbabane,Swaziland",
    "Melbourne,Australia",
    "Melilla,;Morocco",
    "Memphis,TN,USA",
    "Mexico,Mexico",
    "Miami,FL,USA",
    "Minsk,Belarus",
    "Mogadishu,Somalia",
    "Monaco,Monaco",
    "Monrovia,Liberia",
    "Montevideo,Uruguay",
    "Montreal,Canada",
    "Moroni,Comoros",
    "Moscow,Russia",
    "Muscat,Oman",
    "Nagoya,;Japan",
    "N'Djamena,Chad",
    "Nairobi,Kenya",
    "Nassau,Bahamas",
    "New;Delhi,India",
    "New;Orleans,LA,USA",
    "New;York,NY,CA,USA",
    "Niamey,Niger",
    "Nicosia,Cyprus",
    "Nouakchott,Mauritania",
    "Noumea,New;Caledonia",
    "Nukualofa,Tonga",
    "Oakland,CA,USA",
    "Oklahoma;City,OK,USA",
    "Ontario,CA,USA",
    "Orange,CA,USA",
    "Oranjestad,Aruba",
    "Orlando,FL,USA",
    "Oslo,Norway",
    "Ottawa,Canada",
    "Ouagadougou,Burkina;Faso",
    "Panama,Panama",
    "Paramaribo,Suriname",
    "Paris,France",
    "Perth,Australia",
    "Philadelphia,PA,USA",
    "Phnom-Penh,Cambodia",
    "Phoenix,;AZ,;USA",
    "Plymouth,Montserrat",
    "Podgorica,Montenegro",
    "Port;Louis,Mauritius",
    "Port;of;Spain,Trinidad-Tobago",
    "Port;Vila,Vanuatu",
    "Port-Moresby,Papua-New-Guinea",
    "Port-au-Prince,Haiti",
    "Porto;Novo,Benin",
    "Prague,Czech;Republic",
    "Pretoria,South;Africa",
    "P'yongyang,North;Korea",
    "Quebec,Canada",
    "Quito,Ecuador",
    "Rabat,Morocco",
    "Rangoon,Burma",
    "Reykjavik,Iceland",
    "Riga,Latvia",
    "Riyadh,Saudi",
    "Roma,Italy",
    "Roseau,Dominica",
    "Saint;Denis,Reunion",
    "Saint;George's,Grenada",
    "Saint;Helier,Jersey",
    "Saint;Peter;P,Guernsey",
    "Salt;Lake;City,UT,USA",
    "San;Diego,CA,USA",
    "San;Francisco,CA,USA",
    "San;Jose,Costa-Rica",
    "San;Marino,San-Marino",
    "San;Salvador,El-Salvador",
    "Sanaa,Yemen",
    "Santiago,Chile",
    "Santo;Domingo,Dominican-rep",
    "Sarajevo,Bosnia;Herzegovina",
    "Seattle,WA,USA",
    "Seoul,South;Korea",
    "Singapore,Singapore",
    "Skopje,Macedonia",
    "Sofia,Bulgaria",
    "Stanley,Falkland;islands",
    "Stockholm,Sweden",
    "Suva,Fiji",
    "Sydney,Australia",
    "T'ai-pei,Taiwan",
    "T'bilisi,Georgia",
    "Tallinn,Estonia",
    "Tashkent,Uzbekistan",
    "Tegucigalpa,Honduras",
    "Tehran,Iran",
    "The;Hague,Netherlands",
    "Thimphu,Bhutan",
    "Tirane,Albania",
    "Tokyo,Japan",
    "Toronto,Canada",
    "Torshavn,Faroe;islands",
    "Tripoli,Libya",
    "Tunis,Tunisia",
    "Ulaanbaatar,Mongolia",
    "Vaduz,Liechtenstein",
    "Valletta,Malta",
    "Vancouver,Canada",
    "Vatican-City,Vatican",
    "Victoria,Hong-kong",
    "Victoria,Seychelles",
    "Vienna,Austria",
    "Vientiane,Laos",
    "Vilnius,Lithuania",
    "Warsaw,Poland",
    "Washington,DC,USA",
    "Wellington,New;Zealand",
    "Windhoek,Namibia",
    "Yaounde,Cameroon",
    "Yerevan,Armenia",
    "Zagreb,Croatia",
};

// The rows the program has always shipped: their names and coordinates as stored.
const char* const kShippedPlaces[] = {
    "Manama,Bahrain 0.45790652 0.88284087 0",
    "Abu;Dhabi,Uae 0.42702389 0.94887734 0",
    "Al-Madina,Saudi 0.42702389 0.69135401 537",
    "Adelaide,Australia -0.60970169 2.41902634 0",
    "Albany,NY,USA 0.74465927 -1.28803360 0",
    "London,Uk 0.89884456 -0.00203622 0",
    "Cairo,Egypt 0.52447144 0.54541539 0",
    "Tehran,Iran 0.62259288 0.89752587 0",
    "Beirut,Lebanon 0.59117695 0.61976157 0",
    "Asuncion,Paraguay -0.44098652 -1.00647320 0",
    "Brasilia,Brazil -0.28274334 -0.77550796 0",
    "Auckland,New;Zealand -0.64344472 3.05025376 0",
    "Bern,Switzerland 0.81885031 0.13031792 0",
    "Moscow,Russia 0.97302106 0.65595291 0",
    "Kathmandu,Nepal 0.48374709 1.48905674 0",
    "Kennett,;MO,;USA 0.63250732 -1.57164475 0",
    "Longyearbyen,Svalbard 1.36513836 0.27285314 0",
};

// Rows with today's law of their zone (IANA tz data): US and Canada second Sunday of March
// (831) to first Sunday of November (2878); the European rule; no summer time any more in
// Russia, Iran, Paraguay (now UTC-3), Brazil; Nepal UTC+5:45; Svalbard UTC+1 with the
// European rule.
const char* const kTellingRows[] = {
    "Manama,Bahrain 0.45790652 0.88284087 0 3.0000 0 0 Asia/Bahrain",
    "Albany,NY,USA 0.74465927 -1.28803360 0 -5.0000 831 2878 America/New_York",
    "London,Uk 0.89884456 -0.00203622 0 0.0000 834 2626 Europe/London",
    "Moscow,Russia 0.97302106 0.65595291 0 3.0000 0 0 Europe/Moscow",
    "Tehran,Iran 0.62259288 0.89752587 0 3.5000 0 0 Asia/Tehran",
    "Asuncion,Paraguay -0.44098652 -1.00647320 0 -3.0000 0 0 America/Asuncion",
    "Brasilia,Brazil -0.28274334 -0.77550796 0 -3.0000 0 0 America/Sao_Paulo",
    "Kathmandu,Nepal 0.48374709 1.48905674 0 5.7500 0 0 Asia/Kathmandu",
    "Longyearbyen,Svalbard 1.36513836 0.27285314 0 1.0000 834 2626 Arctic/Longyearbyen",
    "Phoenix,;AZ,;USA 0.58538308 -1.95599035 0 -7.0000 0 0 America/Phoenix",
};

std::vector<std::string> fields(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string f; in >> f;) out.push_back(f);
    return out;
}

TEST(DefaultLocations, NamesAndOrderAreThePublishedList) {
    ASSERT_EQ(std::size(kNames), kDefaultLocationCount);
    for (std::size_t i = 0; i < kDefaultLocationCount; ++i) {
        EXPECT_EQ(fields(kDefaultLocationLines[i])[0], kNames[i]) << "row " << i;
    }
}

TEST(DefaultLocations, ShippedPlacesKeepTheirNamesAndCoordinates) {
    std::set<std::string> lines(kDefaultLocationLines.begin(), kDefaultLocationLines.end());
    for (const char* row : kTellingRows) EXPECT_TRUE(lines.count(row)) << row;
    for (const std::string place : kShippedPlaces) {
        const auto found = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.rfind(place + ' ', 0) == 0;
        });
        EXPECT_NE(found, lines.end()) << place;
    }
}

TEST(DefaultLocations, ConfigurationLineIsTheDefault) {
    EXPECT_STREQ(kDefaultConfigLine,
                 "Manama,Bahrain notepad.exe Athan.wav PreAth.wav -16.0000 -13.5000 -18.0000 "
                 "15.00 1296 88576 258 10 0 0");
    const std::string text = defaultConfigText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 247);
    EXPECT_EQ(text.back(), '\n');
}

// 100 of the 246 zones change their clocks today (the reference data's count), each by a
// rule the rule model expresses.
TEST(DefaultLocations, SummerTimeAndHeightCounts) {
    std::map<std::pair<std::string, std::string>, int> rules;
    int withSummerTime = 0, withHeight = 0;
    for (const char* line : kDefaultLocationLines) {
        const auto f = fields(line);
        ASSERT_EQ(f.size(), 8u) << line;
        EXPECT_EQ(f[5] == "0", f[6] == "0") << "both codes or none: " << line;
        if (f[5] != "0") ++withSummerTime;
        if (f[3] != "0") ++withHeight;
        ++rules[{f[5], f[6]}];
    }
    EXPECT_EQ(withSummerTime, 100);
    EXPECT_EQ((rules[{"831", "2878"}]), 38);
    EXPECT_EQ((rules[{"834", "2626"}]), 52);
    EXPECT_EQ((rules[{"2622", "1086"}]), 5);  // Adelaide, Canberra, Hobart, Melbourne, Sydney
    EXPECT_EQ(withHeight, 3);
}

// Every row carries its zone's law of 2026 as the program derives it from the tz database:
// the generator (Python's zoneinfo) and the program (date/tz) agree on every row.
TEST(DefaultLocations, EveryRowHasItsZonesLaw) {
    for (const char* line : kDefaultLocationLines) {
        Location l;
        ASSERT_EQ(parseLocationLine(line, l, k1252), 0) << line;
        const FixedZoneRules law = fixedRulesOfZone(l.zone, 2026);
        ASSERT_TRUE(law.known) << line;
        EXPECT_EQ(l.timeZone, law.timeZone) << line;
        EXPECT_EQ(l.dstStart, law.dstStart) << line;
        EXPECT_EQ(l.dstEnd, law.dstEnd) << line;
    }
}

TEST(DefaultLocations, UsAndCanadianRuleOutsideArizonaMexicoAndJamaica) {
    for (const char* line : kDefaultLocationLines) {
        const auto f = fields(line);
        const std::string country = f[0].substr(f[0].rfind(',') + 1);
        const bool usOrCanada = country == "USA" || country == ";USA" || country == "Canada";
        if (country == "Mexico" || country == "Jamaica" || f[0] == "Phoenix,;AZ,;USA") {
            EXPECT_EQ(f[5], "0") << line;
        } else if (usOrCanada) {
            EXPECT_EQ(f[5] + " " + f[6], "831 2878") << line;
        }
    }
}

TEST(DefaultLocations, EveryRowReadsAndIsWrittenBackUnchanged) {
    for (const char* line : kDefaultLocationLines) {
        Location l;
        ASSERT_EQ(parseLocationLine(line, l, k1252), 0) << line;
        EXPECT_EQ(formatLocationLine(l, k1252), line);
        EXPECT_LE(std::abs(l.latitude), 1.5708) << line;  // within +-90 degrees
        EXPECT_LE(std::abs(l.longitude), 3.1416) << line;
    }
}

}  // namespace
}  // namespace kelmo
