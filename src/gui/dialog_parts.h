#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>

#include <array>
#include <cstddef>
#include <initializer_list>

namespace vek {

// A push button with its caption, object name and the caption as its accessible name.
inline QPushButton* MakeButton(QWidget* parent, const QString& caption, const QString& objectName)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    return button;
}

// The row of a dialog's buttons, pushed to the right.
inline QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

// A column of check boxes in the group, named CheckBox1, CheckBox2, ... in caption order,
// each caption its accessible name.
template <std::size_t N>
std::array<QCheckBox*, N> CheckBoxColumn(QGroupBox* group, const std::array<QString, N>& captions)
{
    std::array<QCheckBox*, N> boxes{};
    auto* column = new QVBoxLayout(group);
    for (std::size_t i = 0; i < N; ++i) {
        auto* box = new QCheckBox(captions[i], group);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        box->setAccessibleName(box->text());
        column->addWidget(box);
        boxes[i] = box;
    }
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

} // namespace vek
