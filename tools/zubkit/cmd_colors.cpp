// `zubkit color` and `zubkit scale`: colour models, names and colour scales.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <ostream>
#include <vector>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/output.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

using zub::TColor;
using zub::UnicodeToUtf8;

std::string Fixed(double v, int decimals = 3) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

// "grey" for "gray" in any case, keeping the case of the letter: DarkGrey -> DarkGray.
zub::UnicodeString GrayForGrey(zub::UnicodeString s) {
  for (size_t i = 0; i + 4 <= s.size(); ++i)
    if (zub::SameText(s.substr(i, 4), u"grey")) s[i + 2] = s[i + 2] == u'E' ? u'A' : u'a';
  return s;
}

// The row of AllZUBColorNames for a name in any case, also with the "cl" prefix that
// ObtainColorName shows and with "grey" where the table spells "gray"; -1 for none.
// The name as written is tried first, so no table name is ever shadowed.
int FindColorName(const zub::UnicodeString& name) {
  std::vector<zub::UnicodeString> tries{name};
  if (name.size() > 2 && zub::SameText(name.substr(0, 2), u"cl")) tries.push_back(name.substr(2));
  for (size_t i = 0, n = tries.size(); i < n; ++i) tries.push_back(GrayForGrey(tries[i]));
  for (const auto& t : tries)
    for (size_t i = 0; i < zub::AllZUBColorNames.size(); ++i)
      if (zub::SameText(zub::AllZUBColorNames[i], t)) return static_cast<int>(i);
  return -1;
}

// A colour name, $BBGGRR, #RRGGBB or r,g,b.
TColor ParseColor(const std::string& text) {
  const zub::UnicodeString s = zub::U(text);
  if (s.empty()) throw UsageError("an empty colour");
  if (s[0] == u'$') {
    if (s.size() < 2 || !zub::IsAllHex(s.substr(1)))
      throw UsageError("'" + text + "' is not a $BBGGRR colour");
    // Only the 24 colour bits are a colour; a set top byte marks a system colour, whose RGB
    // value the platform decides, so such values are refused rather than cut.
    const size_t first = s.find_first_not_of(u'0', 1);
    if (first != zub::UnicodeString::npos && s.size() - first > 6)
      throw UsageError("'" + text +
                       "' has more than the 24 bits of $BBGGRR (a set top byte marks a system colour)");
    return zub::HexStrToColor(s);
  }
  if (s[0] == u'#') {
    if (s.size() != 7 || !zub::IsAllHex(s.substr(1)))
      throw UsageError("'" + text + "' is not a #RRGGBB colour");
    const TColor rgb = zub::HexStrToColor(s.substr(1));
    return zub::ReverseRGBColor(rgb);
  }
  if (s.find(u',') != zub::UnicodeString::npos) {
    int32_t parts[3];
    for (int i = 0; i < 3; ++i) {
      const zub::UnicodeString field = zub::StripLTBlanks(zub::ExtractSubString(s, i, u","));
      int32_t code = 0;
      zub::Val(field, parts[i], code);
      if (code != 0 || parts[i] < 0 || parts[i] > 255 ||
          (i == 2 && !zub::ExtractSubString(s, 3, u",").empty()))
        throw UsageError("'" + text + "' is not r,g,b with values 0..255");
    }
    return zub::RGBToColor(parts[0], parts[1], parts[2]);
  }
  const int row = FindColorName(s);
  if (row >= 0) return zub::AllZUBColors[static_cast<size_t>(row)];
  throw UsageError("no colour named '" + text + "'");
}

size_t NearestNamed(TColor c, double& distance) {
  size_t best = 0;
  distance = 2;
  for (size_t i = 0; i < zub::AllZUBColors.size(); ++i) {
    const double d = zub::RGBColorDistance(c, zub::AllZUBColors[i]);
    if (d < distance) distance = d, best = i;
  }
  return best;
}

