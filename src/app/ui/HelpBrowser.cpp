#include "app/ui/HelpBrowser.h"

#include <QResizeEvent>
#include <QTextDocument>

namespace zq {
namespace {

// The manual's style sheet is written for browsers. Two of its rules read
// otherwise in the toolkit's rich text, where each would make the page
// scroll sideways in a narrow window: a margin of the body moves tables
// without narrowing them, and preformatted lines never wrap. The page's own
// margin takes the body's place.
constexpr char kStyleForThisPage[] = "\nbody { margin: 0px; }\npre { white-space: pre-wrap; }\n";
constexpr int kPageMargin = 20;

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    document()->setDocumentMargin(kPageMargin);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::StyleSheetResource) {
        const QVariant loaded = QTextBrowser::loadResource(type, name);
        const QString style = loaded.typeId() == QMetaType::QString ? loaded.toString()
                                                                    : QString::fromUtf8(loaded.toByteArray());
        return style + QLatin1String(kStyleForThisPage);
    }
    if (type != QTextDocument::ImageResource) return QTextBrowser::loadResource(type, name);
    const QVariant loaded = QTextBrowser::loadResource(type, name);
    QImage picture;
    if (loaded.canConvert<QImage>()) picture = loaded.value<QImage>();
    if (picture.isNull()) picture.loadFromData(loaded.toByteArray());
    if (picture.isNull()) return loaded;
    pictures_.insert(name, picture);
    fittedTo_ = PictureRoom();
    return Fitted(picture);
}

// The width a picture may take: the page's width less its margins.
int HelpBrowser::PictureRoom() const {
    const int margins = 2 * static_cast<int>(document()->documentMargin());
    return std::max(1, viewport()->width() - margins);
}

QImage HelpBrowser::Fitted(const QImage& picture) const {
    const int room = PictureRoom();
    if (picture.width() <= room) return picture;
    return picture.scaledToWidth(room, Qt::SmoothTransformation);
}

void HelpBrowser::resizeEvent(QResizeEvent* event) {
    QTextBrowser::resizeEvent(event);
    if (pictures_.isEmpty() || PictureRoom() == fittedTo_) return;
    fittedTo_ = PictureRoom();
    for (auto picture = pictures_.cbegin(); picture != pictures_.cend(); ++picture)
        document()->addResource(QTextDocument::ImageResource, picture.key(), Fitted(picture.value()));
    // The pictures' sizes are taken when the page is laid out.
    document()->markContentsDirty(0, document()->characterCount());
}

}  // namespace zq
