#pragma once

#include "calc/fields.h"

#include <QHash>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace velmora::ui {

// The window's text fields and labels, reached by object name.
class WidgetFields final : public Fields {
public:
    explicit WidgetFields(const QHash<QString, QWidget*>& controls);

    std::string text(std::string_view control) const override;
    void setText(std::string_view control, std::string_view text) override;
    std::string caption(std::string_view label) const override;

private:
    QLineEdit* field(std::string_view name) const;
    QHash<QString, QLineEdit*> fields_;
    QHash<QString, QLabel*> labels_;
};

} // namespace velmora::ui
