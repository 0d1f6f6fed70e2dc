#include "foundation/name_tables.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {
namespace {

// A row of a language table as "a,b,c" in UTF-8.
template <typename Row>
std::string Joined(const Row& row) {
  std::string text;
  for (const auto& entry : row) text += (text.empty() ? "" : ",") + UnicodeToUtf8(entry.Text());
  return text;
}

// Every entry fits its width in Windows-1252 bytes, one byte per character and none of
// them a stand-in "?" (apart from the neutral "???"); the widest entry is reported for the
// caller to check.
template <typename Table>
size_t CheckWidths(const Table& table, size_t width, const char* name) {
  size_t widest = 0;
  for (const auto& row : table)
    for (const auto& entry : row) {
      const UnicodeString text = entry.Text();
      EXPECT_GE(entry.Length(), 1u) << name;
      EXPECT_LE(entry.Length(), width) << name << " " << UnicodeToUtf8(text);
      EXPECT_EQ(text.size(), entry.Length()) << name << " " << UnicodeToUtf8(text);
      if (text.find_first_not_of(u'?') != UnicodeString::npos) {
        EXPECT_EQ(text.find(u'?'), UnicodeString::npos) << name << " " << UnicodeToUtf8(text);
      }
      widest = std::max(widest, entry.Length());
    }
  return widest;
}

// The rows lgUnknown .. lgSpanish of each table as listed.
TEST(NameTables, LanguageTablesHoldTheListedRows) {
  const char* months[] = {
      "M01,M02,M03,M04,M05,M06,M07,M08,M09,M10,M11,M12", "Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec",
      "Jän,Feb,Mär,Apr,Mai,Jun,Jul,Aug,Sep,Okt,Nov,Dez", "jan,fév,mar,avr,mai,juin,jul,aoû,sep,oct,nov,déc",
      "Ene,Feb,Mar,Abr,May,Jun,Jul,Ago,Sep,Oct,Nov,Dic"};
  const char* monthsLong[] = {
      "M01,M02,M03,M04,M05,M06,M07,M08,M09,M10,M11,M12",
      "January,February,March,April,May,June,July,August,September,October,November,December",
      "Jänner,Februar,März,April,Mai,Juni,Juli,August,September,Oktober,November,Dezember",
      "janvier,février ,mars,avril,mai,juin,juillet,août,septembre,octobre,novembre,décembre",
      "enero,febrero,marzo,abril,mai,junio,julio,agosto,septiembre,octubre,noviembre,diciembre"};
  const char* days[] = {"D01,D02,D03,D04,D05,D06,D07", "Mon,Tue,Wed,Thu,Fri,Sat,Sun", "Mo,Di,Mi,Do,Fr,Sa,So",
                        "lun,mar,mer,jeu,ven,sam,dim", "lun,mar,mie,jue,vie,sab,dom"};
  const char* daysLong[] = {"D01,D02,D03,D04,D05,D06,D07",
                            "Monday,Tuesday,Wednesday,Thursday,Friday,Saturday,Sunday",
                            "Montag,Dienstag,Mittwoch,Donnerstag,Freitag,Samstag,Sonntag",
                            "lundi,mardi,mercredi,jeudi,vendredi,samedi,dimanche",
                            "lunes,martes,miércoles,jueves,viernes,sábado,domingo"};
  const char* numbers[] = {"N00,N01,N02,N03,N04,N05,N06,N07,N08,N09,N10,N11,N12",
                           "zero,one,two,three,four,five,six,seven,eight,nine,ten,eleven,twelve",
                           "null,eins,zwei,drei,vier,fünf,sechs,sieben,acht,neun,zehn,elf,zwölf",
                           "zéro,celui,deux,trois,quatre,cinq,six,sept,huit,neuf,dix,onze,douze",
                           "cero,uno,dos,tres,cuatro,cinco,seis,siete,ocho,nueve,diez,once,doce"};
  const char* languages[] = {"???,???,???,???,???", "???,English,German,French,Spanish",
                             "???,englisch,deutsch,französisch,spanisch",
                             "???,anglais,allemand,français,espagnol", "???,inglés,alemán,francés,español"};
  for (size_t lg = 0; lg < LanguageCount; ++lg) {
    EXPECT_EQ(Joined(MonthShort[lg]), months[lg]);
    EXPECT_EQ(Joined(MonthLong[lg]), monthsLong[lg]);
    EXPECT_EQ(Joined(WeekDayShort[lg]), days[lg]);
    EXPECT_EQ(Joined(WeekDayLong[lg]), daysLong[lg]);
    EXPECT_EQ(Joined(NumWords[lg]), numbers[lg]);
    EXPECT_EQ(Joined(LanguageID[lg]), languages[lg]);
  }
  EXPECT_EQ(Joined(ISO639_2Char), "??,en,de,fr,es");
  EXPECT_EQ(Joined(ISO639_3Char), "???,eng,ger,fre,spa");
}

TEST(NameTables, EntriesFitTheirWidthsInWindows1252) {
  // The widest entry of each table reaches the width ("juin", "septiembre", "Donnerstag",
  // "quatre"); the others stay below it.
  EXPECT_EQ(CheckWidths(MonthShort, 4, "MonthShort"), 4u);
  EXPECT_EQ(CheckWidths(MonthLong, 10, "MonthLong"), 10u);
  EXPECT_EQ(CheckWidths(WeekDayShort, 3, "WeekDayShort"), 3u);
  EXPECT_EQ(CheckWidths(WeekDayLong, 10, "WeekDayLong"), 10u);
  EXPECT_EQ(CheckWidths(NumWords, 6, "NumWords"), 6u);
  EXPECT_EQ(CheckWidths(LanguageID, 15, "LanguageID"), 11u);
  for (size_t lg = 0; lg < LanguageCount; ++lg) {
    EXPECT_EQ(ISO639_2Char[lg].Length(), 2u);
    EXPECT_EQ(ISO639_3Char[lg].Length(), 3u);
  }
  // One byte per letter: "Jän" is three characters.
  EXPECT_EQ(MonthShort[lgGerman][1].Bytes(), "J\xE4n");
  EXPECT_EQ(NumWords[lgGerman][12].Bytes(), "zw\xF6lf");
}

TEST(NameTables, OddEntriesStayAsListed) {
  EXPECT_EQ(MonthLong[lgFrench][2].Text(), u"février ");
  EXPECT_EQ(MonthLong[lgFrench][2].Length(), 8u);
  EXPECT_EQ(MonthLong[lgSpanish][5].Text(), u"mai");
  EXPECT_EQ(NumWords[lgFrench][1].Text(), u"celui");
  EXPECT_EQ(LanguageID[lgGerman][lgFrench].Text(), u"französisch");
  EXPECT_EQ(LanguageID[lgFrench][lgGerman].Text(), u"allemand");
  for (size_t lg = 0; lg < LanguageCount; ++lg) {
    EXPECT_EQ(LanguageID[lgUnknown][lg].Text(), u"???");
    EXPECT_EQ(LanguageID[lg][lgUnknown].Text(), u"???");
  }
  // Day 1 is Monday; the ranges are indexed as documented.
  EXPECT_EQ(WeekDayLong[lgEnglish][1].Text(), u"Monday");
  EXPECT_EQ(WeekDayLong[lgEnglish][7].Text(), u"Sunday");
  EXPECT_EQ(NumWords[lgEnglish][0].Text(), u"zero");
  EXPECT_EQ(MonthShort[lgEnglish][12].Text(), u"Dec");
}

TEST(NameTables, HTMLLatin1EntitiesCoverCodes160To255) {
  static_assert(HTMLLat1Entities.size() == 96);
  EXPECT_EQ(HTMLLat1Entities[160].Text(), u"&nbsp;");
  EXPECT_EQ(HTMLLat1Entities[255].Text(), u"&yuml;");
  const std::pair<int32_t, const Char*> known[] = {
      {161, u"&iexcl;"},  {169, u"&copy;"},   {173, u"&shy;"},    {174, u"&reg;"},    {181, u"&micro;"},
      {188, u"&frac14;"}, {191, u"&iquest;"}, {198, u"&AElig;"},  {208, u"&ETH;"},    {215, u"&times;"},
      {222, u"&THORN;"},  {223, u"&szlig;"},  {233, u"&eacute;"}, {247, u"&divide;"}, {254, u"&thorn;"}};
  for (const auto& [code, name] : known) EXPECT_EQ(HTMLLat1Entities[code].Text(), name) << code;
  std::set<UnicodeString> seen;
  for (int32_t c = 160; c <= 255; ++c) {
    const UnicodeString e = HTMLLat1Entities[c].Text();
    ASSERT_GE(e.size(), 4u) << c;
    EXPECT_LE(e.size(), 8u) << c;
    EXPECT_EQ(e.front(), u'&');
    EXPECT_EQ(e.back(), u';');
    EXPECT_TRUE(seen.insert(e).second) << UnicodeToUtf8(e);
  }
  // The small letters 224..254 are the capitals 192..222 in lower case, except for the
  // pair times / divide.
  for (int32_t c = 192; c <= 222; ++c) {
    if (c == 215) continue;
    EXPECT_EQ(HTMLLat1Entities[c + 32].Text(), LowerCase(HTMLLat1Entities[c].Text())) << c;
  }
}

// Checks that table holds, at each value's ordinal, the value's own name as written in the
// enumeration, and one entry per value.
template <size_t N, typename E>
void ExpectEnumNames(const std::array<std::u16string_view, N>& table, std::initializer_list<E> values,
                     const char* names) {
  ASSERT_EQ(values.size(), N) << names;
  std::string list = names;
  size_t ordinal = 0;
  for (E v : values) {
    const size_t comma = list.find(',');
    const std::string name = list.substr(0, comma);
    list = comma == std::string::npos ? "" : list.substr(list.find_first_not_of(' ', comma + 1));
    EXPECT_EQ(static_cast<size_t>(v), ordinal++) << name;
    EXPECT_EQ(UnicodeToUtf8(table[v]), name);
  }
}
#define EXPECT_ENUM_NAMES(table, ...) ExpectEnumNames(table, {__VA_ARGS__}, #__VA_ARGS__)

TEST(NameTables, EnumerationTablesNameEachValue) {
  EXPECT_ENUM_NAMES(xmlVerticalAlignment, vaTop, vaCenter, vaBottom);
  EXPECT_ENUM_NAMES(xmlAlignment, taLeftJustify, taRightJustify, taCenter);
  EXPECT_ENUM_NAMES(xmlBkgFill, bfSimple, bfStretch, bfTile);
  EXPECT_ENUM_NAMES(xmlBoundingBox, bbNone, bbFrame, bbFaces);
  EXPECT_ENUM_NAMES(xmlColorScheme, csBWG, csSystem);
  EXPECT_ENUM_NAMES(xmlFigType, ftNoFigs, ftNum, ftTime, ftDateTime, ftUserText);
  EXPECT_ENUM_NAMES(xmlScaleType, sctXB, sctXT, sctYL, sctYR);
  EXPECT_ENUM_NAMES(xmlYearLength, ylNone, ylYY, ylYYYY);
  EXPECT_ENUM_NAMES(xmlDateOrder, doMMDDYY, doDDMMYY, doYYMMDD);
  EXPECT_ENUM_NAMES(xmlDateForTime, dtNone, dtOnePerChart, dtOnePerDay, dtAllTicks);
  EXPECT_ENUM_NAMES(xmlShadowStyle, ssFlying, ssBox);
  EXPECT_ENUM_NAMES(xmlFrameStyle, fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved);
  EXPECT_ENUM_NAMES(xmlTimeFormat, tfHHMMSS, tfHHhMM, tfAMPM);
  EXPECT_ENUM_NAMES(xmlDirection, dirUpward, dirDownward, dirLeftward, dirRightward);
  EXPECT_ENUM_NAMES(xmlLanguage, lgUnknown, lgEnglish, lgGerman, lgFrench, lgSpanish);
  EXPECT_ENUM_NAMES(xmlMouseBoxState, msNormal, msFirstCorner, msRectDraw, msFinished);
  EXPECT_ENUM_NAMES(xmlMouseActMode, maNone, maPan, maPanHoriz, maPanVert, maPanGrid, maRubberBand, maZoom,
                    maZoomWind, maZoomWindPos, maZoomDrag, maDragCrossH, maDragLabel, maRotate, maRotAndZoom,
                    maRotXOnly, maRotZOnly, maSelectRect, maDrawMTrace, maZoomPanColors);
  EXPECT_ENUM_NAMES(xmlZoomState, zsNormal, zsDrawWin);
  EXPECT_ENUM_NAMES(xmlCrossHMode, chOff, chHoriz, chVert, chBoth, chCrossBox, chBox);
  EXPECT_ENUM_NAMES(xmlTxtLblMode, tlOff, tlsimple, tlBox, tlUnderline, tlShadow);
  EXPECT_ENUM_NAMES(xmlTxtLblAttachMode, tlamNone, tlamXOnly, tlamYOnly, tlamBoth);
  EXPECT_ENUM_NAMES(xmlFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut);
  EXPECT_ENUM_NAMES(IDS_RESCALEMODE, sctMeanCenter, sctStandardize, sctConstSum, sctConstSquaredSum,
                    sctMaxAbs, sctRange, sctQNormalize, sctSquash, sctUndefined);
  EXPECT_ENUM_NAMES(IDS_APPLYCOLROW, apColumns, apRows);
  // The one table whose text differs from the value's name: Bool is written "bool".
  EXPECT_EQ(xmlVarKind[Bool], u"bool");
  EXPECT_EQ(xmlVarKind, (std::array<std::u16string_view, 7>{u"rnum", u"dnum", u"snum", u"inum", u"lnum",
                                                            u"bool", u"strg"}));
  EXPECT_EQ(DistModeId,
            (std::array<std::u16string_view, 6>{u"Jaccard coefficient", u"Manhattan", u"Euclidean",
                                                u"squared Euclidean", u"Dice coefficient", u"user defined"}));
}

}  // namespace
}  // namespace zub
