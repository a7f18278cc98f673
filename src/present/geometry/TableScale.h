#pragma once
// The table's scale: every position of the table is given in design units of the smallest
// window (760 x 500) and turned into pixels by the factors of the current window size.

namespace zendral {

inline constexpr int kDesignWidth = 760;
inline constexpr int kDesignHeight = 500;

// WindowSize values, in the order of the settings file.
inline constexpr int kSmallWindow = 1;     // 760 x 500, scale 1.0
inline constexpr int kFullScreen = 2;      // the whole screen, width / 760 and height / 500
inline constexpr int kAverageWindow1 = 3;  // 990 x 650, scale 1.3
inline constexpr int kAverageWindow2 = 4;  // 1290 x 850, scale 1.7
inline constexpr int kLargeWindow = 5;     // 1520 x 1000, scale 2.0

struct ClientSize {
  int width = 0;
  int height = 0;
  friend bool operator==(ClientSize, ClientSize) = default;
};

// Nearest integer with halves going to the even neighbour. A value within a hair of a half
// counts as the half, so that 1.3 * 5 rounds as 6.5 does whatever the binary fraction says.
int RoundHalfEven(double value);

// The client area of a window size; the full-screen size takes the screen. An unknown
// size (a damaged settings value) is the small window.
ClientSize ClientAreaFor(int windowSize, ClientSize screen);

// Whether the options offer the size on a screen of this size.
bool WindowSizeOffered(int windowSize, ClientSize screen);

struct TableScale {
  int windowSize = kSmallWindow;
  double scaleX = 1.0;
  double scaleY = 1.0;
  double pictureScale = 1.0;  // the factor for sizes: the smaller one in the full screen

  // ScaleLength: round(a * PictureScale).
  int Length(double a) const;
  // ScaleLeft, ScaleTop: the scaled position, and an element that keeps its scaled size is
  // centred in the slot that the scaled position gives it.
  int Left(int left, int width) const;
  int Top(int top, int height) const;
};

// The factors of a window size. The full-screen size divides its client area by the design
// size; an empty client area there falls back to the small window's factors.
TableScale ScaleFor(int windowSize, ClientSize client);

// RoleFontSize: a font height scaled by the per-cent setting of its font role.
int RoleFontSize(int size, int percent);

// Card picture size and how the pictures are drawn at this scale.
inline constexpr int kCardModeLarge = 0;  // large pictures resampled, corners rounded
inline constexpr int kCardModeSmall = 1;  // small pictures at their own size, black frame
inline constexpr int kCardModeOwn = 2;    // large pictures at their own size

inline constexpr int kSmallCardWidth = 71;
inline constexpr int kSmallCardHeight = 96;
inline constexpr int kNarrowCardWidth = 61;
inline constexpr int kLargeCardWidth = 146;
inline constexpr int kLargeNarrowCardWidth = 126;
inline constexpr int kLargeCardHeight = 198;

struct CardMetrics {
  int width = kSmallCardWidth;
  int height = kSmallCardHeight;
  int drawMode = kCardModeSmall;
  int cornerRadius = 0;  // rounding of the large pictures; the small ones have the frame
};

CardMetrics CardMetricsFor(const TableScale& scale, bool narrowDeck = false);

}  // namespace zendral
