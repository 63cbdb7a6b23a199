#pragma once

#include "image/fileaccess.h"
#include "image/language.h"

#include <QString>
#include <optional>

namespace vm280 {

/// What the tool remembers between runs, in the three bytes of its `parameter` file: the lock
/// flag, the serial port last selected (`PortNumber`, 1 to 20, 0 for none) and the language.
struct Parameters
{
    std::optional<bool> locked; ///< nothing when the file's byte is neither 0 nor 1
    int PortNumber = 0;
    Language language = Language::SimplifiedChinese;
};

/// The parameter file, kept in the user's configuration folder.
class ParameterFile
{
public:
    /// The file in the per-user configuration folder of the application.
    static QString defaultPath();

    struct ReadResult
    {
        Parameters parameters;
        std::optional<FileProblem> problem; ///< why the file could not be used; the defaults apply
    };

    /// Reads path. A missing file gives the defaults without a problem, and the bytes a short
    /// file lacks read as 0; a file that cannot be read, or is not a regular file, gives the
    /// defaults and the problem. A byte out of range gives that byte's default.
    static ReadResult read(const QString &path);
    /// Writes the three bytes, whole or not at all; the problem when they could not be written.
    static std::optional<FileProblem> write(const QString &path, const Parameters &parameters);
};

} // namespace vm280
