// `zubkit crc32`, `crc16`, `sha1`, `base64`, `ascii85` and `rle`: the library's checksums and
// encoders over files and standard input, in constant memory; and their tour stop.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <new>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "tools/zubkit/cli.hpp"
#include "tools/zubkit/input.hpp"
#include "tools/zubkit/output.hpp"
#include "tools/zubkit/progress.hpp"
#include "tools/zubkit/text_lines.hpp"
#include "zubcorekit.hpp"

namespace zubkit {
namespace {

// The input as a buffered stream of its own, so the library reads it in place, block by
// block, while the progress line follows the blocks.
class ProgressInput : public zub::TStream {
 public:
  explicit ProgressInput(Input& in) : FIn(in), FProgress(in), FBuf(std::make_unique<uint8_t[]>(kBlock)) {
    FCur = FReadEnd = FWriteEnd = FBuf.get();
  }

  // The next block, taken as read; empty at the end.
  std::span<const uint8_t> NextBlock() {
    if (FCur == FReadEnd) Refill();
    const std::span<const uint8_t> block(FCur, static_cast<size_t>(FReadEnd - FCur));
    FCur = FReadEnd;
    return block;
  }

  int32_t Read(void* Buffer, int32_t Count) override {
    if (Count <= 0) return 0;
    if (FCur == FReadEnd) Refill();
    const auto n = static_cast<int32_t>(std::min<int64_t>(Count, FReadEnd - FCur));
    std::memcpy(Buffer, FCur, static_cast<size_t>(n));
    FCur += n;
    return n;
  }
  int32_t Write(const void*, int32_t) override { return 0; }
  int64_t Seek(int64_t Offset, zub::TSeekOrigin Origin) override {
    if (Offset != 0 || Origin != zub::soCurrent) throw zub::EStreamError(u"The input cannot seek");
    return FDone - (FReadEnd - FCur);
  }
  void SetSize(int64_t) override { throw zub::EStreamError(u"The input cannot change its size"); }
  bool CanSeek() const override { return false; }

 private:
  static constexpr int32_t kBlock = 64 * 1024;
  void Refill() {
    FIn.BeforeRead();
    const int32_t n = std::max(FIn.Stream().Read(FBuf.get(), kBlock), 0);
    FCur = FWriteEnd = FBuf.get();
    FReadEnd = FCur + n;
    FDone += n;
    for (int32_t i = 0; i < n; i += 64) FProgress.Tick();  // a tick per 64 bytes
  }

  Input& FIn;
  Progress FProgress;
  std::unique_ptr<uint8_t[]> FBuf;
  int64_t FDone = 0;
};

// Standard output as a stream for the library's encoders; write failures raise WriteError.
class OutputStream : public zub::TStream {
 public:
  explicit OutputStream(std::ostream& out) : FOut(out) {}
  int32_t Read(void*, int32_t) override { return 0; }
  int32_t Write(const void* Buffer, int32_t Count) override {
    if (Count <= 0) return 0;
    FOut.write(static_cast<const char*>(Buffer), Count);
    FWritten += Count;
    return Count;
  }
  int64_t Seek(int64_t Offset, zub::TSeekOrigin Origin) override {
    if (Offset != 0 || Origin != zub::soCurrent) throw zub::EStreamError(u"Standard output cannot seek");
    return FWritten;
  }
  void SetSize(int64_t) override { throw zub::EStreamError(u"Standard output cannot change its size"); }
  bool CanSeek() const override { return false; }

