#pragma once
// The state every window shares: what the current run is, how far it has got,
// its errors and lesson tables, its result values, the options and the
// current identity. main() owns the one object; windows get it by reference,
// and the engines in this folder take it together with "now" and the texts.
//
// Texts are UTF-16 with one code unit per character and a line break as the
// two characters CR LF, so lengths and positions are character counts.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/clockmath.h"
#include "core/options.h"

namespace tymba {

enum class TestKind { Cviceni, Vyuka };

// Slots of the wrong-character and timing tables of a lesson run.
inline constexpr int kLessonTableSize = 70;

struct SharedState {
  // --- What is being typed, under which rules (set before a run) ---
  TestKind DruhTestu = TestKind::Cviceni;
  std::u16string NazevTestu;
  std::u16string VybranyText;
  bool TextZeSouboru = false;
  int DobaTestu = 1;     // minutes
  int ZtrataUhozu = 20;  // keystrokes lost per error
  int LimitRychlostiTestu = 0;
  int LimitChybTestu = 0;
  bool BezMazani = false;
  // Where the user-configured test's text comes from: "Ze souboru" for a
  // text file the user picked; and the copies its settings dialog restores
  // when it is cancelled.
  std::u16string ZdrojTestu;
  std::u16string ZdrojTestuZaloha;
  bool TextZeSouboruZaloha = false;
  bool BezMazaniZaloha = false;
  TestKind DruhTestuZaloha = TestKind::Cviceni;
  std::u16string NazevTestuZaloha;
  std::u16string VybranyTextZaloha;
  // The preview window shows a practice text (else an exercise text); set by
  // the list of practice texts, cleared when the preview closes.
  bool UkazProcvicovani = false;
  // Index 0 stays empty; lines 1..N of a lesson or practice text.
  std::vector<std::u16string> RadkyVyuky{std::u16string()};

  // --- Progress of the run ---
  bool TestBezi = false;
  bool TestUkoncen = false;
  std::u16string NapsanyText;
  std::int32_t PocetChyb = 0;
  std::int32_t CasZahajeni = 0;
  std::int32_t CasStartu = 0;
  double CasTiku = 0;
  double CasVzorku = 0;
  std::int32_t CasUkonceni = 0;
  int NecinnostTiku = 0;
  int UplynuleSekundy = 0;
  int PocetVzorku = 0;
  std::vector<std::u16string> OsaRychlosti;
  std::vector<int> VzorkyRychlosti;
  std::vector<std::u16string> OsaChyb;
  std::vector<std::optional<int>> VzorkyChyb;  // empty entries in exercise runs
  int DelkaPriVzorku = 0;
  int ChybyPriVzorku = 0;

  // --- Error list: entry n (0-based here) of both vectors belongs together.
  // PoziceChyb holds 1-based positions into the typed text.
  std::vector<int> PoziceChyb;
  std::vector<std::u16string> ZnakyChyb;

  // --- Lesson tables; a slot is free while its text, trailing blanks
  // removed, is empty. Slot n of the rules is index n - 1 here.
  std::array<std::u16string, kLessonTableSize> ChybneZnaky{};
  std::array<int, kLessonTableSize> CetnostChyb{};
  std::array<std::u16string, kLessonTableSize> NapsaneZnaky{};
  std::array<int, kLessonTableSize> CetnostZnaku{};
  std::array<Fixed4, kLessonTableSize> ProdlevyZnaku{};
  Fixed4 CasUhozu = 0;

  // --- Lesson line state ---
  int RadekVyuky = 0;
  bool BlokVstupu = false;
  double CasBloku = 0;
  int DalsiKlavesa = 0;
  // The wrong-character table of the last evaluated run, which the keyboard
  // window shows; the reset after the result leaves it.
  struct WrongCharacters {
    std::array<std::u16string, kLessonTableSize> ChybneZnaky{};
    std::array<int, kLessonTableSize> CetnostChyb{};
  };
  std::optional<WrongCharacters> lastRunErrors;

  // --- Scrolling of the exercise text ---
  int NejdelsiText = 0;
  int TretinaOkna = 0;
  int ZnakuNaRadek = 0;
  int PosledniSloupec = 0;
  int PosunuteRadky = 0;
  int PocetPosunu = 0;
  int KrokPosunu = 0;
  bool JeNapsano = false;

  // --- Result values of the last scored run ---
  int HrubeUhozy = 0;
  int ChybyVysledku = 0;
  std::u16string DobaVysledku = u"0";
  int CisteUhozy = 0;
  int CisteUhozyMin = 0;
  Fixed4 ProcentoChyb = 0;
  std::u16string ProtokolNapsany;
  std::u16string ProtokolOznaceny;
  std::u16string CasVysledku;

  // --- What the password prompt before a removal of an identity hands back:
  // the password typed, and whether the prompt was cancelled instead.
  std::u16string HesloZadane;
  bool HesloZruseno = false;

  // --- Options, identity, sound ---
  Nastaveni nastaveni;
  std::u16string AktualniUzivatel = u"Hlavni";
  // The test file last opened; the history browser shows it instead of the
  // identity's history from then on. Never cleared while the program runs.
  std::u16string OtevrenySoubor;
  bool ZvukPripraven = false;
  // The sound device was opened by the last set-up, whatever became of the
  // sound files afterwards (the click test still plays then).
  bool ZvukInicializovan = false;
};

// Appends one entry to the error list and counts it in PocetChyb.
void appendError(SharedState& state, int position, std::u16string character);

// The copies the user-configured test's settings dialog restores when it is
// cancelled: taken before the dialog opens, put back on cancel.
void keepTestSource(SharedState& state);
void restoreTestSource(SharedState& state);

// The state part of resetting a run: counters, error list, lesson tables,
// samples and result values. The loaded text, the test definition, the
// options and BlokVstupu, KrokPosunu and DalsiKlavesa stay as they are.
void Vymazat(SharedState& state);

}  // namespace tymba
