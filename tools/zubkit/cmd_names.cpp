// `zubkit names`: the library's name tables, and the tour's look at the name tables and the
// text label's file.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "tools/zubkit/cli.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::TLanguage;
using zub::UnicodeString;

std::string U8(std::u16string_view s) {
  return zub::UnicodeToUtf8(s);
}

// A table as index and entry pairs.
using Entries = std::vector<std::pair<int32_t, UnicodeString>>;

template <typename Row>
Entries RangeEntries(const Row& row) {
  Entries e;
  for (int32_t i = Row::LowIndex; i <= Row::HighIndex; ++i) e.emplace_back(i, row[i].Text());
  return e;
}

template <typename Row>
Entries ArrayEntries(const Row& row) {
  Entries e;
  for (size_t i = 0; i < row.size(); ++i) {
    if constexpr (std::is_convertible_v<decltype(row[i]), std::u16string_view>)
      e.emplace_back(static_cast<int32_t>(i), UnicodeString(row[i]));
    else
      e.emplace_back(static_cast<int32_t>(i), row[i].Text());
  }
  return e;
}

struct Table {
  std::string name;
  std::string about;
  bool perLanguage;
  std::function<Entries(TLanguage)> entries;
};

// An enumeration-name table, shown by its own name.
template <size_t N>
Table EnumTable(const char* name, const char* type, const std::array<std::u16string_view, N>& table) {
  return {name, std::string("names of ") + type + " values", false,
          [&table](TLanguage) { return ArrayEntries(table); }};
}

const std::vector<Table>& Tables() {
  using namespace zub;
  static const std::vector<Table> tables = {
      {"months", "month names, 1 to 12", true, [](TLanguage lg) { return RangeEntries(MonthLong[lg]); }},
      {"months-short", "short month names, 1 to 12", true,
       [](TLanguage lg) { return RangeEntries(MonthShort[lg]); }},
      {"weekdays", "weekday names, 1 (Monday) to 7", true,
       [](TLanguage lg) { return RangeEntries(WeekDayLong[lg]); }},
      {"weekdays-short", "short weekday names, 1 (Monday) to 7", true,
       [](TLanguage lg) { return RangeEntries(WeekDayShort[lg]); }},
      {"numbers", "number words, 0 to 12", true, [](TLanguage lg) { return RangeEntries(NumWords[lg]); }},
      {"languages", "language names by TLanguage (0 unknown, 1 English, 2 German, 3 French, 4 Spanish)", true,
       [](TLanguage lg) { return ArrayEntries(LanguageID[lg]); }},
      {"iso639", "two-letter language codes by TLanguage", false,
       [](TLanguage) { return ArrayEntries(ISO639_2Char); }},
      {"iso639-3", "three-letter language codes (ISO 639-2/B) by TLanguage", false,
       [](TLanguage) { return ArrayEntries(ISO639_3Char); }},
      {"entities", "HTML Latin-1 entity references by character code, 160 to 255", false,
       [](TLanguage) { return RangeEntries(HTMLLat1Entities); }},
      EnumTable("xmlVerticalAlignment", "TVerticalAlignment", xmlVerticalAlignment),
      EnumTable("xmlAlignment", "TAlignment", xmlAlignment),
      EnumTable("xmlBkgFill", "TBkgFill", xmlBkgFill),
      EnumTable("xmlBoundingBox", "TBoundingBox", xmlBoundingBox),
      EnumTable("xmlColorScheme", "TColorScheme", xmlColorScheme),
      EnumTable("xmlFigType", "TFigType", xmlFigType),
      EnumTable("xmlScaleType", "TScaleType", xmlScaleType),
      EnumTable("xmlYearLength", "TYearLength", xmlYearLength),
      EnumTable("xmlDateOrder", "TDateOrder", xmlDateOrder),
      EnumTable("xmlDateForTime", "TDateForTime", xmlDateForTime),
      EnumTable("xmlShadowStyle", "TShadowStyle", xmlShadowStyle),
      EnumTable("xmlFrameStyle", "TFrameStyle", xmlFrameStyle),
      EnumTable("xmlTimeFormat", "TTimeFormat", xmlTimeFormat),
      EnumTable("xmlDirection", "TDirection", xmlDirection),
      EnumTable("xmlLanguage", "TLanguage", xmlLanguage),
      EnumTable("xmlVarKind", "TVarKind", xmlVarKind),
      EnumTable("xmlMouseBoxState", "TMouseBoxState", xmlMouseBoxState),
      EnumTable("xmlMouseActMode", "TMouseActMode", xmlMouseActMode),
      EnumTable("xmlZoomState", "TZoomState", xmlZoomState),
      EnumTable("xmlCrossHMode", "TCrossHMode", xmlCrossHMode),
      EnumTable("xmlTxtLblMode", "TTxtLblMode", xmlTxtLblMode),
      EnumTable("xmlTxtLblAttachMode", "TTxtLblAttachMode", xmlTxtLblAttachMode),
      EnumTable("xmlFontStyle", "TFontStyle", xmlFontStyle),
      EnumTable("IDS_RESCALEMODE", "TRescaleMode", IDS_RESCALEMODE),
      EnumTable("IDS_APPLYCOLROW", "TApplyColRow", IDS_APPLYCOLROW),
      {"DistModeId", "descriptions of TDistMode values", false,
       [](TLanguage) { return ArrayEntries(DistModeId); }},
  };
  return tables;
}

