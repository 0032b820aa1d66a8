#include "BrainStore.h"

#include "BrainFileFormat.h"
#include "core/AtomicFileSet.h"
#include "core/FileAccess.h"
#include "core/Log.h"
#include "core/TextCodec.h"
#include "engine/Recognizer.h"

#include <algorithm>
#include <deque>

BrainStore::BrainStore(Recognizer& recognizer, BrainPaths paths, BrainLists mainLists)
    : recognizer_(recognizer)
    , paths_(std::move(paths))
    , main_(mainLists) {}

void BrainStore::attachEditorLists(BrainLists editorLists) {
    editor_.emplace(editorLists);
}

Status BrainStore::createMissingFiles() {
    Status status = FileAccess::ensureFolder(paths_.folder);
    if (!status)
        return status;
    for (const auto* path : {&paths_.listen, &paths_.commandi, &paths_.action}) {
        AtomicFileSet::removeLeftovers(*path);
        status.also(FileAccess::createIfMissing(*path));
    }
    return status;
}

void BrainStore::fillList(EntryList& mainList, EntryList* editorList,
                          std::vector<std::string> values) {
    if (editorList) {
        mainList.appendAll(values);
        editorList->appendAll(std::move(values));
    } else {
        mainList.appendAll(std::move(values));
    }
}

Status BrainStore::LoadBrain() {
    recognizer_.deactivate();
    Status status = recognizer_.loadGrammarFromFile(paths_.listen.string());
    if (status)
        status = recognizer_.activate();

    truncated_ = false;
    unreadable_.clear();
    struct Source {
        const std::filesystem::path& path;
        bool isPhraseFile;
        EntryList& mainList;
        EntryList* editorList;
    };
    // The editor's type list and argument list are its second and third lists, the other way
    // round from the main window; each field still goes to its own list.
    const Source sources[] = {
        {paths_.listen, true, main_.phrases, editor_ ? &editor_->phrases : nullptr},
        {paths_.commandi, false, main_.arguments, editor_ ? &editor_->arguments : nullptr},
        {paths_.action, false, main_.types, editor_ ? &editor_->types : nullptr},
    };
    std::string bytes;
    std::string error;
    for (const auto& source : sources) {
        const auto result = FileAccess::readWholeFile(source.path, bytes, error);
        if (result == FileAccess::ReadResult::Failed) {
            unreadable_.push_back(source.path.string());
            status.also(Status::failure("could not read " + error));
            continue;
        }
        const std::string text = TextCodec::decode(bytes);
        auto values = source.isPhraseFile ? BrainFileFormat::phrasesFromText(text)
                                          : BrainFileFormat::valuesFromText(text);
        if (values.size() > static_cast<std::size_t>(BrainFileFormat::maxEntries)) {
            Log::warning(source.path.string() + " holds " + std::to_string(values.size()) +
                         " entries; a brain holds at most " +
                         std::to_string(BrainFileFormat::maxEntries) +
                         ", the rest were not loaded");
            values.resize(BrainFileFormat::maxEntries);
            truncated_ = true;
        }
        fillList(source.mainList, source.editorList, std::move(values));
    }
    loadedFingerprint_ = fingerprintOf(main_);
    reportIncompleteEntries();
    return status;
}

