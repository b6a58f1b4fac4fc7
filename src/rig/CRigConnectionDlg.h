#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

#include "rig/RigModelList.h"
#include "rig/RigSettings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;

namespace zofar {

/// "ZOFAR  Rig Connection": the rig server the bridge talks to, with presets for the usual
/// servers, the poll interval, whether to connect at start-up, and the rigctld ZOFAR may start
/// (the model chosen from Hamlib's list through a filter, the serial device and speed). OK
/// checks the fields with CheckRigSettings; a refusal names the field and gives it the focus.
class CRigConnectionDlg : public QDialog {
    Q_OBJECT
public:
    /// Gives Hamlib's rig models; asked once, when the rigctld part is first switched on.
    using ModelSource = std::function<std::vector<RigModel>()>;

    CRigConnectionDlg(const RigSettings& settings, ModelSource models, QWidget* parent = nullptr);

    /// Runs the dialog; the checked settings on OK, nothing on Cancel or close.
    static std::optional<RigSettings> Run(QWidget* parent, const RigSettings& settings, ModelSource models);

    /// The settings OK accepted.
    const RigSettings& Result() const { return result_; }

    QComboBox* Preset() const { return preset_; }
    QLineEdit* Host() const { return host_; }
    QLineEdit* Port() const { return port_; }
    QLineEdit* PollMs() const { return pollMs_; }
    QCheckBox* Connect() const { return connect_; }
    QCheckBox* StartRigctld() const { return startRigctld_; }
    QLineEdit* Filter() const { return filter_; }
    QListWidget* Models() const { return models_; }
    QLineEdit* Model() const { return model_; }
    QLineEdit* Device() const { return device_; }
    QLineEdit* Speed() const { return speed_; }

    void accept() override;

private:
    void LoadModels();
    void ShowMatchingModels();
    void UpdateRigctldPart();
    QWidget* FieldWidget(RigSettingsField field) const;

    ModelSource modelSource_;
    std::vector<RigModel> allModels_;
    bool modelsLoaded_ = false;
    RigSettings result_;

    QComboBox* preset_ = nullptr;
    QLineEdit* host_ = nullptr;
    QLineEdit* port_ = nullptr;
    QLineEdit* pollMs_ = nullptr;
    QCheckBox* connect_ = nullptr;
    QCheckBox* startRigctld_ = nullptr;
    QGroupBox* rigctldPart_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QListWidget* models_ = nullptr;
    QLineEdit* model_ = nullptr;
    QLineEdit* device_ = nullptr;
    QLineEdit* speed_ = nullptr;
};

/// Hamlib's models as `rigctl -l` lists them; empty when rigctl cannot be run or gives nothing
/// within a few seconds.
std::vector<RigModel> ListHamlibModels();

}  // namespace zofar