const Table& FindTable(const std::string& name) {
  for (const Table& t : Tables())
    if (zub::SameText(zub::U(t.name), zub::U(name))) return t;
  throw UsageError("no table named '" + name + "'; 'zubkit names' lists them");
}

TLanguage LanguageArg(const std::string& code) {
  const std::pair<const char*, TLanguage> codes[] = {
      {"en", zub::lgEnglish}, {"de", zub::lgGerman}, {"fr", zub::lgFrench}, {"es", zub::lgSpanish}};
  for (const auto& [c, lg] : codes)
    if (code == c) return lg;
  throw UsageError("--lang takes en, de, fr or es, not '" + code + "'");
}

int RunNames(const Args& args, std::ostream& out) {
  const TLanguage lang = LanguageArg(args.Get("lang", "en"));
  if (args.Positional().empty()) {
    if (args.Has("lang")) throw UsageError("--lang goes with a language table");
    for (const Table& t : Tables()) out << t.name << "\t" << t.about << "\n";
    return 0;
  }
  const Table& table = FindTable(args.Positional()[0]);
  if (args.Has("lang") && !table.perLanguage)
    throw UsageError("--lang goes with a language table, which " + table.name + " is not");
  for (const auto& [index, entry] : table.entries(lang)) out << index << "\t" << U8(entry) << "\n";
  return 0;
}

const Registration names(
    {"names",
     "[TABLE]",
     "list the library's name tables, or the entries of one",
     "Without TABLE, the tables with what they hold. With TABLE, its entries one per line:\n"
     "index, tab, entry (UTF-8). TABLE, in any case:\n"
     "  months, months-short, weekdays, weekdays-short, numbers, languages\n"
     "                    calendar names, number words and language names in the --lang\n"
     "                    language (MonthLong, MonthShort, WeekDayLong, WeekDayShort,\n"
     "                    NumWords, LanguageID); entries exactly as stored, \"février \"\n"
     "                    with its trailing blank included\n"
     "  iso639, iso639-3  the two- and three-letter language codes\n"
     "  entities          HTMLLat1Entities, by character code 160 to 255\n"
     "  xmlVerticalAlignment ... xmlFontStyle, IDS_RESCALEMODE, IDS_APPLYCOLROW, DistModeId\n"
     "                    the enumeration-name tables by their own names, by ordinal value",
     {{"lang", "LANG", "language of the language tables: en (default), de, fr or es"}},
     0,
     1,
     RunNames});

