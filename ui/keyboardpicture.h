#pragma once
// The picture of a Czech keyboard (the main block of a 105-key PC keyboard,
// Czech QWERTZ), drawn from one table of key places so that it stays sharp at
// any size and screen scale. Keys light up in two overlays: img1 the keys
// held down, img2 the next key of a lesson; each lit key is one of the 51
// codes of core/fingermap.h. A key may also carry a colour for how often its
// characters were mistyped.

#include <QImage>
#include <QWidget>
#include <map>
#include <set>

namespace tymba {

class KeyboardPicture : public QWidget {
  Q_OBJECT
 public:
  explicit KeyboardPicture(QWidget* parent = nullptr);

  // One overlay of lit keys. Codes without a picture are ignored.
  class Overlay {
   public:
    void show(int key);
    void hide(int key);
    void hideAll();
    bool isLit(int key) const { return lit_.count(key) != 0; }

   private:
    friend class KeyboardPicture;
    explicit Overlay(KeyboardPicture& picture) : picture_(picture) {}
    KeyboardPicture& picture_;
    std::set<int> lit_;
  };
  Overlay img1{*this};  // keys held down
  Overlay img2{*this};  // the next key

  // Mistakes per key code; an empty map takes the colours away.
  void setMistakes(std::map<int, int> perKey);
  int mistakes(int key) const;
  // The colour of a key mistyped that often; invalid (the key's own) for 0.
  static QColor mistakeColour(int count);

  // Where the key is drawn now; empty for a code without a picture.
  QRect keyRect(int key) const;

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void repaintKey(int key);

  std::map<int, int> mistakes_;
  QImage keys_;  // the keys at rest
};

}  // namespace tymba
