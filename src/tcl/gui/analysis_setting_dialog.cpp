#include "tcl/gui/analysis_setting_dialog.h"

#include "util/error.h"
#include "gui/dialog_parts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vek {

namespace {

constexpr char ProgramName[] = "TAV";

QGroupBox* MakeGroup(QWidget* parent, const QString& title, int number)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QStringLiteral("GroupBox%1").arg(number));
    group->setAccessibleName(title);
    return group;
}

QFormLayout* FormOf(QGroupBox* group)
{
    return new QFormLayout(group);
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string Text(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

} // namespace

AnalysisSettingDialog::AnalysisSettingDialog(const Model& model, Settings& settings,
                                             QWidget* parent)
    : QDialog(parent), model_(model), settings_(settings)
{
    setWindowTitle(QStringLiteral("Analysis Setting"));
    setAccessibleName(windowTitle());
    setModal(false);

    auto* typeForm = new QFormLayout;
    analysisType_ = AddCombo(typeForm, QStringLiteral("Analysis Type"), 1);
    for (const char* caption : AnalysisTypeCaptions)
        analysisType_->addItem(QString::fromLatin1(caption));

    QGroupBox* loadGroup = MakeGroup(this, QStringLiteral("Load Control Case (Const)"), 1);
    QFormLayout* loadForm = FormOf(loadGroup);
    loadControlCase_ = AddCombo(loadForm, QStringLiteral("Load Case"), 2);
    loadSteps_ = AddEdit(loadForm, QStringLiteral("Load Steps"), 1);
    loadFactor_ = AddEdit(loadForm, QStringLiteral("Load Factor"), 2);

    QGroupBox* dispGroup = MakeGroup(this, QStringLiteral("Disp Control Case (Linear)"), 2);
    QFormLayout* dispForm = FormOf(dispGroup);
    dispControlCase_ = AddCombo(dispForm, QStringLiteral("Load Vector"), 3);
    controlNode_ = AddEdit(dispForm, QStringLiteral("Control Node"), 3);
    controlDisp_ = AddEdit(dispForm, QStringLiteral("Control Disp"), 4);
    controlDof_ = AddEdit(dispForm, QStringLiteral("Control Dof"), 5);
    analysisSteps_ = AddEdit(dispForm, QStringLiteral("Analysis Step"), 6);

    QGroupBox* nonlinearGroup = MakeGroup(this, QStringLiteral("Nonlinear Setting"), 3);
    QFormLayout* nonlinearForm = FormOf(nonlinearGroup);
    numIntegrationPoints_ =
        AddEdit(nonlinearForm, QStringLiteral("Force/Disp Beam Column numIntgrPts"), 7);
    rebarMaterialTag_ = AddEdit(nonlinearForm, QStringLiteral("Rebar Material Number"), 8);

    QGroupBox* aggregatorGroup = MakeGroup(this, QStringLiteral("Section Aggregator"), 4);
    sectionAggregator_ =
        AddCheckBox(aggregatorGroup, QStringLiteral("Torsional Constant and Shear Area"), 1);

    QGroupBox* modalGroup = MakeGroup(this, QStringLiteral("Modal Number"), 5);
    modeCount_ = AddEdit(FormOf(modalGroup), QStringLiteral("Modal Number"), 9);
    modeCount_->setText(Text(AnalysisForm().ModeCount));

    QGroupBox* plateGroup = MakeGroup(this, QStringLiteral("Gen ND material"), 6);
    plateFiber_ =
        AddCheckBox(plateGroup, QStringLiteral("Gen ND Material Plate Fiber Information"), 2);

    QGroupBox* massGroup = MakeGroup(this, QStringLiteral("Gen Node Mass"), 7);
    nodeMass_ = AddCheckBox(massGroup, QStringLiteral("Gen Mass Information"), 3);

    ok_ = MakeButton(this, QStringLiteral("OK"), QStringLiteral("Button1"));
    ok_->setDefault(true);

    auto* left = new QVBoxLayout;
    left->addLayout(typeForm);
    left->addWidget(loadGroup);
    left->addWidget(dispGroup);
    left->addStretch();
    auto* right = new QVBoxLayout;
    for (QGroupBox* group : {nonlinearGroup, aggregatorGroup, modalGroup, plateGroup, massGroup})
        right->addWidget(group);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(ButtonRow({ok_}));

    connect(ok_, &QPushButton::clicked, this, &AnalysisSettingDialog::okClicked);
}

QLineEdit* AnalysisSettingDialog::AddEdit(QFormLayout* form, const QString& caption, int number)
{
    auto* edit = new QLineEdit(form->parentWidget() ? form->parentWidget() : this);
    edit->setObjectName(QStringLiteral("Edit%1").arg(number));
    edit->setAccessibleName(caption);
    auto* label = new QLabel(caption, edit->parentWidget());
    label->setAccessibleName(caption);
    label->setBuddy(edit);
    form->addRow(label, edit);
    return edit;
}

QComboBox* AnalysisSettingDialog::AddCombo(QFormLayout* form, const QString& caption, int number)
{
    auto* combo = new QComboBox(form->parentWidget() ? form->parentWidget() : this);
    combo->setObjectName(QStringLiteral("ComboBox%1").arg(number));
    combo->setEditable(false);
    combo->setAccessibleName(caption);
    auto* label = new QLabel(caption, combo->parentWidget());
    label->setAccessibleName(caption);
    label->setBuddy(combo);
    form->addRow(label, combo);
    return combo;
}

QCheckBox* AnalysisSettingDialog::AddCheckBox(QWidget* group, const QString& caption, int number)
{
    auto* box = new QCheckBox(caption, group);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(number));
    box->setAccessibleName(caption);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(box);
    return box;
}

