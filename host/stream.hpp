// TStream, the byte stream every reader and writer of the library works on, and the two
// in-memory streams TMemoryStream and TStringStream.
//
// Positions and sizes are 64-bit; one call moves at most 2^31 - 1 bytes. `Read`/`Write`
// return the count moved (0 at the end); `ReadBuffer`/`WriteBuffer` move exactly or raise.
// A position or size that would pass 2^63 - 1 raises EStreamError and moves nothing.
//
// The buffer of a buffered stream lives here, in the base class: `ReadByte`, `WriteByte`
// and the small `ReadBuffer`/`WriteBuffer` calls are an inline check and a copy while the
// bytes are buffered, and call the stream's virtual `Read`/`Write` only to refill or to
// flush. A stream kind without a buffer leaves the window empty and works unchanged. A
// kind derived from TMemoryStream or TFileStream that overrides Read or Write sees only the
// calls that reach them: bytes that fit the window move without them.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "host/classes.hpp"
#include "host/exceptions.hpp"
#include "host/unicode.hpp"

namespace zub {

enum TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  UnicodeString ClassName() const override { return u"TStream"; }

  virtual int32_t Read(void* Buffer, int32_t Count) = 0;
  virtual int32_t Write(const void* Buffer, int32_t Count) = 0;
  // Moves the position and returns the new one. A target before the start or beyond
  // 2^63 - 1 raises EStreamError and leaves the position alone; a target past the end is
  // allowed (a later write fills the gap with zero bytes).
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t Pos) { Seek(Pos, soBeginning); }
  virtual int64_t Size();
  // Changes the size; the position stays unless it lay beyond the new end.
  virtual void SetSize(int64_t NewSize) = 0;
  // True when no byte is left to read. A buffered stream may read ahead to find out, so
  // this works on pipes too; the default compares Position with Size.
  virtual bool AtEnd() { return Position() >= Size(); }
  // Whether Seek may move anywhere (false for pipes and devices). True unless a kind says.
  virtual bool CanSeek() const { return true; }

  // The bytes after the position that are buffered already (empty when none are, or the
  // stream keeps no buffer), and taking N of them as read. ReadByte refills the buffer.
  std::span<const uint8_t> Buffered() const {
    return {FCur, FReadEnd > FCur ? static_cast<size_t>(FReadEnd - FCur) : size_t{0}};
  }
  void Consume(size_t N) { FCur += N; }
  // The room after the position that may be written without a virtual call (empty when
  // there is none, or the stream keeps no buffer), and taking N of its bytes as written: the
  // writing counterpart of Buffered and Consume, for writers that produce in place.
  std::span<uint8_t> WriteWindow() const {
    return {FCur, FWriteEnd > FCur ? static_cast<size_t>(FWriteEnd - FCur) : size_t{0}};
  }
  void Produce(size_t N) { FCur += N; }

  // The next byte, or -1 at the end.
  int ReadByte() {
    if (FCur < FReadEnd) return *FCur++;
    uint8_t b;
    return Read(&b, 1) == 1 ? b : -1;
  }
  // Writes one byte; raises EWriteError when the stream takes none.
  void WriteByte(uint8_t B) {
    if (FCur < FWriteEnd)
      *FCur++ = B;
    else
      WriteBuffer(&B, 1);
  }

  // Raise EReadError / EWriteError when fewer than Count bytes move.
  void ReadBuffer(void* Buffer, int32_t Count) {
    if (Count >= 0 && FReadEnd - FCur >= Count) {
      if (Count > 0) std::memcpy(Buffer, FCur, static_cast<size_t>(Count));
      FCur += Count;
      return;
    }
    ReadBufferSlow(Buffer, Count);
  }
  void WriteBuffer(const void* Buffer, int32_t Count) {
    if (Count >= 0 && FWriteEnd - FCur >= Count) {
      if (Count > 0) std::memcpy(FCur, Buffer, static_cast<size_t>(Count));
      FCur += Count;
      return;
    }
    WriteBufferSlow(Buffer, Count);
  }

  // Copies Count bytes from Source's position; Count 0 copies the whole of Source from its
  // start (to its end, so a source of unknown size works too). Raises EReadError when
  // Source has fewer bytes and EStreamError for a negative Count. Returns the count copied.
  int64_t CopyFrom(TStream& Source, int64_t Count);

 protected:
  // Message text for errors of this stream (a file stream adds its file name).
  virtual UnicodeString Describe() const { return ClassName(); }

  // The buffered window: bytes [FCur, FReadEnd) may be read and [FCur, FWriteEnd) written
  // without a virtual call. A kind that buffers points these into its own storage and
  // takes them into account in its virtual methods; an empty window (FCur == FReadEnd ==
  // FWriteEnd) sends every call there.
  uint8_t* FCur = nullptr;
  uint8_t* FReadEnd = nullptr;
  uint8_t* FWriteEnd = nullptr;

 private:
  void ReadBufferSlow(void* Buffer, int32_t Count);
  void WriteBufferSlow(const void* Buffer, int32_t Count);
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  TMemoryStream(const TMemoryStream&) = delete;
  TMemoryStream& operator=(const TMemoryStream&) = delete;
  UnicodeString ClassName() const override { return u"TMemoryStream"; }

  int32_t Read(void* Buffer, int32_t Count) override;
  int32_t Write(const void* Buffer, int32_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return DataSize(); }
  void SetSize(int64_t NewSize) override;
  bool AtEnd() override;

  void Clear();
  // The bytes; valid until the next call that changes the size.
  uint8_t* Memory() { return FData.data(); }
  const uint8_t* Memory() const { return FData.data(); }
  int64_t DataSize() const;

  // Replaces the content with Stream from its start to its end.
  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream);
  void LoadFromFile(const UnicodeString& FileName);
  // Creates FileName with the content. When writing fails the error is raised and the
  // cut file removed (see RemovePartialFile), so nothing reads back as complete.
  void SaveToFile(const UnicodeString& FileName);

 private:
  // Takes inline reads and writes into FPosition and FSize, and leaves the window empty.
  void Sync();
  // Points the window at the position when it lies within the data.
  void Arm();
  class Pause;

  std::vector<uint8_t> FData;  // capacity; bytes from FSize on are zero
  int64_t FSize = 0;
  int64_t FPosition = 0;
};

// A memory stream over 8-bit text: one byte per character, Windows-1252.
class TStringStream : public TMemoryStream {
 public:
  TStringStream() = default;
  explicit TStringStream(const AnsiString& Bytes);
  // Characters without a Windows-1252 byte are stored as '?'.
  explicit TStringStream(const UnicodeString& Text);
  UnicodeString ClassName() const override { return u"TStringStream"; }

  // The whole content as text and as bytes.
  UnicodeString DataString() const;
  AnsiString Bytes() const;
  // Reads up to Count characters from the position.
  UnicodeString ReadString(int32_t Count);
  void WriteString(const UnicodeString& Text);
};

}  // namespace zub
