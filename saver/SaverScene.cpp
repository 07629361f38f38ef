#include "saver/SaverScene.h"

#include "common/Clock.h"
#include "common/DataFilePath.h"
#include "common/TipsFormat.h"
#include "saver/ClockText.h"

#include <unistd.h>

namespace {

bool Exists(const std::string& dataDir, const char* fileName)
{
    return !dataDir.empty() && ::access(DataFilePath(dataDir, fileName).c_str(), F_OK) == 0;
}

} // namespace

SaverScene::SaverScene(std::shared_ptr<const SaverContent> content, MsRandom& random,
                       const Clock& clock)
    : m_content(std::move(content)), m_random(random), m_clock(clock),
      m_timing(ComputeSaverTiming(m_content->settings)),
      m_colours(m_content->settings.timerCheck, m_content->settings.clock,
                m_timing.colourEveryTicks)
{
}

SaverFrame SaverScene::nextFrame()
{
    SaverFrame frame;
    frame.fontHeight = m_content->settings.clock ? kClockFontHeight : kTipFontHeight;
    frame.colour = SaverColour(m_colours.colourForPaint(m_random));
    frame.text = chooseText();
    return frame;
}

std::string SaverScene::chooseText()
{
    const SaverContent& content = *m_content;
    const SaverSettings& settings = content.settings;
    if (!Exists(content.dataDir, kSaverSettingsFileName))
        return kSettingsMissingText;
    if (!Exists(content.dataDir, kTipsFileName))
        return {};
    if (settings.clock)
        return ClockText(m_clock.now());
    const int tipCount = content.tipCount();
    if (tipCount == 0)
        return kNoTipsText;
    if (!settings.useAllTips) {
        if (settings.tipNumber > static_cast<std::uint32_t>(tipCount))
            return kTipNotFoundText;
        return content.tipText(settings.tipNumber);
    }
    return content.tipText(static_cast<std::size_t>(m_tipCycle.next(m_random, tipCount)));
}
