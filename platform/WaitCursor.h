#pragma once

// Shows the busy cursor for as long as the object lives; does nothing when no
// graphical application is running (command-line tools, plain unit tests).
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    bool m_shown = false;
};
