#pragma once

#include "importchoicemodel.h"

#include "image/channeltable.h"
#include "image/choicetexts.h"
#include "image/codeplan.h"
#include "interchange/importchoice.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

namespace vm280 {

/// The import chooser `frmImportChooser`: every row of a file in a table, a tick per row, the
/// band the rows are checked against, and where the ticked rows go (in file order from a
/// channel, or by their Location), with a preview of the channel each lands on. Rows the band
/// cannot hold are greyed with their reason; ticked rows that do not fit the channels are
/// refused before anything changes: OK is greyed and the summary says why. The dialog edits a
/// choice; its owner imports it on OK.
class ImportChooserDialog : public QDialog
{
    Q_OBJECT

public:
    /// What the chooser is opened for.
    struct Purpose
    {
        QString fileName;            ///< the file shown in the heading
        bool newPlan = false;        ///< a new plan from a template: the plan's channels all give way
        bool offersSettings = false; ///< a plan file: its settings may come along
    };

    /// choice starts the dialog; plan is the plan the rows go into, texts its words.
    ImportChooserDialog(ImportChoice choice, const CodePlan &plan, const ChoiceTexts &texts,
                        const Purpose &purpose, QWidget *parent = nullptr);

    const ImportChoice &choice() const { return m_choice; }
    /// The file's settings are to come along (a plan file, and the box ticked).
    bool takesSettings() const;
    QTableView *table() const { return m_table; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setupUi(const Purpose &purpose);
    QLayout *createBandRow();
    QLayout *createPlacementRow();
    QLayout *createTickRow();
    QLayout *createButtonRow(const Purpose &purpose);
    void initConnections();
    void showChoice();

    void bandPicked(int band);
    void pickBestBand();
    void placementChanged();
    void tickLocations();
    void tickNone();
    void toggleSelectedRows();
    void updateSummary();
    QString problemText(const ChoiceProblem &problem) const;
    QString placedText() const;

    ImportChoice m_choice;
    ChannelTable m_channels; ///< the plan's channels before the import
    int m_planBand;
    ChoiceTexts m_texts;
    ImportChoiceModel *m_model = nullptr;

    QLabel *m_heading = nullptr;
    QComboBox *m_band = nullptr;
    QPushButton *m_bestBand = nullptr;
    QRadioButton *m_fileOrder = nullptr;
    QSpinBox *m_firstChannel = nullptr;
    QRadioButton *m_byLocation = nullptr;
    QLineEdit *m_locations = nullptr;
    QPushButton *m_tick = nullptr;
    QPushButton *m_tickNone = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_summary = nullptr;
    QCheckBox *m_settings = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace vm280