void Describe(TColor c, std::ostream& out) {
  using namespace zub;
  const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
  out << "TColor     $" << UnicodeToUtf8(ColorToHexStr(c)) << "\n";
  out << "name       " << UnicodeToUtf8(ObtainColorName(c, true)) << "\n";
  out << "RGB        " << r << ", " << g << ", " << b << "\n";
  double h, s, x;
  RGBtoHSL(r, g, b, h, s, x);
  out << "HSL        " << Fixed(h, 2) << ", " << Fixed(s) << ", " << Fixed(x) << "\n";
  RGBtoHSV(r, g, b, h, s, x);
  out << "HSV        " << Fixed(h, 2) << ", " << Fixed(s) << ", " << Fixed(x) << "\n";
  RGBtoHSI(r, g, b, h, s, x);
  out << "HSI        " << Fixed(h, 2) << ", " << Fixed(s) << ", " << Fixed(x) << "\n";
  double cy, m, y, k;
  RGBtoCMY(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b), cy, m, y);
  out << "CMY        " << Fixed(cy) << ", " << Fixed(m) << ", " << Fixed(y) << "\n";
  CMYtoCMYK(cy, m, y, k);
  out << "CMYK       " << Fixed(cy) << ", " << Fixed(m) << ", " << Fixed(y) << ", " << Fixed(k) << "\n";
  out << "grey       " << ColorToGray(c) << "\n";
  out << "contrast   " << UnicodeToUtf8(ObtainColorName(ContrastBWColor(c))) << "\n";
  double d = 0;
  const size_t nearest = NearestNamed(c, d);
  out << "nearest    " << UnicodeToUtf8(UnicodeString(AllZUBColorNames[nearest])) << " ($"
      << UnicodeToUtf8(ColorToHexStr(AllZUBColors[nearest])) << "), distance " << Fixed(d, 4) << "\n";
}

int RunColor(const Args& args, std::ostream& out) {
  Describe(ParseColor(args.Positional()[0]), out);
  return 0;
}

