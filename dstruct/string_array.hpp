// TStringArray: a two-dimensional table of short texts (up to 255 Windows-1252 characters per
// cell), addressed by column and row, with a byte attribute per row and per column, seen
// through a sort index that a comb sort rearranges without moving any text.
//
// Columns count 1 .. NrOfColumns and rows 1 .. NrOfRows; every row also has a column 0 that
// holds cells like any other but has no attribute, is not counted in NrOfColumns, is never
// shifted by InsertColumn/RemoveColumn and is not looked at by RowEmpty. Out-of-range indices
// are never errors: readers return an empty text, 0 or -1, writers do nothing.
//
// The texts live in 32 KiB pools (see string_pool.hpp); each cell holds a 32-bit address,
// pool number in the high 16 bits and 1-based offset in the low 16 bits, 0 for an empty cell.
// A write overwrites the cell's text in place when the stored text is at least as long,
// otherwise it takes new space in the first pool with room; abandoned texts stay until
// GarbageCollection compacts the pools, or Clear releases all pools but the first.
//
// Logical row r is physical row SortOrder(r). Sort changes only that index; CommitSorting
// makes the view physical, UnSort drops it, and so does every resize that changes anything.
//
// Choices of this implementation where the behaviour is otherwise open:
// - A text that would need a 65536th pool raises EZUBDStructError ("Class TStringArray: string
//   storage full (65535 pools)"); the cell keeps its old text and no other cell is touched.
// - An AllocRowsBy below 1 is kept as written but allocates rows as AllocRowsBy 1 does.
// - InsertRow and RemoveRow first commit an uncommitted sort, so they act on the order the
//   caller sees: the new empty row stands at logical position r, or the row shown at r goes,
//   and the other rows keep their displayed order (which is then also the physical order).
// - After an unsuccessful FindCellInSortedColumn, row holds the last row compared.
//
// The XML file element (the file is Windows-1252 text, lines end in CR LF; rows are written
// in the order shown, so reading gives that order physically):
//   <?xml version="1.0"?>                                      only with the header flag
//   <stringarray signature="zubtoolkit" id="DataID" cols=C rows=R>
//     <colattrib c=2 val=7 />                                  non-zero attributes only
//     <rowattrib r=1 val=5 />
//     <cell c=0 r=1>text</cell>                                cells that hold a text
//   </stringarray>
// Cell texts and the id escape "&", "<", ">", '"' and characters below 32 as entities.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "dstruct/string_pool.hpp"
#include "foundation/ZUB_zubbase.hpp"

namespace zub {

// The sort-key hook: OutString arrives as a copy of InString and may be replaced by the key
// to compare (a zero-padded number, say).
using TBeforeSortExchgEvent =
    std::function<void(TObject* Sender, const UnicodeString& InString, UnicodeString& OutString)>;

class TStringArray : public TComponent {
 public:
  // 1 column (plus column 0), 1 row, 10 rows allocated, one empty pool. Raises
  // EZUBDStructError "Class TStringArray: failed to initialize (out of memory)" when the
  // first allocations fail.
  // Reading a file never makes a table of more cells (column 0 included) than this,
  // whatever its element claims.
  static constexpr int64_t MaxFileCells = int64_t{1} << 24;

  explicit TStringArray(TComponent* AOwner);
  UnicodeString ClassName() const override { return u"TStringArray"; }

  // Copies dimensions, allocation, pools byte for byte, cell addresses, sort index,
  // attributes and the three event handlers of another TStringArray, without Changed.
  void Assign(const TPersistent* Source) override;

  int32_t NrOfColumns() const { return FNCol; }
  void SetNrOfColumns(int32_t Value) { Resize(Value, FNRow); }
  int32_t NrOfRows() const { return FNRow; }
  void SetNrOfRows(int32_t Value) { Resize(FNCol, Value); }
  int32_t AllocRowsBy() const { return FAllocRowsBy; }
  void SetAllocRowsBy(int32_t Value) { FAllocRowsBy = Value; }
  int32_t NumBuffers() const { return static_cast<int32_t>(FStgPool.size()); }

  // The cell text; empty for an empty or out-of-range cell (0 <= c <= NrOfColumns,
  // 1 <= r <= NrOfRows).
  UnicodeString GetString(int32_t c, int32_t r) const;
  // Stores s cut to 255 characters in the Windows-1252 code page, then Changed; out-of-range
  // cells are ignored. Raises EZUBDStructError when a 65536th pool would be needed.
  void SetString(int32_t c, int32_t r, const UnicodeString& s);

