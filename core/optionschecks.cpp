#include "core/optionschecks.h"

#include "core/optiontable.h"
#include "core/testsetup.h"

namespace tymba {

OptionsVerdict checkOptions(const OptionsTyped& typed) {
  OptionsVerdict verdict;
  const auto refuse = [&verdict](OptionsCheck check) {
    verdict.check = check;
    return verdict;
  };
  const OptionRange chyba = optionEntry("Chyba").allowed;
  if (!typed.Chyba) return refuse(OptionsCheck::ChybaNoNumber);
  if (!(*typed.Chyba > 0 && *typed.Chyba <= chyba.maximum))
    return refuse(OptionsCheck::ChybaOutOfRange);
  verdict.Chyba = static_cast<int>(roundHalfEven(*typed.Chyba));

  const OptionRange limitChyba = optionEntry("LimitChyba").allowed;
  if (!typed.LimitChyba) return refuse(OptionsCheck::LimitChybaNoNumber);
  const auto errors = roundedWithin(*typed.LimitChyba, limitChyba.minimum, limitChyba.maximum);
  if (!errors) return refuse(OptionsCheck::LimitChybaOutOfRange);
  verdict.LimitChyba = *errors;

  const OptionRange limitRychlost = optionEntry("LimitRychlost").allowed;
  if (!typed.LimitRychlost) return refuse(OptionsCheck::LimitRychlostNoNumber);
  const auto speed =
      roundedWithin(*typed.LimitRychlost, limitRychlost.minimum, limitRychlost.maximum);
  if (!speed) return refuse(OptionsCheck::LimitRychlostOutOfRange);
  verdict.LimitRychlost = *speed;

  if (typed.errorSoundMissing) return refuse(OptionsCheck::ErrorSoundMissing);
  if (typed.endSoundMissing) return refuse(OptionsCheck::EndSoundMissing);
  return verdict;
}

}  // namespace tymba
