#include "ui/dictationpanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "core/sharedstate.h"
#include "media/dictationplayer.h"
#include "ui/localeformat.h"
#include "ui/settingsfields.h"

namespace tymba {
namespace {

// Seconds with their fraction, as the user's locale writes numbers.
QString secondsText(std::int64_t milliseconds) { return fixed4Text(milliseconds * 10); }

}  // namespace

DictationPanel::DictationPanel(DictationPlayer& player, const SharedState& stav, QWidget* parent)
    : QFrame(parent), player_(player), stav_(stav) {
  setObjectName(QStringLiteral("picDiktafon"));
  setFrameShape(QFrame::StyledPanel);
  cmdPlay = namedButton("cmdPlay", QStringLiteral("Spusť"), this);
  cmdStop = namedButton("cmdStop", QStringLiteral("Zastav"), this);
  cmdPosun = namedButton("cmdPosun", QStringLiteral("Previň o 5 s"), this);
  cmdZacatek = namedButton("cmdZacatek", QStringLiteral("Na začátek"), this);
  cmdZavrit = namedButton("cmdZavrit", QStringLiteral("Zavřít"), this);
  Label1 = namedLabel("Label1", QStringLiteral("Titulek:"), this);
  lblNazevZvuku = namedLabel("lblNazevZvuku", QString(), this);
  Label8 = namedLabel("Label8", QStringLiteral("Aktuální pozice:"), this);
  lblPozice = namedLabel("lblPozice", QStringLiteral("0"), this);
  Label11 = namedLabel("Label11", QStringLiteral("Délka:"), this);
  lblMax = namedLabel("lblMax", QString(), this);
  for (QLabel* value : {lblNazevZvuku, lblPozice, lblMax}) {
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
  }
  // A long title gives way rather than widening the window.
  lblNazevZvuku->setMinimumWidth(1);
  lblNazevZvuku->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 4, 6, 4);
  int column = 0;
  for (QPushButton* button : {cmdPlay, cmdStop, cmdPosun, cmdZacatek, cmdZavrit}) {
    button->setAutoDefault(false);
    grid->addWidget(button, 0, column++, 2, 1);
  }
  grid->addWidget(Label1, 0, column);
  grid->addWidget(lblNazevZvuku, 0, column + 1, 1, 3);
  grid->addWidget(Label8, 1, column);
  grid->addWidget(lblPozice, 1, column + 1);
  grid->addWidget(Label11, 1, column + 2);
  grid->addWidget(lblMax, 1, column + 3);
  grid->setColumnStretch(column + 1, 1);
  grid->setColumnStretch(column + 3, 1);

  tmrUkazatel = new QTimer(this);
  tmrUkazatel->setObjectName(QStringLiteral("tmrUkazatel"));
  tmrUkazatel->setInterval(100);
  connect(tmrUkazatel, &QTimer::timeout, this, &DictationPanel::tmrUkazatel_Timer);
  connect(cmdPlay, &QPushButton::clicked, this, &DictationPanel::cmdPlay_Click);
  connect(cmdStop, &QPushButton::clicked, this, &DictationPanel::cmdStop_Click);
  connect(cmdPosun, &QPushButton::clicked, this, &DictationPanel::cmdPosun_Click);
  connect(cmdZacatek, &QPushButton::clicked, this, &DictationPanel::cmdZacatek_Click);
  connect(cmdZavrit, &QPushButton::clicked, this, &DictationPanel::cmdZavrit_Click);
}

void DictationPanel::showRecording(const QString& title, std::int64_t lengthMs) {
  lblNazevZvuku->setText(title);
  lblNazevZvuku->setToolTip(title);
  lblMax->setText(secondsText(lengthMs));
  tmrUkazatel_Timer();
  tmrUkazatel->start();
}

void DictationPanel::run(const PlayerSteps& steps) {
  for (const PlayerStep& step : steps) {
    switch (step.kind) {
      case PlayerStep::Kind::Command:
        player_.command(step.command);
        if (step.command == PlayerCommand::Play && played) played();
        break;
      case PlayerStep::Kind::StartAt:
        player_.setStartPosition(step.value);
        break;
      case PlayerStep::Kind::StatusInterval:
        player_.setStatusInterval(static_cast<int>(step.value));
        break;
    }
  }
  tmrUkazatel_Timer();
}

void DictationPanel::afterButton() {
  if (activity) activity();
  if (focusInput) focusInput();
}

void DictationPanel::keyF1() {
  run(f1Key(player_.lastCommand(), player_.position(), stav_.nastaveni.Posun));
  if (activity) activity();
}

void DictationPanel::restartRecording() { run(toStartButton()); }

void DictationPanel::stopPlayback() {
  if (player_.lastCommand() == PlayerCommand::Play) run(stopButton());
}

void DictationPanel::closeRecording() {
  run(closeButton());
  tmrUkazatel->stop();
}

void DictationPanel::cmdPlay_Click() {
  run(playButton());
  afterButton();
}

void DictationPanel::cmdStop_Click() {
  run(stopButton());
  afterButton();
}

void DictationPanel::cmdPosun_Click() {
  run(rewindButton(player_.lastCommand(), player_.position(), stav_.nastaveni.Posun));
  afterButton();
}

void DictationPanel::cmdZacatek_Click() {
  run(toStartButton());
  afterButton();
}

void DictationPanel::cmdZavrit_Click() {
  if (closed) closed();
}

// A recording that plays keeps the run from counting as idle: the typist is
// listening.
void DictationPanel::tmrUkazatel_Timer() {
  const std::int64_t position = player_.position();
  lblPozice->setText(secondsText(position));
  if (position != shownPosition_ && activity) activity();
  shownPosition_ = position;
}

}  // namespace tymba
