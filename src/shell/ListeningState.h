#pragma once

// The main window's two listening flags. Waiting: waiting and not listening (the program waits
// for its wake phrase). Listening: listening and not waiting (the next phrase is a command).
// Asleep: neither. Both at once never occurs.
struct ListeningState {
    bool waiting = false;
    bool listening = false;

    bool isAsleep() const { return !waiting && !listening; }
};
