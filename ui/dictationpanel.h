#pragma once
// The dictation panel of the main window: the recording's title, position
// and length, and the buttons that drive the player. Every button but
// "Zavřít" gives the focus back to the input box, so that typing goes on
// without the mouse; F1 in the box is forwarded here.

#include <QFrame>
#include <cstdint>
#include <functional>

#include "core/dictationcontrol.h"

class QLabel;
class QPushButton;
class QTimer;

namespace tymba {

class DictationPlayer;
struct SharedState;

class DictationPanel final : public QFrame {
  Q_OBJECT
 public:
  DictationPanel(DictationPlayer& player, const SharedState& stav, QWidget* parent);

  // The recording just opened: its title and length; the position display runs.
  void showRecording(const QString& title, std::int64_t lengthMs);
  // F1 in the input box: stops playback, or resumes a step before.
  void keyF1();
  // Stopped at the start, for the same run again.
  void restartRecording();
  // Stops playback (the run has ended), keeping the position.
  void stopPlayback();
  // Stopped, at the start, the recording closed; the position display stops.
  void closeRecording();

  // The input box that gets the focus back after a button.
  std::function<void()> focusInput;
  // The user handled the player, or the recording played on: the run is not idle.
  std::function<void()> activity;
  // The recording was set playing.
  std::function<void()> played;
  // "Zavřít": the main window resets the run and hides the panel.
  std::function<void()> closed;

 private:
  void run(const PlayerSteps& steps);
  void afterButton();
  void cmdPlay_Click();
  void cmdStop_Click();
  void cmdPosun_Click();
  void cmdZacatek_Click();
  void cmdZavrit_Click();
  void tmrUkazatel_Timer();

  DictationPlayer& player_;
  const SharedState& stav_;
  std::int64_t shownPosition_ = 0;
  QPushButton* cmdPlay = nullptr;
  QPushButton* cmdStop = nullptr;
  QPushButton* cmdPosun = nullptr;
  QPushButton* cmdZacatek = nullptr;
  QPushButton* cmdZavrit = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* lblNazevZvuku = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* lblPozice = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* lblMax = nullptr;
  QTimer* tmrUkazatel = nullptr;
};

}  // namespace tymba
