// Base64 encoding and decoding of a short password-sized input and of 1 MiB, side by side
// with libb64, the usual small C codec, as the bar our codec has to reach.
#include <benchmark/benchmark.h>

extern "C" {  // libb64's C headers do not say so themselves
#include <b64/cdecode.h>
#include <b64/cencode.h>
}

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "util/Base64.h"

namespace {

std::vector<std::uint8_t> randomBytes(std::size_t size) {
  std::mt19937 random(42);
  std::vector<std::uint8_t> bytes(size);
  for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
  return bytes;
}

void TavimoEncode(benchmark::State& state) {
  const auto input = randomBytes(static_cast<std::size_t>(state.range(0)));
  const tavimo::Base64 codec;
  for (auto _ : state) benchmark::DoNotOptimize(codec.EncodeArr(input));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}

void LibB64Encode(benchmark::State& state) {
  const auto input = randomBytes(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    // Sized as a caller has to: four characters per three bytes plus a line break per line.
    std::string output(input.size() * 4 / 3 + input.size() / 50 + 8, '\0');
    base64_encodestate encoder;
    base64_init_encodestate(&encoder);
    int length = base64_encode_block(reinterpret_cast<const char*>(input.data()),
                                     static_cast<int>(input.size()), output.data(), &encoder);
    length += base64_encode_blockend(output.data() + length, &encoder);
    output.resize(static_cast<std::size_t>(length));
    benchmark::DoNotOptimize(output);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
}

void TavimoDecode(benchmark::State& state) {
  const tavimo::Base64 codec;
  const std::string text = codec.EncodeArr(randomBytes(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(codec.DecodeArr(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void LibB64Decode(benchmark::State& state) {
  const tavimo::Base64 codec;
  const std::string text = codec.EncodeArr(randomBytes(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) {
    std::vector<std::uint8_t> output(text.size() / 4 * 3 + 3);
    base64_decodestate decoder;
    base64_init_decodestate(&decoder);
    const int length = base64_decode_block(text.data(), static_cast<int>(text.size()),
                                           reinterpret_cast<char*>(output.data()), &decoder);
    output.resize(static_cast<std::size_t>(length));
    benchmark::DoNotOptimize(output);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

constexpr std::int64_t small = 16;
constexpr std::int64_t large = 1 << 20;

BENCHMARK(TavimoEncode)->Arg(small)->Arg(large);
BENCHMARK(LibB64Encode)->Arg(small)->Arg(large);
BENCHMARK(TavimoDecode)->Arg(small)->Arg(large);
BENCHMARK(LibB64Decode)->Arg(small)->Arg(large);

}  // namespace

BENCHMARK_MAIN();