// The scratch file the tour writes the label to.
std::filesystem::path ScratchFile() {
  return std::filesystem::temp_directory_path() / ("zubkit-label-" + std::to_string(::getpid()) + ".xml");
}

const TourRegistration stop(
    {12, "Name tables and labels",
     [](std::ostream& out) {
       using namespace zub;
       out << "MonthLong[lgFrench][2] = \"" << U8(MonthLong[lgFrench][2].Text()) << "\" ("
           << MonthLong[lgFrench][2].Length() << " Windows-1252 characters, kept as stored)\n";
       out << "WeekDayShort[lgGerman][1] = \"" << U8(WeekDayShort[lgGerman][1].Text())
           << "\", NumWords[lgSpanish][12] = \"" << U8(NumWords[lgSpanish][12].Text()) << "\"\n";
       out << "LanguageID[lgGerman][lgFrench] = \"" << U8(LanguageID[lgGerman][lgFrench].Text())
           << "\", ISO639_3Char[lgGerman] = \"" << U8(ISO639_3Char[lgGerman].Text()) << "\"\n";
       out << "HTMLLat1Entities[233] = \"" << U8(HTMLLat1Entities[233].Text())
           << "\", xmlTxtLblMode[tlBox] = \"" << U8(xmlTxtLblMode[tlBox]) << "\", xmlVarKind[Bool] = \""
           << U8(xmlVarKind[Bool]) << "\"\n";

       TCustomTextLabel label;
       label.SetTxtLblCaption(u"Peak\tA");
       label.SetTxtLblPosX(1.0 / 3);
       label.SetTxtLblPosY(12.5);
       TFont font;
       font.SetName(u"Courier New");
       font.SetStyle({fsBold});
       label.SetTxtLblFont(font);
       label.SetTxtLblColorBkg(0xFF00000F);
       out << "TCustomTextLabel: SetTxtLblCaption(\"Peak\\tA\") stores \"" << U8(label.Caption())
           << "\". With SetTxtLblPosX(1.0 / 3),\n"
              "SetTxtLblPosY(12.5), a bold Courier New font and the system colour $FF00000F as\n"
              "background, WriteToOpenXMLFile(f, false, \"peak\", 2) writes (1/3 with the 16 digits that\n"
              "read back as the same double, 12.5 with the four of the plain layout):\n";
       const std::filesystem::path scratch = ScratchFile();
       const UnicodeString name = SystemNameToUnicode(scratch.string());
       TextFile f;
       AssignFile(f, name);
       Rewrite(f);
       label.WriteToOpenXMLFile(f, false, u"peak", 2);
       CloseFile(f);
       std::ifstream in(scratch, std::ios::binary);
       const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
       in.close();
       std::string text = U8(AnsiToUnicode(bytes));
       for (size_t at; (at = text.find('\r')) != std::string::npos;) text.erase(at, 1);
       out << text;

       TCustomTextLabel back;
       int changes = 0;
       back.SetOnChange([&changes](TObject*) { ++changes; });
       Reset(f);
       const bool read = back.ReadFromOpenXMLFile(f, u"PEAK");
       CloseFile(f);
       std::filesystem::remove(scratch);
       char pos[64];
       std::snprintf(pos, sizeof pos, "%.17g", back.PosX());
       out << "ReadFromOpenXMLFile(f, \"PEAK\") = " << (read ? "true" : "false") << ", with " << changes
           << " OnChange\n  PosX() = " << pos
           << (back.PosX() == 1.0 / 3 ? " (the same double)" : " (changed)") << ", Font().Name() = \""
           << U8(back.Font().Name()) << "\", ColorBkg() = $" << U8(IntToHex(int64_t{back.ColorBkg()}, 8))
           << "\n";
       out << "Try: zubkit names, zubkit names months --lang fr, zubkit names entities\n";
     },
     "foundation/ZUB_zubbase.hpp"});

}  // namespace
}  // namespace zubkit
