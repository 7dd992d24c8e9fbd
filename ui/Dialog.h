#pragma once

#include <QWidget>

// The help window: four paragraphs of help on a white ground. It has no
// owner, so several can be open at once, each closed on its own.
class Dialog : public QWidget {
    Q_OBJECT
public:
    Dialog();
};
