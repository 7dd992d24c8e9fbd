#pragma once

#include "calc/fields.h"

#include <QHash>
#include <QMainWindow>

#include <memory>

namespace velmora::ui {
class WidgetFields;
}

// The main window: the input and result fields, the buttons and the menus.
// It wires user actions to the core; it computes nothing itself.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Messages go to `messages`, or to modal message boxes when none is given.
    explicit Form1(std::unique_ptr<velmora::Messages> messages = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    QWidget* clientArea() const { return clientArea_; }

private:
    void buildMenus();
    void setTabOrder();

    void Command1_Click(); // CALCOLA
    void Command2_Click(); // RESET
    void Command3_Click(); // ESCI
    void Command4_Click(); // Salva Calcolo
    void mnuStampa_Click();
    void mnuChiudi_Click();
    void mnuProdotto_Click();
    void mnuAiuto_Click();

    QWidget* clientArea_;
    QHash<QString, QWidget*> controls_;
    std::unique_ptr<velmora::ui::WidgetFields> fields_;
    std::unique_ptr<velmora::Messages> messages_;
};
