// WAV files in each accepted form and broken ones (golden/wav.txt), and the shipped sounds.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdlib>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "storage/wavfile.h"
#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

std::string le(std::uint32_t value, int size) {
  std::string bytes;
  for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i));
  return bytes;
}

// The bytes of a file written in the notation that golden/wav.txt explains.
std::string wavBytes(const std::string& text) {
  std::istringstream in(text);
  const std::vector<std::string> words{std::istream_iterator<std::string>(in), {}};
  const bool riff = !words.empty() && words[0] == "riff";
  std::string bytes;
  for (std::string word : std::vector(words.begin() + riff, words.end())) {
    const std::size_t colon = word.find(':'), times = word.find('*');
    if (word[0] == '\'') {
      std::replace(word.begin(), word.end(), '_', ' ');
      bytes += word.substr(1, word.size() - 2);
    } else if (colon != std::string::npos) {
      const std::string value = word.substr(colon + 1);
      bytes += le(word[0] == 'f' ? std::bit_cast<std::uint32_t>(std::stof(value))
                                 : static_cast<std::uint32_t>(std::stol(value)),
                  word.starts_with("u16") ? 2 : 4);
    } else if (times != std::string::npos) {
      bytes.append(std::stoul(word),
                   static_cast<char>(std::stoi(word.substr(times + 1), nullptr, 16)));
    } else {
      for (std::size_t i = 0; i < word.size(); i += 2)
        bytes += static_cast<char>(std::stoi(word.substr(i, 2), nullptr, 16));
    }
  }
  return riff ? "RIFF" + le(bytes.size() + 4, 4) + "WAVE" + bytes : bytes;
}

TEST(WavFileTest, DecodesAndConvertsOrRefusesEachGoldenCase) {
  const char* const errors[] = {"",        "Unreadable",        "TooLarge",
                                "NotWave", "Truncated",         "NoFormat",
                                "NoData",  "UnsupportedFormat", "BadLayout"};
  for (const auto& [name, parts] : testing::goldenCases(TYMBA_STORAGE_GOLDEN_DIR "/wav.txt")) {
    SCOPED_TRACE(name);
    const WavResult result = decodeWav(wavBytes(parts.at(0)));
    std::istringstream expected(parts.at(1));
    std::string first;
    int channels = 0;
    expected >> first >> channels;
    if (!result.ok() || !std::isdigit(first[0])) {
      EXPECT_EQ(errors[static_cast<int>(result.error)], first);
      EXPECT_TRUE(result.sound.samples.empty());
      continue;
    }
    const std::vector<std::int16_t> samples{std::istream_iterator<int>(expected), {}};
    EXPECT_EQ(convertSound(result.sound, std::stoi(first), channels).samples, samples);
  }
  EXPECT_EQ(readWavFile("/nonexistent/zvuk.wav", 44100, 2).error, WavError::Unreadable);
}

TEST(WavFileTest, ShippedSoundsBeginAtOnceAndEndQuietly) {
  const std::pair<const char*, int> rows[] = {
      // the file and its longest length in ms
      {"Zvuk/Klik1.wav", 80}, {"Zvuk/prc.wav", 80},      {"Zvuk/klavesnice.wav", 80},
      {"Zvuk/nic.wav", 80},   {"Zvuk2/zvuk01.wav", 500}, {"Zvuk2/zvuk02.wav", 1200}};
  for (const auto& [name, milliseconds] : rows) {
    SCOPED_TRACE(name);
    const WavResult result = readWavFile(std::string(TYMBA_DATA_DIR) + "/" + name, 44100, 1);
    const std::vector<std::int16_t>& s = result.sound.samples;
    ASSERT_FALSE(s.empty());
    EXPECT_LT(s.size(), 44100u * milliseconds / 1000);
    int peak = 0;
    for (const int v : s) peak = std::max(peak, std::abs(v));
    EXPECT_LT(peak, 32767);
    EXPECT_EQ(peak == 0, std::string(name) == "Zvuk/nic.wav");
    const auto onset =
        std::find_if(s.begin(), s.end(), [&](int v) { return std::abs(v) * 10 >= peak; });
    EXPECT_TRUE(peak == 0 || onset - s.begin() < 44) << "onset";
    EXPECT_LE(std::abs(s.back()), 2) << "no click at the end";
  }
}

}  // namespace
}  // namespace tymba
