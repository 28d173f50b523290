// A label that is never shown and exists only to carry a value in its caption.
#pragma once

#include <QLabel>

class HiddenLabel : public QLabel {
    Q_OBJECT

  public:
    explicit HiddenLabel(const QString& text, QWidget* parent = nullptr) : QLabel(text, parent) {
        hide();
    }
};
