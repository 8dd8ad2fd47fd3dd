#include "app/ui/ProgramIcon.h"

#include <QImageReader>
#include <QPixmap>

namespace zq {

QIcon ProgramIcon(const std::string& dataFolder) {
    const QString folder = QString::fromStdString(dataFolder) + QStringLiteral("icons/");
    QIcon icon;
    for (const char* size : {"48", "96"}) {  // enough for the windows at scale 1 and 2
        // Read as PNG without guessing: a reader that guesses loads every
        // image format plugin of Qt first, which the logon dialog would wait for.
        QImageReader reader(folder + QStringLiteral("zq-typing-tutor-%1.png").arg(QLatin1String(size)),
                            "png");
        reader.setAutoDetectImageFormat(false);
        const QImage picture = reader.read();
        if (!picture.isNull()) icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

}  // namespace zq
