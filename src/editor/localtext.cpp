#include "localtext.h"

#include "stringjtof.h"

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

std::array<QString, 2> converted(const std::array<QString, 2> &pair)
{
    return {StringJtoF(pair[0]), StringJtoF(pair[1])};
}

ChoiceTexts converted(const ChoiceTexts &texts)
{
    return ChoiceTexts{StringJtoF(texts.toneOff), converted(texts.power), converted(texts.forbid),
                       converted(texts.bandwidth), converted(texts.scanAdd)};
}

const ChoiceTexts &traditionalChinese()
{
    static const ChoiceTexts texts = converted(ChoiceTexts::simplifiedChinese());
    return texts;
}

} // namespace

BilingualText BilingualText::prefixed(const BilingualText &subject) const
{
    return {subject.chinese + u'：' + chinese, subject.english + u": "_s + english};
}

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
