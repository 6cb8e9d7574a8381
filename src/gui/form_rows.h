#pragma once

#include <QCheckBox>
#include <QString>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

class QComboBox;
class QFormLayout;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vek {

// The parts the windows and dialogs are built of. Every control gets an object name that says
// what it is and an accessible name: a button or check box its caption, a group its title, a
// labelled control its label's text.

// A push button with its caption, object name and the caption as its accessible name.
QPushButton* MakeButton(QWidget* parent, const QString& caption, const QString& objectName);

// The row of a dialog's buttons, pushed to the right.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

// A group box with its title, object name and the title as its accessible name.
QGroupBox* MakeGroup(QWidget* parent, const QString& title, const QString& objectName);

// A label with its text as accessible name, and its object name when one is given.
QLabel* MakeLabel(QWidget* parent, const QString& text, const QString& objectName = QString());

// An edit with its accessible name, object name and text, and a list that is not editable.
QLineEdit* MakeEdit(QWidget* parent, const QString& accessibleName, const QString& objectName,
                    const QString& text = QString());
QComboBox* MakeCombo(QWidget* parent, const QString& accessibleName, const QString& objectName);

// A labelled edit or list in row `row` of the grid: the label in column 0, the control (the
// label's buddy) in column 1, both with the caption as accessible name. A list is not editable.
QLineEdit* AddGridEdit(QWidget* parent, QGridLayout* grid, int row, const QString& caption,
                       const QString& editName);
QComboBox* AddGridCombo(QWidget* parent, QGridLayout* grid, int row, const QString& caption,
                        const QString& comboName);

// A labelled edit with its initial text, or a list, as a row of the form: the label is its
// buddy and both carry the label's text as accessible name.
QLineEdit* AddLabelledEdit(QWidget* parent, QFormLayout* form, const QString& caption,
                           const QString& editName, const QString& labelName = QString(),
                           const QString& initialText = QString());
QComboBox* AddLabelledCombo(QWidget* parent, QFormLayout* form, const QString& caption,
                            const QString& comboName, const QString& labelName = QString());

// A check box below those already in the group's column (the first one makes the column).
QCheckBox* AddColumnCheckBox(QGroupBox* group, const QString& caption, const QString& objectName);

// A column of check boxes in the group, top to bottom in the order of the captions and their
// object names.
template <std::size_t N>
std::array<QCheckBox*, N> CheckBoxColumn(QGroupBox* group, const std::array<QString, N>& captions,
                                         const std::array<const char*, N>& objectNames)
{
    std::array<QCheckBox*, N> boxes{};
    for (std::size_t i = 0; i < N; ++i)
        boxes[i] = AddColumnCheckBox(group, captions[i], QString::fromLatin1(objectNames[i]));
    return boxes;
}

template <std::size_t N>
void SetChecked(const std::array<QCheckBox*, N>& boxes, const std::array<bool, N>& values)
{
    for (std::size_t i = 0; i < N; ++i)
        boxes[i]->setChecked(values[i]);
}

template <std::size_t N> std::array<bool, N> CheckedValues(const std::array<QCheckBox*, N>& boxes)
{
    std::array<bool, N> values{};
    for (std::size_t i = 0; i < N; ++i)
        values[i] = boxes[i]->isChecked();
    return values;
}

// Adds the fixed items of a list (UTF-8 texts).
void AddItems(QComboBox* combo, std::span<const char* const> items);

// Replaces the items of a list by the names.
void SetItems(QComboBox* combo, const std::vector<std::string>& items);

// A name of the model's files: UTF-8 when it is valid UTF-8, else 8-bit text.
QString DecodeName(const std::string& name);

// The text of an edit, as the core reads it.
std::string Text(const QLineEdit* edit);

} // namespace vek
