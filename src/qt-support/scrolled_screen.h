#pragma once
// A screen whose contents scroll inside its own window when the main window's area is
// smaller than the contents need (a small display, or a large scale factor): the window
// then still fits the area, and nothing is cut off or hidden under the area's scroll bars.
#include <QWidget>

namespace qiro {

// Puts a scroll area filling `screen` and returns the widget inside it, for a form's setupUi.
QWidget* ScrolledContent(QWidget* screen);

// After setupUi: the form named and titled its content; the screen carries both.
void AdoptContent(QWidget* screen, QWidget* content);

template <class Form>
void SetUpScrolled(QWidget* screen, Form& form) {
  QWidget* content = ScrolledContent(screen);
  form.setupUi(content);
  AdoptContent(screen, content);
}

}  // namespace qiro
