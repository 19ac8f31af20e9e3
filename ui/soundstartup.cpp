#include "ui/soundstartup.h"

#include <QString>
#include <array>

#include "storage/wavfile.h"
#include "ui/application.h"
#include "ui/soundsetup.h"

namespace tymba {
namespace {

// How the messages name the files of the first-run check, in the order they
// are checked: the four clicks, then the error and the end sound.
constexpr std::array<const char*, 6> kCheckedNames = {"Soubor č. 01",
                                                      "Soubor č. 02",
                                                      "Soubor č. 03",
                                                      "Soubor č. 04",
                                                      "Soubor oznamující chybu",
                                                      "Soubor oznamující konec testu"};

std::filesystem::path checkedFile(const AppContext& context, int entry) {
  if (entry < 4) return clickSoundFile(context, entry + 1);
  return context.folders.find(entry == 4 ? "\\Zvuk2\\zvuk01.wav" : "\\Zvuk2\\zvuk02.wav");
}

// A file counts only when it decodes: one that is there but damaged is
// reported like a missing one.
bool usable(const std::filesystem::path& file) { return readWavFile(file, kMinSoundRate, 1).ok(); }

// The program goes on silently after this message.
void soundFileFailed(AppContext& context, const QString& name) {
  context.stav.ZvukPripraven = false;
  context.messages.show(
      name + QStringLiteral(" neexistuje nebo je poškozen. Zvuk nebude z inicializován. Pokud se "
                            "tento problém bude stále objevovat, přeinstalujte program popřípadě "
                            "kontaktujte dodavatele"),
      QStringLiteral("Přerušení"), MessageIcon::Critical);
}

void checkShippedSounds(AppContext& context) {
  for (int entry = 0; entry < int(kCheckedNames.size()); ++entry) {
    if (usable(checkedFile(context, entry))) continue;
    soundFileFailed(context, QString::fromUtf8(kCheckedNames[static_cast<std::size_t>(entry)]));
    return;
  }
}

void loadOption(AppContext& context, std::string_view key, const Nastaveni& options) {
  if (!context.stav.ZvukPripraven) return;
  if (key == "Klik") {
    for (int variant = 1; variant <= 4; ++variant)
      if (!usable(clickSoundFile(context, variant)))
        return soundFileFailed(context, QStringLiteral("Soubor pro ovládání zvuku"));
    const std::filesystem::path file = clickSoundFile(context, options.Klik);
    if (!file.empty()) context.sounds.load(SoundBuffer::Click, file);
  } else if (key == "ZvukChyba") {
    if (!context.sounds.load(SoundBuffer::Error, options.ZvukChyba))
      soundFileFailed(context, QStringLiteral("Soubor oznamující chybu"));
  } else if (key == "ZvukKonec") {
    if (!context.sounds.load(SoundBuffer::End, options.ZvukKonec))
      soundFileFailed(context, QStringLiteral("Soubor oznamující konec testu"));
  }
}

}  // namespace

SoundHooks startupSoundHooks(AppContext& context) {
  return {[&context] { checkShippedSounds(context); },
          [&context](std::string_view key, const Nastaveni& options) {
            loadOption(context, key, options);
          }};
}

}  // namespace tymba
