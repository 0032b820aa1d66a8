#include "brain/BrainStore.h"
#include "FakeRecognizer.h"
#include "TempFolder.h"
#include "brain/BuiltinEntries.h"
#include "brain/StringList.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using Strings = std::vector<std::string>;

const std::string builtinPhraseFile = "[Grammer]\r\ntype=cfg\r\n[<start>]\r\n"
                                      "<start>=zel listen\r\n<start>=stop listen\r\n"
                                      "<start>=stop speak\r\n<start>=go to sleep\r\n\r\n";

class BrainStoreTest : public ::testing::Test {
protected:
    BrainStoreTest()
        : store(recognizer, BrainPaths::inFolder(folder.path()), {phrases, arguments, types}) {
        store.attachEditorLists({editorPhrases, editorArguments, editorTypes});
    }

    void writeBrain(const std::string& listen, const std::string& commandi,
                    const std::string& action) {
        TempFolder::write(folder / "listen", listen);
        TempFolder::write(folder / "commandi", commandi);
        TempFolder::write(folder / "action", action);
    }
    void fillBuiltins() {
        for (const auto& entry : Builtin::entries)
            BrainLists{phrases, arguments, types}.append(
                std::string(entry.phrase), std::string(entry.argument), std::string(entry.type));
    }
    std::string file(const char* name) { return TempFolder::read(folder / name); }

    TempFolder folder;
    FakeRecognizer recognizer;
    StringList phrases, arguments, types;
    StringList editorPhrases, editorArguments, editorTypes;
    BrainStore store;
};

} // namespace

