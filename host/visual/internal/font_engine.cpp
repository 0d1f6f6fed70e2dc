#include "host/visual/internal/font_engine.hpp"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_FONT_FORMATS_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <map>
#include <tuple>

#include "host/exceptions.hpp"

namespace zub::visual_internal {

namespace {

// One FreeType library for the process; FreeType wants faces made and done one at a time.
std::mutex& LibraryLock() {
  static std::mutex lock;
  return lock;
}

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) throw Exception("FreeType cannot start");
    return lib;
  }();
  return library;
}

void StartFontconfig() {
  static std::once_flag once;
  std::call_once(once, [] {
    if (!FcInit()) throw Exception("fontconfig cannot read its configuration");
  });
}

// Faces above this em size render their first 256 glyphs on demand rather than up front.
constexpr int32_t kPrerenderLimit = 200;
// The em size a TFont height of 0 stands for: 12 points at 96 pixels per inch.
constexpr int32_t kDefaultEm = 16;
constexpr int32_t kMaxEm = 4096;

int32_t ScaleRound(int64_t units, int64_t em, int64_t unitsPerEm) {
  const int64_t p = units * em;
  return static_cast<int32_t>(p >= 0 ? (p + unitsPerEm / 2) / unitsPerEm
                                     : -((-p + unitsPerEm / 2) / unitsPerEm));
}

bool SameAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

std::string FoldedKey(const UnicodeString& name) {
  std::string s = UnicodeToUtf8(name);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}

}  // namespace

struct FaceAtSize::FreeTypeFace {
  FT_Face Face = nullptr;
  ~FreeTypeFace() {
    if (Face) {
      std::lock_guard<std::mutex> guard(LibraryLock());
      FT_Done_Face(Face);
    }
  }
};

FaceAtSize::FaceAtSize(const std::string& File, int Index, bool Embolden, bool Oblique, int32_t Height)
    : FFace(std::make_unique<FreeTypeFace>()), FEmbolden(Embolden), FOblique(Oblique) {
  std::lock_guard<std::mutex> guard(LibraryLock());
  if (FT_New_Face(Library(), File.c_str(), Index, &FFace->Face) != 0) {
    FFace->Face = nullptr;
    throw Exception("FreeType cannot open the font file " + File);
  }
  FT_Face face = FFace->Face;
  const int64_t upem = face->units_per_EM > 0 ? face->units_per_EM : 2048;
  int64_t ascUnits = face->ascender, descUnits = -face->descender;
  if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
      os2 && os2->usWinAscent + os2->usWinDescent > 0) {
    ascUnits = os2->usWinAscent;
    descUnits = os2->usWinDescent;
  }
  if (ascUnits + descUnits <= 0) {
    ascUnits = upem * 4 / 5;
    descUnits = upem / 5;
  }
  int32_t em = kDefaultEm;
  if (Height < 0)
    em = -Height;
  else if (Height > 0)
    em = std::max(1, ScaleRound(Height, upem, ascUnits + descUnits));
  em = std::clamp(em, 1, kMaxEm);
  if (FT_IS_SCALABLE(face))
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em));
  else if (face->num_fixed_sizes > 0)
    FT_Select_Size(face, 0);
  FScalable = FT_IS_SCALABLE(face);
  FFixedPitch = FT_IS_FIXED_WIDTH(face);
  const char* format = FT_Get_Font_Format(face);
  FTrueType = format && std::string_view(format) == "TrueType";
  FAscent = ScaleRound(ascUnits, em, upem);
  FDescent = ScaleRound(descUnits, em, upem);
  FUnderlinePos = std::max(1, ScaleRound(-face->underline_position, em, upem));
  FThickness = std::max(1, ScaleRound(face->underline_thickness, em, upem));
  if (em <= kPrerenderLimit) {
    for (char32_t c = 0; c < FLatin.size(); ++c) FLatin[c] = Render(c);
    FLatinReady = true;
  }
}

FaceAtSize::~FaceAtSize() = default;

