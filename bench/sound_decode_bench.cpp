// What playing a sound costs the GUI thread: opening a 100 MB file (only
// its headers are read) and decoding the 100 ms a waveOut buffer takes, for
// each kind of sound the program plays, on the fixtures of tests/audio.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "audio/byte_source.h"
#include "audio/mpeg_sniff.h"
#include "audio/sound_decoder.h"
#include "common/file_io.h"

namespace tikolvo::audio {
namespace {

// The compiler saw this file's path from the build folder, which is where
// the benchmark program lies too.
std::string Fixture(const char* name) {
  std::filesystem::path source(__FILE__);
  if (source.is_relative()) {
    std::error_code ec;
    source = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path() / source;
  }
  const auto path = source.parent_path().parent_path() / "tests" / "audio" / "fixtures" / name;
  return ReadWholeFile(path.string()).value_or("");
}

// A long file of MP3 frames repeated, made up as it is read.
class RepeatedFrames final : public ByteSource {
 public:
  RepeatedFrames(std::string frames, std::uint64_t size) : frames_(std::move(frames)), size_(size) {}
  std::uint64_t Size() const override { return size_; }
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    for (; done < count && offset + done < size_; ++done) out[done] = frames_[(offset + done) % frames_.size()];
    return done;
  }

 private:
  std::string frames_;
  std::uint64_t size_;
};

void BM_OpenLongMp3(benchmark::State& state) {
  const std::string mp3 = Fixture("stereo.mp3");
  if (mp3.empty()) return state.SkipWithError("tests/audio/fixtures not found");
  const std::string frames = mp3.substr(Id3v2TagSize(mp3));
  for (auto _ : state) {
    DecoderPtr decoder = OpenSoundDecoder(std::make_unique<RepeatedFrames>(frames, std::uint64_t{100} << 20));
    if (!decoder) state.SkipWithError("no MP3 decoder");
    benchmark::DoNotOptimize(decoder);
  }
}
BENCHMARK(BM_OpenLongMp3)->Unit(benchmark::kMillisecond);

// One waveOut buffer's worth (100 ms) decoded, the sound reopened whenever
// it runs out.
void DecodeBuffers(benchmark::State& state, const std::string& bytes) {
  DecoderPtr decoder = OpenSoundDecoder(bytes);
  if (!decoder) return state.SkipWithError("no decoder for the fixture");
  const std::size_t frames = decoder->Format().sample_rate / 10;
  std::vector<std::int16_t> buffer(frames * 2);
  for (auto _ : state) {
    if (decoder->Read(buffer.data(), frames) < frames) {
      state.PauseTiming();
      decoder = OpenSoundDecoder(bytes);
      state.ResumeTiming();
    }
    benchmark::DoNotOptimize(buffer.data());
  }
}

void BM_DecodeBufferMp3(benchmark::State& state) { DecodeBuffers(state, Fixture("stereo.mp3")); }
void BM_DecodeBufferOgg(benchmark::State& state) { DecodeBuffers(state, Fixture("tone.ogg")); }
BENCHMARK(BM_DecodeBufferMp3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeBufferOgg)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tikolvo::audio
