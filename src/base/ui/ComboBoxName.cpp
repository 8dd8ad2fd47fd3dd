#include "base/ui/ComboBoxName.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace zq {

void SetComboBoxName(QComboBox& box, const QString& name) {
    if (QLineEdit* edit = box.lineEdit()) edit->setAccessibleName(name);
    box.view()->setAccessibleName(name);
}

}  // namespace zq
