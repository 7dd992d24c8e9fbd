#pragma once

#include "app/messages.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <string>
#include <string_view>

class PlannerWindow;
class QLineEdit;

namespace velmora {
struct CameraEntry;
struct TelescopeEntry;
} // namespace velmora

// The main window: the input and result fields, the buttons and the menus.
// It wires user actions to the core and shows what the core returns; it
// computes nothing itself.
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

    QLineEdit* field(std::string_view name) const;
    std::string fieldText(std::string_view name) const;
    void setFieldText(std::string_view name, std::string_view text);
    void applyTelescope(const velmora::TelescopeEntry& telescope);
    void applyCamera(const velmora::CameraEntry& camera);

    void Command1_Click(); // CALCOLA
    void Command2_Click(); // RESET
    void Command3_Click(); // ESCI
    void Command4_Click(); // Salva Calcolo
    void mnuStampa_Click();
    void mnuChiudi_Click();
    void mnuProdotto_Click();
    void mnuAiuto_Click();
    void mnuPianificazione_Click();

    QWidget* clientArea_;
    QHash<QString, QWidget*> controls_;
    std::unique_ptr<velmora::Messages> messages_;
    QPointer<PlannerWindow> planner_; // made when first asked for, so that nothing of it loads before
};
