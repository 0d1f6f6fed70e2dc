// The checksums, the digest and Base64 against the libraries a user would otherwise pick, in
// one run: CRC-32 over 256 MiB against zlib's crc32 and libdeflate_crc32; CRC-16 (both start
// values) over 256 MiB against a one-table-look-up-per-byte loop; SHA-1 over 256 MiB against
// OpenSSL's SHA1; Base64 with line breaks over 64 MiB against EVP_EncodeBlock / EVP_DecodeBlock
// on the same bytes (which write and read one unbroken text). At the end the ratios of the
// library's times to the peers' are printed, with the kernels that ran.
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <openssl/evp.h>
#include <openssl/sha.h>
#include <zlib.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench/ratio_report.hpp"
#include "dstruct/ZUB_dstruct.hpp"
#include "dstruct/internal/base64_kernels.hpp"
#include "dstruct/internal/crc_kernels.hpp"
#include "dstruct/internal/sha1_kernels.hpp"

namespace {

constexpr size_t kBig = size_t{256} << 20;
constexpr size_t kB64 = size_t{64} << 20;

const std::vector<uint8_t>& Data() {
  static const std::vector<uint8_t> data = [] {
    std::vector<uint8_t> d(kBig);
    std::mt19937_64 gen(1);
    for (size_t i = 0; i < d.size(); i += 8) {
      const uint64_t v = gen();
      std::memcpy(d.data() + i, &v, 8);
    }
    return d;
  }();
  return data;
}

void Bytes(benchmark::State& state, size_t n) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * n));
}

void BM_CRC32_zub(benchmark::State& state) {
  const auto& d = Data();
  for (auto _ : state) benchmark::DoNotOptimize(zub::CalcNextCRC32Bytes(d, -1));
  Bytes(state, d.size());
}
void BM_CRC32_zub_portable(benchmark::State& state) {
  const auto& d = Data();
  for (auto _ : state) benchmark::DoNotOptimize(zub::dstruct_internal::CRC32Slice8(~0u, d.data(), d.size()));
  Bytes(state, d.size());
}
void BM_CRC32_zlib(benchmark::State& state) {
  const auto& d = Data();
  for (auto _ : state) {
    uLong crc = 0;
    for (size_t at = 0; at < d.size(); at += 1u << 30)  // uInt counts
      crc = crc32(crc, d.data() + at, static_cast<uInt>(std::min<size_t>(d.size() - at, 1u << 30)));
    benchmark::DoNotOptimize(crc);
  }
  Bytes(state, d.size());
}
void BM_CRC32_libdeflate(benchmark::State& state) {
  const auto& d = Data();
  for (auto _ : state) benchmark::DoNotOptimize(libdeflate_crc32(0, d.data(), d.size()));
  Bytes(state, d.size());
}

void BM_CRC16_zub(benchmark::State& state) {
  const auto& d = Data();
  const auto start = static_cast<uint16_t>(state.range(0) == 0 ? 0 : 0xFFFF);
  for (auto _ : state) benchmark::DoNotOptimize(zub::CalcNextCRC16Bytes(d, start));
  Bytes(state, d.size());
}
void BM_CRC16_zub_portable(benchmark::State& state) {
  const auto& d = Data();
  for (auto _ : state) benchmark::DoNotOptimize(zub::dstruct_internal::CRC16Slice8(0, d.data(), d.size()));
  Bytes(state, d.size());
}
// The peer: one table look-up per byte, as CalcNextCRC16 does.
void BM_CRC16_table(benchmark::State& state) {
  const auto& d = Data();
  const auto start = static_cast<uint16_t>(state.range(0) == 0 ? 0 : 0xFFFF);
  for (auto _ : state) {
    uint16_t crc = start;
    for (const uint8_t b : d) crc = zub::CalcNextCRC16(b, crc);
    benchmark::DoNotOptimize(crc);
  }
  Bytes(state, d.size());
}

void BM_SHA1_zub(benchmark::State& state) {
  const auto& d = Data();
  for (auto _ : state) benchmark::DoNotOptimize(zub::SHA1FromBytes(d));
  Bytes(state, d.size());
}
void BM_SHA1_zub_stream(benchmark::State& state) {
  zub::TMemoryStream s;
  s.WriteBuffer(Data().data(), static_cast<int32_t>(Data().size()));
  for (auto _ : state) {
    s.SetPosition(0);
    benchmark::DoNotOptimize(zub::SHA1FromStream(s));
  }
  Bytes(state, Data().size());
}
void BM_SHA1_openssl(benchmark::State& state) {
  const auto& d = Data();
  uint8_t digest[20];
  for (auto _ : state) {
    SHA1(d.data(), d.size(), digest);
    benchmark::DoNotOptimize(digest);
  }
  Bytes(state, d.size());
}

