// The keyboard guide of the main window and the keyboard window.
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "core/fingermap.h"
#include "ui/application.h"
#include "ui/centring.h"
#include "ui/frmKlavesnice.h"
#include "ui/frmZaklad.h"
#include "ui/keyboardpicture.h"
#include "ui/keyevent.h"
#include "ui/textconvert.h"

namespace tymba {

void frmZaklad::openKeyboardWindow() {
  auto* window = new frmKlavesnice(context_, this);
  centreOnScreen(*window);
  context_.dialogs.run(*window);
}

void frmZaklad::miKlavesnice_Click() { openKeyboardWindow(); }

// The guide lies below the lesson input box and grows with the window.
QWidget* frmZaklad::buildKeyboardGuide(QWidget* parent) {
  picKlavesnice = new QWidget(parent);
  picKlavesnice->setObjectName(QStringLiteral("picKlavesnice"));
  imgKlavesnice = new KeyboardPicture(picKlavesnice);
  // The picture is drawn to fit whatever it gets, so it takes what the text
  // and the lesson lines leave instead of the height its width would ask for.
  imgKlavesnice->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
  lblPopis = new QLabel(picKlavesnice);
  lblPopis->setObjectName(QStringLiteral("lblPopis"));
  lblPopis->setAlignment(Qt::AlignHCenter);
  auto* layout = new QVBoxLayout(picKlavesnice);
  layout->setContentsMargins(0, 4, 0, 0);
  layout->addWidget(lblPopis);
  layout->addWidget(imgKlavesnice, 1);
  picKlavesnice->hide();
  return picKlavesnice;
}

void frmZaklad::showKeyboardGuide(bool shown) {
  picKlavesnice->setVisible(shown);
  if (!shown) return;
  imgKlavesnice->img1.hideAll();
  lblPopis->clear();
  showNextKey();
}

void frmZaklad::showNextKey() {
  if (context_.stav.DalsiKlavesa != 0) imgKlavesnice->img2.hide(context_.stav.DalsiKlavesa);
  Klavesnice();
}

void frmZaklad::Klavesnice() {
  const std::u16string& line = lessonDisplay_.lblRadek[0];
  const std::size_t next = lessonDisplay_.lblRadek[1].size();
  if (next >= line.size()) return;
  const auto key = guideKey(line[next]);
  if (!key) return;  // the previous finger stays named
  imgKlavesnice->img2.show(key->picture);
  context_.stav.DalsiKlavesa = key->picture;
  lblPopis->setText(toQString(fingerText(key->finger, false)));
}

void frmZaklad::lightPressedKey(const QKeyEvent* event) {
  for (const int key : pressedPictures(keyCodeOf(*event), shiftHeld(*event)))
    imgKlavesnice->img1.show(key);
}

bool frmZaklad::txtVVysledek_KeyUp(QKeyEvent* event) {
  if (!event->isAutoRepeat())
    for (const int key : releasedPictures(keyCodeOf(*event))) imgKlavesnice->img1.hide(key);
  return false;
}

void frmZaklad::darkenPressedKeys() { imgKlavesnice->img1.hideAll(); }

}  // namespace tymba
