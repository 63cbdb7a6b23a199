#pragma once

namespace vm280 {

/// The interface language. The values are the ones kept in the settings file.
enum class Language : int {
    SimplifiedChinese = 0,
    English = 1,
    TraditionalChinese = 2,
};

} // namespace vm280
