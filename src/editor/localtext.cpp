#include "localtext.h"

namespace vm280 {

QString LocalText(Language language, QStringView chinese, QStringView english)
{
    switch (language) {
    case Language::SimplifiedChinese:
    case Language::TraditionalChinese:
        return chinese.toString();
    case Language::English:
        break;
    }
    return english.toString();
}

} // namespace vm280
