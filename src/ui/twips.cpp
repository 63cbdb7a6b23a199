#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace vm280 {

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr double kReferenceDpi = 96.0;

} // namespace

int TwipsToPixels(int twips)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double scale = screen ? screen->logicalDotsPerInchX() / kReferenceDpi : 1.0;
    return qRound(twips / kTwipsPerPixel * scale);
}

} // namespace vm280
