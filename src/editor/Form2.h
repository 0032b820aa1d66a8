#pragma once

#include "ListWidgetEntryList.h"
#include "brain/BrainLists.h"
#include "core/Timer.h"

#include <QWidget>

class Form1;
class QLineEdit;
class QListWidget;
class Scheduler;

// The brain editor: a card that shows the brain's phrases on its front and composes new entries
// on its back. It keeps three mirror lists of the brain and watches for an empty brain.
class Form2 final : public QWidget {
    Q_OBJECT
public:
    Form2(Form1& main, Scheduler& scheduler);
    ~Form2() override;

    void load();
    void unload();
    void showEditor();

    BrainLists brainLists() { return BrainLists{phraseList_, argumentList_, typeList_}; }

    // phrase list, type list, argument list
    QListWidget* const List1;
    QListWidget* const List2;
    QListWidget* const List3;
    // the add page's phrase and argument fields
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text3 = nullptr;

    Timer Timer1;
    Timer Timer3;

private:
    void onTimer1();
    bool seedDefaultBrain();

    Form1& main_;
    ListWidgetEntryList phraseList_;
    ListWidgetEntryList typeList_;
    ListWidgetEntryList argumentList_;
};
