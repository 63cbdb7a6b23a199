#include "channelsheet.h"

#include "editor/localtext.h"
#include "editor/stringjtof.h"
#include "image/settingcatalog.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QString cells(const QStringList &texts, const QString &tag)
{
    QString row = u"<tr>"_s;
    for (const QString &text : texts)
        row += u'<' + tag + u'>' + text.toHtmlEscaped() + u"</"_s + tag + u'>';
    return row + u"</tr>\n"_s;
}

QString channelRows(const ChannelTable &table, Language language)
{
    QString rows = cells(SettingCatalog::channelHeaders(language), u"th"_s);
    for (int row = 1; row <= ChannelTable::kRows; ++row) {
        QStringList texts{u"%1"_s.arg(row, 2, 10, QLatin1Char('0'))};
        for (int column = 1; column < ChannelTable::kColumns; ++column)
            texts << table.cell(row, column);
        rows += cells(texts, u"td"_s);
    }
    return rows;
}

// A value as a customer reads it: what the radio keeps unprogrammed (bytes 0xFF) is blank, the
// padding of a text (U+00FF, "ÿ") and a scan delay of FF FF (-1) alike.
QString sheetValue(const CodePlan &plan, SettingId id, Language language)
{
    const SettingPlace place = SettingCatalog::place(id);
    if (place.encoding == SettingEncoding::Word && SettingCatalog::number(plan, id) == -1)
        return QString();
    QString value = SettingCatalog::valueText(plan, id, language);
    if (place.holdsText()) {
        while (value.endsWith(QChar(0xFF)))
            value.chop(1);
    }
    return value;
}

QString settingRows(const CodePlan &plan, SettingGroup group, Language language)
{
    QString rows;
    for (SettingId id : SettingCatalog::settings(group))
        rows += cells({SettingCatalog::readerCaption(id, language), sheetValue(plan, id, language)}, u"td"_s);
    return rows;
}

QString filled(QString text, const QList<std::pair<QString, QString>> &fields)
{
    for (const auto &[name, value] : fields)
        text.replace(u"{{"_s + name + u"}}"_s, value);
    return text;
}

QString sheetTemplate()
{
    QFile file(u":/sheet/channelsheet.html"_s);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// The body in Simplified Chinese or English; Traditional Chinese converts it.
QString body(const CodePlan &plan, Language language)
{
    const QString band = SettingCatalog::caption(SettingId::Band, language) + u": "_s +
                         SettingCatalog::valueText(plan, SettingId::Band, language);
    return filled(
        sheetTemplate(),
        {{u"title"_s, LocalText(language, u"信道表", u"Channel sheet")},
         {u"band"_s, band.toHtmlEscaped()},
         {u"channels"_s, channelRows(plan.channels, language)},
         {u"functionsCaption"_s, SettingCatalog::groupCaption(SettingGroup::FunctionSet, language)},
         {u"functions"_s, settingRows(plan, SettingGroup::FunctionSet, language)},
         {u"optionsCaption"_s, SettingCatalog::groupCaption(SettingGroup::OptionalFunctions, language)},
         {u"options"_s, settingRows(plan, SettingGroup::OptionalFunctions, language)},
         {u"keysCaption"_s, SettingCatalog::groupCaption(SettingGroup::Keys, language)},
         {u"keys"_s, settingRows(plan, SettingGroup::Keys, language)}});
}

// HTML for a text of the user's: a brace cannot start a placeholder of the template.
QString userHtml(const QString &text)
{
    return text.toHtmlEscaped().replace(u'{', u"&#123;"_s);
}

// The job's lines under the title; nothing when none was given. The texts are the dealer's own:
// escaped, never converted, the note's line breaks kept.
QString jobLines(const SheetJob &job, Language language)
{
    QString lines;
    const QString name = job.name.trimmed();
    if (!name.isEmpty())
        lines += u"<p><b>"_s + LocalText(language, u"客户/工作", u"Customer / job") + u": "_s +
                 userHtml(name) + u"</b></p>\n"_s;
    const QString note = job.note.trimmed();
    if (!note.isEmpty())
        lines += u"<p>"_s + LocalText(language, u"备注", u"Note") + u": "_s +
                 userHtml(note).replace(u'\n', u"<br>"_s) + u"</p>\n"_s;
    return lines;
}

} // namespace

QString ChannelSheet::html(const CodePlan &plan, Language language, const QString &fileName, QDate date,
                           const SheetJob &job)
{
    QString text =
        body(plan, language == Language::TraditionalChinese ? Language::SimplifiedChinese : language);
    if (language == Language::TraditionalChinese)
        text = StringJtoF(text);
    // The file name is the user's own and is never converted.
    const QString footer = LocalText(language, u"文件", u"File") + u": "_s + fileName + u"    "_s +
                           LocalText(language, u"日期", u"Date") + u": "_s + date.toString(Qt::ISODate);
    return filled(text, {{u"footer"_s, userHtml(footer)}, {u"job"_s, jobLines(job, language)}});
}

std::unique_ptr<QTextDocument> ChannelSheet::document(const QString &html)
{
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(html);
    return document;
}

QPageLayout ChannelSheet::pageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

void ChannelSheet::print(QTextDocument &document, QPagedPaintDevice &device)
{
    document.print(&device);
}

QByteArray ChannelSheet::pdf(QTextDocument &document, const QString &title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setPageLayout(pageLayout());
        print(document, writer);
    }
    return bytes;
}

} // namespace vm280
