#include "templates/ui/KeyCapPainter.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <algorithm>
#include <stdexcept>

namespace zq {

namespace {

const QColor kFace(247, 246, 241);
const QColor kShade(226, 224, 216);  // the lower rim that gives the cap some depth
const QColor kOutline(118, 122, 130);
const QColor kText(30, 33, 38);

constexpr qreal kInset = 1.5;  // keeps the outline off the border pixels, so the corners show the face
constexpr qreal kCornerRadius = 4.0;
constexpr qreal kRim = 3.0;
constexpr qreal kTextMargin = 4.0;

// The largest font, up to `pixelSize`, that fits `text` into `width`.
QFont FittingFont(const QString& text, qreal pixelSize, qreal width) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferFullHinting);
    for (;; pixelSize -= 0.5) {
        font.setPixelSize(std::max(1, qRound(pixelSize)));
        if (pixelSize <= 6 || QFontMetricsF(font).horizontalAdvance(text) <= width) return font;
    }
}

void DrawCap(QPainter& painter, int width, int height) {
    const QRectF cap(kInset, kInset, width - 2 * kInset, height - 2 * kInset);
    QPainterPath outline;
    outline.addRoundedRect(cap, kCornerRadius, kCornerRadius);
    painter.save();
    painter.setClipPath(outline);
    painter.fillRect(QRectF(cap.left(), cap.bottom() - kRim, cap.width(), kRim), kShade);
    painter.restore();
    painter.setPen(QPen(kOutline, 1.0));
    painter.drawPath(outline);
}

void DrawLabel(QPainter& painter, const QString& label, int width, int height) {
    const qreal textWidth = width - 2 * kTextMargin;
    const QRectF face(kInset, kInset, width - 2 * kInset, height - 2 * kInset - kRim);
    painter.setPen(kText);
    const qsizetype lineBreak = label.indexOf(u'\n');
    if (lineBreak < 0) {
        painter.setFont(FittingFont(label, std::min<qreal>(height * 0.42, 18), textWidth));
        painter.drawText(face, Qt::AlignCenter, label);
        return;
    }
    const QString upper = label.left(lineBreak);
    const QString lower = label.mid(lineBreak + 1);
    const qreal pixelSize = std::min<qreal>(height * 0.34, 15);
    const QRectF upperHalf(face.left(), face.top(), face.width(), face.height() / 2);
    const QRectF lowerHalf(face.left(), face.center().y(), face.width(), face.height() / 2);
    painter.setFont(FittingFont(upper, pixelSize, textWidth));
    painter.drawText(upperHalf, Qt::AlignCenter, upper);
    painter.setFont(FittingFont(lower, pixelSize, textWidth));
    painter.drawText(lowerHalf, Qt::AlignCenter, lower);
}

}  // namespace

std::string KeyCapPainter::DrawKey(std::string_view label, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kFace);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        DrawCap(painter, width, height);
        DrawLabel(painter, QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())), width,
                  height);
    }
    image.setPixelColor(0, height - 1, kFace);  // the face colour, whatever the drawing did

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")) {
        throw std::runtime_error("the key picture could not be saved as a bitmap");
    }
    return bytes.toStdString();
}

}  // namespace zq
