#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "rig/RigModelList.h"
#include "rig/RigSupervisor.h"

namespace zofar {

class CMainFrame;
class StatusPane;

/// The rig connection in the window: the Receiver menu's "Rig connection..." dialog and
/// "Connect to the rig" toggle, the status bar's rig pane, and the supervisor that runs the
/// bridge. The settings live in the settings file's "Rig" section.
class RigControl : public QObject {
    Q_OBJECT
public:
    /// `frame` must outlive this. `linkName` gives the receiver program name the document looks
    /// for, which the bridge takes on the link. `bridgeProgram` is zofar-rig's full path.
    RigControl(CMainFrame& frame, std::string settingsFile, std::function<std::string()> linkName,
               QString bridgeProgram);
    ~RigControl() override;

    /// Switches the connection on when the settings ask for it at start-up.
    void StartWithProgram();
    void RunDialog();
    /// Switches the connection on or off.
    void Toggle();
    bool IsOn() const { return supervisor_.IsOn(); }

    RigSupervisor& Supervisor() { return supervisor_; }
    StatusPane* Pane() const { return pane_; }
    /// Replaces where the dialog's rig models come from (tests use it).
    void SetModelSource(std::function<std::vector<RigModel>()> source) { modelSource_ = std::move(source); }

private:
    void SwitchOn(const RigSettings& settings);
    void ShowStatus();

    CMainFrame& frame_;
    std::string settingsFile_;
    std::function<std::string()> linkName_;
    std::function<std::vector<RigModel>()> modelSource_;
    RigSupervisor supervisor_;
    StatusPane* pane_ = nullptr;
};

}  // namespace zofar
