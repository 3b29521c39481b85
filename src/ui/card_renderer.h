// The card pictures: the program's own vector drawing of the 52 faces and the 13 back designs.
// Nothing is read from disk, so there is no library file to look for at start-up.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>

class QPainter;

namespace kestrel::ui {

// One card's size as the table uses it: 1065 x 1440 twips.
constexpr int kCardWidthTwips = 1065;
constexpr int kCardHeightTwips = 1440;

// Drawing modes.
constexpr int kModeFace = 0;
constexpr int kModeBack = 1;
constexpr int kFirstBack = 53;
constexpr int kLastBack = 65;

// Prepares the drawing; reports the natural card size in pixels.
bool cdtInit(int& width, int& height);
// Draws one card at (x, y) at the natural card size: mode 0 the face of code 0..51 (rank index
// with the Ace 0, times 4, plus the suit index Clubs 0 .. Spades 3), mode 1 the back 53..65.
bool cdtDraw(QPainter& dc, int x, int y, int code, int mode, const QColor& background);
// The same at any size.
bool cdtDrawExt(QPainter& dc, int x, int y, int dx, int dy, int code, int mode,
                const QColor& background);
// Drops the cached pictures.
void cdtTerm();

// The cached picture of a face or back at a size in device-independent pixels, drawn at the
// given device-pixel ratio so that it stays sharp on dense screens.
QPixmap CardPicture(int code, int mode, QSize size, qreal devicePixelRatio);

// A suit symbol (1 Clubs .. 4 Spades) filled into a rectangle, in its own colour.
void DrawSuitSymbol(QPainter& p, int suit, const QRectF& box);

}  // namespace kestrel::ui
