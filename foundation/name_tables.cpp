#include "foundation/name_tables.hpp"

#include <algorithm>
#include <span>

namespace zub {

namespace {

// A text of a language table, checked as it is compiled: at most N characters, each a
// Latin-1 character (stored by Windows-1252 as the one byte of the same code), so that
// the short string holds it whole.
template <size_t N>
struct Fits {
  consteval Fits(const char16_t* s) : Text(s) {
    if (Text.size() > N) throw "a text wider than its table";
    for (char16_t c : Text)
      if ((c >= 0x80 && c < 0xA0) || c > 0xFF) throw "a character outside Latin-1";
  }
  std::u16string_view Text;
};

template <size_t N, size_t K>
std::array<TShortString<N>, K> Texts(const Fits<N> (&texts)[K]) {
  std::array<TShortString<N>, K> row;
  for (size_t i = 0; i < K; ++i) row[i] = TShortString<N>(texts[i].Text);
  return row;
}

template <typename Row>
using EntryOf = typename decltype(Row::Items)::value_type;

template <typename Row, size_t K>
Row Ranged(const Fits<EntryOf<Row>::MaxLength> (&texts)[K]) {
  static_assert(K == Row::size(), "a row of the wrong length");
  return Row{Texts(texts)};
}

using MonthShortRow = TRangeArray<TShortString<4>, 1, 12>;
using MonthLongRow = TRangeArray<TShortString<10>, 1, 12>;
using DayShortRow = TRangeArray<TShortString<3>, 1, 7>;
using DayLongRow = TRangeArray<TShortString<10>, 1, 7>;
using NumWordRow = TRangeArray<TShortString<6>, 0, 12>;

}  // namespace

// ---- Language tables, rows lgUnknown, lgEnglish, lgGerman, lgFrench, lgSpanish

const std::array<MonthShortRow, LanguageCount> MonthShort = {
    Ranged<MonthShortRow>(
        {u"M01", u"M02", u"M03", u"M04", u"M05", u"M06", u"M07", u"M08", u"M09", u"M10", u"M11", u"M12"}),
    Ranged<MonthShortRow>(
        {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"}),
    Ranged<MonthShortRow>(
        {u"Jän", u"Feb", u"Mär", u"Apr", u"Mai", u"Jun", u"Jul", u"Aug", u"Sep", u"Okt", u"Nov", u"Dez"}),
    Ranged<MonthShortRow>(
        {u"jan", u"fév", u"mar", u"avr", u"mai", u"juin", u"jul", u"aoû", u"sep", u"oct", u"nov", u"déc"}),
    Ranged<MonthShortRow>(
        {u"Ene", u"Feb", u"Mar", u"Abr", u"May", u"Jun", u"Jul", u"Ago", u"Sep", u"Oct", u"Nov", u"Dic"}),
};

const std::array<MonthLongRow, LanguageCount> MonthLong = {
    Ranged<MonthLongRow>(
        {u"M01", u"M02", u"M03", u"M04", u"M05", u"M06", u"M07", u"M08", u"M09", u"M10", u"M11", u"M12"}),
    Ranged<MonthLongRow>({u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August",
                          u"September", u"October", u"November", u"December"}),
    Ranged<MonthLongRow>({u"Jänner", u"Februar", u"März", u"April", u"Mai", u"Juni", u"Juli", u"August",
                          u"September", u"Oktober", u"November", u"Dezember"}),
    Ranged<MonthLongRow>({u"janvier", u"février ", u"mars", u"avril", u"mai", u"juin", u"juillet", u"août",
                          u"septembre", u"octobre", u"novembre", u"décembre"}),
    Ranged<MonthLongRow>({u"enero", u"febrero", u"marzo", u"abril", u"mai", u"junio", u"julio", u"agosto",
                          u"septiembre", u"octubre", u"noviembre", u"diciembre"}),
};

const std::array<DayShortRow, LanguageCount> WeekDayShort = {
    Ranged<DayShortRow>({u"D01", u"D02", u"D03", u"D04", u"D05", u"D06", u"D07"}),
    Ranged<DayShortRow>({u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat", u"Sun"}),
    Ranged<DayShortRow>({u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa", u"So"}),
    Ranged<DayShortRow>({u"lun", u"mar", u"mer", u"jeu", u"ven", u"sam", u"dim"}),
    Ranged<DayShortRow>({u"lun", u"mar", u"mie", u"jue", u"vie", u"sab", u"dom"}),
};

const std::array<DayLongRow, LanguageCount> WeekDayLong = {
    Ranged<DayLongRow>({u"D01", u"D02", u"D03", u"D04", u"D05", u"D06", u"D07"}),
    Ranged<DayLongRow>({u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday", u"Sunday"}),
    Ranged<DayLongRow>(
        {u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag", u"Samstag", u"Sonntag"}),
    Ranged<DayLongRow>({u"lundi", u"mardi", u"mercredi", u"jeudi", u"vendredi", u"samedi", u"dimanche"}),
    Ranged<DayLongRow>({u"lunes", u"martes", u"miércoles", u"jueves", u"viernes", u"sábado", u"domingo"}),
};

const std::array<NumWordRow, LanguageCount> NumWords = {
    Ranged<NumWordRow>({u"N00", u"N01", u"N02", u"N03", u"N04", u"N05", u"N06", u"N07", u"N08", u"N09",
                        u"N10", u"N11", u"N12"}),
    Ranged<NumWordRow>({u"zero", u"one", u"two", u"three", u"four", u"five", u"six", u"seven", u"eight",
                        u"nine", u"ten", u"eleven", u"twelve"}),
    Ranged<NumWordRow>({u"null", u"eins", u"zwei", u"drei", u"vier", u"fünf", u"sechs", u"sieben", u"acht",
                        u"neun", u"zehn", u"elf", u"zwölf"}),
    Ranged<NumWordRow>({u"zéro", u"celui", u"deux", u"trois", u"quatre", u"cinq", u"six", u"sept", u"huit",
                        u"neuf", u"dix", u"onze", u"douze"}),
    Ranged<NumWordRow>({u"cero", u"uno", u"dos", u"tres", u"cuatro", u"cinco", u"seis", u"siete", u"ocho",
                        u"nueve", u"diez", u"once", u"doce"}),
};

// Rows: the language the text is written in; columns: the language named.
const std::array<std::array<TShortString<15>, LanguageCount>, LanguageCount> LanguageID = {
    Texts<15>({u"???", u"???", u"???", u"???", u"???"}),
    Texts<15>({u"???", u"English", u"German", u"French", u"Spanish"}),
    Texts<15>({u"???", u"englisch", u"deutsch", u"französisch", u"spanisch"}),
    Texts<15>({u"???", u"anglais", u"allemand", u"français", u"espagnol"}),
    Texts<15>({u"???", u"inglés", u"alemán", u"francés", u"español"}),
};

const std::array<TShortString<2>, LanguageCount> ISO639_2Char = Texts<2>({u"??", u"en", u"de", u"fr", u"es"});
const std::array<TShortString<3>, LanguageCount> ISO639_3Char =
    Texts<3>({u"???", u"eng", u"ger", u"fre", u"spa"});

// ---- HTML 4 Latin-1 entities, codes 160 to 255 in order

const TRangeArray<TShortString<8>, 160, 255> HTMLLat1Entities =
    Ranged<TRangeArray<TShortString<8>, 160, 255>>({
        u"&nbsp;",   u"&iexcl;",  u"&cent;",   u"&pound;",  u"&curren;", u"&yen;",    u"&brvbar;",
        u"&sect;",   u"&uml;",    u"&copy;",   u"&ordf;",   u"&laquo;",  u"&not;",    u"&shy;",
        u"&reg;",    u"&macr;",   u"&deg;",    u"&plusmn;", u"&sup2;",   u"&sup3;",   u"&acute;",
        u"&micro;",  u"&para;",   u"&middot;", u"&cedil;",  u"&sup1;",   u"&ordm;",   u"&raquo;",
        u"&frac14;", u"&frac12;", u"&frac34;", u"&iquest;", u"&Agrave;", u"&Aacute;", u"&Acirc;",
        u"&Atilde;", u"&Auml;",   u"&Aring;",  u"&AElig;",  u"&Ccedil;", u"&Egrave;", u"&Eacute;",
        u"&Ecirc;",  u"&Euml;",   u"&Igrave;", u"&Iacute;", u"&Icirc;",  u"&Iuml;",   u"&ETH;",
        u"&Ntilde;", u"&Ograve;", u"&Oacute;", u"&Ocirc;",  u"&Otilde;", u"&Ouml;",   u"&times;",
        u"&Oslash;", u"&Ugrave;", u"&Uacute;", u"&Ucirc;",  u"&Uuml;",   u"&Yacute;", u"&THORN;",
        u"&szlig;",  u"&agrave;", u"&aacute;", u"&acirc;",  u"&atilde;", u"&auml;",   u"&aring;",
        u"&aelig;",  u"&ccedil;", u"&egrave;", u"&eacute;", u"&ecirc;",  u"&euml;",   u"&igrave;",
        u"&iacute;", u"&icirc;",  u"&iuml;",   u"&eth;",    u"&ntilde;", u"&ograve;", u"&oacute;",
        u"&ocirc;",  u"&otilde;", u"&ouml;",   u"&divide;", u"&oslash;", u"&ugrave;", u"&uacute;",
        u"&ucirc;",  u"&uuml;",   u"&yacute;", u"&thorn;",  u"&yuml;",
    });

// ---- Enumeration-name and identifier tables

namespace {

template <size_t N>
using Names = std::array<std::u16string_view, N>;

constexpr Names<vaBottom + 1> kVerticalAlignment = {u"vaTop", u"vaCenter", u"vaBottom"};
constexpr Names<taCenter + 1> kAlignment = {u"taLeftJustify", u"taRightJustify", u"taCenter"};
constexpr Names<bfTile + 1> kBkgFill = {u"bfSimple", u"bfStretch", u"bfTile"};
constexpr Names<bbFaces + 1> kBoundingBox = {u"bbNone", u"bbFrame", u"bbFaces"};
constexpr Names<csSystem + 1> kColorScheme = {u"csBWG", u"csSystem"};
constexpr Names<ftUserText + 1> kFigType = {u"ftNoFigs", u"ftNum", u"ftTime", u"ftDateTime", u"ftUserText"};
constexpr Names<sctYR + 1> kScaleType = {u"sctXB", u"sctXT", u"sctYL", u"sctYR"};
constexpr Names<ylYYYY + 1> kYearLength = {u"ylNone", u"ylYY", u"ylYYYY"};
constexpr Names<doYYMMDD + 1> kDateOrder = {u"doMMDDYY", u"doDDMMYY", u"doYYMMDD"};
constexpr Names<dtAllTicks + 1> kDateForTime = {u"dtNone", u"dtOnePerChart", u"dtOnePerDay", u"dtAllTicks"};
constexpr Names<ssBox + 1> kShadowStyle = {u"ssFlying", u"ssBox"};
constexpr Names<fsEngraved + 1> kFrameStyle = {u"fsNone",   u"fsSimple",   u"fsLowered",
                                               u"fsRaised", u"fsEmbossed", u"fsEngraved"};
constexpr Names<tfAMPM + 1> kTimeFormat = {u"tfHHMMSS", u"tfHHhMM", u"tfAMPM"};
constexpr Names<dirRightward + 1> kDirection = {u"dirUpward", u"dirDownward", u"dirLeftward",
                                                u"dirRightward"};
constexpr Names<lgSpanish + 1> kLanguage = {u"lgUnknown", u"lgEnglish", u"lgGerman", u"lgFrench",
                                            u"lgSpanish"};
// Lower-case "bool" for the value Bool.
constexpr Names<strg + 1> kVarKind = {u"rnum", u"dnum", u"snum", u"inum", u"lnum", u"bool", u"strg"};
constexpr Names<msFinished + 1> kMouseBoxState = {u"msNormal", u"msFirstCorner", u"msRectDraw",
                                                  u"msFinished"};
constexpr Names<maZoomPanColors + 1> kMouseActMode = {
    u"maNone",       u"maPan",        u"maPanHoriz",   u"maPanVert",      u"maPanGrid",
    u"maRubberBand", u"maZoom",       u"maZoomWind",   u"maZoomWindPos",  u"maZoomDrag",
    u"maDragCrossH", u"maDragLabel",  u"maRotate",     u"maRotAndZoom",   u"maRotXOnly",
    u"maRotZOnly",   u"maSelectRect", u"maDrawMTrace", u"maZoomPanColors"};
constexpr Names<zsDrawWin + 1> kZoomState = {u"zsNormal", u"zsDrawWin"};
constexpr Names<chBox + 1> kCrossHMode = {u"chOff",  u"chHoriz",    u"chVert",
                                          u"chBoth", u"chCrossBox", u"chBox"};
constexpr Names<tlShadow + 1> kTxtLblMode = {u"tlOff", u"tlsimple", u"tlBox", u"tlUnderline", u"tlShadow"};
constexpr Names<tlamBoth + 1> kTxtLblAttachMode = {u"tlamNone", u"tlamXOnly", u"tlamYOnly", u"tlamBoth"};
constexpr Names<fsStrikeOut + 1> kFontStyle = {u"fsBold", u"fsItalic", u"fsUnderline", u"fsStrikeOut"};
constexpr Names<sctUndefined + 1> kRescaleMode = {u"sctMeanCenter",      u"sctStandardize", u"sctConstSum",
                                                  u"sctConstSquaredSum", u"sctMaxAbs",      u"sctRange",
                                                  u"sctQNormalize",      u"sctSquash",      u"sctUndefined"};
constexpr Names<apRows + 1> kApplyColRow = {u"apColumns", u"apRows"};
constexpr Names<dmUserDef + 1> kDistMode = {u"Jaccard coefficient", u"Manhattan",        u"Euclidean",
                                            u"squared Euclidean",   u"Dice coefficient", u"user defined"};

}  // namespace

Names<vaBottom + 1> xmlVerticalAlignment = kVerticalAlignment;
Names<taCenter + 1> xmlAlignment = kAlignment;
Names<bfTile + 1> xmlBkgFill = kBkgFill;
Names<bbFaces + 1> xmlBoundingBox = kBoundingBox;
Names<csSystem + 1> xmlColorScheme = kColorScheme;
Names<ftUserText + 1> xmlFigType = kFigType;
Names<sctYR + 1> xmlScaleType = kScaleType;
Names<ylYYYY + 1> xmlYearLength = kYearLength;
Names<doYYMMDD + 1> xmlDateOrder = kDateOrder;
Names<dtAllTicks + 1> xmlDateForTime = kDateForTime;
Names<ssBox + 1> xmlShadowStyle = kShadowStyle;
Names<fsEngraved + 1> xmlFrameStyle = kFrameStyle;
Names<tfAMPM + 1> xmlTimeFormat = kTimeFormat;
Names<dirRightward + 1> xmlDirection = kDirection;
Names<lgSpanish + 1> xmlLanguage = kLanguage;
Names<strg + 1> xmlVarKind = kVarKind;
Names<msFinished + 1> xmlMouseBoxState = kMouseBoxState;
Names<maZoomPanColors + 1> xmlMouseActMode = kMouseActMode;
Names<zsDrawWin + 1> xmlZoomState = kZoomState;
Names<chBox + 1> xmlCrossHMode = kCrossHMode;
Names<tlShadow + 1> xmlTxtLblMode = kTxtLblMode;
Names<tlamBoth + 1> xmlTxtLblAttachMode = kTxtLblAttachMode;
Names<fsStrikeOut + 1> xmlFontStyle = kFontStyle;
Names<sctUndefined + 1> IDS_RESCALEMODE = kRescaleMode;
Names<apRows + 1> IDS_APPLYCOLROW = kApplyColRow;
Names<dmUserDef + 1> DistModeId = kDistMode;

namespace {

// Each string table of the unit with the names it holds while the unit is loaded.
struct UnitTable {
  std::span<std::u16string_view> table;
  std::span<const std::u16string_view> names;
};

const UnitTable kUnitTables[] = {
    {xmlVerticalAlignment, kVerticalAlignment},
    {xmlAlignment, kAlignment},
    {xmlBkgFill, kBkgFill},
    {xmlBoundingBox, kBoundingBox},
    {xmlColorScheme, kColorScheme},
    {xmlFigType, kFigType},
    {xmlScaleType, kScaleType},
    {xmlYearLength, kYearLength},
    {xmlDateOrder, kDateOrder},
    {xmlDateForTime, kDateForTime},
    {xmlShadowStyle, kShadowStyle},
    {xmlFrameStyle, kFrameStyle},
    {xmlTimeFormat, kTimeFormat},
    {xmlDirection, kDirection},
    {xmlLanguage, kLanguage},
    {xmlVarKind, kVarKind},
    {xmlMouseBoxState, kMouseBoxState},
    {xmlMouseActMode, kMouseActMode},
    {xmlZoomState, kZoomState},
    {xmlCrossHMode, kCrossHMode},
    {xmlTxtLblMode, kTxtLblMode},
    {xmlTxtLblAttachMode, kTxtLblAttachMode},
    {xmlFontStyle, kFontStyle},
    {IDS_RESCALEMODE, kRescaleMode},
    {IDS_APPLYCOLROW, kApplyColRow},
    {DistModeId, kDistMode},
};

}  // namespace

void ReleaseNameTables() {
  for (const UnitTable& t : kUnitTables) std::fill(t.table.begin(), t.table.end(), std::u16string_view());
}

void FillNameTables() {
  for (const UnitTable& t : kUnitTables) std::copy(t.names.begin(), t.names.end(), t.table.begin());
}

}  // namespace zub
