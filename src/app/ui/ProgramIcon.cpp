#include "app/ui/ProgramIcon.h"

#include "base/ProgramFolder.h"

namespace zq {

QIcon ProgramIcon() {
    const QString folder = QString::fromStdString(ProgramFolder()) + QStringLiteral("icons/");
    QIcon icon;
    for (const char* size : {"48", "96", "256"}) {
        icon.addFile(folder + QStringLiteral("zq-typing-tutor-%1.png").arg(QLatin1String(size)));
    }
    return icon;
}

}  // namespace zq
