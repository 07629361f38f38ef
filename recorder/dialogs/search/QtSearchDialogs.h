#pragma once

#include "recorder/dialogs/search/SearchDialogs.h"

class Messages;
class QWidget;

// The real search dialogs, owned by the recorder's window.
class QtSearchDialogs : public SearchDialogs {
  public:
    QtSearchDialogs(QWidget* parent, Messages& messages);

    std::optional<FieldSearchAnswer> runCategorySearch(int tipCount,
                                                       const TipCollection& tips) override;
    std::optional<FieldSearchAnswer> runDateSearch(int tipCount,
                                                   const TipCollection& tips) override;
    std::optional<FieldSearchAnswer> runTextSearch(int tipCount, const TipCollection& tips,
                                                   std::vector<std::string>& searchWords) override;
    std::optional<int> runNumberSearch(int tipCount) override;

  private:
    QWidget* m_parent;
    Messages& m_messages;
};
