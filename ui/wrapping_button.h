#pragma once

#include <QPushButton>

namespace velmora::ui {

// A push button whose caption wraps onto several lines when it does not fit
// on one, centred, as captions longer than their button always have; Enter
// presses it when it has the focus, as Space does.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace velmora::ui
