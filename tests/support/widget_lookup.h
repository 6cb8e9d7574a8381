#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <QtGlobal>

namespace vek::testing {

// The widgets a dialog test sets and reads, found as an engineer (or a screen reader) finds
// them: by object name, by caption, by the label in front. A missing one stops the test.

template <class T> T* Child(QWidget& dialog, const QString& name)
{
    T* child = dialog.findChild<T*>(name);
    if (!child)
        qFatal("no child %s", qPrintable(name));
    return child;
}

inline QPushButton* ButtonCaptioned(QWidget& dialog, const QString& caption)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == caption)
            return button;
    qFatal("no button %s", qPrintable(caption));
}

inline QCheckBox* CheckBoxCaptioned(QWidget& dialog, const QString& caption)
{
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
        if (box->text() == caption)
            return box;
    qFatal("no check box %s", qPrintable(caption));
}

// The control whose label (its buddy) has the caption.
template <class Control> Control* Labelled(QWidget& dialog, const QString& caption)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == caption)
            if (auto* control = qobject_cast<Control*>(label->buddy()))
                return control;
    qFatal("no control labelled %s", qPrintable(caption));
}

} // namespace vek::testing
