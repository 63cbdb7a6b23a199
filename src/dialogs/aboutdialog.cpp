#include "aboutdialog.h"

#include "dialogcaptions.h"

#include "editor/localtext.h"
#include "editor/stringjtof.h"
#include "ui/apptitle.h"
#include "ui/formjtof.h"
#include "ui/languagemode.h"

#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QLabel *centredLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmAbout"_s);
    createWidgets();
    applyCaptions(LanguageMode());
}

void AboutDialog::createWidgets()
{
    QLabel *title = centredLabel(this, u"lblTitle"_s);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QLabel *version = centredLabel(this, u"lblVersion"_s);
    QLabel *issue = centredLabel(this, u"Label2"_s);
    m_description = centredLabel(this, u"lblDescription"_s);
    m_description->setStyleSheet(u"color: blue;"_s);
    m_description->setCursor(Qt::PointingHandCursor);
    m_description->installEventFilter(this);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(u"cmdOK"_s);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addStretch();
    auto *main = new QVBoxLayout(this);
    main->addWidget(title);
    main->addWidget(version);
    main->addWidget(issue);
    main->addSpacing(title->fontMetrics().height());
    main->addWidget(m_description);
    main->addStretch();
    main->addLayout(buttons);
}

void AboutDialog::applyCaptions(Language language)
{
    // The maker's line names the maker in Chinese and is empty in English.
    ApplyControlCaptions(this,
                         {{u"lblTitle", u"VM-280写频软件", u"VM-280 Radio Software "},
                          {u"Label2", u"发布：2012.10", u"Issue：2012.10"},
                          {u"lblDescription", kMakerNotice, u""},
                          {u"cmdOK", u"确定", u"OK"}},
                         language);
    // Each language's edition, all of the one version the title shows.
    findChild<QLabel *>(u"lblVersion"_s)
        ->setText(LocalText(language, u"简体中文版 ", u"English version ") + ApplicationVersion());
    setWindowTitle(LocalText(language, u"关于", u"About"));
}

void AboutDialog::convertToTraditional(bool atStartUp)
{
    FormJtoF(this);
    findChild<QLabel *>(u"lblVersion"_s)->setText(StringJtoF(u"繁体中文版 ") + ApplicationVersion());
    setWindowTitle(StringJtoF(u"关于"));
    if (atStartUp)
        findChild<QLabel *>(u"lblTitle"_s)->setText(StringJtoF(u"VM-280 对讲机编程软件"));
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_description && event->type() == QEvent::MouseButtonRelease &&
        !m_description->text().isEmpty())
        QDesktopServices::openUrl(MakerPage());
    return QDialog::eventFilter(watched, event);
}

} // namespace vm280
