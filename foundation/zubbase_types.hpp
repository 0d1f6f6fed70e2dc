// The shared enumerations, records, array types, fixed types and callback types that every
// unit of the library and its client packages use.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "host/classes.hpp"
#include "host/geometry.hpp"
#include "host/graphics.hpp"
#include "host/short_string.hpp"
#include "host/unicode.hpp"
#include "host/variant.hpp"

namespace zub {

// ---- Enumerations (one byte each, ordinals from 0)
enum TShapeKind : uint8_t { skRectangle, skEllipse, skCircle, skRing };
enum TBkgFill : uint8_t { bfSimple, bfStretch, bfTile };
enum TBoundingBox : uint8_t { bbNone, bbFrame, bbFaces };
enum TColorScheme : uint8_t { csBWG, csSystem };
enum TDecPSep : uint8_t { dsSystem, dsDot, dsComma, dsBoth };
enum TFigType : uint8_t { ftNoFigs, ftNum, ftTime, ftDateTime, ftUserText };
enum TScaleType : uint8_t { sctXB, sctXT, sctYL, sctYR };
enum TVerticalAlignment : uint8_t { vaTop, vaCenter, vaBottom };
enum TYearLength : uint8_t { ylNone, ylYY, ylYYYY };
enum TDateOrder : uint8_t { doMMDDYY, doDDMMYY, doYYMMDD };
enum TDateForTime : uint8_t { dtNone, dtOnePerChart, dtOnePerDay, dtAllTicks };
enum TShadowStyle : uint8_t { ssFlying, ssBox };
enum TFrameStyle : uint8_t { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
enum TDistMode : uint8_t { dmJaccard, dmManhattan, dmEuclid, dmEuclidSqr, dmDice, dmUserDef };
enum TTimeFormat : uint8_t { tfHHMMSS, tfHHhMM, tfAMPM };
enum TDirection : uint8_t { dirUpward, dirDownward, dirLeftward, dirRightward };
enum TOrientation : uint8_t { orVert, orHoriz };
enum TApplyColRow : uint8_t { apColumns, apRows };
enum TEdgeOp : uint8_t { eopMin, eopMax, eopSum, eopMean, eopStdDev };
enum TAxis : uint8_t { atXAxis, atYAxis, atZAxis };
enum TDims : uint8_t { dimX, dimY, dimL, dimT };
enum TTriState : uint8_t { tsFalse, tsTrue, tsUndefined };
enum TCrossHMode : uint8_t { chOff, chHoriz, chVert, chBoth, chCrossBox, chBox };
enum TTxtLblAttachMode : uint8_t { tlamNone, tlamXOnly, tlamYOnly, tlamBoth };
enum TTxtLblMode : uint8_t { tlOff, tlsimple, tlBox, tlUnderline, tlShadow };
enum TDegreeFormat : uint8_t { dfDeg, dfDegMin, dfDegMinSec, dfNumeric };
enum TCSVDelimiters : uint8_t { csvUnknown, csvBlank, csvSemicolon, csvComma, csvColon, csvTab };
enum TZoomPanMode : uint8_t { zpmPan, zpmColZoomLeft, zpmColZoomRight };
enum TLanguage : uint8_t { lgUnknown, lgEnglish, lgGerman, lgFrench, lgSpanish };
enum TRescaleMode : uint8_t {
  sctMeanCenter,
  sctStandardize,
  sctConstSum,
  sctConstSquaredSum,
  sctMaxAbs,
  sctRange,
  sctQNormalize,
  sctSquash,
  sctUndefined
};
enum TVarKind : uint8_t { rnum, dnum, snum, inum, lnum, Bool, strg };
enum TMouseBoxState : uint8_t { msNormal, msFirstCorner, msRectDraw, msFinished };
enum TMouseActMode : uint8_t {
  maNone,
  maPan,
  maPanHoriz,
  maPanVert,
  maPanGrid,
  maRubberBand,
  maZoom,
  maZoomWind,
  maZoomWindPos,
  maZoomDrag,
  maDragCrossH,
  maDragLabel,
  maRotate,
  maRotAndZoom,
  maRotXOnly,
  maRotZOnly,
  maSelectRect,
  maDrawMTrace,
  maZoomPanColors
};
enum TZoomState : uint8_t { zsNormal, zsDrawWin };

// ---- Records
struct TPointDouble {
  double X = 0;
  double Y = 0;
};

// Left, Top, Right, Bottom; TopLeft and BottomRight are the corner pairs over the same
// fields (X = Left/Right, Y = Top/Bottom).
struct TRectDouble {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;

