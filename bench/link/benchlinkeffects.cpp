#include "benchlinkeffects.h"

#include "image/choicetexts.h"
#include "image/codec.h"

#include <QTimer>

namespace vm280::bench {

bool BenchLinkEffects::waitForEnd(int timeoutMs)
{
    return waitUntil([this] { return m_outcome.has_value(); }, timeoutMs);
}

bool BenchLinkEffects::waitForCommands(int timeoutMs)
{
    return waitUntil([this] { return m_commandsEnabled; }, timeoutMs);
}

bool BenchLinkEffects::waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &m_loop, &QEventLoop::quit);
    limit.start(timeoutMs);
    while (!done() && limit.isActive())
        m_loop.exec();
    return done();
}

void BenchLinkEffects::setCommandsEnabled(bool enabled)
{
    m_commandsEnabled = enabled;
    m_loop.quit();
}

void BenchLinkEffects::operationEnded(LinkOutcome outcome)
{
    m_outcome = outcome;
    m_loop.quit();
}

QByteArray BenchLinkEffects::encodeImage()
{
    return EncodeImage(m_plan, ChoiceTexts::simplifiedChinese());
}

void BenchLinkEffects::decodeImage(const QByteArray &hex)
{
    DecodeImage(m_plan, hex, ChoiceTexts::simplifiedChinese());
}

} // namespace vm280::bench
