#include "widget_fields.h"

#include "control_factory.h"

#include "utf8.h"

#include <QLabel>
#include <QLineEdit>

namespace velmora::ui {

WidgetFields::WidgetFields(const QHash<QString, QWidget*>& controls)
{
    for (auto it = controls.cbegin(); it != controls.cend(); ++it) {
        if (auto* field = qobject_cast<QLineEdit*>(it.value()))
            fields_.insert(it.key(), field);
        else if (auto* label = qobject_cast<QLabel*>(it.value()))
            labels_.insert(it.key(), label);
    }
}

QLineEdit* WidgetFields::field(std::string_view name) const
{
    QLineEdit* field = fields_.value(toQString(name));
    Q_ASSERT_X(field, "WidgetFields", "no text field of that name");
    return field;
}

std::string WidgetFields::text(std::string_view control) const
{
    return field(control)->text().toStdString();
}

void WidgetFields::setText(std::string_view control, std::string_view text)
{
    QLineEdit* widget = field(control);
    widget->setText(toQString(text));
    widget->setCursorPosition(0); // a value too long for its field shows its first digits
}

std::string WidgetFields::caption(std::string_view label) const
{
    const QLabel* widget = labels_.value(toQString(label));
    Q_ASSERT_X(widget, "WidgetFields", "no label of that name");
    const QVariant designed = widget->property(kDesignCaption);
    return (designed.isValid() ? designed.toString() : widget->text()).toStdString();
}

} // namespace velmora::ui
