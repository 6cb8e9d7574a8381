#include "gui/form_rows.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

namespace {

// The label of a grid row is made before its control, the label of a form row after it.
void PlaceInGrid(QGridLayout* grid, int row, QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
}

void PlaceInForm(QWidget* parent, QFormLayout* form, const QString& caption,
                 const QString& labelName, QWidget* control)
{
    QLabel* label = MakeLabel(parent, caption, labelName);
    label->setBuddy(control);
    form->addRow(label, control);
}

} // namespace

QPushButton* MakeButton(QWidget* parent, const QString& caption, const QString& objectName)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    return button;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

QGroupBox* MakeGroup(QWidget* parent, const QString& title, const QString& objectName)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(objectName);
    group->setAccessibleName(title);
    return group;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QString& objectName)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAccessibleName(text);
    return label;
}

QComboBox* MakeCombo(QWidget* parent, const QString& accessibleName, const QString& objectName)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->setEditable(false);
    combo->setAccessibleName(accessibleName);
    return combo;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& accessibleName, const QString& objectName,
                    const QString& text)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(objectName);
    edit->setAccessibleName(accessibleName);
    return edit;
}

QLineEdit* AddGridEdit(QWidget* parent, QGridLayout* grid, int row, const QString& caption,
                       const QString& editName)
{
    QLabel* label = MakeLabel(parent, caption);
    QLineEdit* edit = MakeEdit(parent, caption, editName);
    PlaceInGrid(grid, row, label, edit);
    return edit;
}

QComboBox* AddGridCombo(QWidget* parent, QGridLayout* grid, int row, const QString& caption,
                        const QString& comboName)
{
    QLabel* label = MakeLabel(parent, caption);
    QComboBox* combo = MakeCombo(parent, caption, comboName);
    PlaceInGrid(grid, row, label, combo);
    return combo;
}

QLineEdit* AddLabelledEdit(QWidget* parent, QFormLayout* form, const QString& caption,
                           const QString& editName, const QString& labelName,
                           const QString& initialText)
{
    QLineEdit* edit = MakeEdit(parent, caption, editName, initialText);
    PlaceInForm(parent, form, caption, labelName, edit);
    return edit;
}

QComboBox* AddLabelledCombo(QWidget* parent, QFormLayout* form, const QString& caption,
                            const QString& comboName, const QString& labelName)
{
    QComboBox* combo = MakeCombo(parent, caption, comboName);
    PlaceInForm(parent, form, caption, labelName, combo);
    return combo;
}

QCheckBox* AddColumnCheckBox(QGroupBox* group, const QString& caption, const QString& objectName)
{
    auto* column = qobject_cast<QVBoxLayout*>(group->layout());
    if (!column)
        column = new QVBoxLayout(group);
    auto* box = new QCheckBox(caption, group);
    box->setObjectName(objectName);
    box->setAccessibleName(caption);
    column->addWidget(box);
    return box;
}

void AddItems(QComboBox* combo, std::span<const char* const> items)
{
    for (const char* item : items)
        combo->addItem(QString::fromUtf8(item));
}

void SetItems(QComboBox* combo, const std::vector<std::string>& items)
{
    combo->clear();
    for (const std::string& item : items)
        combo->addItem(DecodeName(item));
}

QString DecodeName(const std::string& name)
{
    const auto size = static_cast<qsizetype>(name.size());
    QString decoded = QString::fromUtf8(name.data(), size);
    if (decoded.contains(QChar::ReplacementCharacter))
        decoded = QString::fromLatin1(name.data(), size);
    return decoded;
}

std::string Text(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

} // namespace vek
