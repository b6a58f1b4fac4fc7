#include "rig/CRigConnectionDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QVBoxLayout>

#include <utility>
#include <variant>

#include "widgets/ZofarMessageBox.h"

namespace zofar {

namespace {

constexpr int kListWaitMs = 5000;
// rigctl -l lists a few hundred models in some 30 KiB; more is not a model list.
constexpr qint64 kMaxListBytes = 1024 * 1024;

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QLineEdit* AddField(QFormLayout* form, const QString& label, const std::string& value, const char* name) {
    auto* edit = new QLineEdit(QString::fromStdString(value));
    edit->setObjectName(QLatin1String(name));
    form->addRow(label, edit);
    return edit;
}

}  // namespace

std::vector<RigModel> ListHamlibModels() {
    QProcess rigctl;
    rigctl.setStandardErrorFile(QProcess::nullDevice());
    rigctl.start(QStringLiteral("rigctl"), {QStringLiteral("-l")});
    if (!rigctl.waitForStarted(kListWaitMs)) return {};
    if (!rigctl.waitForFinished(kListWaitMs)) {
        rigctl.kill();
        rigctl.waitForFinished(kListWaitMs);
        return {};
    }
    const QByteArray bytes = rigctl.read(kMaxListBytes);
    return ParseRigModelList(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

CRigConnectionDlg::CRigConnectionDlg(const RigSettings& settings, ModelSource models, QWidget* parent)
    : QDialog(parent), modelSource_(std::move(models)), result_(settings) {
    setWindowTitle(QStringLiteral("ZOFAR  Rig Connection"));
    const RigSettingsInput input = RigSettingsToInput(settings);

    auto* server = new QGroupBox(QStringLiteral("Rig server"), this);
    auto* serverForm = new QFormLayout(server);
    preset_ = new QComboBox(server);
    preset_->setObjectName(QStringLiteral("rigPreset"));
    preset_->addItem(QStringLiteral("(choose to set the port)"));
    for (const RigServerPreset& preset : kRigServerPresets) {
        preset_->addItem(Text(preset.name) + QStringLiteral(" (port %1)").arg(preset.port), preset.port);
    }
    serverForm->addRow(QStringLiteral("P&reset:"), preset_);
    host_ = AddField(serverForm, QStringLiteral("&Host:"), input.host, "rigHost");
    port_ = AddField(serverForm, QStringLiteral("P&ort:"), input.port, "rigPort");
    pollMs_ = AddField(serverForm, QStringLiteral("Poll &interval (ms):"), input.pollMs, "rigPollMs");
    connect(preset_, &QComboBox::activated, this, [this](int index) {
        const QVariant port = preset_->itemData(index);
        if (port.isValid()) port_->setText(QString::number(port.toInt()));
    });

    connect_ = new QCheckBox(QStringLiteral("Co&nnect when ZOFAR starts"), this);
    connect_->setObjectName(QStringLiteral("rigConnect"));
    connect_->setChecked(settings.connect);

    startRigctld_ = new QCheckBox(QStringLiteral("Start rigctld &for me"), this);
    startRigctld_->setObjectName(QStringLiteral("rigStartRigctld"));
    startRigctld_->setChecked(settings.startRigctld);

    rigctldPart_ = new QGroupBox(QStringLiteral("rigctld"), this);
    auto* rigctldForm = new QFormLayout(rigctldPart_);
    filter_ = new QLineEdit(rigctldPart_);
    filter_->setObjectName(QStringLiteral("rigModelFilter"));
    filter_->setPlaceholderText(QStringLiteral("manufacturer, model or number"));
    rigctldForm->addRow(QStringLiteral("Fi&lter models:"), filter_);
    models_ = new QListWidget(rigctldPart_);
    models_->setObjectName(QStringLiteral("rigModels"));
    models_->setMinimumHeight(160);
    rigctldForm->addRow(QStringLiteral("Ma&tching models:"), models_);
    model_ = AddField(rigctldForm, QStringLiteral("Rig &model:"), input.model, "rigModel");
    device_ = AddField(rigctldForm, QStringLiteral("Serial &device:"), input.device, "rigDevice");
    device_->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    speed_ = AddField(rigctldForm, QStringLiteral("&Speed (baud):"), input.speed, "rigSpeed");
    speed_->setPlaceholderText(QStringLiteral("the rig's own"));
    connect(filter_, &QLineEdit::textChanged, this, &CRigConnectionDlg::ShowMatchingModels);
    connect(models_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) model_->setText(QString::number(item->data(Qt::UserRole).toInt()));
    });
    connect(startRigctld_, &QCheckBox::toggled, this, &CRigConnectionDlg::UpdateRigctldPart);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRigConnectionDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(server);
    layout->addWidget(connect_);
    layout->addWidget(startRigctld_);
    layout->addWidget(rigctldPart_);
    layout->addWidget(buttons);
    UpdateRigctldPart();
}

std::optional<RigSettings> CRigConnectionDlg::Run(QWidget* parent, const RigSettings& settings, ModelSource models) {
    CRigConnectionDlg dialog(settings, std::move(models), parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

void CRigConnectionDlg::UpdateRigctldPart() {
    rigctldPart_->setEnabled(startRigctld_->isChecked());
    if (startRigctld_->isChecked()) LoadModels();
}

void CRigConnectionDlg::LoadModels() {
    if (modelsLoaded_) return;
    modelsLoaded_ = true;
    if (modelSource_) allModels_ = modelSource_();
    ShowMatchingModels();
}

void CRigConnectionDlg::ShowMatchingModels() {
    models_->clear();
    const std::string filter = filter_->text().toStdString();
    const int chosen = model_->text().trimmed().toInt();
    for (const RigModel& model : allModels_) {
        if (!RigModelMatches(model, filter)) continue;
        auto* item = new QListWidgetItem(QString::fromStdString(RigModelLabel(model)), models_);
        item->setData(Qt::UserRole, model.number);
        if (model.number == chosen) {
            const QSignalBlocker quiet(models_);
            models_->setCurrentItem(item);
        }
    }
}

QWidget* CRigConnectionDlg::FieldWidget(RigSettingsField field) const {
    switch (field) {
    case RigSettingsField::Host: return host_;
    case RigSettingsField::Port: return port_;
    case RigSettingsField::PollMs: return pollMs_;
    case RigSettingsField::Model: return model_;
    case RigSettingsField::Device: return device_;
    case RigSettingsField::Speed: return speed_;
    }
    return host_;
}

void CRigConnectionDlg::accept() {
    const RigSettingsInput input{host_->text().trimmed().toStdString(),
                                 port_->text().toStdString(),
                                 pollMs_->text().toStdString(),
                                 connect_->isChecked(),
                                 startRigctld_->isChecked(),
                                 model_->text().toStdString(),
                                 device_->text().trimmed().toStdString(),
                                 speed_->text().toStdString()};
    const auto checked = CheckRigSettings(input);
    if (const auto* problem = std::get_if<RigSettingsProblem>(&checked)) {
        ZofarMessageBox::Show(this, problem->message);
        QWidget* field = FieldWidget(problem->field);
        field->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
        return;
    }
    result_ = std::get<RigSettings>(checked);
    QDialog::accept();
}

}  // namespace zofar
