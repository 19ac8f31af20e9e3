#include "ui/soundsetup.h"

#include <QString>
#include <array>
#include <string_view>

#include "ui/application.h"

namespace tymba {
namespace {

constexpr std::array<std::string_view, 4> kClickFiles = {
    "\\Zvuk\\Klik1.wav", "\\Zvuk\\prc.wav", "\\Zvuk\\klavesnice.wav", "\\Zvuk\\nic.wav"};

// The switches are texts compared with the number 1, so " 1" and "1.0" are on.
bool isOn(const std::string& option) {
  return QString::fromStdString(option).trimmed().toDouble() == 1.0;
}

void loadClick(AppContext& context) {
  const std::filesystem::path file = clickSoundFile(context, context.stav.nastaveni.Klik);
  if (!file.empty()) context.sounds.load(SoundBuffer::Click, file);
}

}  // namespace

bool soundSetUp(AppContext& context) {
  const bool ready = context.sounds.setUp();
  context.stav.ZvukPripraven = ready;
  context.stav.ZvukInicializovan = ready;
  if (!ready) {
    context.messages.show(
        QStringLiteral("Nelze z inicializovat zvuk. Ujistěte se, že máte správně nainstalovanou "
                       "zvukovou kartu, či jestli nemáte spuštěný jiný program ovládající "
                       "zvukové zařízení"),
        QStringLiteral("Přerušení"), MessageIcon::Information);
  }
  return ready;
}

std::filesystem::path clickSoundFile(const AppContext& context, int variant) {
  if (variant < 1 || variant > int(kClickFiles.size())) return {};
  return context.folders.find(kClickFiles[static_cast<std::size_t>(variant - 1)]);
}

void reloadSoundsAfterOptions(AppContext& context) {
  if (!context.stav.ZvukPripraven) return;
  const Nastaveni& options = context.stav.nastaveni;
  if (isOn(options.ZvukChybaB)) context.sounds.load(SoundBuffer::Error, options.ZvukChyba);
  if (isOn(options.ZvukKonecB)) context.sounds.load(SoundBuffer::End, options.ZvukKonec);
  loadClick(context);
}

void reloadSoundsAfterDictation(AppContext& context) {
  if (!soundSetUp(context)) return;
  loadClick(context);
  context.sounds.load(SoundBuffer::Error, context.stav.nastaveni.ZvukChyba);
  context.sounds.load(SoundBuffer::End, context.stav.nastaveni.ZvukKonec);
}

}  // namespace tymba
