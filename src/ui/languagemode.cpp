#include "languagemode.h"

#include "editor/localtext.h"

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

QString ShownText(QStringView chinese, QStringView english)
{
    return LocalText(g_languageMode, chinese, english);
}

} // namespace vm280
