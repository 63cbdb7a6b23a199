#pragma once

#include "image/choicetexts.h"
#include "image/language.h"

#include <QString>
#include <QStringView>
#include <utility>

namespace vm280 {

/// The text to show in language: the Simplified Chinese text, its Traditional conversion, or
/// the English text. Every text the tool shows is chosen this way.
QString LocalText(Language language, QStringView chinese, QStringView english);

/// A text in the two languages the tool stores, carried from where it is made (a reason deep in
/// an import) to where it is shown, in whichever language that is.
struct BilingualText
{
    BilingualText() = default;
    // Both texts are always given: a lone text would be taken for the Chinese one and leave the
    // English one blank.
    BilingualText(QString chineseText, QString englishText)
        : chinese(std::move(chineseText)), english(std::move(englishText))
    {}

    QString chinese;
    QString english;

    /// Both texts with %1, %2, ... filled as QString::arg fills them.
    template <typename... Args> BilingualText arg(const Args &...args) const
    {
        return {chinese.arg(args...), english.arg(args...)};
    }
    /// "subject: text", the subject given in both languages.
    BilingualText prefixed(const BilingualText &subject) const;
    /// The text in language, as LocalText chooses it.
    QString in(Language language) const { return LocalText(language, chinese, english); }
    bool isEmpty() const { return chinese.isEmpty() && english.isEmpty(); }
    friend bool operator==(const BilingualText &, const BilingualText &) = default;
};

/// The channel table's list words in language; for Traditional Chinese the conversion of the
/// Simplified words ("載波", "寬帶"), so the codec reads and writes the same bytes in every mode.
const ChoiceTexts &LocalChoiceTexts(Language language);

} // namespace vm280
