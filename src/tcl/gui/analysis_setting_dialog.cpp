#include "tcl/gui/analysis_setting_dialog.h"

#include "gui/error_boundary.h"
#include "gui/form_rows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vek {

namespace {

QFormLayout* FormOf(QGroupBox* group)
{
    return new QFormLayout(group);
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
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
    analysisType_ = AddLabelledCombo(this, typeForm, QStringLiteral("Analysis Type"),
                                     QStringLiteral("analysisTypeCombo"));
    AddItems(analysisType_, AnalysisTypeCaptions);

    QGroupBox* loadGroup = MakeGroup(this, QStringLiteral("Load Control Case (Const)"),
                                     QStringLiteral("loadControlGroup"));
    QFormLayout* loadForm = FormOf(loadGroup);
    loadControlCase_ = AddLabelledCombo(loadGroup, loadForm, QStringLiteral("Load Case"),
                                        QStringLiteral("loadControlCaseCombo"));
    loadSteps_ = AddLabelledEdit(loadGroup, loadForm, QStringLiteral("Load Steps"),
                                 QStringLiteral("loadStepsEdit"));
    loadFactor_ = AddLabelledEdit(loadGroup, loadForm, QStringLiteral("Load Factor"),
                                  QStringLiteral("loadFactorEdit"));

    QGroupBox* dispGroup = MakeGroup(this, QStringLiteral("Disp Control Case (Linear)"),
                                     QStringLiteral("dispControlGroup"));
    QFormLayout* dispForm = FormOf(dispGroup);
    dispControlCase_ = AddLabelledCombo(dispGroup, dispForm, QStringLiteral("Load Vector"),
                                        QStringLiteral("dispControlCaseCombo"));
    controlNode_ = AddLabelledEdit(dispGroup, dispForm, QStringLiteral("Control Node"),
                                   QStringLiteral("controlNodeEdit"));
    controlDisp_ = AddLabelledEdit(dispGroup, dispForm, QStringLiteral("Control Disp"),
                                   QStringLiteral("controlDispEdit"));
    controlDof_ = AddLabelledEdit(dispGroup, dispForm, QStringLiteral("Control Dof"),
                                  QStringLiteral("controlDofEdit"));
    analysisSteps_ = AddLabelledEdit(dispGroup, dispForm, QStringLiteral("Analysis Step"),
                                     QStringLiteral("analysisStepsEdit"));

    QGroupBox* nonlinearGroup =
        MakeGroup(this, QStringLiteral("Nonlinear Setting"), QStringLiteral("nonlinearGroup"));
    QFormLayout* nonlinearForm = FormOf(nonlinearGroup);
    numIntegrationPoints_ = AddLabelledEdit(nonlinearGroup, nonlinearForm,
                                            QStringLiteral("Force/Disp Beam Column numIntgrPts"),
                                            QStringLiteral("integrationPointsEdit"));
    rebarMaterialTag_ =
        AddLabelledEdit(nonlinearGroup, nonlinearForm, QStringLiteral("Rebar Material Number"),
                        QStringLiteral("rebarMaterialEdit"));

    QGroupBox* aggregatorGroup = MakeGroup(this, QStringLiteral("Section Aggregator"),
                                           QStringLiteral("sectionAggregatorGroup"));
    sectionAggregator_ =
        AddColumnCheckBox(aggregatorGroup, QStringLiteral("Torsional Constant and Shear Area"),
                          QStringLiteral("sectionAggregatorCheckBox"));

    QGroupBox* modalGroup =
        MakeGroup(this, QStringLiteral("Modal Number"), QStringLiteral("modeCountGroup"));
    modeCount_ = AddLabelledEdit(modalGroup, FormOf(modalGroup), QStringLiteral("Modal Number"),
                                 QStringLiteral("modeCountEdit"));
    modeCount_->setText(Text(AnalysisForm().ModeCount));

    QGroupBox* plateGroup =
        MakeGroup(this, QStringLiteral("Gen ND material"), QStringLiteral("plateFiberGroup"));
    plateFiber_ =
        AddColumnCheckBox(plateGroup, QStringLiteral("Gen ND Material Plate Fiber Information"),
                          QStringLiteral("plateFiberCheckBox"));

    QGroupBox* massGroup =
        MakeGroup(this, QStringLiteral("Gen Node Mass"), QStringLiteral("nodeMassGroup"));
    nodeMass_ = AddColumnCheckBox(massGroup, QStringLiteral("Gen Mass Information"),
                                  QStringLiteral("nodeMassCheckBox"));

    ok_ = MakeButton(this, QStringLiteral("OK"), QStringLiteral("okButton"));
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

void AnalysisSettingDialog::SetMessageReporter(ErrorReporter reporter)
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
    if (RunGuarded(this, reporter_, [this] { StoreAnalysisForm(ReadControls(), settings_); }))
        accept();
}

} // namespace vek
