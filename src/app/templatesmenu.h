#pragma once

#include "interchange/channeltemplates.h"

#include <QMenu>

namespace vm280 {

/// File > New from template: one item per ready-made channel plan (the tool's and the user's
/// own), and an item that opens the folder of the user's own templates.
class TemplatesMenu : public QMenu
{
    Q_OBJECT

public:
    explicit TemplatesMenu(QWidget *parent = nullptr);

    /// Lists the templates again (a template may have been added since) in the words shown.
    void refresh();

signals:
    /// The user chose a template.
    void chosen(const ChannelTemplate &found);

private:
    void openUserFolder();
};

} // namespace vm280
