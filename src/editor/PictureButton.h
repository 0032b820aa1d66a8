#pragma once

#include <QLabel>

// A picture with a caption centred on it; a click on either is the button's click.
class PictureButton final : public QLabel {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, const char* name, const char* captionName, const QString& text,
                  const QPixmap& face);

    QLabel* caption() const { return caption_; }

signals:
    void clicked();
    void pressed();

protected:
    void mousePressEvent(class QMouseEvent* event) override;
    void mouseReleaseEvent(class QMouseEvent* event) override;

private:
    QLabel* caption_;
};
