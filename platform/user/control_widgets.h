// Making the Qt widget of each control class from a template item, and
// showing a control's text in it.
#ifndef TARNWICK_PLATFORM_USER_CONTROL_WIDGETS_H
#define TARNWICK_PLATFORM_USER_CONTROL_WIDGETS_H

#include <QWidget>

#include "resource_script.h"
#include "user/window.h"

namespace tarnwick::user {

QWidget* MakeStaticWidget(Window* control, QWidget* parent);
QWidget* MakeButtonWidget(Window* control, QWidget* parent);
QWidget* MakeEditWidget(Window* control, QWidget* parent);
QWidget* MakeComboWidget(Window* control, QWidget* parent, int templateHeight);

void ShowButtonText(Window* button);
void ShowEditText(Window* edit);
// What the user typed into an edit control, as its window text.
void ReadBackEditText(Window* edit);

}  // namespace tarnwick::user

#endif
