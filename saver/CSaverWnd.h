#pragma once

#include "saver/CTipWnd.h"

class SaverInputWatch;

// The full-screen saver window for one screen: on top, frameless, the pointer hidden.
// It asks to end (`endRequested`) on a key or button press and on a pointer move away
// from the first position seen; key releases, button releases and the wheel are ignored.
// A close request from the window system is refused: only the user's input ends it.
class CSaverWnd : public CTipWnd {
    Q_OBJECT

  public:
    CSaverWnd(std::shared_ptr<const SaverContent> content, MsRandom& random, const Clock& clock,
              Messages& messages, SaverInputWatch& watch);

  signals:
    void endRequested();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    SaverInputWatch& m_watch;
};
