#include "shell/PhraseDispatcher.h"
#include "FakePorts.h"
#include "FakeSynthesizer.h"
#include "brain/BrainLists.h"
#include "brain/StringList.h"
#include "shell/DispatcherHost.h"
#include "shell/ListeningState.h"
#include "shell/ProgramOpener.h"
#include "shell/Speaker.h"
#include "shell/SpokenReports.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;
enum class State { Waiting, Listening, Asleep };

class RecordingHost final : public DispatcherHost {
public:
    void showListening() override {
        ++listeningShown;
        listenChecked = true;
    }
    void setListenChecked(bool checked) override { listenChecked = checked; }
    void runSleepAction() override {
        ++sleeps;
        if (onSleep)
            onSleep();
    }
    int listeningShown = 0;
    int sleeps = 0;
    bool listenChecked = false;
    std::function<void()> onSleep;
};

class Dispatch : public ::testing::Test {
protected:
    Dispatch()
        : speaker(voice)
        , reports(speaker, clock, clipboard, keys, [this] { ++pendingRuns; })
        , opener(speaker, launcher, messages)
        , dispatcher(
              {flags, brain, speaker, reports, opener, keys, host, [this] { ++pendingRuns; }}) {
        speaker.setShowHandler([this](const std::string& text) { shown.push_back(text); });
        host.onSleep = [this] {
            flags.waiting = false;
            flags.listening = false;
        };
        add("zel listen", "I hear you", "Speak");
        add("stop listen", "What ever", "Speak");
        add("stop speak", "Ok I will shut up", "Speak");
        add("go to sleep", "I hope I am sleepy", "Speak");
        clock.time = LocalDateTime{2026, 3, 5, 9, 5, 0};
        set(State::Waiting);
    }

    void add(const std::string& phrase, const std::string& argument, const std::string& type) {
        brain.append(phrase, argument, type);
    }
    void set(State state) {
        flags.waiting = state == State::Waiting;
        flags.listening = state == State::Listening;
    }
    State state() const {
        EXPECT_FALSE(flags.waiting && flags.listening);
        return flags.waiting ? State::Waiting : flags.listening ? State::Listening : State::Asleep;
    }

    StringList phrases, arguments, types;
    BrainLists brain{phrases, arguments, types};
    ListeningState flags;
    FakeSynthesizer voice;
    FixedClock clock;
    FakeClipboard clipboard;
    FakeKeySender keys;
    FakeLauncher launcher;
    FakeMessageBox messages;
    RecordingHost host;
    Speaker speaker;
    SpokenReports reports;
    ProgramOpener opener;
    PhraseDispatcher dispatcher;
    Strings shown;
    int pendingRuns = 0;
};

} // namespace

