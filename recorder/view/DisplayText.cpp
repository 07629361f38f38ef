#include "recorder/view/DisplayText.h"

#include "recorder/app/CBrevantDoc.h"

std::string TipLabel(int number)
{
    return "Tip #" + std::to_string(number);
}

std::string ComposeDisplayText(const CBrevantDoc& doc, bool forPrinter)
{
    std::string display = forPrinter ? "" : "\n";
    if (doc.m_InfoAlwaysTip && !doc.m_CurrentText.empty() && !doc.m_bScreenCleared &&
        doc.m_TipCount() != 0)
        display += TipLabel(doc.m_CurrentTip) + "\n";
    display += doc.m_CurrentText;
    return display;
}
