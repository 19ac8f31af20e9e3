#include "core/runclock.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <system_error>

#include "core/clockmath.h"

namespace tymba {
namespace {

// CasStartu is the first reading rounded to whole seconds, so the readings of
// the first half second can lie before it. Such a reading is no time elapsed,
// not a run across midnight (which would count almost a whole day).
double elapsedSinceStart(double now, std::int32_t casStartu) {
  const double elapsed = secondsSince(now, casStartu);
  return elapsed > kSecondsPerDay - 1 ? 0 : elapsed;
}

std::u16string decimal(long long value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

// The option is a text compared with the number 1, so "1", " 1" and "01" all
// turn the warning on; a text that is no number does not.
bool isNumericOne(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value == 1;
}

bool fitsInt(double value) {
  return std::isfinite(value) && value >= std::numeric_limits<int>::min() &&
         value <= std::numeric_limits<int>::max();
}

// Widths are whole twips, rounded to the nearest one with halves to the even
// neighbour like every other whole value of a run.
std::optional<int> wholeTwips(double width) {
  if (!std::isfinite(width)) return std::nullopt;
  const double rounded = static_cast<double>(roundHalfEven(width));
  if (!fitsInt(rounded)) return std::nullopt;
  return static_cast<int>(rounded);
}

std::optional<Fixed4> checkedFixed4(double value) {
  // Beyond this the scaled value leaves 64 bits.
  constexpr double kLargest = 9.2e14;
  if (!std::isfinite(value) || std::abs(value) >= kLargest) return std::nullopt;
  return toFixed4(value);
}

// Rounds towards minus infinity, also for a negative divisor.
long long floorDivide(long long dividend, long long divisor) {
  long long quotient = dividend / divisor;
  if (dividend % divisor != 0 && ((dividend < 0) != (divisor < 0))) --quotient;
  return quotient;
}

void showElapsed(SharedState& state, double elapsed, ClockTick& result) {
  state.UplynuleSekundy = static_cast<int>(roundHalfEven(elapsed));
  const int seconds = state.UplynuleSekundy;
  if (seconds < 60) {
    result.secondText = twoDigits(seconds);
    return;
  }
  const int minutes = seconds / 60;
  result.minuteText = twoDigits(minutes);
  result.secondText = twoDigits(seconds - 60 * minutes);
}

void takeSample(SharedState& state, int typedLength) {
  const int n = ++state.PocetVzorku;
  const bool lesson = state.DruhTestu == TestKind::Vyuka;
  const auto index = static_cast<std::size_t>(n - 1);
  state.OsaRychlosti.resize(index + 1);
  state.OsaChyb.resize(index + 1);
  state.VzorkyRychlosti.resize(index + 1);
  state.VzorkyChyb.resize(index + 1);

  const std::u16string label = decimal(n * 5LL) + u" sec";
  state.OsaRychlosti[index] = label;
  state.OsaChyb[index] = label;

  const int k = lesson ? static_cast<int>(state.NapsanyText.size()) : typedLength;
  const int typed = n == 1 ? k : k - state.DelkaPriVzorku;
  state.VzorkyRychlosti[index] = typed < 0 ? 0 : typed;  // text was deleted
  if (lesson) {
    state.VzorkyChyb[index] = n == 1 ? state.PocetChyb : state.PocetChyb - state.ChybyPriVzorku;
    state.ChybyPriVzorku = state.PocetChyb;
  } else {
    state.VzorkyChyb[index] = std::nullopt;
  }
  state.DelkaPriVzorku = k;
}

}  // namespace

std::u16string twoDigits(int value) {
  if (value >= 0 && value < 10) return u"0" + decimal(value);
  return decimal(value);
}

ClockTick clockTick(SharedState& state, const ClockTickInput& input) {
  ClockTick result;
  const double now = input.now;
  const double duration = state.DobaTestu * 60.0;
  const double elapsed = elapsedSinceStart(now, state.CasStartu);
  const bool wholeSecond = secondsSince(now, state.CasTiku) > 1;

  // The end is tested on every reading, not only once a second: otherwise
  // the run would last up to a second longer depending on where the
  // whole-second readings fall. Deciding on the reading rather than on the
  // bar's width also keeps a frame of no width from ending the run.
  if (elapsed >= duration) {
    showElapsed(state, elapsed, result);
    result.barWidth = input.barFrameWidth;
    result.timeUp = true;
    state.CasUkonceni = static_cast<std::int32_t>(roundHalfEven(now));
    return result;
  }

  if (wholeSecond) {
    showElapsed(state, elapsed, result);
    result.barWidth = wholeTwips(input.barFrameWidth * elapsed / duration);

    // Whole-second readings are more than a second apart, so the one-second
    // window from 6 to 5 seconds before the end can fall between two of them.
    // The warning therefore goes with the first reading past 6 seconds before
    // the end: the previous one (CasTiku) was not past it. That is exactly
    // once per run, and within the window whenever a reading falls into it.
    const double warnFrom = duration - 6;
    const bool crossesWarning =
        elapsedSinceStart(state.CasTiku, state.CasStartu) <= warnFrom && elapsed > warnFrom;
    result.playEndWarning =
        crossesWarning && state.ZvukPripraven && isNumericOne(state.nastaveni.ZvukKonecB);

    state.CasTiku = now;
  }

  if (secondsSince(now, state.CasVzorku) > 5) {
    takeSample(state, input.typedLength);
    state.CasVzorku = now;
    result.sampleTaken = true;
  }
  return result;
}

LimitTick limitTick(const SharedState& state, const LimitTickInput& input) {
  LimitTick shown;
  if (state.nastaveni.LimityVisible != "1") return shown;

  const double t = elapsedSinceStart(input.now, state.CasStartu);
  const auto length = static_cast<double>(state.NapsanyText.size());
  const auto errors = static_cast<double>(state.PocetChyb);
  const double speedLimit = state.LimitRychlostiTestu;
  const double errorLimit = state.LimitChybTestu;
  // Before the first keystroke nothing is shown.
  if (length == 0) return shown;
  const auto errorPercent = checkedFixed4(errors * 100 / length);
  if (!errorPercent) return shown;

  // Each value needs the ones before it, so the first that cannot be
  // computed ends the tick and the window keeps what it showed.
  if (t == 0 || speedLimit == 0) return shown;
  const double speed = length * 60 / t;
  shown.speedBarWidth = wholeTwips(speed * (input.speedFrameWidth / 2.0) / speedLimit + 120);
  if (!shown.speedBarWidth) return shown;

  const double wholeSpeed = std::floor(speed);
  if (!fitsInt(wholeSpeed)) return shown;
  shown.speed = static_cast<int>(wholeSpeed);

  if (errorLimit == 0) return shown;
  shown.errorBarWidth =
      wholeTwips((input.errorFrameWidth / 2.0) / errorLimit * errors * 100 / length + 120);
  if (!shown.errorBarWidth) return shown;

  shown.errorPercent = errorPercent;

  const long long againstSpeed = floorDivide(*shown.speed * 100LL, state.LimitRychlostiTestu) - 100;
  if (againstSpeed < std::numeric_limits<int>::min() ||
      againstSpeed > std::numeric_limits<int>::max())
    return shown;
  shown.speedAgainstLimit = static_cast<int>(againstSpeed);

  // From the error percent as shown, with its four decimals.
  shown.errorsAgainstLimit = checkedFixed4(fromFixed4(*errorPercent) * 100 / errorLimit - 100);
  return shown;
}

bool inactivityTick(SharedState& state, double now) {
  ++state.NecinnostTiku;
  // The count starts at 1, so a "Zastav" of 0 (or less) never ends a run.
  if (state.NecinnostTiku != state.nastaveni.Zastav) return false;
  state.CasUkonceni = static_cast<std::int32_t>(roundHalfEven(now));
  return true;
}

}  // namespace tymba
