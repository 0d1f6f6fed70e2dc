#include "dstruct/string_array.hpp"

#include <algorithm>
#include <new>
#include <numeric>
#include <stdexcept>

#include "dstruct/ZUB_dstruct.hpp"
#include "host/case_map.hpp"
#include "host/convert.hpp"
#include "strings/string_edit.hpp"

namespace zub {

namespace {

constexpr Char kPrefix[] = u"Class TStringArray: ";

bool OnlySpaces(std::u16string_view s) {
  return std::all_of(s.begin(), s.end(), [](Char ch) { return ch == u' '; });
}

std::u16string_view TrimSpaces(std::u16string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && s[b] == u' ') ++b;
  while (e > b && s[e - 1] == u' ') --e;
  return s.substr(b, e - b);
}

}  // namespace

int32_t CombSortNextGap(int32_t gap) {
  // The gap was computed in 80-bit arithmetic; 13 / 1.3 must give 10, not 9.
  auto next = static_cast<int32_t>(static_cast<long double>(gap) / 1.3L);
  return next < 1 ? 1 : next;
}

TStringArray::TStringArray(TComponent* AOwner) : TComponent(AOwner) {
  try {
    FRAllocated = 10;
    FPoiArray.assign(2, std::vector<uint32_t>(10, 0));
    FSortIx.resize(10);
    FRowAttrib.assign(10, 0);
    FColAttrib.assign(1, 0);
    FStgPool.emplace_back();
    FFirstFree.assign(1, 1);
  } catch (const std::bad_alloc&) {
    throw EZUBDStructError(UnicodeString(kPrefix) + u"failed to initialize (out of memory)");
  }
  ResetSortIndex();
}

void TStringArray::Assign(const TPersistent* Source) {
  if (const auto* src = dynamic_cast<const TStringArray*>(Source)) {
    if (src == this) return;
    FNCol = src->FNCol;
    FNRow = src->FNRow;
    FAllocRowsBy = src->FAllocRowsBy;
    FRAllocated = src->FRAllocated;
    FFirstFree = src->FFirstFree;
    FPoiArray = src->FPoiArray;
    FSortIx = src->FSortIx;
    FStgPool = src->FStgPool;
    FRowAttrib = src->FRowAttrib;
    FColAttrib = src->FColAttrib;
    FOnChange = src->FOnChange;
    FOnBefSortExc = src->FOnBefSortExc;
    FOnPercentDone = src->FOnPercentDone;
    return;
  }
  TPersistent::Assign(Source);
}

void TStringArray::AssignTo(TPersistent* Dest) const {
  AssignToOwnClass<TStringArray>(Dest);
}

void TStringArray::ResetSortIndex() {
  for (size_t i = 0; i < FSortIx.size(); ++i) FSortIx[i] = static_cast<int32_t>(i + 1);
}

AnsiString TStringArray::TextAt(uint32_t addr) const {
  if (addr == 0) return {};
  return AnsiString(FStgPool[(addr >> 16) - 1].TextAt(static_cast<int32_t>(addr & 0xFFFF)));
}

uint32_t TStringArray::CellAddress(int32_t c, int32_t r) const {
  if (!ValidCell(c, r)) return 0;
  return FPoiArray[c][FSortIx[r - 1] - 1];
}

int32_t TStringArray::PoolFirstFree(int32_t p) const {
  if (p < 1 || p > NumBuffers()) return 0;
  return FFirstFree[p - 1];
}

UnicodeString TStringArray::GetString(int32_t c, int32_t r) const {
  return AnsiToUnicode(TextAt(CellAddress(c, r)));
}

