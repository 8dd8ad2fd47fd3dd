#pragma once

#include <QHash>
#include <QImage>
#include <QTextBrowser>
#include <QUrl>

namespace zq {

// The help window's page. Browsers fit the manual's pictures to the page
// (max-width in its style sheet); the toolkit's rich text does not, so this
// page scales each picture down to the width it has, and back up to the
// picture's own size when the window grows.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int PictureRoom() const;
    QImage Fitted(const QImage& picture) const;

    QHash<QUrl, QImage> pictures_;  // as their files hold them
    int fittedTo_ = 0;              // the room the pictures were last fitted to
};

}  // namespace zq
