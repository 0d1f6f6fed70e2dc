// TStream, the byte stream every reader and writer of the library works on, and the two
// in-memory streams TMemoryStream and TStringStream.
//
// Positions and sizes are 64-bit; one call moves at most 2^31 - 1 bytes. `Read`/`Write`
// return the count moved (0 at the end); `ReadBuffer`/`WriteBuffer` move exactly or raise.
#pragma once

#include <cstdint>
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
  // Moves the position and returns the new one. A target before the start raises
  // EStreamError and leaves the position alone; a target past the end is allowed (a later
  // write fills the gap with zero bytes).
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t Pos) { Seek(Pos, soBeginning); }
  virtual int64_t Size();
  // Changes the size; the position stays unless it lay beyond the new end.
  virtual void SetSize(int64_t NewSize) = 0;

  // Raise EReadError / EWriteError when fewer than Count bytes move.
  void ReadBuffer(void* Buffer, int32_t Count);
  void WriteBuffer(const void* Buffer, int32_t Count);

  // Copies Count bytes from Source's position; Count 0 copies the whole of Source from its
  // start. Raises EReadError when Source has fewer bytes. Returns the count copied.
  int64_t CopyFrom(TStream& Source, int64_t Count);

 protected:
  // Message text for errors of this stream (a file stream adds its file name).
  virtual UnicodeString Describe() const { return ClassName(); }
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  UnicodeString ClassName() const override { return u"TMemoryStream"; }

  int32_t Read(void* Buffer, int32_t Count) override;
  int32_t Write(const void* Buffer, int32_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return FSize; }
  void SetSize(int64_t NewSize) override;

  void Clear();
  // The bytes; valid until the next call that changes the size.
  uint8_t* Memory() { return FData.data(); }
  const uint8_t* Memory() const { return FData.data(); }
  int64_t DataSize() const { return FSize; }

  void LoadFromStream(TStream& Stream);
  void SaveToStream(TStream& Stream);
  void LoadFromFile(const UnicodeString& FileName);
  void SaveToFile(const UnicodeString& FileName);

 private:
  std::vector<uint8_t> FData;
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
