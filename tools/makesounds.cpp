// Makes the program's sound files: the four key clicks in Zvuk/ and the error
// and end sounds in Zvuk2/, synthesised from the numbers below, so that every
// sound the program ships is made here. 16-bit PCM, mono, 44.1 kHz.
//   makesounds FOLDER    writes FOLDER/Zvuk/*.wav and FOLDER/Zvuk2/*.wav
// The output is the same bytes on every run and every machine: the noise is
// an own linear congruential generator, the sine an own polynomial, and only
// the basic operations of double arithmetic (exactly rounded, no fused
// multiply-add; the build passes -ffp-contract=off) touch the samples.
// For each file it prints the length, the peak and where the sound begins.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
constexpr int kRate = 44100;
using Samples = std::vector<double>;

int samplesOf(double seconds) { return static_cast<int>(seconds * kRate + 0.5); }

// sin(2 pi cycles), from a polynomial on the quarter wave around 0.
double sine(double cycles) {
  double t = cycles - std::floor(cycles);
  if (t >= 0.75) {
    t -= 1.0;
  } else if (t >= 0.25) {
    t = 0.5 - t;
  }
  const double x = 6.283185307179586 * t, x2 = x * x;  // |x| <= pi / 2
  return x * (1 - x2 / 6 * (1 - x2 / 20 * (1 - x2 / 42 * (1 - x2 / 72 * (1 - x2 / 110)))));
}

// White noise in [-1, 1) from a 32-bit linear congruential generator.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double next() {
    state_ = state_ * 1664525u + 1013904223u;
    return (static_cast<double>(state_ >> 8) - 8388608.0) / 8388608.0;
  }

 private:
  std::uint32_t state_;
};

// A decaying partial: amplitude * e^(-t / tau) * sin(2 pi f t), from start on.
// The decay is a factor per sample, so no exp() is needed.
void addPartial(Samples& out, int start, double frequency, double amplitude, double tau) {
  const double decay = 1.0 - 1.0 / (tau * kRate);
  double envelope = amplitude;
  for (int i = start; i < static_cast<int>(out.size()); ++i) {
    out[i] += envelope * sine(frequency * (i - start) / kRate);
    envelope *= decay;
  }
}

// A burst of noise that decays with tau, starting at start; smoothing 0 keeps
// it white, towards 1 it turns dull (a one-pole low-pass), a negative value
// sharpens it (the step from the previous value is weighed in).
void addNoise(Samples& out, int start, double amplitude, double tau, double smoothing,
              std::uint32_t seed) {
  Noise noise(seed);
  const double decay = 1.0 - 1.0 / (tau * kRate);
  double envelope = amplitude, previous = 0, filtered = 0;
  for (int i = start; i < static_cast<int>(out.size()); ++i) {
    const double white = noise.next();
    if (smoothing >= 0) {
      filtered += (1 - smoothing) * (white - filtered);
    } else {
      filtered = white + smoothing * previous;
    }
    previous = white;
    out[i] += envelope * filtered;
    envelope *= decay;
  }
}

// A tone of a few harmonics, each weight[k] for harmonic k + 1, held from
// start for length with a short rise and a raised-cosine release.
void addTone(Samples& out, int start, int length, double frequency,
             const std::vector<double>& weights) {
  const int rise = samplesOf(0.004), release = samplesOf(0.03);
  for (int i = 0; i < length && start + i < static_cast<int>(out.size()); ++i) {
    double value = 0;
    for (std::size_t k = 0; k < weights.size(); ++k)
      value += weights[k] * sine((k + 1) * frequency * i / kRate);
    double gain = std::min(1.0, (i + 1.0) / rise);
    if (i > length - release)
      gain *= 0.5 * (1 + sine(0.25 + 0.5 * (i - length + release) / release));
    out[start + i] += gain * value;
  }
}

// The first samples rise over attack samples (the first one is not zero), the
// last fade samples fall to zero with a raised cosine, so nothing clicks.
void shape(Samples& out, int attack, int fade) {
  const int n = static_cast<int>(out.size());
  for (int i = 0; i < attack && i < n; ++i) out[i] *= (i + 1.0) / attack;
  for (int i = 0; i < fade && i < n; ++i)
    out[n - fade + i] *= 0.5 * (1 + sine(0.25 + 0.5 * i / fade));
}

// A bell: a fundamental and its inharmonic partials, the higher ones dying sooner.
void addBell(Samples& out, double at, double frequency, double amplitude) {
  const int start = samplesOf(at);
  const double ratios[] = {1.0, 2.0, 2.76, 5.4}, weights[] = {1.0, 0.35, 0.18, 0.06};
  Samples bell(out.size() - start, 0.0);
  for (int k = 0; k < 4; ++k)
    addPartial(bell, 0, frequency * ratios[k], amplitude * weights[k], 0.32 / ratios[k]);
  shape(bell, samplesOf(0.002), 0);
  for (std::size_t i = 0; i < bell.size(); ++i) out[start + i] += bell[i];
}

