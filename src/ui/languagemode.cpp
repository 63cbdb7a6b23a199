#include "languagemode.h"

namespace vm280 {

namespace {

Language g_languageMode = Language::SimplifiedChinese;

} // namespace

Language LanguageMode()
{
    return g_languageMode;
}

void SetLanguageMode(Language language)
{
    g_languageMode = language;
}

} // namespace vm280