std::vector<TColor> ScaleKeys(const std::string& list) {
  struct Named {
    const char* name;
    std::span<const TColor> keys;
  };
  const Named scales[] = {
      {"rainbow", zub::ColorArray_Rainbow},  {"geo1", zub::ColorArray_Geo1},
      {"geo2", zub::ColorArray_Geo2},        {"geo3", zub::ColorArray_Geo3},
      {"circle", zub::ColorArray_Circle},    {"morgenstemning", zub::ColorArray_MorgenStemning},
      {"contrast", zub::ColorArray_Contrast}};
  for (const auto& s : scales)
    if (zub::SameText(zub::U(list), zub::U(s.name))) return {s.keys.begin(), s.keys.end()};
  std::vector<TColor> keys;
  // Colours separated by ";" or, when no colour is written r,g,b, by ",".
  const char sep = list.find(';') != std::string::npos ? ';' : ',';
  size_t start = 0;
  for (;;) {
    const size_t end = list.find(sep, start);
    keys.push_back(ParseColor(list.substr(start, end - start)));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  if (keys.size() < 2) throw UsageError("a scale needs a scale name or at least two key colours");
  return keys;
}

int RunScale(const Args& args, std::ostream& out) {
  const std::vector<TColor> keys = ScaleKeys(args.Positional()[0]);
  zub::TColorArray scale(nullptr);
  scale.Resize(static_cast<int32_t>(args.GetInt("size", 16, 1, zub::TColorArray::MaxFileSize)));
  // Each element interpolates between two neighbouring keys, so fewer elements than keys
  // leave some keys out of the scale.
  if (static_cast<size_t>(scale.Size()) < keys.size())
    std::cerr << "zubkit scale: warning: --size " << scale.Size() << " is smaller than the " << keys.size()
              << " key colours, so some of them are skipped\n";
  scale.FillByInterpolation(static_cast<int32_t>(args.GetInt("levels", 0, 0, 1 << 24)), keys);
  if (args.Has("gamma")) {
    double gamma = 0;
    int32_t code = 0;
    zub::Val(zub::U(args.Get("gamma")), gamma, code);
    if (code != 0 || gamma < 0 || gamma > 1) throw UsageError("--gamma wants a number from 0 to 1");
    scale.LogTransform(gamma);
  }
  if (args.Has("out") && args.Get("out") != "-") {
    // StoreOnFile's steps, so that a failure comes with the system's reason: the writer
    // gives false, and closing the file tells why.
    const zub::UnicodeString name = zub::SystemNameToUnicode(args.Get("out"));
    zub::TextFile f;
    zub::AssignFile(f, name);
    try {
      zub::Rewrite(f);
    } catch (const zub::EInOutError& e) {
      throw std::runtime_error("cannot create '" + args.Get("out") +
                               "': " + UnicodeToUtf8(zub::ErrorCodeText(e.ErrorCode())));
    }
    const bool written = scale.WriteToOpenTextFile(f, 1, scale.Size());
    try {
      zub::CloseFile(f);
    } catch (const zub::EInOutError& e) {
      zub::RemovePartialFile(name);
      throw WriteError(UnicodeToUtf8(zub::ErrorCodeText(e.ErrorCode())), false);
    }
    if (!written) {
      zub::RemovePartialFile(name);
      throw WriteError("the colour file could not be written whole", false);
    }
    return 0;
  }
  if (args.Has("out")) {
    // The colour file on standard output: written by the library's writer to a scratch
    // file, then copied, so the bytes are the same as for a named file.
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / ("zubkit-scale-" + std::to_string(::getpid()) + ".txt");
    const bool stored = scale.StoreOnFile(1, scale.Size(), zub::SystemNameToUnicode(scratch.string()));
    std::ifstream in(scratch, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::filesystem::remove(scratch);
    if (!stored) throw std::runtime_error("cannot write the colour file to a scratch file");
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return 0;
  }
  for (int32_t i = 1; i <= scale.Size(); ++i)
    out << i << "\t$" << UnicodeToUtf8(zub::ColorToHexStr(scale.GetColorElem(i))) << "\t"
        << UnicodeToUtf8(zub::ObtainColorName(scale.GetColorElem(i))) << "\n";
  return 0;
}

const Registration color(
    {"color",
     "COLOR",
     "describe a colour in every colour model",
     "COLOR is a colour name (any case, with or without the \"cl\" prefix, grey for gray),\n"
     "$BBGGRR, #RRGGBB or r,g,b. $BBGGRR has at most six significant digits: values with\n"
     "a set top byte, such as the system colours $FF0000xx, are refused.",
     {},
     1,
     1,
     RunColor});
const Registration scale(
    {"scale",
     "NAME|COLORS",
     "build a colour scale and list it or write it as a colour file",
     "NAME: rainbow, geo1, geo2, geo3, circle, morgenstemning, contrast; or key colours separated\n"
     "by commas (by semicolons when a colour is written r,g,b).",
     {{"size", "N", "number of colours (default 16)"},
      {"levels", "L", "quantise into L bands (default 0: smooth)"},
      {"gamma", "G", "logarithmic stretch, 0 to 1"},
      {"out", "FILE", "write the colour file instead of listing (- for standard output)"}},
     1,
     1,
     RunScale});

const TourRegistration stop(
    {15, "Colours",
     [](std::ostream& out) {
       using namespace zub;
       out << "For $00AAB220: ObtainColorName(c, true), ColorToHSL, ColorToHSV, ColorToHSI, RGBtoCMY,\n"
              "CMYtoCMYK, RGBtoGray and the nearest named colour:\n";
       Describe(0xAAB220, out);
       TColorArray scale(nullptr);
       scale.Resize(3);
       scale.FillByInterpolation(0, {0x000000, 0xFFFFFF});
       out << "TColorArray Resize(3), FillByInterpolation(0, {clBlack, clWhite}): black to white in three "
              "steps: ";
       for (int i = 1; i <= 3; ++i) out << "$" << UnicodeToUtf8(ColorToHexStr(scale.GetColorElem(i))) << " ";
       out << "(interpolated in extended precision)\n";
       out << "WavelengthToColor(580, 0.8) is "
           << UnicodeToUtf8(ObtainColorName(WavelengthToColor(580, 0.8), true)) << "\n";
       out << "Try: zubkit color tomato, zubkit color 255,128,0, zubkit scale rainbow --size 16\n";
     },
     "colors/ZUB_zubcolors.hpp"});

}  // namespace
}  // namespace zubkit
