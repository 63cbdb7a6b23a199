#include "languagesetting.h"

#include "inisettings.h"
#include "languagemode.h"

#include <QSettings>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// Raw bytes, as the registry keeps them: read into a four-byte buffer, of which the first two
// make a signed little-endian number. More than four bytes do not fit, and read as no text.
QString binaryText(const QByteArray &bytes)
{
    if (bytes.size() > 4)
        return {};
    const QByteArray buffer = bytes + QByteArray(4 - bytes.size(), '\0');
    return QString::number(qFromLittleEndian<qint16>(buffer.constData()));
}

QString QueryRegValue(const QSettings &store, const QString &valueName)
{
    const QVariant value = store.value(valueName);
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QStringList: // a text with commas, in an INI file
        return value.toStringList().join(u',');
    case QMetaType::QByteArray:
        return binaryText(value.toByteArray());
    default:
        return {};
    }
}

Language languageOf(const QString &value)
{
    if (value == "english"_L1)
        return Language::English;
    if (value == "chinesetrad"_L1)
        return Language::TraditionalChinese;
    return Language::SimplifiedChinese;
}

// Only the user's own store: a value in a system-wide one could never be deleted. Nothing when
// the store cannot be read without waiting (a pipe in place of the file).
std::unique_ptr<QSettings> openStore(const QString &keyName)
{
#ifdef Q_OS_WIN
    // Directly under the root, where installers have always put it (not under Software).
    auto store = std::make_unique<QSettings>(u"HKEY_CURRENT_USER\\"_s + keyName, QSettings::NativeFormat);
    store->setFallbacksEnabled(false);
    return store;
#else
    return OpenIniSettings(UserIniPath(keyName));
#endif
}

} // namespace

void LoadLanguageSetting(const QString &keyName, Language fallback)
{
    const QString valueName = u"Languages"_s;
    const auto store = openStore(keyName);
    const QString value = store ? QueryRegValue(*store, valueName) : QString();
    if (value.isEmpty()) {
        SetLanguageMode(fallback);
        return;
    }
    SetLanguageMode(languageOf(value));
    // A deletion that fails goes unnoticed: the same value then applies at the next start.
    store->remove(valueName);
    store->sync();
}

} // namespace vm280
