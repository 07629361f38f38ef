#include "recorder/view/DisplayText.h"

#include "recorder/app/CBrevantApp.h"
#include "recorder/app/CBrevantDoc.h"
#include "recorder/view/ShowAllListing.h"

std::string TipLabel(int number)
{
    return "Tip #" + std::to_string(number);
}

std::string DisplayTextHead(const CBrevantDoc& doc, bool forPrinter)
{
    std::string head = forPrinter ? "" : "\n";
    if (doc.m_InfoAlwaysTip && !doc.m_CurrentText.empty() && !doc.m_bScreenCleared &&
        doc.m_TipCount() != 0)
        head += TipLabel(doc.m_CurrentTip) + "\n";
    return head;
}

std::string DisplayTextBody(const CBrevantDoc& doc)
{
    return doc.m_ListedTips != 0 ? ShowAllListing(doc.app().m_Tips, doc.m_ListedTips)
                                 : doc.m_CurrentText;
}

std::string ComposeDisplayText(const CBrevantDoc& doc, bool forPrinter)
{
    return DisplayTextHead(doc, forPrinter) + DisplayTextBody(doc);
}
