#pragma once

#include "app/messages.h"

class QWidget;

namespace velmora::ui {

// Message boxes as modal Qt boxes with one OK button.
class QtMessages final : public Messages {
public:
    explicit QtMessages(QWidget* parent) : parent_(parent) { }
    void show(std::string_view text, std::string_view title, MessageIcon icon) override;

private:
    QWidget* parent_;
};

} // namespace velmora::ui
