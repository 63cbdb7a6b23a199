#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace vm280 {

void UseQtTranslations(Language language)
{
    // One translator for the program's life, loaded again at each switch; installing it tells
    // every open window to take its texts anew.
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    if (language == Language::English)
        return;
    const QString locale = language == Language::TraditionalChinese ? u"zh_TW"_s : u"zh_CN"_s;
    // qtbase holds the texts of the widgets and dialogs the tool uses.
    if (translator.load(u"qtbase_"_s + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}

} // namespace vm280
