#include "core/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace Twips {

namespace {

constexpr double kTwipsPerInch = 1440.0;

double dotsPerInch()
{
    static const double dpi = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->logicalDotsPerInch() : 96.0;
    }();
    return dpi;
}

} // namespace

int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips * dotsPerInch() / kTwipsPerInch));
}

int fromPixels(int pixels)
{
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / dotsPerInch()));
}

QSize toPixels(QSize twips)
{
    return {toPixels(twips.width()), toPixels(twips.height())};
}

QSize fromPixels(QSize pixels)
{
    return {fromPixels(pixels.width()), fromPixels(pixels.height())};
}

QRect rect(double left, double top, double width, double height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace Twips
