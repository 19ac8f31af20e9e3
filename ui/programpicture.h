#pragma once
// The program's picture, drawn here rather than shipped: a key cap with the
// program's name beside it. The splash and the about window show it.

#include <QPixmap>

namespace tymba {

QPixmap programPicture();

}  // namespace tymba
