// Shows the busy pointer for as long as the guard lives, on every exit path.
#pragma once

class BusyCursor final {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // Puts the normal pointer back before the guard ends (for example before a message box).
    void release();

private:
    bool m_active = false;
};
