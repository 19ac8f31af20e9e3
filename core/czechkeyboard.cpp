#include "core/czechkeyboard.h"

#include <string_view>

namespace tymba {
namespace {

// The characters beyond printable ASCII, grouped by how they are typed.
constexpr std::u16string_view kBeyondAscii =
    // Symbols and letters of the keys: ° is Shift with the key left of 1 and
    // § has a key of its own; AltGr gives € on E, ß on §, ÷ on ú, × on the
    // key of the closing parenthesis, ¤ on ¨, and đ Đ ł Ł on S D K L.
    u"°§€ß÷×¤đĐłŁ"
    // ů has a key of its own. Its capital needs the ring dead key, which the
    // layout does not give, and Shift on that key gives the double quote.
    u"ů"
    // A dead key followed by a blank gives the accent itself.
    u"ˇ´"
    // ´ with a letter: the Czech and Slovak ones and the other acute letters
    // of Windows-1250.
    u"áéíóúýĺŕÁÉÍÓÚÝĹŔćńśźĆŃŚŹ"
    // ˇ with a letter: every caron letter of Windows-1250.
    u"čďěňřšťžľČĎĚŇŘŠŤŽĽ";

}  // namespace

bool isCzechKeyboardCharacter(char16_t c) {
  // Enter, in the two characters of a line break. Tab is not here: it moves
  // the focus out of the box.
  if (c == u'\r' || c == u'\n') return true;
  // The blank, letters, digits and every ASCII punctuation mark and symbol:
  // on the keys without and with Shift (" is Shift with ů, ! with §, ' with ¨),
  // the rest with AltGr (\ | [ ] { } @ # & < > * $ ~ ^ `).
  if (c >= u' ' && c <= u'~') return true;
  return kBeyondAscii.find(c) != std::u16string_view::npos;
}

}  // namespace tymba
