#pragma once

// Twips (1/1440 inch), the unit the old program stored window positions,
// sizes and print margins in, against screen pixels.
namespace vb {

inline constexpr int TwipsPerInch = 1440;

// Logical DPI of the primary screen; 96 when no GUI application exists.
double ScreenDpiX();
double ScreenDpiY();

// Conversions at a given DPI, rounded to the nearest whole unit.
int TwipsToPixels(int twips, double dpi);
int PixelsToTwips(int pixels, double dpi);

// Conversions at the primary screen's DPI (15 twips per pixel at 96 DPI).
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);

} // namespace vb