 private:
  std::ostream& FOut;
  int64_t FWritten = 0;
};

std::string HexOf(uint64_t v, int digits) {
  std::string s(static_cast<size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, v >>= 4) s[static_cast<size_t>(i)] = "0123456789abcdef"[v & 15];
  return s;
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}

// A sum line as coreutils writes it: names with a backslash, LF or CR are escaped, and the
// line then starts with a backslash.
void PrintSum(std::ostream& out, const std::string& hex, const std::string& name) {
  if (name.find_first_of("\\\n\r") == std::string::npos) {
    out << hex << "  " << name << "\n";
    return;
  }
  std::string escaped;
  for (const char c : name)
    escaped += c == '\\' ? "\\\\" : c == '\n' ? "\\n" : c == '\r' ? "\\r" : std::string(1, c);
  out << "\\" << hex << "  " << escaped << "\n";
}

std::vector<std::string> FilesOf(const Args& args) {
  std::vector<std::string> files = args.Positional();
  if (files.empty()) files.push_back("-");
  return files;
}

// The checksum of one input, as hex.
std::string Sum(const std::string& command, const Args& args, const std::string& name) {
  Input in(name);
  ProgressInput stream(in);
  if (command == "sha1") {
    const zub::TSHACode digest = zub::SHA1FromStream(stream);
    const std::string hex = zub::UnicodeToUtf8(zub::SHA1DigestToHex(digest));
    return args.Has("upper") ? hex : Lower(hex);
  }
  if (command == "crc32") {
    int32_t r = -1;
    for (std::span<const uint8_t> b; !(b = stream.NextBlock()).empty();) r = zub::CalcNextCRC32Bytes(b, r);
    return HexOf(static_cast<uint32_t>(~r), 8);
  }
  uint16_t r = args.Has("ccitt") ? 0xFFFF : 0;
  for (std::span<const uint8_t> b; !(b = stream.NextBlock()).empty();) r = zub::CalcNextCRC16Bytes(b, r);
  return HexOf(r, 4);
}

int RunSums(const std::string& command, const Args& args, std::ostream& out) {
  bool failed = false;
  for (const std::string& name : FilesOf(args)) {
    std::string hex;
    if (ReportingErrors(command.c_str(), name, [&] { hex = Sum(command, args, name); }))
      PrintSum(out, hex, name);
    else
      failed = true;
  }
  return failed ? 1 : 0;
}

bool IsHex(const std::string& s) {
  return s.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

std::string Plural(int64_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// Verifies a sha1sum file as `sha1sum --check` does: NAME: OK or NAME: FAILED per line,
// warnings at the end, exit 1 when a file did not match or could not be read, or when no line
// had the form.
int RunCheck(const Args& args, std::ostream& out) {
  const std::string sums = args.Get("check");
  Input list(sums);
  LineReader reader(list);
  int64_t good = 0, mismatched = 0, unreadable = 0, malformed = 0;
  for (std::string line; reader.Next(line);) {
    bool escaped = !line.empty() && line[0] == '\\';
    const std::string rest = escaped ? line.substr(1) : line;
    if (rest.size() < 43 || !IsHex(rest.substr(0, 40)) || rest[40] != ' ' ||
        (rest[41] != ' ' && rest[41] != '*')) {
      ++malformed;
      continue;
    }
    std::string name;
    bool bad = false;
    for (size_t i = 42; i < rest.size(); ++i) {
      if (!escaped || rest[i] != '\\') {
        name += rest[i];
        continue;
      }
      const char next = i + 1 < rest.size() ? rest[++i] : '\0';
      if (next == '\\')
        name += '\\';
      else if (next == 'n')
        name += '\n';
      else if (next == 'r')
        name += '\r';
      else
        bad = true;
    }
    if (bad) {
      ++malformed;
      continue;
    }
    ++good;
    std::string hex;
    if (!ReportingErrors("sha1", name, [&] { hex = Sum("sha1", args, name); })) {
      ++unreadable;
      out << name << ": FAILED open or read\n";
      continue;
    }
    const bool match = Lower(hex) == Lower(rest.substr(0, 40));
    if (!match) ++mismatched;
    out << name << (match ? ": OK\n" : ": FAILED\n");
  }
  FlushOut();
  if (good == 0) {
    std::cerr << "zubkit sha1: " << list.Name() << ": no properly formatted SHA1 checksum lines found\n";
    return 1;
  }
  if (malformed > 0)
    std::cerr << "zubkit sha1: WARNING: " << Plural(malformed, "line is", "lines are")
              << " improperly formatted\n";
  if (unreadable > 0)
    std::cerr << "zubkit sha1: WARNING: " << Plural(unreadable, "listed file", "listed files")
              << " could not be read\n";
  if (mismatched > 0)
    std::cerr << "zubkit sha1: WARNING: " << Plural(mismatched, "computed checksum", "computed checksums")
              << " did NOT match\n";
  return mismatched > 0 || unreadable > 0 ? 1 : 0;
}

std::string OneFile(const Args& args) {
  return args.Positional().empty() ? "-" : args.Positional()[0];
}

int RunBase64(const Args& args, std::ostream& out) {
  Input in(OneFile(args));
  ProgressInput input(in);
  OutputStream output(out);
  if (!args.Has("decode")) {
    zub::EncodeBase64(input, output, !args.Has("no-breaks"));
    return 0;
  }
  if (zub::DecodeBase64(input, output) == 0) return 0;
  FlushOut();
  std::cerr << "zubkit base64: " << in.Name()
            << ": invalid input: a character outside \"+\"..\"z\" (the block of 88 characters that holds it "
               "is not written)\n";
  return 1;
}

int RunAscii85(const Args& args, std::ostream& out) {
  Input in(OneFile(args));
  ProgressInput input(in);
  OutputStream output(out);
  if (!args.Has("decode")) {
    zub::EncodeASCII85(input, output, !args.Has("no-breaks"));
    return 0;
  }
  int32_t result = 0;
  try {
    result = zub::DecodeASCII85(input, output);
  } catch (const zub::EIntOverflow&) {
    FlushOut();
    std::cerr << "zubkit ascii85: " << in.Name() << ": invalid input: a group's value passes 32 bits\n";
    return 1;
  }
  if (result == 0) return 0;
  FlushOut();
  std::cerr << "zubkit ascii85: " << in.Name() << ": invalid input: "
            << (result == -2 ? "a \"z\" inside a group" : "a character outside \"!\"..\"u\"")
            << " (decoded as it stands)\n";
  return 1;
}

int RunRle(const Args& args, std::ostream& out) {
  Input in(OneFile(args));
  ProgressInput input(in);
  zub::TRLEncoder rle(nullptr);
  rle.SetBufLeng(64 * 1024);
  zub::TBytes block;
  const auto put = [&](int32_t n) { out.write(reinterpret_cast<const char*>(block.data()), n); };
  if (!args.Has("decode")) {
    for (std::span<const uint8_t> b; !(b = input.NextBlock()).empty();) {
      rle.Encode(b, static_cast<int32_t>(b.size()));
      while (rle.BytesBuffered() >= rle.BufLeng()) {
        rle.GetResult(block);
        put(rle.BufLeng());
      }
    }
    for (int32_t n = rle.BufLeng(); n == rle.BufLeng();) put(n = rle.Finish(block));
    return 0;
  }
  for (std::span<const uint8_t> b; !(b = input.NextBlock()).empty();)
    for (const uint8_t c : b)
      if (rle.Decode(c)) {
        rle.GetResult(block);
        put(rle.BufLeng());
      }
  for (int32_t n = rle.BufLeng(); n == rle.BufLeng();) put(n = rle.FinishDecoding(block));
  if (rle.DecodeState() == zub::rlData) return 0;
  FlushOut();
  std::cerr << "zubkit rle: " << in.Name() << ": the input ends inside a run item\n";
  return 1;
}

const char* const kSumDetails =
    "Prints HEX  NAME per file, as sha1sum does (names holding \\, LF or CR are\n"
    "escaped and the line starts with \\). Standard input without files, or for -,\n"
    "named -. A file that cannot be read is reported; the others are still done,\n"
    "and the exit code is 1.";

const Registration crc32({"crc32",
                          "[FILE...]",
                          "print the CRC-32 (ISO-HDLC, as zlib) of files",
                          std::string(kSumDetails) + "\nThe CRC is 8 lower-case hex digits.",
                          {},
                          0,
                          1 << 20,
                          [](const Args& a, std::ostream& o) { return RunSums("crc32", a, o); }});
const Registration crc16({"crc16",
                          "[FILE...]",
                          "print the CRC-16 (polynomial 0x1021) of files",
                          std::string(kSumDetails) +
                              "\nThe CRC is 4 lower-case hex digits: CRC-16/XMODEM (start 0) by default,\n"
                              "CRC-16/CCITT-FALSE (start 0xFFFF) with --ccitt.",
                          {{"ccitt", "", "start the register at 0xFFFF instead of 0"}},
                          0,
                          1 << 20,
                          [](const Args& a, std::ostream& o) { return RunSums("crc16", a, o); }});
const Registration sha1({"sha1",
                         "[FILE...]",
                         "print or check SHA-1 digests, as sha1sum does",
                         std::string(kSumDetails) +
                             "\nDigests are 40 lower-case hex digits as coreutils prints them; --upper\n"
                             "gives the library's SHA1DigestToHex form. --check SUMS reads a sha1sum\n"
                             "file (either case) and prints NAME: OK or NAME: FAILED per line; exit 1\n"
                             "when a digest did not match, a file could not be read or no line had the\n"
                             "form.",
                         {{"upper", "", "upper-case hex digits"},
                          {"check", "SUMS", "verify the digests listed in SUMS (- for standard input)", 'c'}},
                         0,
                         1 << 20,
                         [](const Args& a, std::ostream& o) {
                           if (a.Has("check")) {
                             if (!a.Positional().empty()) throw UsageError("--check takes no other files");
                             return RunCheck(a, o);
                           }
                           return RunSums("sha1", a, o);
                         }});
const Registration base64({"base64",
                           "[FILE]",
                           "Base64-encode or decode a file to standard output",
                           "Lines of 60 characters, each ended by CR LF (the last one too); --no-breaks\n"
                           "writes one line without an end. -d decodes, ignoring CR and LF anywhere;\n"
                           "a character outside \"+\"..\"z\" stops it with exit 1, and the block of 88\n"
                           "characters that holds it is not written. Standard input without FILE or\n"
                           "for -.",
                           {{"decode", "", "decode instead of encoding", 'd'},
                            {"no-breaks", "", "no line breaks in the encoding"}},
                           0,
                           1,
                           RunBase64});
const Registration ascii85({"ascii85",
                            "[FILE]",
                            "ASCII85-encode or decode a file to standard output (the library's variant)",
                            "Groups of 4 bytes as 5 characters, 4 zero bytes as z, then the end marker\n"
                            "~> (no <~ start). Lines hold 12 groups plus the z's, each ended by CR LF;\n"
                            "--no-breaks writes none.\n"
                            "Note: the short last group is NOT widened with zero bytes as in the common\n"
                            "ASCII85 (Adobe, btoa, Python's a85encode): the byte 0x41 is !b~>, not\n"
                            "5l~>. Data written with this variant depends on it: decode it with zubkit\n"
                            "or the library, not with other ASCII85 tools, and the other way round.\n"
                            "-d decodes, ignoring CR and LF and stopping after ~; input without it is\n"
                            "decoded to its end. Invalid characters are decoded as they stand and give\n"
                            "exit 1; a group above 32 bits stops decoding with exit 1. Standard input\n"
                            "without FILE or for -.",
                            {{"decode", "", "decode instead of encoding", 'd'},
                             {"no-breaks", "", "no line breaks in the encoding"}},
                            0,
                            1,
                            RunAscii85});
const Registration rle({"rle",
                        "[FILE]",
                        "run-length encode or decode a file to standard output (TRLEncoder)",
                        "The library's format: the byte 0xA5 leads in a run item 0xA5 COUNT VALUE;\n"
                        "other bytes stand for themselves. -d decodes; input that ends inside a run\n"
                        "item gives exit 1 after what could be decoded. Standard input without FILE\n"
                        "or for -.",
                        {{"decode", "", "decode instead of encoding", 'd'}},
                        0,
                        1,
                        RunRle});

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 32);
  return s;
}

std::string HexBytes(const std::string& bytes) {
  std::string s;
  for (const char c : bytes) s += (s.empty() ? "" : " ") + HexOf(static_cast<uint8_t>(c), 2);
  return s;
}

const TourRegistration stop(
    {75, "Checksums and encoders",
     [](std::ostream& out) {
       using namespace zub;
       const TBytes check = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
       out << "CRC16ofBuffer(\"123456789\", 9, crcZModem) = $"
           << Upper(HexOf(CRC16ofBuffer(check, 9, crcZModem), 4)) << ", crcCCITT = $"
           << Upper(HexOf(CRC16ofBuffer(check, 9, crcCCITT), 4)) << "; CRC32ofBuffer = $"
           << Upper(HexOf(static_cast<uint32_t>(CRC32ofBuffer(check, 9)), 8)) << "\n";
       out << "SHA1DigestToHex(SHA1FromString(AnsiString(\"abc\"))) = "
           << UnicodeToUtf8(SHA1DigestToHex(SHA1FromString(AnsiString("abc")))) << "\n";
       TStringStream text{AnsiString("Hello, world")}, b64;
       EncodeBase64(text, b64, false);
       out << "EncodeBase64(\"Hello, world\") = " << b64.Bytes() << "\n";
       TStringStream one{AnsiString("A")}, a85;
       EncodeASCII85(one, a85, false);
       out << "EncodeASCII85(byte $41) = " << a85.Bytes()
           << " (the short last group is not zero-widened: common ASCII85 has 5l~>)\n";
       TRLEncoder rle(nullptr);
       const TBytes runs = {0x01, 0x02, 0x02, 0x03, 0x03, 0x03};
       rle.Encode(runs, 6);
       TBytes block;
       const int32_t n = rle.Finish(block);
       out << "TRLEncoder: Encode(01 02 02 03 03 03), Finish returns " << n << ": "
           << Upper(HexBytes(std::string(block.begin(), block.begin() + n))) << "\n";
     },
     "dstruct/ZUB_dstruct.hpp"});

}  // namespace
}  // namespace zubkit
