#pragma once

#include "platform/ColorRef.h"
#include "saver/SaverColours.h"
#include "saver/SaverContent.h"
#include "saver/SaverTiming.h"
#include "saver/SaverTipCycle.h"

#include <memory>
#include <string>

class Clock;
class MsRandom;

// What one paint shows: the text (already cut to its first kMaxCharacters characters
// by the painter), its colour and the font height the fitting starts from.
struct SaverFrame {
    std::string text;
    ColorRef colour;
    int fontHeight = 0;
};

inline constexpr int kClockFontHeight = 72;
inline constexpr int kTipFontHeight = 48;

// The saver's messages, as shown on the screen.
inline constexpr const char* kSettingsMissingText =
    "Pennivel message:\n\nFile Pennivel159.ini is missing";
inline constexpr const char* kNoTipsText = "Pennivel message:\n\nThere are no Tips";
inline constexpr const char* kTipNotFoundText =
    "Pennivel message:\n\nThe Tip you have requested cannot be found.\nSelect \"Saver\" on the "
    "\"Screen\" menu in the Pennivel program and choose a different Tip.";

// Decides, paint by paint, what the saver window shows: the colour by the colour rules
// and the text by the mode. Both files are tested for existence on every paint, so a
// settings file or Tips file removed while the saver runs is noticed at once.
class SaverScene {
  public:
    SaverScene(std::shared_ptr<const SaverContent> content, MsRandom& random, const Clock& clock);

    const SaverTiming& timing() const { return m_timing; }
    SaverFrame nextFrame();

  private:
    std::string chooseText();

    std::shared_ptr<const SaverContent> m_content;
    MsRandom& m_random;
    const Clock& m_clock;
    SaverTiming m_timing;
    ColourChooser m_colours;
    SaverTipCycle m_tipCycle;
};