void AnalysisSettingDialog::SetMessageReporter(MessageReporter reporter)
{
    reporter_ = std::move(reporter);
}

void AnalysisSettingDialog::showEvent(QShowEvent* event)
{
    // A window restored by the window system keeps what the user has typed.
    if (!event->spontaneous())
        LoadControls();
    QDialog::showEvent(event);
}

void AnalysisSettingDialog::LoadControls()
{
    AnalysisForm form;
    LoadAnalysisForm(model_, settings_, form);
    for (QComboBox* combo : {loadControlCase_, dispControlCase_}) {
        combo->clear();
        for (const std::string& name : form.LoadCases)
            combo->addItem(Text(name));
    }
    analysisType_->setCurrentIndex(form.AnalysisType);
    loadControlCase_->setCurrentIndex(form.LoadControlCase);
    dispControlCase_->setCurrentIndex(form.DispControlCase);
    loadSteps_->setText(Text(form.LoadSteps));
    loadFactor_->setText(Text(form.LoadFactor));
    controlNode_->setText(Text(form.ControlNode));
    controlDisp_->setText(Text(form.ControlDisp));
    controlDof_->setText(Text(form.ControlDof));
    analysisSteps_->setText(Text(form.AnalysisSteps));
    numIntegrationPoints_->setText(Text(form.NumIntegrationPoints));
    rebarMaterialTag_->setText(Text(form.RebarMaterialTag));
    sectionAggregator_->setChecked(form.UseSectionAggregator);
    plateFiber_->setChecked(form.GenPlateFiber);
    nodeMass_->setChecked(form.GenNodeMass);
}

AnalysisForm AnalysisSettingDialog::ReadControls() const
{
    AnalysisForm form;
    form.AnalysisType = analysisType_->currentIndex();
    form.LoadControlCase = loadControlCase_->currentIndex();
    form.DispControlCase = dispControlCase_->currentIndex();
    form.LoadSteps = Text(loadSteps_);
    form.LoadFactor = Text(loadFactor_);
    form.ControlNode = Text(controlNode_);
    form.ControlDisp = Text(controlDisp_);
    form.ControlDof = Text(controlDof_);
    form.AnalysisSteps = Text(analysisSteps_);
    form.NumIntegrationPoints = Text(numIntegrationPoints_);
    form.RebarMaterialTag = Text(rebarMaterialTag_);
    form.ModeCount = Text(modeCount_);
    form.UseSectionAggregator = sectionAggregator_->isChecked();
    form.GenPlateFiber = plateFiber_->isChecked();
    form.GenNodeMass = nodeMass_->isChecked();
    return form;
}

void AnalysisSettingDialog::okClicked()
{
    try {
        StoreAnalysisForm(ReadControls(), settings_);
    } catch (const VekError& error) {
        const QString message = QString::fromStdString(error.what());
        if (reporter_)
            reporter_(message);
        else
            QMessageBox::warning(this, QString::fromLatin1(ProgramName), message, QMessageBox::Ok);
        return;
    }
    accept();
}

} // namespace vek
