#pragma once

#include <QString>

class QWidget;

// A widget whose whole content is a text it shows but does not let the user change.
class ShowsText {
  public:
    virtual QString shownText() const = 0;

  protected:
    ~ShowsText() = default;
};

// What a screen reader finds in the Tip view: a read-only text holding what the window
// shows (the Tip-number line and the Tip, or a listing), so that the reader can speak it,
// move through it and follow its changes. Idempotent; call before the view is shown.
void MakeTipViewAccessible();

// Tells a listening screen reader that `view` now shows `now` in place of `before`.
void AnnounceTipViewText(QWidget* view, const QString& before, const QString& now);
