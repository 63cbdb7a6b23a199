#pragma once

#include "link/linkeffects.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace vm280::test {

using namespace Qt::StringLiterals;

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
        log << u"send "_s + QString::fromLatin1(frame.toHex().toUpper());
        if (onSend)
            onSend(frame);
    }
    void setStatusText(LinkText text) override
    {
        statusText = text;
        log << u"status text"_s;
    }
    void setStatusVisible(bool visible) override
    {
        statusVisible = visible;
        log << (visible ? u"status shown"_s : u"status hidden"_s);
    }
    void setProgressVisible(bool visible) override
    {
        progressVisible = visible;
        log << (visible ? u"progress shown"_s : u"progress hidden"_s);
    }
    void setProgressValue(int value) override { progressValues << value; }
    void setCommandsEnabled(bool enabled) override
    {
        commandsEnabled = enabled;
        log << (enabled ? u"commands enabled"_s : u"commands disabled"_s);
    }
    void prepareForOperation() override { log << u"prepare"_s; }
    void setTimer1Enabled(bool enabled) override { timer1 = enabled; }
    void setTimer2Enabled(bool enabled) override { timer2 = enabled; }
    void showMessage(LinkText text) override
    {
        messages << text;
        log << u"message"_s;
        if (onMessage)
            onMessage(text);
    }
    bool askBandQuestion() override
    {
        ++questions;
        log << u"question"_s;
        return onQuestion ? onQuestion() : true;
    }
    void closeBandQuestion() override
    {
        ++questionsClosed;
        log << u"question closed"_s;
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
        log << u"select band %1"_s.arg(index);
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
