#include "sheetjobdialog.h"

#include "ui/languagemode.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// Far more than a line of the sheet holds; keeps a pasted text from making the sheet two pages.
constexpr int kNameLength = 80;

} // namespace

SheetJobDialog::SheetJobDialog(const QString &name, const QString &note, QWidget *parent) : QDialog(parent)
{
    setObjectName(u"FormSheetJob"_s);
    setWindowTitle(ShownText(u"信道表抬头", u"Channel sheet heading"));
    m_intro = new QLabel(ShownText(u"印在信道表上方，可留空。按文件记住。",
                                   u"Printed at the head of the channel sheet; both may be left empty. "
                                   u"Remembered for the plan file."),
                         this);
    m_intro->setWordWrap(true);
    m_name = new QLineEdit(name, this);
    m_name->setObjectName(u"TextJob"_s);
    m_name->setMaxLength(kNameLength);
    m_note = new QPlainTextEdit(note, this);
    m_note->setObjectName(u"TextNote"_s);
    m_note->setTabChangesFocus(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(u"CommandOK"_s);
    m_buttons->button(QDialogButtonBox::Ok)->setText(ShownText(u"确定", u"OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"CommandCancel"_s);
    m_buttons->button(QDialogButtonBox::Cancel)->setText(ShownText(u"取消", u"Cancel"));
    auto *form = new QFormLayout;
    form->addRow(ShownText(u"客户/工作：", u"Customer / job:"), m_name);
    form->addRow(ShownText(u"备注：", u"Note:"), m_note);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_intro);
    layout->addLayout(form, 1);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString SheetJobDialog::name() const
{
    return m_name->text();
}

QString SheetJobDialog::note() const
{
    return m_note->toPlainText();
}

} // namespace vm280