Status BrainStore::SaveBrain() {
    if (!unreadable_.empty()) {
        std::string names;
        for (const auto& name : unreadable_)
            names += (names.empty() ? "" : ", ") + name;
        return Status::failure("the brain was not saved, because " + names +
                               " could not be read when it was loaded and would be lost");
    }
    std::vector<std::string_view> phrases;
    std::vector<std::string_view> arguments;
    std::vector<std::string_view> types;
    std::deque<std::string> copies; // for lists that cannot lend their strings
    auto field = [&copies](const EntryList& list, int index) -> std::string_view {
        if (const std::string* held = list.itemIfHeld(index))
            return *held;
        return copies.emplace_back(list.itemOrEmpty(index));
    };
    const int count = main_.phrases.count();
    phrases.reserve(static_cast<std::size_t>(count));
    arguments.reserve(static_cast<std::size_t>(count));
    types.reserve(static_cast<std::size_t>(count));
    int skipped = 0;
    for (int p = 0; p < count; ++p) {
        const std::string_view phrase = field(main_.phrases, p);
        const std::string_view argument = field(main_.arguments, p);
        const std::string_view type = field(main_.types, p);
        // Writing one field of an entry without the others would shift every later entry.
        if (phrase.empty() || argument.empty() || type.empty() ||
            phrases.size() == static_cast<std::size_t>(BrainFileFormat::maxEntries)) {
            ++skipped;
            continue;
        }
        phrases.push_back(phrase);
        arguments.push_back(argument);
        types.push_back(type);
    }
    skipped += std::max(0, std::max(main_.arguments.count(), main_.types.count()) - count);
    if (skipped > 0) {
        // What a hand-edited brain held beyond its whole entries is kept beside it.
        const Status kept = backupFiles();
        if (!kept)
            return Status::failure(
                "the brain was not saved, because " + std::to_string(skipped) +
                " incomplete entries would be lost and no copy could be kept: " + kept.message());
        Log::warning(std::to_string(skipped) +
                     " incomplete or surplus entries were left out of the saved brain; the files "
                     "as they were are kept as listen.bak, commandi.bak and action.bak");
    }

    AtomicFileSet files;
    files.add(paths_.listen, TextCodec::encodeForFile(BrainFileFormat::phraseFileText(phrases)));
    files.add(paths_.commandi, TextCodec::encodeForFile(BrainFileFormat::valueFileText(arguments)));
    files.add(paths_.action, TextCodec::encodeForFile(BrainFileFormat::valueFileText(types)));
    return files.commit();
}

void BrainStore::reportIncompleteEntries() const {
    const int phrases = main_.phrases.count();
    const int arguments = main_.arguments.count();
    const int types = main_.types.count();
    if (phrases == arguments && phrases == types)
        return;
    Log::warning("the brain files hold " + std::to_string(phrases) + " phrases, " +
                 std::to_string(arguments) + " arguments and " + std::to_string(types) +
                 " types; an entry that lacks its argument or type does nothing when heard");
}

void BrainStore::clearAllLists() {
    main_.clear();
    if (editor_) {
        editor_->phrases.clear();
        editor_->types.clear();
        editor_->arguments.clear();
    }
}

void BrainStore::rebuildEditorListsFromMain() {
    main_.selectAll(-1);
    if (!editor_)
        return;
    for (auto [from, to] :
         {std::pair{&main_.phrases, &editor_->phrases}, std::pair{&main_.types, &editor_->types},
          std::pair{&main_.arguments, &editor_->arguments}}) {
        std::vector<std::string> values;
        values.reserve(static_cast<std::size_t>(from->count()));
        for (int i = 0; i < from->count(); ++i)
            values.push_back(from->item(i));
        to->clear();
        to->appendAll(std::move(values));
    }
}

Status BrainStore::saveAndReload() {
    Status saved = SaveBrain();
    if (!saved) {
        rebuildEditorListsFromMain();
        return saved;
    }
    clearAllLists();
    return LoadBrain();
}

Status BrainStore::saveAtShutdown() {
    if (truncated_) {
        Log::warning("the brain was not saved at exit, so that the entries that could not be "
                     "loaded stay in its files");
        return Status::success();
    }
    // Every change is saved when it is made; the files already hold a brain that has not changed
    // since it was loaded (and a file edited by hand meanwhile keeps the edit).
    if (fingerprintOf(main_) == loadedFingerprint_)
        return Status::success();
    return SaveBrain();
}

std::size_t BrainStore::fingerprintOf(const BrainLists& lists) {
    std::size_t hash = 0;
    auto mix = [&hash](std::size_t value) {
        hash ^= value + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
    };
    for (const EntryList* list : {&lists.phrases, &lists.arguments, &lists.types}) {
        mix(static_cast<std::size_t>(list->count()));
        for (int i = 0; i < list->count(); ++i) {
            const std::string* held = list->itemIfHeld(i);
            mix(std::hash<std::string>{}(held ? *held : list->item(i)));
        }
    }
    return hash;
}

bool BrainStore::maySeed() const {
    return unreadable_.empty();
}

Status BrainStore::backupFiles() const {
    AtomicFileSet copies;
    std::string bytes;
    std::string error;
    for (const auto* path : {&paths_.listen, &paths_.commandi, &paths_.action}) {
        const auto result = FileAccess::readWholeFile(*path, bytes, error);
        if (result == FileAccess::ReadResult::Failed)
            return Status::failure("could not keep a copy of " + error);
        if (result == FileAccess::ReadResult::Read && !bytes.empty()) {
            std::filesystem::path copy = *path;
            copy += ".bak";
            copies.add(copy, bytes);
        }
    }
    return copies.commit();
}