void TStringArray::Store(int32_t c, int32_t physRow, const AnsiString& bytes) {
  uint32_t& addr = Addr(c, physRow);
  const auto len = static_cast<int32_t>(bytes.size());
  if (addr != 0) {
    TStringPool& pool = FStgPool[(addr >> 16) - 1];
    const auto offset = static_cast<int32_t>(addr & 0xFFFF);
    if (pool.LengthAt(offset) >= len) {
      pool.Put(offset, bytes);
      return;
    }
  }
  for (size_t p = 0; p < FStgPool.size(); ++p) {
    if (FFirstFree[p] + len <= TStringPool::LastUsable) {
      FStgPool[p].Put(FFirstFree[p], bytes);
      addr = static_cast<uint32_t>(p + 1) << 16 | static_cast<uint32_t>(FFirstFree[p]);
      FFirstFree[p] += len + 1;
      return;
    }
  }
  if (NumBuffers() >= MaxPools())
    throw EZUBDStructError(UnicodeString(kPrefix) + u"string storage full (" + IntToStr(MaxPools()) +
                           u" pools)");
  try {
    FFirstFree.reserve(FFirstFree.size() + 1);
    FStgPool.emplace_back();
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory(UnicodeString(kPrefix) + u"out of memory adding a string pool");
  }
  FFirstFree.push_back(len + 2);
  FStgPool.back().Put(1, bytes);
  addr = static_cast<uint32_t>(FStgPool.size()) << 16 | 1u;
}

void TStringArray::SetString(int32_t c, int32_t r, const UnicodeString& s) {
  if (!ValidCell(c, r)) return;
  Store(c, FSortIx[r - 1], TShortString<255>(s).Bytes());
  Changed();
}

double TStringArray::CellNumber(int32_t c, int32_t r) const {
  const UnicodeString stored = GetString(c, r);
  const UnicodeString text = ReplaceCharInString(TrimSpaces(stored), u',', u'.');
  if (text.empty()) return 0;
  double value = 0;
  int32_t code = 0;
  Val(text, value, code);
  if (code != 0)
    throw EZUBDStructError(UnicodeString(kPrefix) + u"invalid numeric string: [" + IntToStr(c) + u"," +
                           IntToStr(r) + u"]: " + stored);
  return value;
}

double TStringArray::GetAsNumber(int32_t c, int32_t r) const {
  return CellNumber(c, r);
}

int32_t TStringArray::GetAsInteger(int32_t c, int32_t r) const {
  const double v = CellNumber(c, r);
  if (v < -2147483647.0) return -2147483647;
  if (v > 2147483647.0) return 2147483647;
  return static_cast<int32_t>(Round(v));
}

uint8_t TStringArray::GetColAttrib(int32_t c) const {
  return c >= 1 && c <= FNCol ? FColAttrib[c - 1] : 0;
}

void TStringArray::SetColAttrib(int32_t c, uint8_t b) {
  if (c < 1 || c > FNCol) return;
  FColAttrib[c - 1] = b;
  Changed();
}

uint8_t TStringArray::GetRowAttrib(int32_t r) const {
  return r >= 1 && r <= FNRow ? FRowAttrib[FSortIx[r - 1] - 1] : 0;
}

void TStringArray::SetRowAttrib(int32_t r, uint8_t b) {
  if (r < 1 || r > FNRow) return;
  FRowAttrib[FSortIx[r - 1] - 1] = b;
  Changed();
}

int32_t TStringArray::GetSortOrder(int32_t ix) const {
  return ix >= 1 && ix <= FNRow ? FSortIx[ix - 1] : -1;
}

void TStringArray::SetSortOrder(int32_t ix, int32_t position) {
  if (ix >= 1 && ix <= FNRow && position >= 1 && position <= FNRow) FSortIx[ix - 1] = position;
}

