#pragma once

#include <QString>

class QMimeData;

namespace vm280 {

/// The file a drop on the main window opens: the first dropped URL when it names a local file
/// that is not a folder, otherwise nothing (an empty path). Further URLs are ignored.
QString DroppedFile(const QMimeData &data);

} // namespace vm280