Glyph FaceAtSize::Render(char32_t Code) {
  Glyph g;
  FT_Face face = FFace->Face;
  const FT_UInt index = FT_Get_Char_Index(face, Code);
  if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) != 0) return g;
  FT_GlyphSlot slot = face->glyph;
  if (FEmbolden) FT_GlyphSlot_Embolden(slot);
  if (FOblique) FT_GlyphSlot_Oblique(slot);
  g.Advance = static_cast<int32_t>((slot->advance.x + 32) >> 6);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return g;
  const FT_Bitmap& bm = slot->bitmap;
  g.Left = slot->bitmap_left;
  g.Top = slot->bitmap_top;
  g.Width = static_cast<int32_t>(bm.width);
  g.Height = static_cast<int32_t>(bm.rows);
  g.Bits.assign(static_cast<size_t>(g.Width) * static_cast<size_t>(g.Height), 0);
  for (int32_t y = 0; y < g.Height; ++y) {
    const unsigned char* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
    for (int32_t x = 0; x < g.Width; ++x) {
      uint8_t on = 0;
      if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
        on = (row[x >> 3] >> (7 - (x & 7))) & 1;
      else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY)
        on = row[x] >= 128;
      g.Bits[static_cast<size_t>(y) * static_cast<size_t>(g.Width) + static_cast<size_t>(x)] = on;
    }
  }
  return g;
}

const Glyph& FaceAtSize::OtherGlyph(char32_t Code) {
  std::lock_guard<std::mutex> guard(FOthersLock);
  auto& slot = FOthers[Code];
  if (!slot) slot = std::make_unique<Glyph>(Render(Code));
  return *slot;
}

std::shared_ptr<FaceAtSize> FindFace(const UnicodeString& Name, bool Bold, bool Italic, int32_t Height) {
  static std::mutex cacheLock;
  static auto* cache = new std::map<std::tuple<std::string, int, int32_t>, std::shared_ptr<FaceAtSize>>;
  const auto key = std::make_tuple(FoldedKey(Name), (Bold ? 1 : 0) | (Italic ? 2 : 0), Height);
  std::lock_guard<std::mutex> guard(cacheLock);
  if (auto found = cache->find(key); found != cache->end()) return found->second;

  StartFontconfig();
  std::string file;
  int index = 0;
  bool embolden = false, oblique = false;
  for (const std::string& family : {UnicodeToUtf8(Name), std::string("DejaVu Sans")}) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) continue;
    FcChar8* path = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path) {
      file = reinterpret_cast<const char*>(path);
      FcPatternGetInteger(match, FC_INDEX, 0, &index);
      int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
      FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
      FcPatternGetInteger(match, FC_SLANT, 0, &slant);
      embolden = Bold && weight < FC_WEIGHT_DEMIBOLD;
      oblique = Italic && slant == FC_SLANT_ROMAN;
    }
    FcPatternDestroy(match);
    if (!file.empty()) break;
  }
  if (file.empty()) throw Exception("No installed font can stand in for \"" + UnicodeToUtf8(Name) + "\"");
  auto face = std::make_shared<FaceAtSize>(file, index, embolden, oblique, Height);
  // Canvases keep the faces they use; the cache only saves finding them again.
  if (cache->size() >= 64) cache->clear();
  (*cache)[key] = face;
  return face;
}

namespace {

// Calls Visit(pattern) for each installed font, with its family names filled in.
template <typename F>
void ForEachFont(F&& Visit) {
  StartFontconfig();
  FcPattern* pattern = FcPatternCreate();
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  if (!fonts) return;
  for (int i = 0; i < fonts->nfont; ++i) Visit(fonts->fonts[i]);
  FcFontSetDestroy(fonts);
}

}  // namespace

std::vector<std::string> InstalledFamilies() {
  std::vector<std::string> names;
  ForEachFont([&names](FcPattern* font) {
    FcChar8* family = nullptr;
    for (int n = 0; FcPatternGetString(font, FC_FAMILY, n, &family) == FcResultMatch; ++n) {
      const std::string name(reinterpret_cast<const char*>(family));
      if (std::none_of(names.begin(), names.end(),
                       [&name](const std::string& s) { return SameAsciiCase(s, name); }))
        names.push_back(name);
    }
  });
  return names;
}

}  // namespace zub::visual_internal