  // The cell read as a number after trimming spaces (character 32) and turning "," into ".";
  // 0 for an empty result. Raises EZUBDStructError "Class TStringArray: invalid numeric
  // string: [c,r]: <cell text>" when the text is not a number.
  double GetAsNumber(int32_t c, int32_t r) const;
  // GetAsNumber clamped to -2147483647 .. 2147483647 and rounded, halves to the even
  // neighbour; the same error.
  int32_t GetAsInteger(int32_t c, int32_t r) const;

  // Column attributes exist for 1 .. NrOfColumns, row attributes for the logical rows; 0 out
  // of range. The setters call Changed.
  uint8_t GetColAttrib(int32_t c) const;
  void SetColAttrib(int32_t c, uint8_t b);
  uint8_t GetRowAttrib(int32_t r) const;
  void SetRowAttrib(int32_t r, uint8_t b);

  // The physical row shown at logical row ix, -1 out of range. The setter writes when both
  // values lie in 1 .. NrOfRows, without checking the permutation and without Changed.
  int32_t GetSortOrder(int32_t ix) const;
  void SetSortOrder(int32_t ix, int32_t position);

  // True at once for the current dimensions, false for Nc or Nr below 1 or when memory runs
  // out (nothing changes then). Otherwise added rows and columns are empty with attribute 0,
  // the sort index is reset to the physical order, and Changed is called.
  bool Resize(int32_t Nc, int32_t Nr);
  // Resize(NrOfColumns, NrOfRows + 1); the new NrOfRows.
  int32_t AddRow();
  // An empty row at logical position r (1 .. NrOfRows); rows r .. end move down.
  void InsertRow(int32_t r);
  // Drops logical row r; a table of one row only has that row emptied.
  void RemoveRow(int32_t r);
  // An empty column at c (1 .. NrOfColumns); columns c .. end move right.
  void InsertColumn(int32_t c);
  // Drops column c; a table of one column only has that column emptied.
  void RemoveColumn(int32_t c);
  // Cells of columns 0 .. NrOfColumns and the attribute of logical row Source stored anew in
  // logical row Target.
  void CopyRow(int32_t Source, int32_t Target);

  // Empties every cell, zeroes all attributes, resets the sort index and releases all pools
  // but the first; the dimensions stay. No Changed.
  void Clear();
  // Clear for an empty s, otherwise s in every cell of columns 0 .. NrOfColumns.
  void Fill(const UnicodeString& s);
  // True when every cell of columns 1 .. NrOfColumns (RowEmpty) or rows 1 .. NrOfRows
  // (ColumnEmpty) is empty or only spaces; true out of range.
  bool RowEmpty(int32_t ARow) const;
  bool ColumnEmpty(int32_t ACol) const;

  // The first cell, row by row and within a row column by column, that contains FindStr
  // (FindCell) or equals it (FindCellExact); ASCII letters fold when MatchCase is false.
  // ColLow or ColHigh -1 searches columns 0 .. NrOfColumns; RowLow and RowHigh both -1 search
  // all rows; bounds are clamped and a reversed pair exchanged. Col and row stay unchanged
  // when nothing matches.
  bool FindCell(const UnicodeString& FindStr, bool MatchCase, int32_t ColLow, int32_t ColHigh, int32_t RowLow,
                int32_t RowHigh, int32_t& Col, int32_t& row) const;
  bool FindCellExact(const UnicodeString& FindStr, bool MatchCase, int32_t ColLow, int32_t ColHigh,
                     int32_t RowLow, int32_t RowHigh, int32_t& Col, int32_t& row) const;
  // Binary search of column ColIx, ordered ascending or descending by the sort's comparison
  // (without the hook); row is the first of a run of equal cells, which may start above
  // RowLow. After a miss, row is the last row compared.
  bool FindCellInSortedColumn(const UnicodeString& FindStr, bool MatchCase, int32_t ColIx, int32_t RowLow,
                              int32_t RowHigh, bool ColIsAscending, int32_t& row) const;

