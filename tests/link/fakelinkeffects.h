#pragma once

#include "link/linkeffects.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace vm280::test {

/// Records everything the engine does to the window and the line, and plays the user's part.
class FakeLinkEffects : public LinkEffects
{
public:
    FakeLinkEffects() : image(patternImage()) {}

    /// An 848-byte image whose byte at offset o differs from its neighbours, so a block taken
    /// from the wrong offset shows.
    static QByteArray patternImage()
    {
        QByteArray bytes(848, 0);
        for (int o = 0; o < bytes.size(); ++o)
            bytes[o] = char((o * 7 + o / 256) & 0xFF);
        return bytes.toHex().toUpper();
    }

    void sendBytes(const QByteArray &frame) override
    {
        sent << frame;
        log << QStringLiteral("send ") + QString::fromLatin1(frame.toHex().toUpper());
        if (onSend)
            onSend(frame);
    }
    void setStatusText(LinkText text) override
    {
        statusText = text;
        log << QStringLiteral("status text");
    }
    void setStatusVisible(bool visible) override
    {
        statusVisible = visible;
        log << (visible ? QStringLiteral("status shown") : QStringLiteral("status hidden"));
    }
    void setProgressVisible(bool visible) override
    {
        progressVisible = visible;
        log << (visible ? QStringLiteral("progress shown") : QStringLiteral("progress hidden"));
    }
    void setProgressValue(int value) override { progressValues << value; }
    void setCommandsEnabled(bool enabled) override
    {
        commandsEnabled = enabled;
        log << (enabled ? QStringLiteral("commands enabled") : QStringLiteral("commands disabled"));
    }
    void prepareForOperation() override { log << QStringLiteral("prepare"); }
    void setTimer1Enabled(bool enabled) override { timer1 = enabled; }
    void setTimer2Enabled(bool enabled) override { timer2 = enabled; }
    void showMessage(LinkText text) override
    {
        messages << text;
        log << QStringLiteral("message");
        if (onMessage)
            onMessage(text);
    }
    bool askBandQuestion() override
    {
        ++questions;
        log << QStringLiteral("question");
        return onQuestion ? onQuestion() : true;
    }
    void closeBandQuestion() override
    {
        ++questionsClosed;
        log << QStringLiteral("question closed");
    }
    QByteArray encodeImage() override { return image; }
    void decodeImage(const QByteArray &hex) override
    {
        decoded << hex;
        if (onDecode)
            onDecode(hex);
    }
    int bandSelectorIndex() const override { return band; }
    void selectBandWithoutPrompt(int index) override
    {
        band = index;
        log << QStringLiteral("select band %1").arg(index);
    }
    bool serviceMode() const override { return service; }
    bool portIsOpen() const override { return portOpen; }
    void operationEnded(LinkOutcome outcome) override { outcomes << outcome; }

    int progressValue() const { return progressValues.isEmpty() ? -1 : progressValues.last(); }

    // The world the engine looks at.
    bool portOpen = true;
    bool service = false;
    int band = 0;
    QByteArray image;
    std::function<void(const QByteArray &)> onSend;
    std::function<void(LinkText)> onMessage;
    std::function<bool()> onQuestion;
    std::function<void(const QByteArray &)> onDecode;

    // What the engine did.
    QList<QByteArray> sent;
    QStringList log;
    std::optional<LinkText> statusText;
    bool statusVisible = true;
    bool progressVisible = false;
    QList<int> progressValues;
    bool commandsEnabled = true;
    bool timer1 = false;
    bool timer2 = false;
    QList<LinkText> messages;
    int questions = 0;
    int questionsClosed = 0;
    QList<QByteArray> decoded;
    QList<LinkOutcome> outcomes;
};

} // namespace vm280::test