bool TStringArray::Resize(int32_t Nc, int32_t Nr) {
  if (Nc == FNCol && Nr == FNRow) return true;
  if (Nc <= 0 || Nr <= 0) return false;
  if (Nc != FNCol || Nr > FRAllocated) {
    const int64_t by = std::max(FAllocRowsBy, int32_t{1});
    const int64_t alloc = ((int64_t{Nr} - 1) / by + 1) * by;
    if (alloc > INT32_MAX) return false;
    const auto A = static_cast<size_t>(alloc);
    const int32_t keepCols = std::min(Nc, FNCol);
    const auto keepRows = static_cast<size_t>(std::min(Nr, FNRow));
    try {
      // Built aside, so a failed allocation leaves the table as it was.
      std::vector<std::vector<uint32_t>> poi(static_cast<size_t>(Nc) + 1, std::vector<uint32_t>(A, 0));
      for (int32_t c = 0; c <= keepCols; ++c) std::copy_n(FPoiArray[c].begin(), keepRows, poi[c].begin());
      std::vector<uint8_t> rowAttrib(A, 0);
      std::copy_n(FRowAttrib.begin(), keepRows, rowAttrib.begin());
      std::vector<uint8_t> colAttrib(static_cast<size_t>(Nc), 0);
      std::copy_n(FColAttrib.begin(), keepCols, colAttrib.begin());
      std::vector<int32_t> sortIx(A);
      FPoiArray = std::move(poi);
      FRowAttrib = std::move(rowAttrib);
      FColAttrib = std::move(colAttrib);
      FSortIx = std::move(sortIx);
    } catch (const std::bad_alloc&) {
      return false;
    } catch (const std::length_error&) {
      return false;
    }
    FNCol = Nc;
    FNRow = Nr;
    FRAllocated = static_cast<int32_t>(alloc);
  } else {
    // Physical rows between the old and the new count: added ones come in empty, dropped
    // ones are cleared so that everything beyond NrOfRows stays empty.
    const int32_t lo = std::min(Nr, FNRow), hi = std::max(Nr, FNRow);
    for (auto& column : FPoiArray) std::fill(column.begin() + lo, column.begin() + hi, 0u);
    std::fill(FRowAttrib.begin() + lo, FRowAttrib.begin() + hi, uint8_t{0});
    FNRow = Nr;
  }
  ResetSortIndex();
  Changed();
  return true;
}

int32_t TStringArray::AddRow() {
  Resize(FNCol, FNRow + 1);
  return FNRow;
}

void TStringArray::InsertRow(int32_t r) {
  if (r < 1 || r > FNRow) return;
  CommitSorting();
  const int32_t n = FNRow;
  if (!Resize(FNCol, n + 1)) return;
  for (auto& column : FPoiArray) {
    std::copy_backward(column.begin() + (r - 1), column.begin() + n, column.begin() + (n + 1));
    column[r - 1] = 0;
  }
  std::copy_backward(FRowAttrib.begin() + (r - 1), FRowAttrib.begin() + n, FRowAttrib.begin() + (n + 1));
  FRowAttrib[r - 1] = 0;
}

void TStringArray::RemoveRow(int32_t r) {
  if (r < 1 || r > FNRow) return;
  CommitSorting();
  const int32_t n = FNRow;
  if (n == 1) {
    for (auto& column : FPoiArray) column[0] = 0;
    FRowAttrib[0] = 0;
    return;
  }
  for (auto& column : FPoiArray) {
    std::copy(column.begin() + r, column.begin() + n, column.begin() + (r - 1));
    column[n - 1] = 0;
  }
  std::copy(FRowAttrib.begin() + r, FRowAttrib.begin() + n, FRowAttrib.begin() + (r - 1));
  FRowAttrib[n - 1] = 0;
  Resize(FNCol, n - 1);
}

void TStringArray::InsertColumn(int32_t c) {
  if (c < 1 || c > FNCol) return;
  const int32_t n = FNCol;
  if (!Resize(n + 1, FNRow)) return;
  for (int32_t k = n + 1; k > c; --k) {
    FPoiArray[k] = FPoiArray[k - 1];
    FColAttrib[k - 1] = FColAttrib[k - 2];
  }
  std::fill(FPoiArray[c].begin(), FPoiArray[c].end(), 0u);
  FColAttrib[c - 1] = 0;
}

void TStringArray::RemoveColumn(int32_t c) {
  if (c < 1 || c > FNCol) return;
  const int32_t n = FNCol;
  if (n == 1) {
    std::fill(FPoiArray[1].begin(), FPoiArray[1].end(), 0u);
    FColAttrib[0] = 0;
    return;
  }
  for (int32_t k = c; k < n; ++k) {
    FPoiArray[k] = FPoiArray[k + 1];
    FColAttrib[k - 1] = FColAttrib[k];
  }
  // The last column now repeats its neighbour; no two cells may share a text.
  std::fill(FPoiArray[n].begin(), FPoiArray[n].end(), 0u);
  FColAttrib[n - 1] = 0;
  Resize(n - 1, FNRow);
}

