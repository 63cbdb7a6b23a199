#pragma once

#include "fileaccess.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

namespace vm280 {

// A code plan file (.DAT) is the five tag bytes "TRZ28" followed by the memory image, byte for
// byte: 853 bytes when we write it. Reading takes at most 855 bytes.

inline constexpr int kCodePlanFileBytes = 853;
inline constexpr int kCodePlanReadLimit = 855;
/// The tag plus the image bytes the decoder needs; a shorter file is not a code plan.
inline constexpr int kCodePlanMinimumBytes = 821;

/// Why a code plan could not be read or written.
struct FileError
{
    enum Kind {
        WrongType,      ///< not a code plan file (wrong tag, or too short)
        Io,             ///< the file could not be opened, read or written
        NotRegularFile, ///< a folder, a pipe or a device: refused before it is opened
    };
    Kind kind;
    QString detail; ///< the reason for Io and NotRegularFile; empty for WrongType

    /// The problem with the file at path; not for WrongType.
    FileProblem problem(const QString &path) const;
};

/// The image (hex text, without the tag) of a code plan file's content, or WrongType.
std::variant<QByteArray, FileError> ParseCodePlan(QByteArrayView fileBytes);

/// The bytes of a code plan file holding image (hex text as EncodeImage builds it).
QByteArray CodePlanBytes(QByteArrayView image);

/// Reads the code plan file at path and returns its image (hex text, without the tag).
std::variant<QByteArray, FileError> ReadCodePlanFile(const QString &path);

/// Writes image as a code plan file at path, whole or not at all: the content goes to a
/// temporary file beside the target, which then replaces it.
std::optional<FileError> WriteCodePlanFile(const QString &path, QByteArrayView image);

} // namespace vm280
