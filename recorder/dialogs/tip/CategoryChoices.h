#pragma once

#include <QStringList>

class TipCollection;

// The Category boxes list every category once, sorted without regard to letter case.
// Categories that differ only in case are listed once, in the form met first.
class CategoryChoices {
  public:
    // Categories of Tips 1..tipCount (clamped to the collection).
    CategoryChoices(const TipCollection& tips, int tipCount);

    // Adds `category` at its sorted place unless an entry equals it without regard to
    // case; returns that place, or -1 when it was listed already.
    int add(const QString& category);
    bool contains(const QString& category) const;
    const QStringList& entries() const { return m_entries; }

  private:
    QStringList m_entries;
};

// The order of the boxes' sorted lists: letter case aside, then upper case first.
bool SortsBefore(const QString& a, const QString& b);

// The position of `text` in `list` compared without regard to case, or -1.
int IndexIgnoringCase(const QStringList& list, const QString& text);
