#include "audio/wav_writer.h"

#include "common/byte_io.h"

namespace tikolvo::audio {

std::string EncodeWav16(std::uint32_t sample_rate, std::uint16_t channels, const std::vector<std::int16_t>& samples) {
  const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  const std::uint16_t block_align = static_cast<std::uint16_t>(channels * 2);
  ByteWriter out;
  out.Bytes("RIFF");
  out.U32(4 + (8 + 16) + (8 + data_bytes));
  out.Bytes("WAVE");
  out.Bytes("fmt ");
  out.U32(16);
  out.U16(1);  // integer PCM
  out.U16(channels);
  out.U32(sample_rate);
  out.U32(sample_rate * block_align);
  out.U16(block_align);
  out.U16(16);
  out.Bytes("data");
  out.U32(data_bytes);
  for (const std::int16_t sample : samples) out.U16(static_cast<std::uint16_t>(sample));
  return out.Take();
}

}  // namespace tikolvo::audio