void TStringArray::CopyRow(int32_t Source, int32_t Target) {
  if (Source < 1 || Source > FNRow || Target < 1 || Target > FNRow) return;
  for (int32_t c = 0; c <= FNCol; ++c) SetString(c, Target, GetString(c, Source));
  FRowAttrib[FSortIx[Target - 1] - 1] = FRowAttrib[FSortIx[Source - 1] - 1];
}

void TStringArray::Clear() {
  for (auto& column : FPoiArray) std::fill(column.begin(), column.end(), 0u);
  std::fill(FRowAttrib.begin(), FRowAttrib.end(), uint8_t{0});
  std::fill(FColAttrib.begin(), FColAttrib.end(), uint8_t{0});
  ResetSortIndex();
  FStgPool.resize(1);
  FFirstFree.assign(1, 1);
}

void TStringArray::Fill(const UnicodeString& s) {
  if (s.empty()) {
    Clear();
    return;
  }
  for (int32_t c = 0; c <= FNCol; ++c)
    for (int32_t r = 1; r <= FNRow; ++r) SetString(c, r, s);
}

bool TStringArray::RowEmpty(int32_t ARow) const {
  for (int32_t c = 1; c <= FNCol; ++c)
    if (!OnlySpaces(GetString(c, ARow))) return false;
  return true;
}

bool TStringArray::ColumnEmpty(int32_t ACol) const {
  for (int32_t r = 1; r <= FNRow; ++r)
    if (!OnlySpaces(GetString(ACol, r))) return false;
  return true;
}

template <typename Match>
bool TStringArray::FindFirst(const UnicodeString& FindStr, bool MatchCase, int32_t ColLow, int32_t ColHigh,
                             int32_t RowLow, int32_t RowHigh, int32_t& Col, int32_t& row, Match match) const {
  const UnicodeString needle = MatchCase ? FindStr : LowerCase(FindStr);
  if (ColLow == -1 || ColHigh == -1) {
    ColLow = 0;
    ColHigh = FNCol;
  }
  if (RowLow == -1 && RowHigh == -1) {
    RowLow = 1;
    RowHigh = FNRow;
  }
  ColLow = std::clamp(ColLow, 0, FNCol);
  ColHigh = std::clamp(ColHigh, 0, FNCol);
  RowLow = std::clamp(RowLow, 1, FNRow);
  RowHigh = std::clamp(RowHigh, 1, FNRow);
  if (ColLow > ColHigh) std::swap(ColLow, ColHigh);
  if (RowLow > RowHigh) std::swap(RowLow, RowHigh);
  for (int32_t r = RowLow; r <= RowHigh; ++r) {
    for (int32_t c = ColLow; c <= ColHigh; ++c) {
      const UnicodeString cell = MatchCase ? GetString(c, r) : LowerCase(GetString(c, r));
      if (match(cell, needle)) {
        Col = c;
        row = r;
        return true;
      }
    }
  }
  return false;
}

bool TStringArray::FindCell(const UnicodeString& FindStr, bool MatchCase, int32_t ColLow, int32_t ColHigh,
                            int32_t RowLow, int32_t RowHigh, int32_t& Col, int32_t& row) const {
  return FindFirst(FindStr, MatchCase, ColLow, ColHigh, RowLow, RowHigh, Col, row,
                   [](const UnicodeString& cell, const UnicodeString& needle) {
                     return cell.find(needle) != UnicodeString::npos;
                   });
}

bool TStringArray::FindCellExact(const UnicodeString& FindStr, bool MatchCase, int32_t ColLow,
                                 int32_t ColHigh, int32_t RowLow, int32_t RowHigh, int32_t& Col,
                                 int32_t& row) const {
  return FindFirst(FindStr, MatchCase, ColLow, ColHigh, RowLow, RowHigh, Col, row,
                   [](const UnicodeString& cell, const UnicodeString& needle) { return cell == needle; });
}

