#include "importreportdialog.h"

#include "editor/localtext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace vm280 {

ImportReportDialog::ImportReportDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmImportReport"_s);
    createWidgets();
    resize(640, 360);
}

void ImportReportDialog::createWidgets()
{
    m_heading = new QLabel(this);
    m_heading->setObjectName(u"lblHeading"_s);
    m_heading->setWordWrap(true);
    m_lines = new QPlainTextEdit(this);
    m_lines->setObjectName(u"txtReport"_s);
    m_lines->setReadOnly(true);
    m_lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(u"cmdOK"_s);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_lines);
    layout->addLayout(buttons);
}

void ImportReportDialog::setReport(Language language, const QString &heading, const QStringList &lines)
{
    setWindowTitle(LocalText(language, u"导入报告", u"Import report"));
    m_ok->setText(LocalText(language, u"确定", u"OK"));
    m_heading->setText(heading);
    m_lines->setPlainText(lines.join(u'\n'));
    m_lines->setVisible(!lines.isEmpty());
}

QString ImportReportDialog::heading() const
{
    return m_heading->text();
}

QStringList ImportReportDialog::lines() const
{
    const QString text = m_lines->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

} // namespace vm280
