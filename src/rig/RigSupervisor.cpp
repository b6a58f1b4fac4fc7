#include "rig/RigSupervisor.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <exception>
#include <utility>

#include "rig/RigStateReport.h"

namespace zofar {

namespace {

// A child that does not end within this after SIGTERM is killed.
constexpr int kEndWaitMs = 2000;
// A report line is a few words; anything longer is not from the bridge and is dropped.
constexpr qsizetype kMaxReportLine = 256;
constexpr qsizetype kMaxErrorLine = 400;

QString LastLine(const QByteArray& bytes) {
    const QList<QByteArray> lines = bytes.trimmed().split('\n');
    QString line = QString::fromUtf8(lines.isEmpty() ? QByteArray() : lines.last()).trimmed();
    if (line.startsWith(QStringLiteral("zofar-rig: "))) line.remove(0, 11);
    return line.left(kMaxErrorLine);
}

}  // namespace

RigSupervisor::RigSupervisor(QString bridgeProgram, QString rigctldProgram, QObject* parent)
    : QObject(parent),
      bridgeProgram_(std::move(bridgeProgram)),
      rigctldProgram_(std::move(rigctldProgram)),
      environment_(QProcessEnvironment::systemEnvironment()) {
    restartTimer_.setSingleShot(true);
    connect(&restartTimer_, &QTimer::timeout, this, [this] { StartMissing(); });
}

RigSupervisor::~RigSupervisor() { Stop(); }

qint64 RigSupervisor::BridgePid() const { return bridge_ ? bridge_->processId() : 0; }

qint64 RigSupervisor::RigctldPid() const { return rigctld_ ? rigctld_->processId() : 0; }

void RigSupervisor::Start(const RigSettings& settings, const std::string& linkName) {
    Stop();
    on_ = true;
    settings_ = settings;
    linkName_ = linkName;
    status_ = RigStatus(settings_, linkName_);
    backoff_.Reset();
    StartMissing();
    emit StatusChanged();
}

void RigSupervisor::Stop() {
    const bool wasOn = on_;
    on_ = false;
    restartTimer_.stop();
    // The bridge goes first: it would only report the missing rig server otherwise.
    End(bridge_);
    End(rigctld_);
    bridgeOutput_.clear();
    if (wasOn) {
        status_.NotConnected();
        emit StatusChanged();
    }
}

void RigSupervisor::End(std::unique_ptr<QProcess>& process) {
    if (!process) return;
    process->disconnect();
    if (process->state() != QProcess::NotRunning) {
        process->terminate();
        if (!process->waitForFinished(kEndWaitMs)) {
            process->kill();
            process->waitForFinished(kEndWaitMs);
        }
    }
    process.reset();
}

std::unique_ptr<QProcess> RigSupervisor::MakeProcess(const QString& program, const std::vector<std::string>& args) {
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    QStringList arguments;
    for (const std::string& arg : args) arguments.append(QString::fromStdString(arg));
    process->setArguments(arguments);
    process->setProcessEnvironment(environment_);
    const pid_t zofar = ::getpid();
    process->setChildProcessModifier([zofar] {
        // Only async-signal-safe calls here: this runs in the child between fork and exec.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // ZOFAR may have ended before the line above took effect.
        if (::getppid() != zofar) ::_exit(1);
    });
    return process;
}

void RigSupervisor::StartMissing() {
    if (!on_) return;
    try {
        if (settings_.startRigctld && !rigctld_) {
            rigctld_ = MakeProcess(rigctldProgram_, RigctldArguments(settings_));
            QProcess* process = rigctld_.get();
            process->setStandardOutputFile(QProcess::nullDevice());
            rigctldLastError_.clear();
            connect(process, &QProcess::readyReadStandardError, this, &RigSupervisor::OnRigctldErrors);
            connect(process, &QProcess::finished, this, [this, process] { OnEnded(process); });
            connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart) OnEnded(process);
            });
            rigctldRun_.start();
            process->start();
        }
        if (!bridge_) {
            bridge_ = MakeProcess(bridgeProgram_, BridgeArguments(settings_, linkName_));
            QProcess* process = bridge_.get();
            bridgeLastError_.clear();
            connect(process, &QProcess::readyReadStandardOutput, this, &RigSupervisor::OnBridgeOutput);
            connect(process, &QProcess::readyReadStandardError, this, &RigSupervisor::OnBridgeErrors);
            connect(process, &QProcess::finished, this, [this, process] { OnEnded(process); });
            connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart) OnEnded(process);
            });
            bridgeRun_.start();
            process->start();
        }
    } catch (const std::exception&) {
        // A process that could not be set up is tried again after the next pause.
        ScheduleRestart(std::chrono::milliseconds(0));
    }
}