bool TStringArray::FindCellInSortedColumn(const UnicodeString& FindStr, bool MatchCase, int32_t ColIx,
                                          int32_t RowLow, int32_t RowHigh, bool ColIsAscending,
                                          int32_t& row) const {
  const UnicodeString needle = MatchCase ? FindStr : LowerCase(FindStr);
  auto cellAt = [&](int32_t r) { return MatchCase ? GetString(ColIx, r) : LowerCase(GetString(ColIx, r)); };
  if (RowLow == -1 && RowHigh == -1) {
    RowLow = 1;
    RowHigh = FNRow;
  }
  ColIx = std::clamp(ColIx, 0, FNCol);
  RowLow = std::clamp(RowLow, 1, FNRow);
  RowHigh = std::clamp(RowHigh, 1, FNRow);
  if (RowLow > RowHigh) std::swap(RowLow, RowHigh);
  int32_t lo = RowLow, hi = RowHigh;
  bool found = false;
  while (lo != hi && !found) {
    const int32_t mid = (lo + hi) / 2;
    row = mid;
    const UnicodeString cell = cellAt(mid);
    if (cell == needle)
      found = true;
    else if ((needle < cell) == ColIsAscending)
      hi = mid;
    else
      lo = mid + 1;
  }
  if (!found) {
    row = lo;
    found = cellAt(lo) == needle;
  }
  if (!found) return false;
  while (row > 1 && cellAt(row - 1) == needle) --row;
  return true;
}

void TStringArray::BeforeSortExchange(const UnicodeString& InString, UnicodeString& OutString) {
  OutString = InString;
  if (FOnBefSortExc) FOnBefSortExc(this, InString, OutString);
}

namespace {

// The folded keys of one column for one Sort without a key hook, kept in the order the sort
// is building: the comb sort moves them along with the sort index, so its comparisons read
// neighbouring memory. Each slot carries the first eight characters packed into two
// integers that compare as the characters do, which decides almost every comparison; the
// whole key is looked at only when those agree.
class SortKeys {
 public:
  SortKeys(const std::vector<UnicodeString>& keys) {
    FSlots.resize(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
      Slot& s = FSlots[i];
      s.index = static_cast<uint32_t>(i);
      for (size_t k = 0; k < 8; ++k) {
        const uint64_t c = k < keys[i].size() ? keys[i][k] : 0;
        (k < 4 ? s.hi : s.lo) |= c << (48 - 16 * (k % 4));
      }
    }
    FKeys = &keys;
  }
  // <0, 0, >0 as the keys at logical positions a and b compare.
  int Compare(size_t a, size_t b) const {
    const Slot &x = FSlots[a], &y = FSlots[b];
    if (x.hi != y.hi) return x.hi < y.hi ? -1 : 1;
    if (x.lo != y.lo) return x.lo < y.lo ? -1 : 1;
    return (*FKeys)[x.index].compare((*FKeys)[y.index]);
  }
  void Swap(size_t a, size_t b) { std::swap(FSlots[a], FSlots[b]); }

 private:
  struct Slot {
    uint64_t hi = 0, lo = 0;
    uint32_t index = 0;  // into the keys, by physical row
  };
  std::vector<Slot> FSlots;
  const std::vector<UnicodeString>* FKeys = nullptr;
};

}  // namespace

