#pragma once

#include <QPoint>
#include <optional>

// The rule by which the pointer ends the full-screen saver, shared by the windows on all
// screens: the first position seen is only remembered; any later position that differs
// from it, by as little as one pixel, ends the saver.
class SaverInputWatch {
  public:
    bool endsOnMove(const QPoint& globalPosition);

  private:
    std::optional<QPoint> m_firstPosition;
};