Samples typewriter() {
  Samples out(samplesOf(0.070), 0.0);
  addNoise(out, 0, 1.0, 0.0025, -0.6, 0x5EED0001u);  // the type bar hitting the platen
  addPartial(out, 0, 150, 0.5, 0.006);               // the thump of the carriage
  addPartial(out, 0, 2450, 0.35, 0.018);             // the ring of the metal
  addPartial(out, 0, 3610, 0.25, 0.012);
  addPartial(out, 0, 5230, 0.15, 0.008);
  shape(out, samplesOf(0.0002), samplesOf(0.010));
  return out;
}

Samples beep() {
  Samples out(samplesOf(0.045), 0.0);
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = sine(1760.0 * i / kRate) + 0.1 * sine(3520.0 * i / kRate);
  shape(out, samplesOf(0.0005), samplesOf(0.010));
  return out;
}

Samples keyboard() {
  Samples out(samplesOf(0.045), 0.0);
  addNoise(out, 0, 1.0, 0.0015, 0.65, 0x5EED0002u);                 // the key cap pressed
  addPartial(out, 0, 420, 0.3, 0.005);                              // the body of the keyboard
  addNoise(out, samplesOf(0.014), 0.5, 0.0012, 0.65, 0x5EED0003u);  // the key at the bottom
  shape(out, samplesOf(0.0002), samplesOf(0.008));
  return out;
}

Samples silence() { return Samples(samplesOf(0.020), 0.0); }

// Two notes going down a fourth, round with a few harmonics: plainly "no".
Samples errorTone() {
  Samples out(samplesOf(0.32), 0.0);
  const std::vector<double> harmonics = {1.0, 0.3, 0.15};
  addTone(out, 0, samplesOf(0.14), 293.66, harmonics);
  addTone(out, samplesOf(0.15), samplesOf(0.17), 220.0, harmonics);
  return out;
}

// Three soft bells going down (E, C, G), fading within one second.
Samples endChime() {
  Samples out(samplesOf(1.0), 0.0);
  addBell(out, 0.0, 1318.51, 1.0);
  addBell(out, 0.18, 1046.50, 1.0);
  addBell(out, 0.36, 783.99, 1.1);
  shape(out, 1, samplesOf(0.15));
  return out;
}

// The samples scaled to the peak (a fraction of full scale) and rounded.
std::vector<std::int16_t> quantised(const Samples& in, double peak) {
  double highest = 0;
  for (const double v : in) highest = std::max(highest, std::fabs(v));
  const double scale = highest > 0 ? peak * 32767 / highest : 0;
  std::vector<std::int16_t> out;
  for (const double v : in)
    out.push_back(
        static_cast<std::int16_t>(std::clamp(std::floor(v * scale + 0.5), -32767.0, 32767.0)));
  return out;
}

void putLittleEndian(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string wavBytes(const std::vector<std::int16_t>& samples) {
  const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  std::string bytes = "RIFF";
  putLittleEndian(bytes, 36 + dataSize, 4);
  bytes += "WAVEfmt ";
  putLittleEndian(bytes, 16, 4);
  putLittleEndian(bytes, 1, 2);  // PCM
  putLittleEndian(bytes, 1, 2);  // mono
  putLittleEndian(bytes, kRate, 4);
  putLittleEndian(bytes, kRate * 2, 4);
  putLittleEndian(bytes, 2, 2);
  putLittleEndian(bytes, 16, 2);
  bytes += "data";
  putLittleEndian(bytes, dataSize, 4);
  for (const std::int16_t s : samples) putLittleEndian(bytes, static_cast<std::uint16_t>(s), 2);
  return bytes;
}

bool write(const fs::path& folder, const std::string& name, const Samples& sound, double peak) {
  const std::vector<std::int16_t> samples = quantised(sound, peak);
  const fs::path file = folder / name;
  std::error_code ignored;
  fs::create_directories(file.parent_path(), ignored);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << wavBytes(samples);
  out.close();
  if (!out) {
    std::fprintf(stderr, "makesounds: cannot write %s\n", file.c_str());
    return false;
  }
  int highest = 0;
  for (const std::int16_t s : samples) highest = std::max(highest, std::abs(static_cast<int>(s)));
  std::size_t onset = 0;
  while (onset < samples.size() && std::abs(static_cast<int>(samples[onset])) * 10 < highest)
    ++onset;
  std::printf("%-18s %6zu samples %7.1f ms  peak %5d (%5.1f dBFS)  onset %5.2f ms\n", name.c_str(),
              samples.size(), 1000.0 * samples.size() / kRate, highest,
              highest > 0 ? 20 * std::log10(highest / 32768.0) : -INFINITY,
              highest > 0 ? 1000.0 * onset / kRate : 0.0);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: makesounds FOLDER\n");
    return 2;
  }
  const fs::path folder = argv[1];
  const bool written = write(folder, "Zvuk/Klik1.wav", typewriter(), 0.70) &&
                       write(folder, "Zvuk/prc.wav", beep(), 0.40) &&
                       write(folder, "Zvuk/klavesnice.wav", keyboard(), 0.35) &&
                       write(folder, "Zvuk/nic.wav", silence(), 0.0) &&
                       write(folder, "Zvuk2/zvuk01.wav", errorTone(), 0.50) &&
                       write(folder, "Zvuk2/zvuk02.wav", endChime(), 0.45);
  return written ? 0 : 1;
}
