// Writes every sound of the game as a WAV file (16-bit mono) into a folder,
// so that a person can listen to them and look at their spectrograms, and
// prints each one's length and peak.
//
//   make_sounds OUT_DIR
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "sound/sounds.h"

namespace {

using tarvix::sound::sample_rate;

void put(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFFU));
}

bool write_wav(const std::filesystem::path& path, const std::vector<float>& samples) {
  constexpr int bytes_per_sample = 2;
  constexpr float full_scale = 32767.0F;
  std::ofstream out(path, std::ios::binary);
  const auto data = static_cast<std::uint32_t>(samples.size() * bytes_per_sample);
  out << "RIFF";
  put(out, 36 + data, 4);
  out << "WAVEfmt ";
  put(out, 16, 4);                              // the format chunk's size
  put(out, 1, 2);                               // PCM
  put(out, 1, 2);                               // mono
  put(out, sample_rate, 4);                     // frames a second
  put(out, sample_rate * bytes_per_sample, 4);  // bytes a second
  put(out, bytes_per_sample, 2);                // bytes a frame
  put(out, 8 * bytes_per_sample, 2);            // bits a sample
  out << "data";
  put(out, data, 4);
  for (float s : samples)
    put(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(s * full_scale))), 2);
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds OUT_DIR\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  for (auto sound : tarvix::sound::all_sounds) {
    const auto samples = tarvix::sound::synthesize(sound);
    float peak = 0;
    for (float s : samples) peak = std::max(peak, std::abs(s));
    const std::string file = std::string(tarvix::sound::name(sound)) + ".wav";
    if (!write_wav(dir / file, samples)) {
      std::fprintf(stderr, "make_sounds: cannot write %s\n", (dir / file).c_str());
      return 1;
    }
    std::printf("%-16s %5.0f ms  peak %5.1f dBFS\n", file.c_str(),
                1000.0 * static_cast<double>(samples.size()) / sample_rate,
                20.0 * std::log10(static_cast<double>(peak)));
  }
  return 0;
}