TEST_F(Dispatch, FollowsTheTableOfResponses) {
    const struct {
        const char* name;
        State before;
        std::string heard;
        Strings said;
        Strings shownTexts;
        State after;
    } cases[] = {
        {"wake phrase in Waiting",
         State::Waiting,
         "zel listen",
         {"I hear you"},
         {"I hear you"},
         State::Listening},
        {"stop speak in Waiting", State::Waiting, "stop speak", {"Ok"}, {"Ok"}, State::Waiting},
        {"stop listen in Waiting", State::Waiting, "stop listen", {}, {}, State::Waiting},
        {"go to sleep in Waiting", State::Waiting, "go to sleep", {}, {}, State::Waiting},
        {"brain phrase in Waiting", State::Waiting, "hello there", {}, {}, State::Waiting},
        {"wake phrase with other case", State::Waiting, "Zel listen", {}, {}, State::Waiting},
        {"wake phrase in Listening",
         State::Listening,
         "zel listen",
         {"I am all.reddy listening"},
         {"I am all.reddy listening"},
         State::Listening},
        {"stop listen in Listening",
         State::Listening,
         "stop listen",
         {"What ever"},
         {"What ever"},
         State::Waiting},
        {"stop speak in Listening",
         State::Listening,
         "stop speak",
         {"Ok I will shut up"},
         {"Ok I will shut up"},
         State::Waiting},
        {"go to sleep in Listening", State::Listening, "go to sleep", {}, {}, State::Asleep},
        {"speak entry", State::Listening, "hello there", {"Hi!"}, {"Hi!"}, State::Waiting},
        {"type entry", State::Listening, "copy that", {"Yes Sir"}, {"Yes Sir"}, State::Waiting},
        {"type entry that does not parse",
         State::Listening,
         "bad keys",
         {"I can not type that"},
         {"I can not type that"},
         State::Waiting},
        {"time",
         State::Listening,
         "what time",
         {"The time is 9 5"},
         {"The time is 9:5"},
         State::Waiting},
        {"date",
         State::Listening,
         "what date",
         {"The date is 5 of march"},
         {"The date is 5 of march"},
         State::Waiting},
        {"read with unknown argument", State::Listening, "read nonsense", {}, {}, State::Listening},
        {"open", State::Listening, "open it", {"Roger that!"}, {"Roger that!"}, State::Waiting},
        {"unknown type", State::Listening, "odd one", {}, {}, State::Listening},
        {"phrase not in the brain", State::Listening, "unheard of", {}, {}, State::Listening},
        {"entry missing its argument", State::Listening, "half entry", {}, {}, State::Listening},
        {"wake phrase while asleep", State::Asleep, "zel listen", {}, {}, State::Asleep},
        {"stop speak while asleep", State::Asleep, "stop speak", {}, {}, State::Asleep},
    };
    for (const auto& c : cases) {
        brain.clear();
        add("zel listen", "I hear you", "Speak");
        add("stop listen", "What ever", "Speak");
        add("stop speak", "Ok I will shut up", "Speak");
        add("go to sleep", "I hope I am sleepy", "Speak");
        add("hello there", "Hi!", "Speak");
        add("copy that", "^{c}", "Type");
        add("bad keys", "{nosuch", "Type");
        add("what time", "the time", "Read");
        add("what date", "the date", "Read");
        add("read nonsense", "the weather", "Read");
        add("open it", "/usr/bin/true", "Open");
        add("odd one", "x", "speak");
        phrases.append("half entry");
        voice.said.clear();
        shown.clear();
        set(c.before);
        host.listenChecked = c.before == State::Listening;
        dispatcher.onPhrase(c.heard);
        EXPECT_EQ(voice.said, c.said) << c.name;
        EXPECT_EQ(shown, c.shownTexts) << c.name;
        EXPECT_EQ(state(), c.after) << c.name;
        if (c.after != State::Asleep) {
            EXPECT_EQ(host.listenChecked, c.after == State::Listening) << c.name;
        }
    }
}

TEST_F(Dispatch, StopSpeakInWaitingCutsSpeechOffBeforeSayingOk) {
    voice.speak("a long story");
    voice.log.clear();
    dispatcher.onPhrase("stop speak");
    EXPECT_EQ(voice.log, (Strings{"stop", "say Ok"}));
}

TEST_F(Dispatch, TypeSendsTheKeysBeforeAnythingIsSaid) {
    add("copy that", "^{c}", "Type");
    set(State::Listening);
    bool keysFirst = false;
    keys.onSend = [&](const std::vector<KeyEvent>&) { keysFirst = voice.log.empty(); };
    dispatcher.onPhrase("copy that");
    EXPECT_TRUE(keysFirst);
    ASSERT_EQ(keys.sent.size(), 1u);
    EXPECT_EQ(keys.sent[0].size(), 4u); // ctrl down, c down, c up, ctrl up
    EXPECT_EQ(voice.log, (Strings{"stop", "say Yes Sir"}));
}

TEST_F(Dispatch, TypeWithoutADisplaySaysItCannot) {
    add("copy that", "^{c}", "Type");
    keys.available = false;
    set(State::Listening);
    dispatcher.onPhrase("copy that");
    EXPECT_EQ(voice.said, Strings{"I can not type that"});
    EXPECT_EQ(state(), State::Waiting);
}

TEST_F(Dispatch, DuplicatePhrasesAreAllHandledInPositionOrder) {
    add("twice", "first", "Speak");
    add("other", "never", "Speak");
    add("twice", "second", "Speak");
    set(State::Listening);
    dispatcher.onPhrase("twice");
    EXPECT_EQ(voice.said, (Strings{"first", "second"}));
    EXPECT_EQ(phrases.selectedIndex(), 6);
    EXPECT_EQ(arguments.selectedIndex(), 6);
    EXPECT_EQ(types.selectedIndex(), 6);
}

