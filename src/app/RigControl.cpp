#include "app/RigControl.h"

#include <QStatusBar>

#include <exception>
#include <utility>

#include "app/CMainFrame.h"
#include "app/RigSettingsFile.h"
#include "app/StatusPane.h"
#include "widgets/ZofarMessageBox.h"
#include "rig/CRigConnectionDlg.h"

namespace zofar {

namespace {

// Wide enough for the usual states; a longer text (a failure) is cut with a mark, and the status
// line has it whole.
constexpr std::string_view kPaneSizingText = "Rig: no rig server at 127.0.0.1:65535";
constexpr int kPaneMargin = 8;

}  // namespace

RigControl::RigControl(CMainFrame& frame, std::string settingsFile, std::function<std::string()> linkName,
                       QString bridgeProgram)
    : frame_(frame),
      settingsFile_(std::move(settingsFile)),
      linkName_(std::move(linkName)),
      modelSource_(ListHamlibModels),
      supervisor_(std::move(bridgeProgram)) {
    pane_ = new StatusPane(frame_.statusBar());
    pane_->setObjectName(QStringLiteral("paneRig"));
    pane_->setTextFormat(Qt::PlainText);
    pane_->setFixedWidth(
        pane_->fontMetrics().horizontalAdvance(QString::fromUtf8(kPaneSizingText.data(), kPaneSizingText.size())) +
        kPaneMargin);
    frame_.AddStatusPane(pane_);
    connect(&supervisor_, &RigSupervisor::StatusChanged, this, &RigControl::ShowStatus);
    connect(&supervisor_, &RigSupervisor::StatusLine, this,
            [this](const QString& line) { frame_.ShowStatusMessage(line.toStdString()); });
    ShowStatus();
    frame_.SetProgramCommand(CommandId::RigConnection, [this] { RunDialog(); });
    frame_.SetProgramCommand(CommandId::RigConnect, [this] { Toggle(); });
    frame_.SetRigConnectionQuery([this] { return IsOn(); });
}

RigControl::~RigControl() {
    // The children end here, while the window that would show their end is still whole.
    disconnect(&supervisor_, nullptr, this, nullptr);
    supervisor_.Stop();
    frame_.SetProgramCommand(CommandId::RigConnection, nullptr);
    frame_.SetProgramCommand(CommandId::RigConnect, nullptr);
    frame_.SetRigConnectionQuery(nullptr);
}

void RigControl::StartWithProgram() {
    const RigSettings settings = LoadRigSettingsFile(settingsFile_);
    if (settings.connect) SwitchOn(settings);
}

void RigControl::RunDialog() {
    const std::optional<RigSettings> settings =
        CRigConnectionDlg::Run(&frame_, LoadRigSettingsFile(settingsFile_), modelSource_);
    if (!settings) return;
    if (!SaveRigSettingsFile(settingsFile_, *settings)) {
        ZofarMessageBox::Show(&frame_, "The rig connection could not be saved in \"" + settingsFile_ + "\".");
    }
    if (IsOn() || settings->connect) SwitchOn(*settings);
}

void RigControl::Toggle() {
    if (IsOn()) {
        supervisor_.Stop();
    } else {
        SwitchOn(LoadRigSettingsFile(settingsFile_));
    }
}

void RigControl::SwitchOn(const RigSettings& settings) { supervisor_.Start(settings, linkName_()); }

void RigControl::ShowStatus() {
    const RigStatus& status = supervisor_.Status();
    pane_->SetFullText(QString::fromStdString(status.PaneText()));
    pane_->setToolTip(QString::fromStdString(status.ToolTip()));
    // The toggle's check mark follows the connection at once, not at the next clock tick.
    frame_.RefreshStatus();
}

}  // namespace zofar
