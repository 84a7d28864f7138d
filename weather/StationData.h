#pragma once
// The station table's data: WMO index number, name as a German listener knows it, position in
// decimal degrees (north and east positive).
//
// Sources (public): index numbers as in WMO Publication No. 9, Volume A (today WMO OSCAR/Surface);
// positions of the German stations from the Deutscher Wetterdienst's station catalogue (given there
// in degrees and minutes), of the Danish stations from the Danish Meteorological Institute's station
// list, of the Dutch stations from KNMI's station list; the others rounded to 0.01 degrees.
// Sorted by index number (checked when the program is compiled).

#include <algorithm>

#include "weather/StationTable.h"

namespace weather {

inline constexpr Station kStations[] = {
    // Norway, south coast and North Sea
    {"01400", "Ekofisk", 56.54, 3.22},
    {"01403", "Utsira Fyr", 59.31, 4.87},
    {"01415", "Stavanger/Sola", 58.88, 5.64},
    {"01452", "Kristiansand/Kjevik", 58.20, 8.08},
    // Sweden, west and south coast, Gotland
    {"02500", "Nordkoster", 58.89, 11.00},
    {"02513", "Göteborg/Landvetter", 57.67, 12.29},
    {"02590", "Visby", 57.66, 18.35},
    {"02635", "Malmö/Sturup", 55.54, 13.37},
    {"02664", "Ronneby", 56.27, 15.27},
    // United Kingdom, east coast
    {"03005", "Lerwick", 60.14, -1.18},
    {"03017", "Kirkwall", 58.95, -2.90},
    {"03066", "Kinloss", 57.65, -3.57},
    {"03068", "Lossiemouth", 57.71, -3.32},
    {"03075", "Wick", 58.45, -3.08},
    {"03091", "Aberdeen/Dyce", 57.20, -2.20},
    {"03171", "Leuchars", 56.38, -2.86},
    {"03240", "Boulmer", 55.42, -1.60},
    {"03292", "Bridlington", 54.09, -0.18},
    {"03496", "Hemsby", 52.68, 1.69},
    {"03797", "Manston", 51.35, 1.35},
    // Denmark
    {"06041", "Skagen Fyr", 57.7364, 10.6316},
    {"06052", "Thyborøn", 56.7068, 8.2150},
    {"06058", "Hvide Sande", 56.0072, 8.1413},
    {"06073", "Sletterhage Fyr", 56.0955, 10.5135},
    {"06079", "Anholt Havn", 56.7169, 11.5098},
    {"06081", "Blåvandshuk Fyr", 55.5575, 8.0828},
    {"06088", "Nordby (Fanø)", 55.4516, 8.4104},
    {"06096", "Rømø/Juvre", 55.1904, 8.5599},
    {"06119", "Kegnæs Fyr", 54.8915, 9.7949},
    {"06123", "Tvingsbjerg Fyr", 55.1607, 10.6424},
    {"06132", "Tranebjerg Øst (Samsø)", 55.8322, 10.5964},
    {"06138", "Langø", 54.8479, 11.1771},
    {"06149", "Gedser", 54.5687, 11.9435},
    {"06151", "Omø Fyr", 55.1593, 11.1348},
    {"06159", "Røsnæs Fyr", 55.7435, 10.8694},
    {"06168", "Nakkehoved Fyr", 56.1193, 12.3424},
    {"06169", "Gniben", 56.0083, 11.2787},
    {"06187", "Kopenhagen (Toldbod)", 55.6886, 12.5985},
    {"06193", "Hammer Odde Fyr", 55.2979, 14.7718},
    {"06197", "Nexø Vest", 55.0557, 15.0953},
    // Netherlands
    {"06225", "IJmuiden", 52.46, 4.56},
    {"06229", "Texelhors", 53.00, 4.72},
    {"06235", "De Kooy", 52.93, 4.78},
    {"06239", "Plattform F3", 54.85, 4.70},
    {"06240", "Amsterdam/Schiphol", 52.32, 4.79},
    {"06242", "Vlieland", 53.24, 4.92},
    {"06251", "Terschelling (Hoorn)", 53.39, 5.35},
    {"06252", "Plattform K13", 53.22, 3.22},
    {"06270", "Leeuwarden", 53.22, 5.75},
    {"06277", "Lauwersoog", 53.41, 6.20},
    {"06280", "Groningen (Eelde)", 53.12, 6.58},
    {"06285", "Huibertgat", 53.57, 6.40},
    {"06308", "Cadzand", 51.38, 3.38},
    {"06310", "Vlissingen", 51.44, 3.60},
    {"06312", "Oosterschelde", 51.77, 3.62},
    {"06320", "Lichteiland Goeree", 51.93, 3.67},
    {"06321", "Europlattform", 52.00, 3.28},
    {"06330", "Hoek van Holland", 51.99, 4.12},
    {"06344", "Rotterdam", 51.96, 4.45},
    // Belgium
    {"06407", "Oostende", 51.20, 2.87},
    // Germany: North Sea, its islands and platforms
    {"10004", "UFS TW Ems", 54.1667, 6.3500},
    {"10007", "UFS Deutsche Bucht", 54.1667, 7.4500},
    {"10015", "Helgoland", 54.1667, 7.8833},
    {"10018", "Westerland (Sylt)", 54.9167, 8.3500},
    {"10020", "List auf Sylt", 55.0167, 8.4167},
    {"10022", "Leck", 54.8000, 8.9500},
    {"10026", "Husum", 54.5167, 9.1500},
    {"10028", "St. Peter-Ording", 54.3333, 8.6000},
    // Schleswig-Holstein and the western Baltic
    {"10033", "Flensburg", 54.8333, 9.5000},
    {"10034", "Eggebek", 54.6333, 9.3500},
    {"10035", "Schleswig", 54.5333, 9.5500},
    {"10037", "Schleswig-Jagel", 54.4667, 9.5167},
    {"10038", "Hohn", 54.3167, 9.5333},
    {"10042", "Olpenitz (Schleimünde)", 54.6667, 10.0333},
    {"10044", "Leuchtturm Kiel", 54.5000, 10.2667},
    {"10046", "Kiel-Holtenau", 54.3833, 10.1500},
    {"10055", "Fehmarn (Westermarkelsdorf)", 54.5333, 11.0667},
    {"10063", "Puttgarden", 54.5000, 11.2167},
    // Rügen and Usedom
    {"10091", "Arkona", 54.6833, 13.4333},
    {"10093", "Putbus", 54.3667, 13.4833},
    {"10097", "Greifswalder Oie", 54.2333, 13.9167},
    // East Frisia, Weser and Elbe
    {"10113", "Norderney", 53.7167, 7.1500},
    {"10122", "Jever", 53.5333, 7.8833},
    {"10124", "Leuchtturm Alte Weser", 53.8500, 8.1167},
    {"10125", "Wilhelmshaven", 53.5000, 8.0500},
    {"10126", "Wittmundhaven", 53.5500, 7.6667},
    {"10129", "Bremerhaven", 53.5333, 8.5833},
    {"10130", "Elpersbüttel", 54.0667, 9.0167},
    {"10131", "Cuxhaven", 53.8667, 8.7167},
    {"10136", "Nordholz", 53.7667, 8.6667},
    {"10139", "Bremervörde", 53.5000, 9.1667},
    {"10142", "Itzehoe", 54.0000, 9.5833},
    {"10143", "Neumünster", 54.0833, 9.9333},
    {"10146", "Quickborn", 53.7333, 9.8833},
    {"10147", "Hamburg-Fuhlsbüttel", 53.6333, 10.0000},
    // Lübeck Bight and Mecklenburg
    {"10150", "Dörnick", 54.1667, 10.3500},
    {"10152", "Pelzerhaken", 54.0833, 10.8833},
    {"10156", "Lübeck", 53.8167, 10.7000},
    {"10161", "Boltenhagen", 54.0000, 11.1833},
    {"10162", "Schwerin", 53.6333, 11.3833},
    {"10168", "Goldberg", 53.6167, 12.1000},
    {"10170", "Rostock-Warnemünde", 54.1833, 12.0833},
    {"10172", "Laage", 53.9167, 12.2833},
    {"10177", "Teterow", 53.7667, 12.6167},
    {"10180", "Barth", 54.3333, 12.7167},
    {"10181", "Parow", 54.3667, 13.0833},
    {"10184", "Greifswald", 54.1000, 13.4167},
    {"10193", "Ueckermünde", 53.7333, 14.0667},
    // Inland stations of the broadcast's bulletins
    {"10200", "Emden", 53.3833, 7.2333},
    {"10224", "Bremen", 53.0500, 8.8000},
    {"10338", "Hannover", 52.4667, 9.6833},
    // Poland
    {"12100", "Kołobrzeg", 54.18, 15.58},
    {"12120", "Łeba", 54.75, 17.53},
    {"12135", "Hel", 54.60, 18.81},
    {"12150", "Gdańsk", 54.38, 18.47},
    {"12200", "Świnoujście", 53.92, 14.24},
    {"12205", "Szczecin", 53.40, 14.62},
};

static_assert(std::is_sorted(std::begin(kStations), std::end(kStations),
                             [](const Station& left, const Station& right) { return left.index < right.index; }) &&
                  std::adjacent_find(std::begin(kStations), std::end(kStations),
                                     [](const Station& left, const Station& right) {
                                         return left.index == right.index;
                                     }) == std::end(kStations),
              "the station table must be sorted by index number without repeats");

}  // namespace weather
