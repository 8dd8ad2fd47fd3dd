#include "base/ui/AccessibleParts.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace zq {
namespace {

// One part, as a child of its widget's interface. It holds no state of its
// own: everything is asked of the widget when a reader asks.
class PartAccessible : public QAccessibleInterface {
public:
    PartAccessible(QWidget* widget, AccessibleParts* parts, int index)
        : widget_(widget), parts_(parts), index_(index) {}

    bool isValid() const override { return !widget_.isNull() && index_ < parts_->PartCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return widget_ ? widget_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(widget_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid()) return {};
        switch (kind) {
            case QAccessible::Name:
                return parts_->PartName(index_);
            case QAccessible::Description:
                return parts_->PartDescription(index_);
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect local = parts_->PartRect(index_);
        return {widget_->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override { return parts_->PartRole(); }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        if (!isValid()) {
            state.invisible = true;
            return state;
        }
        state.invisible = !widget_->isVisible();
        state.selected = parts_->PartPicked(index_);
        state.focusable = widget_->focusPolicy() != Qt::NoFocus;
        state.focused = widget_->hasFocus() && parts_->FocusedPart() == index_;
        return state;
    }

private:
    QPointer<QWidget> widget_;
    AccessibleParts* parts_;
    int index_;
};

class PartsAccessible;

// The interface of each widget with parts, once a reader has asked for it.
QHash<const QWidget*, PartsAccessible*>& Made() {
    static QHash<const QWidget*, PartsAccessible*> made;
    return made;
}

// A widget with parts: its children are its parts. Their interfaces are
// made when first asked for and kept in Qt's cache under ids, which this
// interface frees with itself (Qt frees it with the widget).
class PartsAccessible : public QAccessibleWidget {
public:
    PartsAccessible(QWidget* widget, AccessibleParts* parts)
        : QAccessibleWidget(widget, parts->WholeRole()), key_(widget), parts_(parts) {
        Made().insert(key_, this);
    }
    ~PartsAccessible() override {
        Made().remove(key_);
        // The widget is going: no reader is told, they learn it from the widget.
        for (const QAccessible::Id id : std::as_const(ids_)) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description) {
            QString description = parts_->WholeDescription();
            if (!description.isEmpty()) return description;
        }
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return parts_->PartCount(); }
    QAccessibleInterface* focusChild() const override {
        return widget()->hasFocus() ? child(parts_->FocusedPart()) : nullptr;
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        while (ids_.size() <= index) {
            auto* part = new PartAccessible(widget(), parts_, static_cast<int>(ids_.size()));
            ids_.append(QAccessible::registerAccessibleInterface(part));
        }
        return QAccessible::accessibleInterface(ids_.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < ids_.size(); ++i) {
            if (QAccessible::accessibleInterface(ids_.at(i)) == child) return i;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        // The part drawn last lies on top.
        for (int i = childCount() - 1; i >= 0; --i) {
            if (parts_->PartRect(i).contains(local)) return child(i);
        }
        return nullptr;
    }

    // The interface of a part a reader has already seen, or none.
    QAccessibleInterface* SeenPart(int index) const {
        return index >= 0 && index < ids_.size() ? QAccessible::accessibleInterface(ids_.at(index)) : nullptr;
    }
    // Tells readers that the parts they saw are gone, and frees them.
    void ForgetParts() {
        for (const QAccessible::Id id : std::as_const(ids_)) {
            if (QAccessibleInterface* part = QAccessible::accessibleInterface(id)) {
                QAccessibleEvent gone(part, QAccessible::ObjectDestroyed);
                QAccessible::updateAccessibility(&gone);
            }
            QAccessible::deleteAccessibleInterface(id);
        }
        ids_.clear();
    }

private:
    const QWidget* key_;  // the widget may be half gone when this goes
    AccessibleParts* parts_;
    mutable QList<QAccessible::Id> ids_;
};

QAccessibleInterface* MakePartsAccessible(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    auto* parts = qobject_cast<AccessibleParts*>(object);
    if (widget == nullptr || parts == nullptr) return nullptr;
    return new PartsAccessible(widget, parts);
}

void Report(QAccessibleInterface* part, QAccessible::Event event) {
    if (part == nullptr) return;
    QAccessibleEvent report(part, event);
    QAccessible::updateAccessibility(&report);
}

}  // namespace

std::optional<int> BrowsedPart(int current, int count, int key) {
    if (count <= 0) return std::nullopt;
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            return std::max(current - 1, 0);
        case Qt::Key_Right:
        case Qt::Key_Down:
            return std::clamp(current + 1, 0, count - 1);
        case Qt::Key_Home:
            return 0;
        case Qt::Key_End:
            return count - 1;
        default:
            return std::nullopt;
    }
}

void EnableAccessibleParts() {
    static const bool installed = [] {
        QAccessible::installFactory(&MakePartsAccessible);
        return true;
    }();
    (void)installed;
}

void ReportPickedPart(QWidget& widget, int previous, int current) {
    if (!QAccessible::isActive()) return;
    PartsAccessible* whole = Made().value(&widget);
    if (whole == nullptr) return;  // no reader has seen the widget yet
    // Readers keep what they saw and learn of a change only from events:
    // the part that lost the selection is told too.
    if (previous != current) {
        Report(whole->SeenPart(previous), QAccessible::SelectionRemove);
        Report(current >= 0 ? whole->child(current) : nullptr, QAccessible::SelectionAdd);
    }
    Report(whole, QAccessible::DescriptionChanged);
}

void ReportFocusedPart(QWidget& widget, int part) {
    if (!QAccessible::isActive() || !widget.hasFocus()) return;
    QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(&widget);
    if (whole == nullptr || part < 0 || part >= whole->childCount()) return;
    Report(whole->child(part), QAccessible::Focus);
}

void ReportPartsChanged(QWidget& widget) {
    if (!QAccessible::isActive()) return;
    PartsAccessible* whole = Made().value(&widget);
    if (whole == nullptr) return;
    whole->ForgetParts();
    for (int i = 0; i < whole->childCount(); ++i) Report(whole->child(i), QAccessible::ObjectCreated);
}

}  // namespace zq
