#include "ui/colours.h"

#include <array>

#include "core/colour.h"

namespace tymba {
namespace {

struct SystemColour {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// The desktop's system colours by index (scroll bar, desktop, captions,
// menus, window, frames, texts, 3-D faces and shadows, tool tips, links)
// and the palette colour that plays the same part here.
constexpr std::array<SystemColour, 31> kSystemColours{{
    {QPalette::Active, QPalette::Button},           // 0 scroll bar
    {QPalette::Active, QPalette::Window},           // 1 desktop
    {QPalette::Active, QPalette::Highlight},        // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},      // 3 inactive caption
    {QPalette::Active, QPalette::Window},           // 4 menu
    {QPalette::Active, QPalette::Base},             // 5 window
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::Text},             // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 caption text
    {QPalette::Active, QPalette::Window},           // 10 active border
    {QPalette::Inactive, QPalette::Window},         // 11 inactive border
    {QPalette::Active, QPalette::Dark},             // 12 application workspace
    {QPalette::Active, QPalette::Highlight},        // 13 selection
    {QPalette::Active, QPalette::HighlightedText},  // 14 selected text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Mid},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Inactive, QPalette::WindowText},     // 19 inactive caption text
    {QPalette::Active, QPalette::Light},            // 20 button highlight
    {QPalette::Active, QPalette::Shadow},           // 21 dark 3-D shadow
    {QPalette::Active, QPalette::Midlight},         // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},      // 23 tool tip text
    {QPalette::Active, QPalette::ToolTipBase},      // 24 tool tip background
    {QPalette::Active, QPalette::Window},           // 25 (unused)
    {QPalette::Active, QPalette::Link},             // 26 hot track
    {QPalette::Active, QPalette::Highlight},        // 27 active caption gradient
    {QPalette::Inactive, QPalette::Highlight},      // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},        // 29 menu highlight
    {QPalette::Active, QPalette::Window},           // 30 menu bar
}};

}  // namespace

QColor colourFromSetting(const std::string& text, const QPalette& palette) {
  const auto colour = parseColour(text);
  if (!colour) return QColor();
  if (isSystemColour(*colour)) {
    const std::uint32_t index = systemColourIndex(*colour);
    if (index >= kSystemColours.size()) return palette.color(QPalette::Active, QPalette::Window);
    const SystemColour& system = kSystemColours[index];
    return palette.color(system.group, system.role);
  }
  const Rgb rgb = rgbOf(*colour);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace tymba
