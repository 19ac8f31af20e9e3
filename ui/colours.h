#pragma once
// Colours of the options as the desktop shows them. A stored colour is an
// ordinary 0x00BBGGRR colour or one of the desktop's system colours by index;
// the system colours map to the matching colours of the palette.

#include <QColor>
#include <QPalette>
#include <string>

namespace tymba {

// The colour of a stored option text; an invalid QColor when the text is no
// colour at all.
QColor colourFromSetting(const std::string& text, const QPalette& palette);

}  // namespace tymba
