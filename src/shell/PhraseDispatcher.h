#pragma once

#include <functional>
#include <string>

class DispatcherHost;
class KeySender;
class ProgramOpener;
class Speaker;
class SpokenReports;
struct BrainLists;
struct ListeningState;

// Decides what a heard phrase does. In Waiting only the wake phrase (entry 0's) and "stop speak"
// act; in Listening the brain is walked from position 0 and every entry whose phrase equals the
// text exactly is handled, in position order; in Asleep nothing acts.
class PhraseDispatcher {
public:
    struct Parts {
        ListeningState& flags;
        BrainLists& brain;
        Speaker& speaker;
        SpokenReports& reports;
        ProgramOpener& opener;
        KeySender& keys;
        DispatcherHost& host;
        std::function<void()> letPendingEventsRun;
    };

    explicit PhraseDispatcher(Parts parts);

    void onPhrase(const std::string& text);
    void goBackToWaiting();

private:
    enum class Next { Continue, EndEvent };
    Next handleEntry(int position, const std::string& text);
    void typeKeys(const std::string& notation);

    Parts p_;
};
