#pragma once

#include "app/messages.h"
#include "sysinfo/sys_info.h"

#include <QDialog>

#include <memory>

// The About window: title, version and the "System Info..." button.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    struct Services {
        std::unique_ptr<velmora::sysinfo::Registry> registry;
        std::unique_ptr<velmora::sysinfo::Launcher> launcher;
        std::unique_ptr<velmora::Messages> messages; // message boxes when empty
    };
    // The platform's registry and launcher.
    static Services systemServices();

    explicit frmAbout(Services services = systemServices());
    ~frmAbout() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    Services services_;
};
