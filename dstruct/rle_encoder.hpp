// TRLEncoder: run-length encoding and decoding of byte data that arrives in pieces, with the
// output handed out in blocks of BufLeng bytes.
//
// The encoded form has one escape byte, the lead-in $A5:
//   a byte v other than $A5     stands for itself;
//   $A5 n v                     stands for n copies of v (n = 0 stands for nothing).
// The encoder writes runs of one or two bytes other than $A5 as themselves, and runs of three
// or more bytes, and every run of $A5, as a run item; a run reaching 255 bytes is written at
// once as ($A5, 255, v). Finish writes a pending run as a run item, even one of one byte
// (01 02 02 03 03 03 gives 01 02 02 A5 03 03).
//
// Calling pattern. Encoding: Encode each piece; while BytesBuffered() >= BufLeng (Encode's
// result says so after the call), GetResult a block and pass it on; at the end call Finish
// until it returns less than BufLeng, passing on what each call delivers. Decoding: Decode
// each encoded byte, GetResult whenever it returns true, and take the rest with
// FinishDecoding until it returns less than BufLeng. Both patterns end for every BufLeng and
// every input.
//
// Choices of this implementation where the behaviour is otherwise open or unsafe:
// - The output buffer holds 4 x BufLeng bytes and grows when more output is pending (an Encode
//   of more than BufLeng bytes, a caller that skips GetResult), so nothing is written outside
//   it and no output is lost. Encode never stops early.
// - Finish with no pending run (nothing encoded since the last Finish or Reset, or a run that
//   just reached 255) appends nothing, so repeated calls only drain the buffer.
// - BufLeng must be at least 1; SetBufLeng with less raises EZUBDStructError
//   ('Component "Name": BufLeng must be at least 1, not 0').
// - SetBufLeng keeps the output that is buffered, the pending run and the decoder's state;
//   blocks are handed out in the new length from then on.
// - The out-buffers of GetResult, Finish and FinishDecoding grow to BufLeng bytes when they
//   are shorter, so a small buffer is never overrun; longer ones keep their size.
#pragma once

#include <cstdint>
#include <span>

#include "foundation/ZUB_zubbase.hpp"

namespace zub {

enum TDecodeSt : uint8_t { rlData, rlLeadin, rlCnt };

class TRLEncoder : public TComponent {
 public:
  // BufLeng 256, an empty buffer of 1024 zero bytes, decoder state rlData, lead-in $A5.
  explicit TRLEncoder(TComponent* AOwner);
  UnicodeString ClassName() const override { return u"TRLEncoder"; }

  int32_t BufLeng() const { return FBufLeng; }
  // See the choices above. Raises EZUBDStructError with 'Component "Name": not enough memory
  // on heap' when the buffer cannot be allocated; the object is then unchanged.
  void SetBufLeng(int32_t leng);

  // No buffered output, no pending run, last byte 0, decoder state rlData.
  void Reset();

  // Feeds bytes 0 .. NumBytes - 1 of InBuf through the encoder (NumBytes beyond InBuf's end
  // counts to its end; 0 or less feeds nothing). True when at least BufLeng output bytes are
  // buffered.
  bool Encode(std::span<const uint8_t> InBuf, int32_t NumBytes);
  // Feeds one encoded byte through the decoder. True when at least BufLeng output bytes are
  // buffered.
  bool Decode(uint8_t InByte);

  // With fewer than BufLeng bytes buffered, does nothing (OutBuf untouched); else moves the
  // first BufLeng bytes to OutBuf and keeps the rest.
  void GetResult(TBytes& OutBuf);
  // Appends the pending run as a run item (nothing when none is pending) and ends it, then
  // delivers: fewer than BufLeng bytes buffered are all copied to OutBuf and their number
  // returned; otherwise one block as by GetResult, and BufLeng is returned. The last byte
  // value stays until Reset.
  int32_t Finish(TBytes& OutBuf);
  // For the end of a decoding: delivers as Finish does, without appending anything.
  int32_t FinishDecoding(TBytes& OutBuf);

  // The number of output bytes waiting in the buffer.
  int32_t BytesBuffered() const { return static_cast<int32_t>(FBufPoi); }
  // The decoder's state: rlData between items; rlLeadin or rlCnt when the encoded input so far
  // ends inside a run item.
  TDecodeSt DecodeState() const { return FDecodeSt; }

 private:
  // Room for N more bytes behind the buffered ones.
  uint8_t* Tail(size_t N) {
    if (FBuffer.size() - (FBufStart + FBufPoi) < N) MakeRoom(N);
    return FBuffer.data() + FBufStart + FBufPoi;
  }
  void Append(uint8_t B) {
    *Tail(1) = B;
    ++FBufPoi;
  }
  void AppendRun(uint8_t Count, uint8_t Value);
  void AppendCopies(uint8_t Value, uint32_t Count);
  void MakeRoom(size_t N);
  void EncodeByte(uint8_t B);
  int32_t Deliver(TBytes& OutBuf);
  [[noreturn]] void OutOfMemory() const;

  int32_t FBufLeng = 256;
  TBytes FBuffer;
  size_t FBufPoi = 0;    // output bytes in the buffer, from FBufStart on
  size_t FBufStart = 0;  // where they begin: blocks are taken from the front without moving the rest
  uint8_t FLeadInByte = 0xA5;
  TDecodeSt FDecodeSt = rlData;
  uint8_t FCount = 0;
  uint8_t FLastB = 0;
};

}  // namespace zub
