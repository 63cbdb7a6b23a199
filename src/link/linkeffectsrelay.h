#pragma once

#include "linkeffects.h"

namespace vm280 {

/// Passes every effect on to the effects it stands in front of. A class that puts itself between
/// the engine and the engine's owner (a write with backup and read-back, a batch of radios)
/// derives from it and overrides only the effects it changes.
class LinkEffectsRelay : public LinkEffects
{
public:
    explicit LinkEffectsRelay(LinkEffects &next) : m_next(next) {}

    void sendBytes(const QByteArray &frame) override { m_next.sendBytes(frame); }
    void setStatusText(LinkText text) override { m_next.setStatusText(text); }
    void setStatusVisible(bool visible) override { m_next.setStatusVisible(visible); }
    void setProgressVisible(bool visible) override { m_next.setProgressVisible(visible); }
    void setProgressValue(int value) override { m_next.setProgressValue(value); }
    void setCommandsEnabled(bool enabled) override { m_next.setCommandsEnabled(enabled); }
    void prepareForOperation() override { m_next.prepareForOperation(); }
    void setTimer1Enabled(bool enabled) override { m_next.setTimer1Enabled(enabled); }
    void setTimer2Enabled(bool enabled) override { m_next.setTimer2Enabled(enabled); }
    void showMessage(LinkText text) override { m_next.showMessage(text); }
    bool askBandQuestion() override { return m_next.askBandQuestion(); }
    void closeBandQuestion() override { m_next.closeBandQuestion(); }
    QByteArray encodeImage() override { return m_next.encodeImage(); }
    void decodeImage(const QByteArray &hex) override { m_next.decodeImage(hex); }
    int bandSelectorIndex() const override { return m_next.bandSelectorIndex(); }
    void selectBandWithoutPrompt(int index) override { m_next.selectBandWithoutPrompt(index); }
    bool serviceMode() const override { return m_next.serviceMode(); }
    bool portIsOpen() const override { return m_next.portIsOpen(); }
    void operationEnded(LinkOutcome outcome) override { m_next.operationEnded(outcome); }

private:
    LinkEffects &m_next;
};

} // namespace vm280
