#pragma once
// The options a run reads, one variable per key of the "Moznosti" settings
// section and named like the key. They hold the first-run defaults until the
// settings are loaded.

#include <cstdint>
#include <string>

namespace tymba {

struct Nastaveni {
  int Pozadi = 1;
  int Zastav = 6;
  int Posun = 2;
  int Klik = 0;  // taken from the settings only while sound is available
  int Chyba = 20;
  int Pismo = 1;
  int LimitRychlost = 160;
  int LimitChyba = 1;
  std::string ZobrazKlavesnici = "1";
  std::string LimityVisible = "1";
  std::string SeznamChyb = "1";
  std::string ZvukChyba;  // program folder + "/Zvuk2/zvuk01.wav" once loaded
  std::string ZvukKonec;
  std::string ZvukChybaB = "1";
  std::string ZvukKonecB = "1";
  std::string Barva = "&H8000000F";
  std::string Barva2 = "&H80000009";
  std::string BarvaPisma = "0";
};

}  // namespace tymba
