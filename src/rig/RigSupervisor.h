#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTimer>

#include <memory>
#include <string>

#include "rig/BridgeSupervision.h"
#include "rig/RigSettings.h"
#include "rig/RigStatus.h"

namespace zofar {

/// Runs the rig bridge for the window, and rigctld before it when the settings ask for it:
/// starts them, starts again whichever of them ends (after RestartBackoff's pause), reads the
/// bridge's state reports into a RigStatus, and stops both when switched off or destroyed.
/// Each child gets SIGTERM when ZOFAR itself ends, however it ends.
class RigSupervisor : public QObject {
    Q_OBJECT
public:
    /// `bridgeProgram` is the full path of zofar-rig; `rigctldProgram` is looked up in PATH
    /// unless it holds a '/'.
    explicit RigSupervisor(QString bridgeProgram, QString rigctldProgram = QStringLiteral("rigctld"),
                           QObject* parent = nullptr);
    /// Stops both programs.
    ~RigSupervisor() override;

    /// Switches the connection on with `settings`, the bridge going by `linkName` on the link;
    /// a connection already on is stopped first.
    void Start(const RigSettings& settings, const std::string& linkName);
    /// Switches the connection off: the bridge, then rigctld, get SIGTERM and, when they have
    /// not ended within a moment, SIGKILL. Returns once both have ended.
    void Stop();
    bool IsOn() const { return on_; }

    const RigStatus& Status() const { return status_; }
    /// The children's process ids, 0 for one that does not run (for tests and the log).
    qint64 BridgePid() const;
    qint64 RigctldPid() const;
    /// The environment the children start with (the process's own by default).
    void SetEnvironment(const QProcessEnvironment& environment) { environment_ = environment; }

signals:
    /// The pane's text or tip changed.
    void StatusChanged();
    /// A line for the status bar's message pane.
    void StatusLine(const QString& text);

private:
    std::unique_ptr<QProcess> MakeProcess(const QString& program, const std::vector<std::string>& args);
    void StartMissing();
    void OnBridgeOutput();
    void OnBridgeErrors();
    void OnRigctldErrors();
    void ReadReports();
    void OnEnded(QProcess* process);
    /// Notes how the ended `process` failed and schedules its restart.
    void Restart(QProcess* process);
    void ScheduleRestart(std::chrono::milliseconds lastRun);
    void Show(const std::optional<std::string>& line);
    static void End(std::unique_ptr<QProcess>& process);

    QString bridgeProgram_;
    QString rigctldProgram_;
    QProcessEnvironment environment_;
    bool on_ = false;
    RigSettings settings_;
    std::string linkName_;
    RigStatus status_;
    RestartBackoff backoff_;
    QTimer restartTimer_;
    QElapsedTimer bridgeRun_;
    QElapsedTimer rigctldRun_;
    std::unique_ptr<QProcess> bridge_;
    std::unique_ptr<QProcess> rigctld_;
    QByteArray bridgeOutput_;
    QString bridgeLastError_;
    QString rigctldLastError_;
};

}  // namespace zofar