// Base64 between memory streams; the output stream has its room already, as the peer's
// buffer has.
zub::TMemoryStream& B64Input() {
  static zub::TMemoryStream s;
  if (s.Size() == 0) s.WriteBuffer(Data().data(), static_cast<int32_t>(kB64));
  return s;
}
zub::TMemoryStream& B64Text(bool breaks) {
  static zub::TMemoryStream text[2];
  zub::TMemoryStream& t = text[breaks ? 1 : 0];
  if (t.Size() == 0) {
    B64Input().SetPosition(0);
    zub::EncodeBase64(B64Input(), t, breaks);
  }
  return t;
}

void BM_Base64Encode_zub(benchmark::State& state) {
  const bool breaks = state.range(0) != 0;
  zub::TMemoryStream& in = B64Input();
  zub::TMemoryStream out;
  out.SetSize(B64Text(breaks).Size());
  for (auto _ : state) {
    in.SetPosition(0);
    out.SetPosition(0);
    zub::EncodeBase64(in, out, breaks);
  }
  Bytes(state, kB64);
}
void BM_Base64Encode_EVP(benchmark::State& state) {
  std::vector<uint8_t> out(kB64 / 3 * 4 + 8);
  for (auto _ : state)
    benchmark::DoNotOptimize(EVP_EncodeBlock(out.data(), Data().data(), static_cast<int>(kB64)));
  Bytes(state, kB64);
}
void BM_Base64Decode_zub(benchmark::State& state) {
  const bool breaks = state.range(0) != 0;
  zub::TMemoryStream& text = B64Text(breaks);
  zub::TMemoryStream out;
  out.SetSize(static_cast<int64_t>(kB64) + 64);  // the room, allocated and touched
  for (auto _ : state) {
    state.PauseTiming();
    text.SetPosition(0);
    out.SetSize(0);  // empty again; the allocation stays
    state.ResumeTiming();
    benchmark::DoNotOptimize(zub::DecodeBase64(text, out));
  }
  Bytes(state, kB64);
}
void BM_Base64Decode_EVP(benchmark::State& state) {
  zub::TMemoryStream& text = B64Text(false);
  std::vector<uint8_t> out(kB64 + 8);
  for (auto _ : state)
    benchmark::DoNotOptimize(EVP_DecodeBlock(out.data(), text.Memory(), static_cast<int>(text.Size())));
  Bytes(state, kB64);
}

BENCHMARK(BM_CRC32_zub)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CRC32_zub_portable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CRC32_zlib)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CRC32_libdeflate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CRC16_zub)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CRC16_zub_portable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CRC16_table)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SHA1_zub)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SHA1_zub_stream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SHA1_openssl)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Base64Encode_zub)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Base64Encode_EVP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Base64Decode_zub)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Base64Decode_EVP)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  using zub_bench::Ratio;
  benchmark::Initialize(&argc, argv);
  zub_bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  namespace in = zub::dstruct_internal;
  std::printf("\nKernels: CRC %s, SHA-1 %s, Base64 %s\nTime ratios, zubcorekit / peer:\n",
              in::SelectedCRCKernelName(), in::SelectedSHA1KernelName(), in::SelectedBase64Kernels().name);
  Ratio(reporter, "CRC-32 / libdeflate_crc32", "BM_CRC32_zub", "BM_CRC32_libdeflate", 1.0);
  Ratio(reporter, "CRC-32 / zlib crc32", "BM_CRC32_zub", "BM_CRC32_zlib", 0.25);
  Ratio(reporter, "CRC-16 crcZModem / table loop", "BM_CRC16_zub/0", "BM_CRC16_table/0", 0.25);
  Ratio(reporter, "CRC-16 crcCCITT / table loop", "BM_CRC16_zub/1", "BM_CRC16_table/1", 0.25);
  Ratio(reporter, "SHA-1 / OpenSSL SHA1", "BM_SHA1_zub", "BM_SHA1_openssl", 1.0);
  Ratio(reporter, "SHA1FromStream (memory stream) / OpenSSL SHA1", "BM_SHA1_zub_stream", "BM_SHA1_openssl",
        1.0);
  Ratio(reporter, "EncodeBase64 with breaks / EVP_EncodeBlock", "BM_Base64Encode_zub/1",
        "BM_Base64Encode_EVP", 0.25);
  Ratio(reporter, "DecodeBase64 with breaks / EVP_DecodeBlock", "BM_Base64Decode_zub/1",
        "BM_Base64Decode_EVP", 0.25);
  Ratio(reporter, "EncodeBase64 without breaks / EVP_EncodeBlock", "BM_Base64Encode_zub/0",
        "BM_Base64Encode_EVP", 0.25);
  Ratio(reporter, "DecodeBase64 without breaks / EVP_DecodeBlock", "BM_Base64Decode_zub/0",
        "BM_Base64Decode_EVP", 0.25);
  benchmark::Shutdown();
  return 0;
}