void TStringArray::Sort(int32_t PrimCol, int32_t SecCol, bool AscendPrim, bool AscendSec) {
  if (FOnPercentDone) FOnPercentDone(this, 0);
  const int32_t n = FNRow;
  int64_t total = 0;
  for (int32_t gap = n; gap != 1;) {
    gap = CombSortNextGap(gap);
    total += n - gap;
  }
  total += n;
  if (n >= 2) {
    // Without a key hook every key is the folded cell text, the same at each comparison, so
    // it is computed once; the comparisons and exchanges are those of the plain way.
    const bool cached = !FOnBefSortExc;
    std::vector<UnicodeString> primKeys, secKeys;
    std::vector<int32_t> rows;  // logical row - 1 -> the row's place in the keys
    if (cached) {
      primKeys.resize(static_cast<size_t>(n));
      rows.resize(static_cast<size_t>(n));
      std::iota(rows.begin(), rows.end(), 0);
      for (int32_t r = 1; r <= n; ++r)
        primKeys[static_cast<size_t>(r - 1)] = LowerCase(GetString(PrimCol, r));
      if (SecCol > 0) {
        secKeys.resize(static_cast<size_t>(n));
        for (int32_t r = 1; r <= n; ++r)
          secKeys[static_cast<size_t>(r - 1)] = LowerCase(GetString(SecCol, r));
      }
    }
    // The keys are in the logical order the sort starts from; the slots follow the exchanges.
    SortKeys prim(primKeys);
    auto key = [this](int32_t c, int32_t r) {
      UnicodeString out;
      BeforeSortExchange(GetString(c, r), out);
      return LowerCase(out);
    };
    // Whether logical rows i and j (1-based, i < j) are to be exchanged.
    auto outOfOrder = [&](int32_t i, int32_t j) {
      if (cached) {
        int cmp = prim.Compare(static_cast<size_t>(i - 1), static_cast<size_t>(j - 1));
        bool ascending = AscendPrim;
        if (cmp == 0 && SecCol > 0) {
          cmp = secKeys[static_cast<size_t>(rows[static_cast<size_t>(i - 1)])].compare(
              secKeys[static_cast<size_t>(rows[static_cast<size_t>(j - 1)])]);
          ascending = AscendSec;
        }
        return ascending ? cmp > 0 : cmp < 0;
      }
      UnicodeString ki = key(PrimCol, i), kj = key(PrimCol, j);
      bool ascending = AscendPrim;
      if (ki == kj && SecCol > 0) {
        ki = key(SecCol, i);
        kj = key(SecCol, j);
        ascending = AscendSec;
      }
      return ascending ? ki > kj : ki < kj;
    };
    int32_t gap = n;
    int64_t counter = 0;
    bool swapped = true;
    while (gap != 1 || swapped) {
      gap = CombSortNextGap(gap);
      swapped = false;
      for (int32_t i = 1; i + gap <= n; ++i) {
        const int32_t j = i + gap;
        if (outOfOrder(i, j)) {
          std::swap(FSortIx[i - 1], FSortIx[j - 1]);
          if (cached) {
            prim.Swap(static_cast<size_t>(i - 1), static_cast<size_t>(j - 1));
            std::swap(rows[static_cast<size_t>(i - 1)], rows[static_cast<size_t>(j - 1)]);
          }
          swapped = true;
        }
        ++counter;
      }
      if (FOnPercentDone)
        FOnPercentDone(this, static_cast<int32_t>(Round(static_cast<long double>(counter) / total * 100)));
    }
    Changed();
  }
  if (FOnPercentDone) FOnPercentDone(this, 100);
}

void TStringArray::UnSort() {
  ResetSortIndex();
  Changed();
}

void TStringArray::CommitSorting() {
  const auto n = static_cast<size_t>(FNRow);
  for (auto& column : FPoiArray) {
    const std::vector<uint32_t> old(column.begin(), column.begin() + n);
    for (size_t i = 0; i < n; ++i) column[i] = old[FSortIx[i] - 1];
  }
  const std::vector<uint8_t> oldAttrib(FRowAttrib.begin(), FRowAttrib.begin() + n);
  for (size_t i = 0; i < n; ++i) FRowAttrib[i] = oldAttrib[FSortIx[i] - 1];
  ResetSortIndex();
}

void TStringArray::GarbageCollection() {
  TStringPool scratch;
  for (size_t p = 0; p < FStgPool.size(); ++p) {
    const auto poolNo = static_cast<uint32_t>(p + 1);
    int32_t next = 1;
    for (auto& column : FPoiArray) {
      for (int32_t r = 0; r < FNRow; ++r) {
        uint32_t& addr = column[r];
        if (addr >> 16 != poolNo) continue;
        const std::string_view text = FStgPool[p].TextAt(static_cast<int32_t>(addr & 0xFFFF));
        scratch.Put(next, text);
        addr = poolNo << 16 | static_cast<uint32_t>(next);
        next += static_cast<int32_t>(text.size()) + 1;
      }
    }
    FStgPool[p] = scratch;
    FFirstFree[p] = next;
  }
}

void TStringArray::Changed() {
  if (FOnChange) FOnChange(this);
}

}  // namespace zub
