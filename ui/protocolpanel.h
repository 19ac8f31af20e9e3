#pragma once
// The protocol of a test: the typed text in red under its marked copy ("_"
// at every error), both in Courier New, so that a wrong character shows red
// with a line under it. The two texts lie on a panel that moves up and down
// behind a viewport by the scroll bar at the viewport's right edge or by the
// mouse wheel. The history browser shows it; so will the detailed evaluation.

#include <QWidget>
#include <string_view>

class QLabel;
class QScrollBar;

namespace tymba {

class ProtocolPanel : public QWidget {
  Q_OBJECT
 public:
  explicit ProtocolPanel(QWidget* parent = nullptr);

  // Shows the two prepared texts (line breaks as CR LF) from their top.
  void showProtocol(std::u16string_view typed, std::u16string_view marked);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placePanel();
  void vscVertikalni_Change(int value);

  QWidget* view_ = nullptr;  // clips the moving panel
  QWidget* picPosun = nullptr;
  QLabel* lblProtokolC = nullptr;
  QLabel* lblProtokol = nullptr;
  QScrollBar* vscVertikalni = nullptr;
};

}  // namespace tymba
