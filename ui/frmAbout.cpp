#include "frmAbout.h"

#include "app/app_identity.h"
#include "control_factory.h"
#include "fixed_dialog.h"
#include "qt_messages.h"
#include "sysinfo/qt_launcher.h"
#include "sysinfo/registry_backend.h"
#include "utf8.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

using namespace velmora;

namespace {
QLabel* addLabel(QWidget* parent, const char* name, QRect geometry, bool blackText)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (blackText) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
    return label;
}
} // namespace

frmAbout::Services frmAbout::systemServices()
{
    return {sysinfo::systemRegistry(), std::make_unique<sysinfo::QtLauncher>(), nullptr};
}

frmAbout::frmAbout(Services services) : services_(std::move(services))
{
    setObjectName(QStringLiteral("frmAbout"));
    ui::makeFixedDialog(*this, QSize(401, 253), QPoint(156, 129));
    if (!services_.messages)
        services_.messages = std::make_unique<ui::QtMessages>(this);
    // The classic 8-point dialog font the window was laid out for.
    setFont(ui::fontFor({ui::Face::MsSansSerif, 8}));

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(ui::pixelRect(480, 120, 540, 540));
    picIcon->setFrameShape(QFrame::Box);
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(QPixmap(QStringLiteral(":/icons/icon.png")));

    addLabel(this, "lblTitle", ui::pixelRect(1050, 240, 3885, 480), true);
    addLabel(this, "lblVersion", ui::pixelRect(1050, 780, 3885, 465), false);
    addLabel(this, "lblDescription", ui::pixelRect(1050, 1485, 3885, 810), true);
    addLabel(this, "lblDisclaimer", ui::pixelRect(255, 2625, 3870, 825), true);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(ui::pixelRect(4245, 2625, 1260, 345));
    cmdOK->setDefault(true); // Enter, unless another button has the focus; Esc rejects the dialog, which closes it
    auto* cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(ui::pixelRect(4260, 3075, 1245, 345));
    setTabOrder(cmdOK, cmdSysInfo);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(this, &QDialog::rejected, this, &QWidget::close);
    Form_Load();
    cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    const QString title = ui::toQString(kAppTitle);
    setWindowTitle(QStringLiteral("Informazioni su ") + title);
    findChild<QLabel*>(QStringLiteral("lblVersion"))
        ->setText(QStringLiteral("Versione %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    findChild<QLabel*>(QStringLiteral("lblTitle"))->setText(title);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    sysinfo::StartSysInfo(*services_.registry, *services_.launcher, *services_.messages);
}

// The etched separator: a grey line over a white one.
void frmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(6, 163), QPoint(376, 163)), QColor(128, 128, 128));
    painter.fillRect(QRect(QPoint(7, 164), QPoint(376, 165)), Qt::white);
}