  // Comb sort of the sort index on column PrimCol, ties broken on SecCol when SecCol > 0.
  // Keys pass through OnBeforeSortExchange and compare ordinally after ASCII lower-casing.
  // OnPercentDone sees 0 first, a value after every pass, and 100 last.
  void Sort(int32_t PrimCol, int32_t SecCol, bool Ascending) { Sort(PrimCol, SecCol, Ascending, true); }
  void Sort(int32_t PrimCol, int32_t SecCol, bool AscendPrim, bool AscendSec);
  void UnSort();
  // Makes the sorted view physical (moves addresses, never texts); no Changed.
  void CommitSorting();
  // Compacts each pool in place; pools are neither added nor released.
  void GarbageCollection();

  // Writes the table as one element; I/O errors of the text file propagate.
  void WriteToOpenXMLFile(TextFile& F, bool WithHeader, const UnicodeString& DataID) const;
  // Creates the file and writes the element with the header line.
  void SaveAsXMLFile(const UnicodeString& FName, const UnicodeString& DataID) const;
  // Reads on to the next element whose id equals DataID (ASCII letters in either case; an
  // empty DataID takes the first element) and loads it: dimensions, cells and attributes,
  // the sort index in physical order, then one Changed. Cells and attributes outside the
  // stated dimensions are skipped, lines not understood are passed over. False, with the
  // table unchanged, when no such element follows, its dimensions are not positive or
  // exceed MaxFileCells, or the file ends before the element's closing line.
  bool ReadFromOpenXMLFile(TextFile& F, const UnicodeString& DataID);
  // ReadFromOpenXMLFile on the named file; false when the file does not exist.
  bool LoadFromXMLFile(const UnicodeString& FName, const UnicodeString& DataID);

  void Changed();
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  const TOnPercentDoneEvent& OnPercentDone() const { return FOnPercentDone; }
  void SetOnPercentDone(TOnPercentDoneEvent Value) { FOnPercentDone = std::move(Value); }
  const TBeforeSortExchgEvent& OnBeforeSortExchange() const { return FOnBefSortExc; }
  void SetOnBeforeSortExchange(TBeforeSortExchgEvent Value) { FOnBefSortExc = std::move(Value); }

  // Read-only views of internal state, for diagnostics and tests: the rows allocated in the
  // per-row arrays, the 32-bit address of a cell (0 when empty or out of range), and the
  // 1-based first free offset of pool p (1 .. NumBuffers; 0 otherwise).
  int32_t RowsAllocated() const { return FRAllocated; }
  uint32_t CellAddress(int32_t c, int32_t r) const;
  int32_t PoolFirstFree(int32_t p) const;

 protected:
  void AssignTo(TPersistent* Dest) const override;
  // The most pools the table may hold; the 16-bit pool number allows 65535. Only a test
  // lowers it, to reach the limit without gigabytes of pools.
  virtual int32_t MaxPools() const { return 65535; }

 private:
  // OutString := InString, then the hook may substitute the key.
  void BeforeSortExchange(const UnicodeString& InString, UnicodeString& OutString);
  bool ValidCell(int32_t c, int32_t r) const { return c >= 0 && c <= FNCol && r >= 1 && r <= FNRow; }
  uint32_t& Addr(int32_t c, int32_t physRow) { return FPoiArray[c][physRow - 1]; }
  AnsiString TextAt(uint32_t addr) const;
  // Stores bytes into the cell at column c, physical row physRow.
  void Store(int32_t c, int32_t physRow, const AnsiString& bytes);
  void ResetSortIndex();
  double CellNumber(int32_t c, int32_t r) const;
  template <typename Match>
  bool FindFirst(const UnicodeString& FindStr, bool MatchCase, int32_t ColLow, int32_t ColHigh,
                 int32_t RowLow, int32_t RowHigh, int32_t& Col, int32_t& row, Match match) const;

  int32_t FNCol = 1;
  int32_t FNRow = 1;
  int32_t FAllocRowsBy = 10;
  int32_t FRAllocated = 0;
  std::vector<int32_t> FFirstFree;               // per pool, 1-based
  std::vector<std::vector<uint32_t>> FPoiArray;  // FNCol + 1 columns of FRAllocated addresses
  std::vector<int32_t> FSortIx;
  std::vector<TStringPool> FStgPool;
  std::vector<uint8_t> FRowAttrib;  // by physical row
  std::vector<uint8_t> FColAttrib;  // columns 1 .. FNCol
  TNotifyEvent FOnChange;
  TBeforeSortExchgEvent FOnBefSortExc;
  TOnPercentDoneEvent FOnPercentDone;
};

// The comb sort's next gap: the integer part of gap / 1.3, at least 1.
int32_t CombSortNextGap(int32_t gap);

}  // namespace zub