  TPointDouble TopLeft() const { return {Left, Top}; }
  void SetTopLeft(const TPointDouble& P) { Left = P.X, Top = P.Y; }
  TPointDouble BottomRight() const { return {Right, Bottom}; }
  void SetBottomRight(const TPointDouble& P) { Right = P.X, Bottom = P.Y; }
};

struct TColoredPoint {
  double X = 0;
  double Y = 0;
  uint16_t Flag = 0;
  TColor Color = 0;
};

// A cell address in a four-dimensional grid: L the layer, T the time (see TDims).
struct TCellPosition4D {
  int32_t X = 0;
  int32_t Y = 0;
  int32_t L = 0;
  int32_t T = 0;
};

// ---- Array types (zero-based, sized at run time; nested ones may have rows of different length)
// A Boolean stored in one byte, so Boolean arrays hold one byte per element.
struct ByteBool {
  bool Value = false;
  constexpr ByteBool(bool v = false) : Value(v) {}
  constexpr operator bool() const { return Value; }
};
static_assert(sizeof(ByteBool) == 1);

using TSingleArray = std::vector<float>;
using TDoubleArray = std::vector<double>;
using TDouble2DArray = std::vector<TDoubleArray>;
using TDouble3DArray = std::vector<TDouble2DArray>;
using TDouble4DArray = std::vector<TDouble3DArray>;
using TIntArray = std::vector<int32_t>;
using TInt2DArray = std::vector<TIntArray>;
using TInt3DArray = std::vector<TInt2DArray>;
using TInt4DArray = std::vector<TInt3DArray>;
using TBoolArray = std::vector<ByteBool>;
using TBool2DArray = std::vector<TBoolArray>;
using TStrArray = std::vector<UnicodeString>;
using TStr2DArray = std::vector<TStrArray>;
using TVariantArray = std::vector<Variant>;
using TPDblArray = std::vector<TPointDouble>;
using TPIntArray = std::vector<TPoint>;
using TBytes = std::vector<uint8_t>;

// ---- Fixed types
using TQuad = std::array<TPoint, 4>;
using TNameStr = TShortString<50>;
using TBuf4096 = std::array<uint8_t, 4096>;
using TBuf16K = std::array<uint8_t, 16384>;
// A raw memory block viewed as bytes; never allocated as such.
using TDataBuffer = std::span<uint8_t>;

// ---- Procedure and event types (empty = not assigned)
using FeedBackProcType = std::function<void(double StateCnt)>;
using TFeedbackProc = std::function<void(TObject* Sender, double StateCnt, double PercentDone)>;
using TSortExchgEvent = std::function<void(TObject* Sender, uint8_t ExchgWhat, int32_t index1, int32_t index2,
                                           int32_t first, int32_t last)>;
using TExportTextEvent =
    std::function<void(TObject* Sender, int32_t mode, int32_t index, UnicodeString& OutText)>;
using TZoomPanEvent = std::function<void(TObject* Sender)>;
using TSelectRectEvent =
    std::function<void(TObject* Sender, int32_t Layer, double LoX, double LoY, double HiX, double HiY)>;
using TOnPercentDoneEvent = std::function<void(TObject* Sender, int32_t PercentDone)>;
using TOnCheckAbortEvent = std::function<void(TObject* Sender, bool& Abort)>;
using TOnRubberBandActionEvent = std::function<void(TObject* Sender, const TPoint& APoint)>;

}  // namespace zub