void RigSupervisor::OnBridgeOutput() {
    if (!bridge_) return;
    try {
        ReadReports();
    } catch (const std::exception&) {
        // What could not be read is dropped; the bridge's next report comes by itself.
        bridgeOutput_.clear();
    }
}

void RigSupervisor::ReadReports() {
    bridgeOutput_ += bridge_->readAllStandardOutput();
    qsizetype end = 0;
    while ((end = bridgeOutput_.indexOf('\n')) >= 0) {
        const QByteArray line = bridgeOutput_.left(end);
        bridgeOutput_.remove(0, end + 1);
        if (line.size() > kMaxReportLine) continue;
        if (const auto report =
                ParseRigStateReport(std::string_view(line.constData(), static_cast<std::size_t>(line.size())))) {
            Show(status_.Apply(*report));
            emit StatusChanged();
        }
    }
    if (bridgeOutput_.size() > kMaxReportLine) bridgeOutput_.clear();
}

void RigSupervisor::OnBridgeErrors() {
    if (!bridge_) return;
    const QString line = LastLine(bridge_->readAllStandardError());
    if (!line.isEmpty()) bridgeLastError_ = line;
}

void RigSupervisor::OnRigctldErrors() {
    if (!rigctld_) return;
    const QString line = LastLine(rigctld_->readAllStandardError());
    if (!line.isEmpty()) rigctldLastError_ = line;
}

void RigSupervisor::OnEnded(QProcess* process) {
    try {
        Restart(process);
    } catch (const std::exception&) {
        // The pane keeps its last text; the restart still comes.
        ScheduleRestart(std::chrono::milliseconds(0));
    }
}

void RigSupervisor::Restart(QProcess* process) {
    if (!on_) return;
    std::string failure;
    std::chrono::milliseconds ran{0};
    if (process == bridge_.get()) {
        OnBridgeErrors();
        ran = std::chrono::milliseconds(bridgeRun_.elapsed());
        if (process->error() == QProcess::FailedToStart) {
            failure = "zofar-rig cannot be started: " + process->errorString().toStdString();
        } else if (process->exitStatus() == QProcess::NormalExit && process->exitCode() != 0 &&
                   !bridgeLastError_.isEmpty()) {
            failure = "the bridge stopped: " + bridgeLastError_.toStdString();
        } else {
            failure = "the bridge stopped unexpectedly";
        }
        // Deleted later: this runs inside one of the process's own signals.
        bridge_.release()->deleteLater();
        bridgeOutput_.clear();
    } else if (process == rigctld_.get()) {
        ran = std::chrono::milliseconds(rigctldRun_.elapsed());
        OnRigctldErrors();
        const QString why = process->error() == QProcess::FailedToStart ? process->errorString() : rigctldLastError_;
        failure = "rigctld stopped" + (why.isEmpty() ? std::string() : ": " + why.toStdString());
        rigctld_.release()->deleteLater();
    } else {
        return;
    }
    Show(status_.Failed(failure));
    emit StatusChanged();
    ScheduleRestart(ran);
}

void RigSupervisor::ScheduleRestart(std::chrono::milliseconds lastRun) {
    if (!on_ || restartTimer_.isActive()) return;
    restartTimer_.start(backoff_.NextPause(lastRun));
}

void RigSupervisor::Show(const std::optional<std::string>& line) {
    if (line) emit StatusLine(QString::fromStdString(*line));
}

}  // namespace zofar
