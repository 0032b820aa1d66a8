#pragma once

#include "BrainLists.h"
#include "BrainPaths.h"
#include "core/Status.h"

#include <optional>
#include <string>
#include <vector>

class Recognizer;

// The brain on disk and in memory: LoadBrain fills the main window's three lists and the editor's
// three lists from the files and hands the phrase file to the recognizer; SaveBrain writes the
// files from the main window's lists, which are the source of truth.
class BrainStore {
public:
    BrainStore(Recognizer& recognizer, BrainPaths paths, BrainLists mainLists);

    // The editor's lists are filled by every load once the editor exists.
    void attachEditorLists(BrainLists editorLists);

    const BrainPaths& paths() const { return paths_; }
    BrainLists& mainLists() { return main_; }
    BrainLists* editorLists() { return editor_ ? &*editor_ : nullptr; }

    // Creates the brain folder and any missing brain file, empty.
    Status createMissingFiles();

    // Deactivates the recognizer, loads the grammar from the phrase file, activates, then appends
    // the entries to the six lists. The lists are filled even when the recognizer refuses the
    // grammar, so a recognizer failure never makes the brain look empty; its error is returned.
    Status LoadBrain();

    // Writes the three files from the main window's lists, each atomically. An entry with an
    // empty or missing field is skipped whole. Nothing is written when a brain file could not be
    // read at the last load: what could not be read is never overwritten.
    Status SaveBrain();

    // The common path of every change: save, empty all six lists, load. When the save fails the
    // lists keep the change in memory (the editor's lists are rebuilt from the main ones) so
    // nothing the user did is lost, and the next save tries again.
    Status saveAndReload();

    // The shutdown's write. Skipped when the lists are as the last load left them (every change
    // is saved when it is made), and when that load could not take the whole brain (more entries
    // than a brain can hold), so that leaving the program never shortens the files.
    Status saveAtShutdown();

    void clearAllLists();

    // Whether the default brain may be seeded now: the phrase list is empty and the files were
    // read in full, so seeding cannot replace anything that could not be read.
    bool maySeed() const;
    // Keeps copies of non-empty brain files beside them (listen.bak, commandi.bak, action.bak).
    Status backupFiles() const;

    bool lastLoadTruncated() const { return truncated_; }
    const std::vector<std::string>& unreadableFiles() const { return unreadable_; }

private:
    static std::size_t fingerprintOf(const BrainLists& lists);
    void reportIncompleteEntries() const;
    void fillList(EntryList& mainList, EntryList* editorList, std::vector<std::string> values);
    void rebuildEditorListsFromMain();

    Recognizer& recognizer_;
    BrainPaths paths_;
    BrainLists main_;
    std::optional<BrainLists> editor_;
    bool truncated_ = false;
    std::size_t loadedFingerprint_ = 0;
    std::vector<std::string> unreadable_;
};
