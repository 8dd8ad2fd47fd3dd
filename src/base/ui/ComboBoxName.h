#pragma once

#include <QString>

class QComboBox;

namespace zq {

// Names a combo box's parts for screen readers, which name the box itself
// by the text it holds: the box where its text is typed, and the list it
// drops down.
void SetComboBoxName(QComboBox& box, const QString& name);

}  // namespace zq
