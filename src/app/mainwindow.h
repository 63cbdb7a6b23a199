#pragma once

#include "parameterfile.h"

#include "editor/bandselection.h"
#include "editor/doublepress.h"
#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QToolBar;

namespace vm280 {

class BandSelector;
class BackupsDialog;
class BatchPanel;
class ChannelEditCommands;
class ChannelGrid;
class ChannelTableModel;
class CodePlanCommands;
class FeatureDialogs;
class InterchangeCommands;
class LinkController;
class PlanHistory;
struct PlanState;
class PlanTools;
class PortDialog;
class RecentFilesMenu;
class SelectedChannelCommands;
class SetForSelectedMenu;
class TemplatesMenu;

/// The main window `Form1`: the channel grid, the band selector, the function settings, the
/// menus and toolbar, the status line, and the commands that read and write the radio and
/// open and save code plans. The plan it shows is its one working store.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    /// Builds the window and runs the start-up sequence; the parameter file is read from and
    /// written to parameterPath.
    explicit MainWindow(const QString &parameterPath = ParameterFile::defaultPath(),
                        QWidget *parent = nullptr);
    ~MainWindow() override;

    const CodePlan &plan() const { return m_plan; }
    LinkController *link() const { return m_link; }
    CodePlanCommands *files() const { return m_files; }
    InterchangeCommands *interchange() const { return m_interchange; }
    /// The feature dialogs and the about box, made once the window has first been painted or
    /// when first needed before then.
    FeatureDialogs *dialogs();
    PlanHistory *history() const { return m_history; }
    ChannelEditCommands *channelEdits() const { return m_channelEdits; }
    SelectedChannelCommands *selectedEdits() const { return m_selectedEdits; }
    PlanTools *tools() const { return m_tools; }
    /// The serial port in use, 1 to 20 for COM1 to COM20 (0 none); known once the window was
    /// first painted or a read or write began.
    int PortNumber() const { return m_portNumber; }
    int ServiceMode() const { return m_serviceMode; }

    /// Enters service mode: toolbar button 7 shows, a write also sends the power trims.
    void enterServiceMode();
    /// Opens the code plan file at path as File > Open does (a plan named on the command line).
    void openFile(const QString &path);

signals:
    /// The window was closed; the program ends.
    void closed();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createActions();
    void loadToolbarIcons();
    void createMenus();
    void createToolBar();
    void createCentralArea();
    QGroupBox *createBandFrame();
    QGroupBox *createFunctionFrame();
    QWidget *createStatusArea();
    void createControllers();
    void initConnections();
    void connectPlanCommand(QAction *action, const std::function<void()> &command);
    void runPlanCommand(const std::function<void()> &command);

    void startUp();
    void readParameters();
    /// Probes the serial ports once and opens the remembered or first usable one.
    void detectPorts();
    void loadPortDialog();
    void showPortDialog();
    void portChosen(int portNumber);
    void findRadio();
    void compareWithRadio();
    void showBackups();
    void restoreBackup(const QString &path);
    void startRead();
    void startWrite();
    void startBatch();
    void rememberWriteSteps();
    void fillTimeOutList();
    void resetDefaults();

    void applyCaptions();
    /// Converts the windows' Simplified captions; atStartUp for a program started in Traditional.
    void convertToTraditional(bool atStartUp);
    void convertDialogsToTraditional(bool atStartUp);
    void switchLanguage(Language language);
    void toggleLock(bool locked);
    void serviceButtonPressed();
    void bandSelected(int index);
    void selectBandWithoutPrompt(int index);
    void showSelectors();
    void selectorChanged();
    void frequencyOutOfBand();
    void decodeImage(const QByteArray &image);
    QByteArray encodeImage() const;
    void showFileTitle(const QString &path);
    void openMakerPage();
    void reportOnce(const std::optional<FileProblem> &problem);

    // The Edit menu and the undo history.
    void createEditActions();
    void createEditMenu();
    void createGridMenu();
    void showGridMenu(const QPoint &position);
    void createHistory();
    void initEditConnections();
    PlanState currentState() const;
    void showState(const PlanState &state);
    void recordChange();
    void updateEditActions();

    CodePlan m_plan;
    ChoiceTexts m_texts = ChoiceTexts::simplifiedChinese();
    BandSelection m_band;
    QString m_parameterPath;
    int m_portNumber = 0;
    int m_serviceMode = 0;
    bool m_problemReported = false;
    bool m_traditionalProblemReported = false;
    bool m_painted = false;
    bool m_portsDetected = false;
    DoublePress m_serviceExit;
    QElapsedTimer m_clock;

    ChannelTableModel *m_model = nullptr;
    ChannelGrid *m_grid = nullptr;
    QGroupBox *m_frame1 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    BandSelector *m_combo1 = nullptr;
    std::array<QComboBox *, 6> m_selectors{};
    QLabel *m_status = nullptr;
    QLabel *m_maker = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_stage = nullptr;
    QToolBar *m_toolbar = nullptr;
    QMenu *m_programmingMenu = nullptr;
    QMenu *m_fileMenu = nullptr;
    RecentFilesMenu *m_recentMenu = nullptr;
    TemplatesMenu *m_templatesMenu = nullptr;
    LinkController *m_link = nullptr;
    CodePlanCommands *m_files = nullptr;
    InterchangeCommands *m_interchange = nullptr;
    FeatureDialogs *m_dialogs = nullptr;
    PlanHistory *m_history = nullptr;
    ChannelEditCommands *m_channelEdits = nullptr;
    SelectedChannelCommands *m_selectedEdits = nullptr;
    QMenu *m_editMenu = nullptr;
    SetForSelectedMenu *m_setSelectedMenu = nullptr;
    QMenu *m_gridMenu = nullptr;
    PlanTools *m_tools = nullptr;
    QPointer<PortDialog> m_portDialog;
    QPointer<BatchPanel> m_batchPanel;
    QPointer<BackupsDialog> m_backupsDialog;

    struct Actions
    {
        QAction *newPlan, *open, *save, *importPlan, *exportPlan, *compare, *print, *printPreview, *quit;
        QAction *read, *write, *batchWrite, *compareRadio, *findRadio, *backups, *optionalFunctions, *keys,
            *embedded, *debug, *testFrequencies;
        QAction *lock, *port, *backup, *verify;
        QAction *simplified, *traditional, *english;
        QAction *help, *about;
        QAction *service;
        QAction *undo, *redo, *copy, *paste, *deleteChannels, *fillDown;
    } m_actions{};
};

} // namespace vm280
