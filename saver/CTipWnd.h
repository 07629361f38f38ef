#pragma once

#include "saver/SaverScene.h"

#include <QWidget>

class Messages;

// The saver's drawing window: one timer, one repaint per tick; the first paint and the
// paint after each tick show the scene's next frame on black, any other paint the same
// frame again. Used as it is inside a host's window; the full-screen
// window adds the rules by which input ends the saver.
class CTipWnd : public QWidget {
    Q_OBJECT

  public:
    CTipWnd(std::shared_ptr<const SaverContent> content, MsRandom& random, const Clock& clock,
            Messages& messages, QWidget* parent = nullptr);
    ~CTipWnd() override;

    // Starts the timer; when it cannot be started the user is told and the window only
    // repaints when the window system asks.
    void startTicking();
    int timerId() const { return m_timerId; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    SaverScene m_scene;
    SaverFrame m_frame;
    bool m_frameDue = true;
    Messages& m_messages;
    int m_timerId = 0;
};
