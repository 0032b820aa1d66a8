#pragma once

// Where the pictures of assets/ sit, in pixels from the top-left corner of their window (or of
// the panel named). The artwork generator draws to these positions; the windows place their
// layers and controls by them.
namespace ArtworkLayout {

struct Box {
    int x;
    int y;
    int width;
    int height;
};

// Character window. Nubo's mouth layer is at (370, 1030) twips, 24.67 and 68.67 pixels,
// rounded to the nearest pixel.
inline constexpr Box nuboMouth{25, 69, 33, 20};
inline constexpr Box zelMouth{27, 55, 29, 19};
inline constexpr Box eyeStrip{15, 34, 52, 19};

// Speech bubble.
inline constexpr Box bubbleLabel{16, 16, 153, 97};

// Editor, list page.
inline constexpr Box hideImage{8, 101, 21, 21};
inline constexpr Box newsStrip{16, 124, 255, 28};
inline constexpr Box phraseListFrame{25, 161, 241, 78};
// Inside the frame's border.
inline constexpr Box phraseList{27, 163, 237, 74};
inline constexpr Box listDecoration{251, 156, 26, 91};

// Editor, add page (frame1).
inline constexpr Box phraseField{16, 116, 255, 20};
// Type pictures Image13..Image17: Action, Open, Speak, Type, Read. The indicator `dot` (38 x 4)
// moves to the picture's left edge + 2 (295, 1075, 1800, 2585, 3265 twips) at dotTop.
inline constexpr Box typeImages[5] = {{18, 138, 42, 32},
                                      {70, 138, 42, 32},
                                      {118, 138, 42, 32},
                                      {170, 138, 42, 32},
                                      {216, 138, 42, 32}};
inline constexpr int dotLefts[5] = {20, 72, 120, 172, 218};
inline constexpr int dotTop = 172;
// Full width for every type but Open (193 pixels, 2895 twips), which leaves room for browse.
inline constexpr Box argumentField{16, 179, 225, 19};
inline constexpr Box browseButton{212, 179, 28, 19};
// The ground of the Read panel `readme`, the key chooser `Picture4` and the plugin list.
inline constexpr Box lowerPanel{16, 201, 253, 55};
// Inside `readme`: the Read pictures' rows and the indicator `dotti` (8 x 8) at dottiLeft.
inline constexpr Box readRows[3] = {{18, 5, 160, 14}, {18, 21, 160, 14}, {18, 34, 160, 14}};
inline constexpr int dottiLeft = 8;
inline constexpr int dottiTops[3] = {8, 24, 37};

// Change panel `Picture2` (change.png), positions inside the panel.
inline constexpr Box changePhrase{16, 19, 255, 20};
inline constexpr Box changeArgument{16, 58, 255, 70};
inline constexpr Box changeBrowse{16, 133, 28, 19};
inline constexpr Box changeSave{13, 168, 82, 27};
inline constexpr Box changeCancel{193, 168, 82, 27};

} // namespace ArtworkLayout
