#include "ui/frmKlavesnice.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "core/fingermap.h"
#include "ui/application.h"
#include "ui/keyboardpicture.h"
#include "ui/keyevent.h"
#include "ui/textconvert.h"

namespace tymba {

frmKlavesnice::frmKlavesnice(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("frmKlavesnice"));
  setWindowTitle(QStringLiteral("Klávesnice ..."));
  setAttribute(Qt::WA_DeleteOnClose);

  Label1 = new QLabel(
      QStringLiteral("Tady je pro Vás zobrazena česká klávesnice a její rozesazení českých kláves. "
                     "Postupným stiskáním na klávesy se zobrazí příslušná klávesa s příslušným "
                     "dialektem. Tím si zjistíte, kterým prstem, kterou klávesu stlačit."),
      this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setWordWrap(true);
  Picture1 = new QWidget(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setFocusPolicy(Qt::StrongFocus);
  imgKlavesnice = new KeyboardPicture(Picture1);
  auto* pictureLayout = new QVBoxLayout(Picture1);
  pictureLayout->setContentsMargins(0, 0, 0, 0);
  pictureLayout->addWidget(imgKlavesnice);
  lblPopis = new QLabel(this);
  lblPopis->setObjectName(QStringLiteral("lblPopis"));
  lblPopis->setWordWrap(true);
  lblPopis->setMinimumHeight(2 * fontMetrics().height());
  // Clicked, it must not take the focus: Space would tick it instead of
  // lighting the key.
  chkChyby = new QCheckBox(QStringLiteral("Zobrazit chyby posledního testu"), this);
  chkChyby->setObjectName(QStringLiteral("chkChyby"));
  chkChyby->setFocusPolicy(Qt::NoFocus);
  connect(chkChyby, &QCheckBox::toggled, this, &frmKlavesnice::chkChyby_Click);

  auto* errors = new QHBoxLayout();
  errors->addWidget(chkChyby);
  errors->addWidget(buildLegend());
  errors->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(Picture1, 1);
  layout->addWidget(lblPopis);
  layout->addLayout(errors);
  resize(760, 420);
  Picture1->setFocus();
}

// How many mistakes each colour stands for; with no evaluated run yet, a note
// instead and the check box unavailable.
QWidget* frmKlavesnice::buildLegend() {
  legend_ = new QWidget(this);
  legend_->setObjectName(QStringLiteral("lblLegenda"));
  auto* row = new QHBoxLayout(legend_);
  row->setContentsMargins(0, 0, 0, 0);
  if (!context_.stav.lastRunErrors) {
    chkChyby->setEnabled(false);
    row->addWidget(new QLabel(QStringLiteral("Zatím nebyl vyhodnocen žádný test."), legend_));
    return legend_;
  }
  row->addWidget(new QLabel(QStringLiteral("Počet chyb:"), legend_));
  const std::pair<int, const char*> steps[] = {{0, "0"}, {1, "1"}, {2, "2-4"}, {5, "5 a více"}};
  for (const auto& [count, caption] : steps) {
    auto* swatch = new QLabel(QString::fromUtf8(caption), legend_);
    swatch->setAlignment(Qt::AlignCenter);
    swatch->setMinimumWidth(fontMetrics().horizontalAdvance(swatch->text()) + 16);
    const QColor colour = KeyboardPicture::mistakeColour(count);
    swatch->setAutoFillBackground(true);
    swatch->setFrameShape(QFrame::Box);
    if (colour.isValid()) {
      QPalette own = swatch->palette();
      own.setColor(QPalette::Window, colour);
      own.setColor(QPalette::WindowText, colour.lightnessF() > 0.6 ? Qt::black : Qt::white);
      swatch->setPalette(own);
    } else {
      swatch->setBackgroundRole(QPalette::Button);
    }
    row->addWidget(swatch);
  }
  legend_->hide();
  return legend_;
}

void frmKlavesnice::chkChyby_Click() {
  const auto& last = context_.stav.lastRunErrors;
  const bool shown = chkChyby->isChecked() && last;
  imgKlavesnice->setMistakes(shown ? mistakesPerKey(last->ChybneZnaky, last->CetnostChyb)
                                   : std::map<int, int>());
  legend_->setVisible(shown);
}

void frmKlavesnice::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    reject();
    return;
  }
  Form_KeyDown(event);
}

void frmKlavesnice::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) Form_KeyUp(event);
}

void frmKlavesnice::changeEvent(QEvent* event) {
  // Keys released in another window would stay lit.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) imgKlavesnice->img1.hideAll();
  QDialog::changeEvent(event);
}

void frmKlavesnice::Form_KeyDown(QKeyEvent* event) {
  const WindowKeyDown down = keyboardWindowKeyDown(keyCodeOf(*event), shiftHeld(*event));
  for (const int key : down.shown) imgKlavesnice->img1.show(key);
  lblPopis->setText(toQString(down.text));
  event->accept();
}

void frmKlavesnice::Form_KeyUp(QKeyEvent* event) {
  for (const int key : releasedPictures(keyCodeOf(*event))) imgKlavesnice->img1.hide(key);
  lblPopis->clear();
  event->accept();
}

}  // namespace tymba
