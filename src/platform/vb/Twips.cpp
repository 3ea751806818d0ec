#include "platform/vb/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace vb {
namespace {

constexpr double DefaultDpi = 96.0;

const QScreen* PrimaryScreen()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return nullptr;
    return QGuiApplication::primaryScreen();
}

} // namespace

double ScreenDpiX()
{
    const QScreen* screen = PrimaryScreen();
    return screen && screen->logicalDotsPerInchX() > 0 ? screen->logicalDotsPerInchX() : DefaultDpi;
}

double ScreenDpiY()
{
    const QScreen* screen = PrimaryScreen();
    return screen && screen->logicalDotsPerInchY() > 0 ? screen->logicalDotsPerInchY() : DefaultDpi;
}

int TwipsToPixels(int twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / TwipsPerInch));
}

int PixelsToTwips(int pixels, double dpi)
{
    return static_cast<int>(std::lround(pixels * TwipsPerInch / dpi));
}

int TwipsToPixelsX(int twips) { return TwipsToPixels(twips, ScreenDpiX()); }
int TwipsToPixelsY(int twips) { return TwipsToPixels(twips, ScreenDpiY()); }
int PixelsToTwipsX(int pixels) { return PixelsToTwips(pixels, ScreenDpiX()); }
int PixelsToTwipsY(int pixels) { return PixelsToTwips(pixels, ScreenDpiY()); }

} // namespace vb
