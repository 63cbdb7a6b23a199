#include "appicon.h"

#include <array>

using namespace Qt::StringLiterals;

// The icons are compiled into a static library: its resources must be registered by hand, once.
static void registerIconResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace vm280 {

namespace {

// The sizes drawn for the hicolor theme (icons/hicolor), from the same SVG.
constexpr std::array kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

} // namespace

QIcon ApplicationIcon()
{
    registerIconResources();
    QIcon icon;
    for (const int size : kIconSizes)
        icon.addFile(u":/icons/%1x%1/vm280.png"_s.arg(size), QSize(size, size));
    return icon;
}

} // namespace vm280