TEST_F(BrainStoreTest, CreatesMissingFilesEmptyAndPrivate) {
    TempFolder::write(folder / "listen", "keep");
    ASSERT_TRUE(store.createMissingFiles().ok());
    EXPECT_EQ(file("listen"), "keep");
    EXPECT_EQ(file("commandi"), "");
    struct stat info {};
    ASSERT_EQ(::stat((folder / "action").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(BrainStoreTest, CreatesTheBrainFolderWhenMissing) {
    BrainStore nested(recognizer, BrainPaths::inFolder(folder / "a" / "parlon"),
                      {phrases, arguments, types});
    ASSERT_TRUE(nested.createMissingFiles().ok());
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "a" / "parlon" / "listen"));
}

TEST_F(BrainStoreTest, BuiltinsWriteByteForByteAndReadBackIdentical) {
    fillBuiltins();
    arguments.setItem(0, "I hear you ");
    arguments.setItem(1, "What ever ");
    ASSERT_TRUE(store.SaveBrain().ok());
    EXPECT_EQ(file("listen"), builtinPhraseFile);
    EXPECT_EQ(file("commandi"), "I hear you \r\n\r\nWhat ever \r\n\r\nOk I will shut up\r\n\r\n"
                                "I hope I am sleepy\r\n\r\n");
    EXPECT_EQ(file("action"), "Speak\r\n\r\nSpeak\r\n\r\nSpeak\r\n\r\nSpeak\r\n\r\n");

    store.clearAllLists();
    ASSERT_TRUE(store.LoadBrain().ok());
    EXPECT_EQ(phrases.items(), (Strings{"zel listen", "stop listen", "stop speak", "go to sleep"}));
    EXPECT_EQ(arguments.items(),
              (Strings{"I hear you ", "What ever ", "Ok I will shut up", "I hope I am sleepy"}));
    EXPECT_EQ(editorPhrases.items(), phrases.items());
    EXPECT_EQ(editorArguments.items(), arguments.items());
    EXPECT_EQ(editorTypes.items(), types.items());
    EXPECT_EQ(recognizer.calls,
              (Strings{"deactivate", "load " + (folder / "listen").string(), "activate"}));
}

TEST_F(BrainStoreTest, ARefusedGrammarStillFillsTheListsAndReportsTheError) {
    writeBrain(builtinPhraseFile, "a\r\nb\r\nc\r\nd\r\n", "Speak\r\nSpeak\r\nSpeak\r\nSpeak\r\n");
    recognizer.refuseGrammar = true;
    const Status loaded = store.LoadBrain();
    EXPECT_FALSE(loaded.ok());
    EXPECT_EQ(phrases.count(), 4);
    EXPECT_EQ(editorPhrases.count(), 4);
    EXPECT_TRUE(store.maySeed()); // only the files decide; the watch sees a full phrase list
}

TEST_F(BrainStoreTest, AnEntryWithAnEmptyFieldIsSkippedWholeSoNoLaterEntryShifts) {
    BrainLists lists{phrases, arguments, types};
    lists.append("one", "1", "Speak");
    lists.append("two", "", "Speak");
    lists.append("", "3", "Speak");
    lists.append("four", "4", "");
    lists.append("five", "5", "Speak");
    ASSERT_TRUE(store.SaveBrain().ok());
    store.clearAllLists();
    ASSERT_TRUE(store.LoadBrain().ok());
    EXPECT_EQ(phrases.items(), (Strings{"one", "five"}));
    EXPECT_EQ(arguments.items(), (Strings{"1", "5"}));
    EXPECT_EQ(types.items(), (Strings{"Speak", "Speak"}));
}

TEST_F(BrainStoreTest, NoCharacterIsLostToTheCodePage) {
    BrainLists lists{phrases, arguments, types};
    const std::string french = "caf\xC3\xA9 cr\xC3\xA8me";
    const std::string japanese = "\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF";
    lists.append(french, japanese, "Speak");
    ASSERT_TRUE(store.SaveBrain().ok());
    EXPECT_NE(file("listen").find("caf\xE9 cr\xE8me"), std::string::npos); // Windows-1252 fits
    EXPECT_EQ(file("commandi"), japanese + "\r\n\r\n"); // UTF-8 where it does not
    store.clearAllLists();
    ASSERT_TRUE(store.LoadBrain().ok());
    EXPECT_EQ(phrases.items(), Strings{french});
    EXPECT_EQ(arguments.items(), Strings{japanese});
}

TEST_F(BrainStoreTest, ReadsAUtf16BrainSavedByATextEditor) {
    const std::string text = "\xFF\xFE" + std::string("h\0i\0\r\0\n\0", 8);
    writeBrain("<start>=hi\r\n", text, "Speak\r\n");
    ASSERT_TRUE(store.LoadBrain().ok());
    EXPECT_EQ(arguments.items(), Strings{"hi"});
}

TEST_F(BrainStoreTest, UnequalEntryCountsLoadAndOnlyWholeEntriesAreSavedAgain) {
    writeBrain("<start>=a\r\n<start>=b\r\n<start>=c\r\n", "1\r\n", "Speak\r\nSpeak\r\n");
    ASSERT_TRUE(store.LoadBrain().ok());
    EXPECT_EQ(phrases.count(), 3);
    EXPECT_EQ(arguments.count(), 1);
    EXPECT_EQ(types.count(), 2);
    ASSERT_TRUE(store.SaveBrain().ok());
    EXPECT_EQ(file("listen"), "[Grammer]\r\ntype=cfg\r\n[<start>]\r\n<start>=a\r\n\r\n");
    EXPECT_EQ(file("commandi"), "1\r\n\r\n");
}

TEST_F(BrainStoreTest, AFailedWriteLeavesTheOldFilesAndIsReported) {
    fillBuiltins();
    ASSERT_TRUE(store.SaveBrain().ok());
    const std::string oldListen = file("listen");
    const std::string oldCommandi = file("commandi");

    phrases.append(std::string(200, 'x'));
    arguments.append(std::string(5000, 'y'));
    types.append("Speak");
    // A file-size limit makes the write fail part way, as a full disk does.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status saved_ = store.SaveBrain();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved_.ok());
    EXPECT_EQ(file("listen"), oldListen);
    EXPECT_EQ(file("commandi"), oldCommandi);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_EQ(entry.path().filename().string().front() == '.', false) << entry.path();
}

TEST_F(BrainStoreTest, AFailedSaveKeepsTheChangeInMemoryAndTheEditorInStep) {
    fillBuiltins();
    store.createMissingFiles().ok();
    std::filesystem::remove(folder / "commandi");
    std::filesystem::create_directory(folder / "commandi"); // cannot be replaced by a file
    const Status done = store.saveAndReload();
    EXPECT_FALSE(done.ok());
    EXPECT_EQ(phrases.count(), 4);
    EXPECT_EQ(editorPhrases.items(), phrases.items());
    EXPECT_EQ(editorArguments.items(), arguments.items());
    EXPECT_EQ(editorTypes.items(), types.items());
}

TEST_F(BrainStoreTest, WhatCouldNotBeReadIsNeverWrittenOver) {
    TempFolder::write(folder / "listen", builtinPhraseFile);
    std::filesystem::create_directory(folder / "commandi");
    TempFolder::write(folder / "action", "Speak\r\n");
    EXPECT_FALSE(store.LoadBrain().ok());
    EXPECT_FALSE(store.maySeed());
    EXPECT_FALSE(store.SaveBrain().ok());
    EXPECT_EQ(file("listen"), builtinPhraseFile);
}

TEST_F(BrainStoreTest, LoadsAtMostTheBrainsLimitAndNeverShortensTheFilesAtExit) {
    std::string listen = "[Grammer]\r\ntype=cfg\r\n[<start>]\r\n";
    std::string values;
    std::string kinds;
    for (int i = 0; i < 32770; ++i) {
        listen += "<start>=p" + std::to_string(i) + "\r\n";
        values += "a" + std::to_string(i) + "\r\n\r\n";
        kinds += "Speak\r\n\r\n";
    }
    writeBrain(listen, values, kinds);
    ASSERT_TRUE(store.LoadBrain().ok());
    EXPECT_EQ(phrases.count(), 32767);
    EXPECT_EQ(arguments.item(32766), "a32766");
    EXPECT_TRUE(store.lastLoadTruncated());
    ASSERT_TRUE(store.saveAtShutdown().ok());
    EXPECT_EQ(file("listen"), listen);
}

TEST_F(BrainStoreTest, KeepsACopyOfNonEmptyFiles) {
    writeBrain("junk", "", "more junk");
    ASSERT_TRUE(store.backupFiles().ok());
    EXPECT_EQ(file("listen.bak"), "junk");
    EXPECT_FALSE(std::filesystem::exists(folder / "commandi.bak"));
    EXPECT_EQ(file("action.bak"), "more junk");
}

TEST_F(BrainStoreTest, ABrainFileKeptThroughALinkStaysALink) {
    TempFolder elsewhere;
    TempFolder::write(elsewhere / "listen", "");
    std::filesystem::create_symlink(elsewhere / "listen", folder / "listen");
    fillBuiltins();
    ASSERT_TRUE(store.SaveBrain().ok());
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "listen"));
    EXPECT_EQ(TempFolder::read(elsewhere / "listen"), builtinPhraseFile);
}

