#pragma once

#include <QString>
#include <QUrl>

namespace vm280 {

/// The product title: the title of message boxes shown without one, the name of the code plan
/// file filter, and the start of the main window's title after a save.
QString ApplicationTitle();

/// The program's one version as the windows show it, "V1.00": the major and minor numbers of the
/// version `--version` prints (1.0.0). The main window's title and the about box show it.
QString ApplicationVersion();

/// The maker's line of the main window and the about box (shown in Chinese only), and the page
/// the line opens.
inline constexpr char16_t kMakerNotice[] = u"远望通信设备有限公司  www.vm280.example";
QUrl MakerPage();

} // namespace vm280
