#include "localtext.h"

#include "stringjtof.h"

namespace vm280 {

namespace {

std::array<QString, 2> converted(const std::array<QString, 2> &pair)
{
    return {StringJtoF(pair[0]), StringJtoF(pair[1])};
}

const ChoiceTexts &traditionalChinese()
{
    const ChoiceTexts &simplified = ChoiceTexts::simplifiedChinese();
    static const ChoiceTexts texts{
        StringJtoF(simplified.toneOff), converted(simplified.power), converted(simplified.forbid),
        converted(simplified.bandwidth), converted(simplified.scanAdd),
    };
    return texts;
}

} // namespace

QString LocalText(Language language, QStringView chinese, QStringView english)
{
    switch (language) {
    case Language::SimplifiedChinese:
        return chinese.toString();
    case Language::TraditionalChinese:
        return StringJtoF(chinese);
    case Language::English:
        break;
    }
    return english.toString();
}

const ChoiceTexts &LocalChoiceTexts(Language language)
{
    switch (language) {
    case Language::SimplifiedChinese:
        return ChoiceTexts::simplifiedChinese();
    case Language::TraditionalChinese:
        return traditionalChinese();
    case Language::English:
        break;
    }
    return ChoiceTexts::english();
}

} // namespace vm280
