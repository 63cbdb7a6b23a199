#pragma once

#include "image/codeplan.h"
#include "serial/seriallink.h"

#include <QEventLoop>
#include <optional>

namespace vm280::bench {

/// A serial link with nobody watching: the plan stands in for the window, the band question is
/// answered Yes, and the caller can wait for an operation and for the commands to come back.
class BenchLinkEffects : public SerialLink
{
public:
    /// Runs the event loop until the operation started last has ended; false on a time-out.
    bool waitForEnd(int timeoutMs);
    /// Runs the event loop until the commands are enabled again; false on a time-out.
    bool waitForCommands(int timeoutMs);
    std::optional<LinkOutcome> outcome() const { return m_outcome; }
    void forgetOutcome() { m_outcome.reset(); }

    void setCommandsEnabled(bool enabled) override;
    // Answered at once: never open when an operation ends.
    bool askBandQuestion() override { return true; }
    QByteArray encodeImage() override;
    void decodeImage(const QByteArray &hex) override;
    int bandSelectorIndex() const override { return m_plan.band; }
    void selectBandWithoutPrompt(int index) override { m_plan.band = index; }
    bool serviceMode() const override { return false; }
    void operationEnded(LinkOutcome outcome) override;

private:
    bool waitUntil(const std::function<bool()> &done, int timeoutMs);

    CodePlan m_plan;
    bool m_commandsEnabled = true;
    std::optional<LinkOutcome> m_outcome;
    QEventLoop m_loop;
};

} // namespace vm280::bench
