#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <QString>

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

} // namespace vek
