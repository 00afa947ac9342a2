#pragma once
// The logical state of one control of a window: everything the rules read
// or write (visibility, caption or text, colours, check marks) and the
// design facts a window needs to draw it (kind, place, font, stacking).
// Places and sizes are in twips; 15 twips make one pixel at 100 % scale.

#include <cstdint>
#include <string>
#include <vector>

namespace game {

// Colours as &HBBGGRR; values with the top bit set name a system colour.
using Colour = std::uint32_t;
constexpr Colour kSysHighlightText = 0x8000000E;  // white in the standard scheme
constexpr Colour kSysWindowText = 0x80000008;     // black in the standard scheme
constexpr Colour kSysButtonText = 0x80000012;
constexpr Colour kSysButtonFace = 0x8000000F;
constexpr Colour kSysWindow = 0x80000005;
constexpr Colour kUnownedGrey = 0xC0C0C0;

// Turns a colour into plain 0xRRGGBB for drawing.
std::uint32_t toRgb(Colour c);

enum class Kind { Button, Label, TextBox, ComboBox, ListBox, Option, Picture, Shape, MenuItem };

enum class Align { Left, Centre };

struct Font;
// A font as the windows give it: family, size in points and style.
Font makeFont(const char* family, double points, bool bold = true, bool italic = false, bool underline = false);

struct Font {
    std::string family = "Arial";  // mapped to an installed face by the window layer
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

inline Font makeFont(const char* family, double points, bool bold, bool italic, bool underline) {
    Font f;
    f.family = family;
    f.points = points;
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    return f;
}

struct Control {
    std::string name;
    Kind kind = Kind::Label;
    int left = 0, top = 0, width = 0, height = 0;  // twips
    int z = 0;                                     // higher lies over lower
    bool visible = true;
    bool enabled = true;
    std::string caption;                 // caption; text of a text box or drop-down list
    std::vector<std::string> items;      // drop-down list items
    int listIndex = -1;                  // -1: nothing chosen
    bool value = false;                  // menu check mark; selected option button
    Colour foreColor = kSysButtonText;   // text colour
    Colour backColor = kSysButtonFace;
    bool transparentBack = false;        // label drawn on the window's background
    Colour fillColor = 0xFFFFFF;         // shapes
    Colour borderColor = 0x000000;       // shapes
    bool circle = false;                 // shapes: circle instead of rectangle
    Font font;
    Align align = Align::Left;
    bool readOnly = false;
    bool multiLine = false;
    bool wordWrap = false;
    bool scrollBar = false;
    bool isDefault = false;  // the window's default button
    bool isCancel = false;   // Esc presses it
    int tabIndex = -1;
    std::string toolTip;
    std::string picture;     // resource name of a picture
    std::string parentMenu;  // menu items: the menu or submenu holding it ("" = menu bar)
    std::string shortcut;    // menu items: e.g. "F1"
    bool questionCursor = false;  // help topics show the arrow with a question mark

    // Labels, buttons, pictures and option buttons take mouse clicks; shapes
    // let them through to what lies beneath.
    bool takesClicks() const { return kind != Kind::Shape && kind != Kind::MenuItem; }
};

}  // namespace game
