#include "PhraseDispatcher.h"

#include "DispatcherHost.h"
#include "ListeningState.h"
#include "ProgramOpener.h"
#include "Speaker.h"
#include "SpokenReports.h"
#include "brain/BrainLists.h"
#include "brain/BuiltinEntries.h"
#include "core/Log.h"
#include "platform/KeySender.h"

PhraseDispatcher::PhraseDispatcher(Parts parts)
    : p_(std::move(parts)) {}

void PhraseDispatcher::goBackToWaiting() {
    p_.flags.listening = false;
    p_.flags.waiting = true;
    p_.host.setListenChecked(false);
}

void PhraseDispatcher::onPhrase(const std::string& text) {
    if (p_.flags.waiting) {
        if (text == Builtin::stopSpeak) {
            p_.speaker.stopSpeaking();
            p_.speaker.sayAndShow("Ok");
        }
        p_.brain.phrases.setSelectedIndex(0);
        if (p_.brain.phrases.count() > 0 && p_.brain.phrases.item(0) == text) {
            p_.speaker.sayAndShow("I hear you");
            p_.host.showListening();
            p_.flags.listening = true;
            p_.flags.waiting = false;
        }
        return;
    }
    if (!p_.flags.listening)
        return;

    p_.brain.phrases.setSelectedIndex(-1);
    if (text.empty()) {
        p_.brain.selectAll(-1);
        return;
    }
    // The lists may be rebuilt while pending events run inside a handler; the walk goes on over
    // whatever they hold then.
    for (int position = 0; position < p_.brain.phrases.count(); ++position) {
        if (p_.brain.phrases.item(position) != text)
            continue;
        if (handleEntry(position, text) == Next::EndEvent)
            return;
    }
}

void PhraseDispatcher::typeKeys(const std::string& notation) {
    const Status sent = p_.keys.type(notation);
    p_.speaker.stopSpeaking();
    if (!sent) {
        Log::report("typing keys", sent);
        p_.speaker.sayAndShow("I can not type that");
    } else {
        p_.speaker.sayAndShow("Yes Sir");
    }
    goBackToWaiting();
}

PhraseDispatcher::Next PhraseDispatcher::handleEntry(int position, const std::string& text) {
    BrainLists& brain = p_.brain;
    // A hand-edited brain can lack an entry's argument or type: such an entry does nothing.
    if (!brain.arguments.hasIndex(position) || !brain.types.hasIndex(position))
        return Next::Continue;
    brain.selectAll(position);
    const std::string type = brain.types.item(position);
    const std::string argument = brain.arguments.item(position);

    if (type == "Type")
        typeKeys(argument);

    if (type == "Read") {
        if (argument == "the time") {
            p_.reports.timeReport();
            goBackToWaiting();
        } else if (argument == "the date") {
            p_.reports.dateReport();
            goBackToWaiting();
        } else if (argument == "the selected text") {
            p_.reports.ReadSelectedText();
            p_.letPendingEventsRun();
            goBackToWaiting();
        }
    }

    if (type == "Speak" && text == Builtin::stopSpeak) {
        p_.speaker.stopSpeaking();
        p_.letPendingEventsRun();
    }

    if (type == "Open") {
        if (!p_.opener.openProgram(argument))
            return Next::EndEvent;
        goBackToWaiting();
    } else if (type == "Speak") {
        if (text == Builtin::goToSleep) {
            p_.host.runSleepAction();
            return Next::EndEvent;
        }
        if (position == 0) {
            p_.speaker.sayAndShow("I am all.reddy listening");
            return Next::EndEvent;
        }
        p_.speaker.sayAndShow(argument);
        goBackToWaiting();
    } else if (text == Builtin::stopListen) {
        p_.speaker.say("what ever");
        p_.speaker.show("What ever");
        goBackToWaiting();
        return Next::EndEvent;
    }
    return Next::Continue;
}
