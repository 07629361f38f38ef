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

// Shows the normal pointer while a message or dialog waits for the user in the middle
// of a busy step; the busy cursor returns when it goes.
class NormalCursor {
  public:
    NormalCursor();
    ~NormalCursor();
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

  private:
    bool m_shown = false;
};
