// ui/soundsetup.h : the program's rules around the device, for the main window and the options
#pragma once
#include <filesystem>
namespace tymba {
struct AppContext;
// The sound set-up: ZvukPripraven = ZvukInicializovan = setUp(); on failure the message
// "Nelze z inicializovat zvuk. ..." once ("Přerušení", information icon). Returns the result.
bool soundSetUp(AppContext& context);
// The file of a click variant 1..4 (Klik1.wav, prc.wav, klavesnice.wav, nic.wav under \Zvuk);
// empty for other values.
std::filesystem::path clickSoundFile(const AppContext& context, int variant);
// After OK in the options window, while ZvukPripraven: the error buffer from ZvukChyba when
// ZvukChybaB is 1, the end buffer from ZvukKonec when ZvukKonecB is 1, the click buffer for
// Klik 1..4.
void reloadSoundsAfterOptions(AppContext& context);
// After the dictation panel closes: set-up again, then click, error and end buffers.
void reloadSoundsAfterDictation(AppContext& context);
}  // namespace tymba