TEST_F(BrainStoreTest, LeavingWithoutAChangeKeepsTheFilesAsTheyAre) {
    writeBrain("<start>=a\n<start>=b\n", "1\n2\n", "Speak\nSpeak\n"); // a hand-edited brain
    ASSERT_TRUE(store.LoadBrain().ok());
    TempFolder::write(folder / "commandi", "one\ntwo\n"); // edited again while the program runs
    ASSERT_TRUE(store.saveAtShutdown().ok());
    EXPECT_EQ(file("listen"), "<start>=a\n<start>=b\n");
    EXPECT_EQ(file("commandi"), "one\ntwo\n");

    arguments.setItem(1, "changed"); // a change that could not be saved when it was made
    ASSERT_TRUE(store.saveAtShutdown().ok());
    EXPECT_EQ(file("commandi"), "1\r\n\r\nchanged\r\n\r\n");
}

TEST_F(BrainStoreTest, SavingOverIncompleteEntriesKeepsTheOldFilesBeside) {
    writeBrain("<start>=a\r\n<start>=b\r\n<start>=c\r\n", "1\r\n",
               "Speak\r\nSpeak\r\nRead\r\nOpen\r\n");
    ASSERT_TRUE(store.LoadBrain().ok());
    ASSERT_TRUE(store.SaveBrain().ok());
    EXPECT_EQ(file("listen.bak"), "<start>=a\r\n<start>=b\r\n<start>=c\r\n");
    EXPECT_EQ(file("action.bak"), "Speak\r\nSpeak\r\nRead\r\nOpen\r\n");
    EXPECT_EQ(file("action"), "Speak\r\n\r\n");
}
