// The dictations of the two data folders, the length of an Ogg Vorbis
// recording, and the dictations shipped in data/Diktaty (whose transcripts are
// also checked with the other shipped texts).

#include "storage/dictations.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "core/cp1250.h"
#include "storage/paths.h"
#include "storage/textfile.h"
#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

namespace fs = std::filesystem;
using DictationsTest = testing::TempFolderTest;
const fs::path kShipped = fs::path(TYMBA_DATA_DIR) / "Diktaty";

std::string shippedRecording(const char* name) {
  return readFileBytes(kShipped / name, 1 << 22).bytes;
}

TEST_F(DictationsTest, PairsTranscriptsWithRecordingsAndTheUsersPairComesFirst) {
  const std::string ogg = shippedRecording("Ranní autobus.ogg");
  for (const char* file :
       {"Podzim.txt", "Podzim.ogg", "Řeka.TXT", "řeka.Ogg", "Les.txt", "Les.mp3", "Les.wav",
        "Jen zvuk.ogg", "../../user/diktaty/PODZIM.txt", "../../user/diktaty/podzim.wav",
        "../../user/diktaty/les.ogg", "../../user/diktaty/Jen text.txt"})
    writeBytes(root_ / "shipped/Diktaty" / file, ogg);
  std::vector<std::string> listed;
  for (const Dictation& dictation : listDictations({root_ / "shipped", root_ / "user"}))
    listed.push_back(toUtf8(dictation.title) + " " +
                     dictation.transcript.lexically_relative(root_).string() + " " +
                     dictation.recording.filename().string() + " " +
                     (dictation.lengthMs ? std::to_string(*dictation.lengthMs) : "-"));
  EXPECT_EQ(listed, (std::vector<std::string>{"Les shipped/Diktaty/Les.txt Les.wav -",
                                              "PODZIM user/diktaty/PODZIM.txt podzim.wav -",
                                              "Řeka shipped/Diktaty/Řeka.TXT řeka.Ogg 63073"}));
}

TEST(OggVorbisLength, IsTheLastGranuleOverTheRateOrNothing) {
  const std::string ogg = shippedRecording("Ranní autobus.ogg");
  const auto changed = [&ogg](std::size_t at, std::string_view part) {
    return std::string(ogg).replace(at, part.size(), part);
  };
  const std::size_t lastPage = ogg.rfind("OggS");
  const struct {
    const char* name;
    std::string bytes;
    std::optional<std::int64_t> ms;
  } cases[] = {
      {"shipped, as ogginfo tells", ogg, 63073},
      {"another shipped", shippedRecording("V knihovně.ogg"), 161251},
      {"empty", "", std::nullopt},
      {"a WAV file", "RIFF....WAVEfmt ", std::nullopt},
      {"no capture pattern", changed(0, "Oggs"), std::nullopt},
      {"last page cut short", ogg.substr(0, ogg.size() - 1), std::nullopt},
      {"not Vorbis", changed(29, "theora"), std::nullopt},
      {"rate 0", changed(40, std::string(4, '\0')), std::nullopt},
      {"last page does not end the stream", changed(lastPage + 5, std::string(1, '\0')),
       std::nullopt},
      {"last page of another stream", changed(lastPage + 14, "\x01"), std::nullopt},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(oggVorbisLengthMs(row.bytes), row.ms);
  }
}

// Each shipped transcript has its recording, which lasts what the pace of
// tools/makedictations makes of the transcript, give or take a fifth.
TEST(ShippedDictations, LastWhatTheirPacePredicts) {
  std::map<std::string, double> pace;
  std::ifstream paceFile(fs::path(TYMBA_DATA_DIR).parent_path() / "tools/dictation-pace.txt");
  for (std::string line; std::getline(paceFile, line);) {
    std::istringstream words(line.substr(0, line.find('#')));
    std::string key;
    if (double value = 0; words >> key >> value) pace[key] = value;
  }
  const std::vector<Dictation> dictations = listDictations({TYMBA_DATA_DIR, "/nonexistent"});
  EXPECT_GE(dictations.size(), 5u);
  EXPECT_EQ(dictations.size(), listFiles(kShipped, ".txt").size());
  for (const Dictation& dictation : dictations) {
    SCOPED_TRACE(toUtf8(dictation.title));
    const std::u16string text = readWholeText(dictation.transcript);
    EXPECT_GE(text.size(), 400u);
    EXPECT_LE(text.size(), 1500u);
    double ms = 0;
    for (const char16_t c : std::u16string_view(text).substr(0, text.size() - 2)) {
      const auto among = [c](std::u16string_view set) { return set.find(c) != set.npos; };
      if (c == u'\r') continue;
      ms += among(u",;:.?!\"-\n") ? pace["ms_per_mark"] : c == u' ' ? 0 : pace["ms_per_letter"];
      ms += among(u",;:") ? pace["phrase_pause_ms"] : 0;
      ms += among(u".?!\n") ? pace["sentence_pause_ms"] : 0;
    }
    ASSERT_TRUE(dictation.lengthMs);
    EXPECT_NEAR(static_cast<double>(*dictation.lengthMs), ms, ms / 5);
  }
}

}  // namespace
}  // namespace tymba
