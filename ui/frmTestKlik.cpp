#include "ui/frmTestKlik.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "ui/application.h"
#include "ui/soundsetup.h"
#include "ui/typingbox.h"

namespace tymba {
namespace {
constexpr int kNoSoundEntry = 3;
}  // namespace

frmTestKlik::frmTestKlik(AppContext& context, int clickListEntry, QWidget* parent)
    : QDialog(parent), context_(context), clickListEntry_(clickListEntry) {
  setObjectName(QStringLiteral("frmTestKlik"));
  setWindowTitle(QStringLiteral("Test kliknutí"));
  setAttribute(Qt::WA_DeleteOnClose);

  txtTest = new TypingBox(this);
  txtTest->setObjectName(QStringLiteral("txtTest"));
  txtTest->setFixedHeight(txtTest->fontMetrics().height() * 3);
  cmdClose = new QPushButton(QStringLiteral("Zavřít"), this);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  connect(txtTest, &TypingBox::changed, this, &frmTestKlik::txtTest_Change);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txtTest);
  layout->addWidget(cmdClose, 0, Qt::AlignRight);
  adjustSize();
  Form_Load();
}

// The device may be open though a sound file was missing at the start: the
// test still lets the user hear the clicks then.
bool frmTestKlik::soundOpen() const {
  return context_.stav.ZvukPripraven || context_.stav.ZvukInicializovan;
}

// The click buffer keeps the tested sound after the window closes, until it
// is next loaded.
void frmTestKlik::Form_Load() {
  if (!soundOpen()) return;
  const std::filesystem::path file = clickSoundFile(context_, clickListEntry_ + 1);
  if (!file.empty()) context_.sounds.load(SoundBuffer::Click, file);
}

void frmTestKlik::txtTest_Change() {
  if (soundOpen() && clickListEntry_ != kNoSoundEntry)
    context_.sounds.playFromStart(SoundBuffer::Click);
}

}  // namespace tymba
