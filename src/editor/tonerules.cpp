#include "tonerules.h"

#include "image/numeric.h"

#include <array>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr std::array<const char16_t *, 50> kCtcss{
    u"67.0",  u"69.3",  u"71.9",  u"74.4",  u"77.0",  u"79.7",  u"82.5",  u"85.4",  u"88.5",  u"91.5",
    u"94.8",  u"97.4",  u"100.0", u"103.5", u"107.2", u"110.9", u"114.8", u"118.8", u"123.0", u"127.3",
    u"131.8", u"136.5", u"141.3", u"146.2", u"151.4", u"156.7", u"159.8", u"162.2", u"165.5", u"167.9",
    u"171.3", u"173.8", u"177.3", u"179.9", u"183.5", u"186.2", u"189.9", u"192.8", u"196.6", u"199.9",
    u"203.5", u"206.5", u"210.7", u"218.1", u"225.7", u"229.1", u"233.6", u"241.8", u"250.3", u"254.1",
};

constexpr std::array<const char16_t *, 105> kDcs{
    u"023", u"025", u"026", u"031", u"032", u"036", u"043", u"047", u"051", u"053", u"054", u"065",
    u"071", u"072", u"073", u"074", u"114", u"115", u"116", u"122", u"125", u"131", u"132", u"134",
    u"143", u"145", u"152", u"155", u"156", u"162", u"165", u"172", u"174", u"205", u"212", u"223",
    u"225", u"226", u"243", u"244", u"245", u"246", u"251", u"252", u"255", u"261", u"263", u"265",
    u"266", u"271", u"274", u"306", u"311", u"315", u"325", u"331", u"332", u"343", u"346", u"351",
    u"356", u"364", u"365", u"371", u"411", u"412", u"413", u"423", u"431", u"432", u"445", u"446",
    u"452", u"454", u"455", u"462", u"464", u"465", u"466", u"503", u"506", u"516", u"523", u"526",
    u"532", u"546", u"565", u"606", u"612", u"624", u"627", u"631", u"632", u"645", u"654", u"662",
    u"664", u"703", u"712", u"723", u"731", u"732", u"734", u"743", u"754",
};

const QStringList &fixedEntries()
{
    static const QStringList entries = [] {
        QStringList list;
        for (const char16_t *tone : kCtcss)
            list << QString::fromUtf16(tone);
        for (QChar polarity : {u'N', u'I'}) {
            for (const char16_t *code : kDcs)
                list << u'D' + QString::fromUtf16(code) + polarity;
        }
        return list;
    }();
    return entries;
}

bool allDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

ToneEntry normaliseCtcss(QStringView text)
{
    const double hz = LeadingNumber(text);
    if (!(hz >= 67 && hz <= 254.1))
        return {ToneEntry::Revert, {}};
    return {ToneEntry::Set, QString::number(hz, 'f', 1)};
}

// "D", digits, "N" or "I". Only digits are taken: a code such as D2.5N has no meaning.
ToneEntry normaliseDcs(QStringView text)
{
    const bool shaped =
        text.size() >= 3 && text.front() == u'D' && (text.back() == u'N' || text.back() == u'I');
    if (!shaped || !allDigits(text.sliced(1, text.size() - 2)))
        return {ToneEntry::Keep, {}};
    // Leading zeros beyond three digits are dropped (D0023N becomes D023N). Counting the
    // significant digits keeps a code too long for any integer above 777 as well.
    QStringView significant = text.sliced(1, text.size() - 2);
    while (significant.size() > 1 && significant.front() == u'0')
        significant = significant.sliced(1);
    const int value = significant.size() > 3 ? 1000 : significant.toInt();
    const QString digits = value > 777 ? u"777"_s : u"%1"_s.arg(value, 3, 10, QLatin1Char('0'));
    return {ToneEntry::Set, u'D' + digits + text.back()};
}

} // namespace

QStringList ToneList(const QString &offWord)
{
    return QStringList{offWord} + fixedEntries();
}

int ToneListIndex(QStringView text, const QString &offWord)
{
    if (text == offWord)
        return 0;
    const qsizetype index = fixedEntries().indexOf(text);
    return index < 0 ? -1 : int(index) + 1;
}

ToneEntry NormaliseTone(QStringView text, int listIndex)
{
    if (!text.startsWith(u'D') && listIndex != 0)
        return normaliseCtcss(text);
    return normaliseDcs(text);
}

} // namespace vm280
