#pragma once

#include <QWidget>
#include <string>

class QLabel;

// The speech bubble that hangs above the character and shows what it says.
class bubble final : public QWidget {
    Q_OBJECT
public:
    bubble();
    ~bubble() override;

    void load();
    void setText(const std::string& text);
    std::string text() const;

    QLabel* Label1 = nullptr;
};
