#include "qt_messages.h"

#include "utf8.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace velmora::ui {

namespace {
QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtMessages::show(std::string_view text, std::string_view title, MessageIcon icon)
{
    QMessageBox box(toQt(icon), toQString(title), toQString(text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setIcon(QIcon()); // a plain OK, whatever the style adds
    box.exec();
}

} // namespace velmora::ui
