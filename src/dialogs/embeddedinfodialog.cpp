#include "embeddedinfodialog.h"

#include "dialogcaptions.h"
#include "storabletextvalidator.h"

#include "editor/localtext.h"
#include "editor/storabletext.h"
#include "ui/languagemode.h"
#include "ui/twips.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr int kWidthTwips = 5970;
constexpr int kHeightTwips = 2235;
constexpr int kLineWidthTwips = 5295;

// Typing stops at the limit; a paste is cut to it, and the box shows what was kept.
QLineEdit *textLine(QWidget *parent, const QString &name, QValidator *validator)
{
    auto *line = new QLineEdit(parent);
    line->setObjectName(name);
    line->setMaxLength(kEmbeddedTextLength);
    line->setValidator(validator);
    line->setMinimumWidth(TwipsToPixels(kLineWidthTwips));
    return line;
}

} // namespace

EmbeddedInfoDialog::EmbeddedInfoDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"Form7"_s);
    createWidgets();
    initConnections();
    applyCaptions(LanguageMode());
    resize(TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightTwips));
}

void EmbeddedInfoDialog::createWidgets()
{
    m_validator = new StorableTextValidator(this);
    m_line1 = textLine(this, u"Text1"_s, m_validator);
    m_line2 = textLine(this, u"Text2"_s, m_validator);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(u"Command1"_s);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(u"Command2"_s);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    auto *main = new QVBoxLayout(this);
    main->addWidget(m_line1);
    main->addWidget(m_line2);
    main->addStretch();
    main->addLayout(buttons);
}

void EmbeddedInfoDialog::initConnections()
{
    connect(m_validator, &StorableTextValidator::dropped, this, &EmbeddedInfoDialog::onCharactersDropped);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void EmbeddedInfoDialog::showPlan(const CodePlan &plan)
{
    m_line1->setText(plan.EmbeddedTexts[0]);
    m_line2->setText(plan.EmbeddedTexts[1]);
}

void EmbeddedInfoDialog::applyTo(CodePlan &plan) const
{
    plan.EmbeddedTexts[0] = m_line1->text();
    plan.EmbeddedTexts[1] = m_line2->text();
}

// Typed or pasted characters the radio cannot keep were dropped: said once, beside the line,
// instead of leaving the user to wonder where they went. A plan shown by the program says
// nothing.
void EmbeddedInfoDialog::onCharactersDropped()
{
    QWidget *line = QApplication::focusWidget();
    if (line != m_line1 && line != m_line2)
        return;
    QToolTip::showText(line->mapToGlobal(QPoint(0, line->height())),
                       ShownText(u"对讲机无法存储此字符，已略去。",
                                 u"The radio cannot store this character; it was left out."),
                       line);
}

void EmbeddedInfoDialog::applyCaptions(Language language)
{
    setWindowTitle(LocalText(language, SettingCatalog::embeddedCaption(Language::SimplifiedChinese),
                             SettingCatalog::embeddedCaption(Language::English)));
    ApplyControlCaptions(this, {{u"Command1", u"确定", u"OK"}, {u"Command2", u"取消", u"Cancel"}}, language);
}

} // namespace vm280
