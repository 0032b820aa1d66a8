#include "Form2.h"

#include "brain/BuiltinEntries.h"
#include "core/Log.h"
#include "shell/Form1.h"

#include <QLineEdit>
#include <QListWidget>

Form2::Form2(Form1& main, Scheduler& scheduler)
    : List1(new QListWidget(this))
    , List2(new QListWidget(this))
    , List3(new QListWidget(this))
    , Timer1(scheduler, "Form2.Timer1", 1, [this] { onTimer1(); })
    , Timer3(scheduler, "Form2.Timer3", 10, Timer::Upkeep{}, [this] { return seedDefaultBrain(); })
    , main_(main)
    , phraseList_(*List1)
    , typeList_(*List2)
    , argumentList_(*List3)
{
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("Edit Brain"));
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    setFixedSize(287, 389);
    List1->setObjectName("List1");
    List2->setObjectName("List2");
    List3->setObjectName("List3");
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text3 = new QLineEdit(this);
    Text3->setObjectName("Text3");
}

Form2::~Form2() = default;

void Form2::load()
{
    Timer1.start();
    Timer3.start();
}

void Form2::unload() {}

void Form2::showEditor() { show(); }

void Form2::onTimer1()
{
    hide();
    Timer1.stop();
}

bool Form2::seedDefaultBrain()
{
    if (List1->count() > 0)
        return false;
    BrainStore& brain = main_.brain();
    // Seeding must never replace what could not be read, nor a brain nobody kept a copy of.
    if (!brain.maySeed()) {
        Log::warningOnce("seed-unreadable", "the brain could not be read; the default brain is "
                                            "not written over it");
        return false;
    }
    const Status kept = brain.backupFiles();
    if (!kept) {
        Log::reportOnce("keeping a copy of the brain before the default brain replaces it", kept);
        return false;
    }
    BrainLists& mainLists = brain.mainLists();
    for (const auto& entry : Builtin::entries) {
        mainLists.append(std::string(entry.phrase), std::string(entry.argument),
                         std::string(entry.type));
        phraseList_.append(std::string(entry.phrase));
        typeList_.append(std::string(entry.type));
    }
    main_.saveAndReload();
    Text1->clear();
    Text3->clear();
    return true;
}
