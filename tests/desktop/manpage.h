#pragma once

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

namespace vm280::test {

using namespace Qt::StringLiterals;

/// The entries of a man page written with the man macros: the tags of its tagged paragraphs
/// (.TP) and the headings of its subsections (.SS), each under the section (.SH) or, inside
/// a section with subsections, the subsection they stand in.
class ManPage
{
public:
    explicit ManPage(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return;
        m_loaded = true;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        QString place;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString &line = lines.at(i);
            if (line.startsWith(QLatin1String(".SH "))) {
                place = text(line);
                m_section = place;
            } else if (line.startsWith(QLatin1String(".SS "))) {
                place = text(line);
                m_subsections[m_section] << place;
            } else if (line.startsWith(QLatin1String(".TP")) && i + 1 < lines.size()) {
                m_tags[place] << text(lines.at(++i));
            }
        }
    }

    bool loaded() const { return m_loaded; }

    /// The subsection headings of a section, e.g. the commands under "COMMANDS".
    QStringList subsections(const QString &section) const { return m_subsections.value(section); }

    /// The tags of the tagged paragraphs under a section or subsection, as displayed.
    QStringList tags(const QString &place) const { return m_tags.value(place); }

    /// Every option named in the tags under place ("-o", "--output").
    QSet<QString> options(const QString &place) const
    {
        static const QRegularExpression option(u"(?<![\\w-])--?[A-Za-z][\\w-]*"_s);
        QSet<QString> found;
        for (const QString &tag : tags(place)) {
            for (const auto &match : option.globalMatch(tag))
                found << match.captured();
        }
        return found;
    }

private:
    // The displayed text of a macro line: font macros alternate fonts between their arguments
    // without a space (.BR and .BI), the others join them with one; escapes for fonts and the
    // minus sign are resolved.
    static QString text(const QString &line)
    {
        QString macro = line.section(u' ', 0, 0);
        QStringList arguments;
        static const QRegularExpression argument(u"\"([^\"]*)\"|(\\S+)"_s);
        for (const auto &match : argument.globalMatch(line.section(u' ', 1))) {
            arguments << (match.captured(1).isNull() ? match.captured(2) : match.captured(1));
        }
        if (!macro.startsWith(u'.'))
            arguments.prepend(macro);
        const bool alternating = macro.size() == 3 && u"BIR"_s.contains(macro.at(1));
        QString joined = arguments.join(alternating ? QString() : u" "_s);
        static const QRegularExpression font(u"\\\\f[BIRP]"_s);
        return joined.remove(font).replace(u"\\-"_s, u"-"_s);
    }

    bool m_loaded = false;
    QString m_section;
    QMap<QString, QStringList> m_subsections;
    QMap<QString, QStringList> m_tags;
};

} // namespace vm280::test
