#pragma once

#include <QTest>
#include <QWidget>

// A page's child by its object name; the test stops when it is missing.
template <typename Widget> Widget* child(QWidget* page, const char* name)
{
    auto* widget = page->findChild<Widget*>(QString::fromUtf8(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}
