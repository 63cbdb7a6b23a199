#pragma once

#include "cliutil.h"

#include "image/codeplan.h"
#include "link/writesequence.h"
#include "serial/seriallink.h"

#include <QString>
#include <optional>

class QEventLoop;

namespace vm280::cli {

/// How a read or write from the command line behaves where the tool would ask or show.
struct LinkOptions
{
    bool serviceMode = false; ///< a write also sends the block at 0x0180
    bool assumeYes = false;   ///< the band question is answered Yes without asking
    QString backupPath;       ///< a write first saves the radio's memory here (a file or a folder)
    bool verify = false;      ///< a write reads the radio back and compares
    bool progress = true;     ///< a progress bar on stderr when it is a terminal
};

/// The failure a write sequence ended with beyond the link's own: its backup not saved, or the
/// radio read back otherwise than written.
std::optional<Failure> WriteStepsFailure(const WriteSequence::Result &result);

/// Runs a read or a write over a serial port for the command line: the plan stands in for the
/// main window, texts go to the terminal in English, and the band question is asked there.
class CliLink : public SerialLink
{
public:
    CliLink(CodePlan &plan, const LinkOptions &options);

    /// Opens the device (a path, or COM1 to COM20); the failure if it cannot be opened.
    std::optional<Failure> openPort(const QString &device);
    /// Runs a read (into the plan) or a write (of the plan, with the backup and verify the
    /// options ask for) to its end.
    std::optional<Failure> read();
    std::optional<Failure> write();

    void setStatusText(LinkText text) override;
    void setProgressVisible(bool visible) override;
    void setProgressValue(int value) override;
    void showMessage(LinkText text) override;
    bool askBandQuestion() override;
    QByteArray encodeImage() override;
    void decodeImage(const QByteArray &hex) override;
    int bandSelectorIndex() const override;
    void selectBandWithoutPrompt(int index) override;
    bool serviceMode() const override;
    void operationEnded(LinkOutcome outcome) override;

private:
    std::optional<Failure> run(bool started);
    void drawProgress();
    void clearProgress();

    CodePlan &m_plan;
    LinkOptions m_options;
    bool m_progressShown = false;
    bool m_progressOnTerminal;
    int m_progressValue = 0;
    LinkText m_status = LinkText::Communicating;
    std::optional<LinkText> m_message;
    std::optional<LinkOutcome> m_outcome;
    QEventLoop *m_loop = nullptr;
    WriteSequence m_sequence{engine(), *this};
};

} // namespace vm280::cli