TEST_F(Dispatch, AFailedOpenShowsTheMessageAndKeepsListening) {
    add("open notes", "/home/user/notes.txt", "Open");
    add("open notes", "never reached", "Speak");
    launcher.fails = true;
    set(State::Listening);
    host.listenChecked = true;
    dispatcher.onPhrase("open notes");
    EXPECT_EQ(voice.said, Strings{"Roger that!"});
    EXPECT_EQ(messages.shown, Strings{"A parlon can only open EXE fileformat"});
    EXPECT_EQ(state(), State::Listening);
    EXPECT_TRUE(host.listenChecked);
}

TEST_F(Dispatch, OpenShowsRogerBeforeSayingItAndStartsTheArgumentUnchanged) {
    add("open editor", "/opt/My Apps/edit --new", "Open");
    set(State::Listening);
    Strings order;
    speaker.setShowHandler([&](const std::string& t) { order.push_back("show " + t); });
    voice.log.clear();
    dispatcher.onPhrase("open editor");
    EXPECT_EQ(voice.log, (Strings{"stop", "say Roger that!"}));
    EXPECT_EQ(order, Strings{"show Roger that!"});
    EXPECT_EQ(launcher.launched, Strings{"/opt/My Apps/edit --new"});
}

TEST_F(Dispatch, AnEmptyTextInListeningClearsTheSelections) {
    set(State::Listening);
    brain.selectAll(2);
    dispatcher.onPhrase("");
    EXPECT_EQ(phrases.selectedIndex(), -1);
    EXPECT_EQ(arguments.selectedIndex(), -1);
    EXPECT_EQ(types.selectedIndex(), -1);
    EXPECT_TRUE(voice.said.empty());
    EXPECT_EQ(state(), State::Listening);
}

TEST_F(Dispatch, TheWakePhraseIsWhateverEntryZeroHolds) {
    phrases.setItem(0, "nubo listen");
    dispatcher.onPhrase("zel listen");
    EXPECT_EQ(state(), State::Waiting);
    dispatcher.onPhrase("nubo listen");
    EXPECT_EQ(state(), State::Listening);
    EXPECT_EQ(host.listeningShown, 1);
}

TEST_F(Dispatch, AnEmptyBrainHasNoWakePhrase) {
    brain.clear();
    dispatcher.onPhrase("");
    dispatcher.onPhrase("zel listen");
    EXPECT_EQ(state(), State::Waiting);
}

TEST_F(Dispatch, ReadsTheSelectionThroughTheClipboard) {
    add("read it", "the selected text", "Read");
    set(State::Listening);
    clipboard.content = "old";
    keys.onSend = [&](const std::vector<KeyEvent>&) { clipboard.pendingCopy = "Hello world"; };
    dispatcher.onPhrase("read it");
    EXPECT_EQ(clipboard.clears, 1);
    EXPECT_EQ(voice.said, Strings{"Hello world"});
    EXPECT_EQ(shown, Strings{"Hello world"});
    EXPECT_EQ(clipboard.content, "Hello world");
    EXPECT_EQ(state(), State::Waiting);
}

TEST_F(Dispatch, ReadingNothingSelectedSaysItCannot) {
    const struct {
        const char* name;
        bool keysWork;
        bool copyArrives;
        bool readable;
    } cases[] = {
        {"nothing selected", true, false, true},
        {"keys cannot be sent", false, false, true},
        {"clipboard unreadable", true, true, false},
    };
    for (const auto& c : cases) {
        brain.clear();
        add("read it", "the selected text", "Read");
        set(State::Listening);
        voice.said.clear();
        keys.available = c.keysWork;
        clipboard.unreadable = !c.readable;
        clipboard.pendingCopy.reset();
        keys.onSend = [&](const std::vector<KeyEvent>&) {
            if (c.copyArrives)
                clipboard.pendingCopy = "x";
        };
        dispatcher.onPhrase("read it");
        EXPECT_EQ(voice.said, Strings{"I can not read that"}) << c.name;
        EXPECT_EQ(state(), State::Waiting) << c.name;
    }
}
