// Parts a widget paints, as screen readers find them: children of the
// widget's accessible interface with names, places and a selection.
#include "base/ui/AccessibleParts.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>
#include <memory>
#include <vector>

namespace zq {
namespace {

// Three squares in a row, 20 pixels wide, one of them picked.
class Squares : public QWidget, public AccessibleParts {
    Q_OBJECT
    Q_INTERFACES(zq::AccessibleParts)
public:
    Squares() {
        EnableAccessibleParts();
        setAccessibleName(QStringLiteral("Squares"));
        setAccessibleDescription(QStringLiteral("Three squares"));
        resize(60, 20);
    }

    int PartCount() const override { return static_cast<int>(names.size()); }
    QString PartName(int part) const override { return names.at(static_cast<std::size_t>(part)); }
    QString PartDescription(int part) const override { return QStringLiteral("square %1").arg(part + 1); }
    QRect PartRect(int part) const override { return {20 * part, 0, 20, 20}; }
    bool PartPicked(int part) const override { return part == picked; }
    QAccessible::Role PartRole() const override { return QAccessible::Button; }
    QString WholeDescription() const override {
        return picked < 0 ? QString() : QStringLiteral("Picked: %1").arg(PartName(picked));
    }

    std::vector<QString> names{QStringLiteral("red"), QStringLiteral("green"), QStringLiteral("blue")};
    int picked = -1;
};

TEST(AccessiblePartsTest, EveryPartIsAChildWithItsNameDescriptionAndRole) {
    Squares squares;
    QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(&squares);
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(whole->role(), QAccessible::Grouping);
    EXPECT_EQ(whole->text(QAccessible::Name), QStringLiteral("Squares"));
    ASSERT_EQ(whole->childCount(), 3);
    QAccessibleInterface* green = whole->child(1);
    ASSERT_NE(green, nullptr);
    EXPECT_EQ(green->text(QAccessible::Name), QStringLiteral("green"));
    EXPECT_EQ(green->text(QAccessible::Description), QStringLiteral("square 2"));
    EXPECT_EQ(green->role(), QAccessible::Button);
    EXPECT_EQ(green->parent(), whole);
    EXPECT_EQ(whole->child(1), green) << "a part keeps its interface";
    EXPECT_EQ(whole->indexOfChild(green), 1);
    EXPECT_EQ(whole->child(3), nullptr);
    EXPECT_EQ(whole->child(-1), nullptr);
}

TEST(AccessiblePartsTest, APartLiesWhereItIsDrawnOnTheScreen) {
    Squares squares;
    squares.move(100, 50);
    QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(&squares);
    const QRect blue = whole->child(2)->rect();
    EXPECT_EQ(blue, QRect(squares.mapToGlobal(QPoint(40, 0)), QSize(20, 20)));
    EXPECT_EQ(whole->childAt(blue.center().x(), blue.center().y()), whole->child(2));
    const QPoint outside = squares.mapToGlobal(QPoint(70, 5));
    EXPECT_EQ(whole->childAt(outside.x(), outside.y()), nullptr);
}

TEST(AccessiblePartsTest, OnlyThePickedPartIsSelectedAndTheWholeDescribesIt) {
    Squares squares;
    QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(&squares);
    EXPECT_EQ(whole->text(QAccessible::Description), QStringLiteral("Three squares"));
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(whole->child(i)->state().selected) << i;

    squares.picked = 2;
    EXPECT_TRUE(whole->child(2)->state().selectable);
    EXPECT_TRUE(whole->child(2)->state().selected);
    EXPECT_FALSE(whole->child(0)->state().selected);
    EXPECT_EQ(whole->text(QAccessible::Description), QStringLiteral("Picked: blue"));
}

TEST(AccessiblePartsTest, PartsThatAreGoneAreNoLongerValid) {
    Squares squares;
    QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(&squares);
    QAccessibleInterface* blue = whole->child(2);
    ASSERT_TRUE(blue->isValid());
    squares.names.pop_back();
    EXPECT_EQ(whole->childCount(), 2);
    EXPECT_FALSE(blue->isValid());
    EXPECT_EQ(blue->text(QAccessible::Name), QString());
}

TEST(AccessiblePartsTest, AWidgetThatGoesTakesItsPartsWithIt) {
    auto squares = std::make_unique<Squares>();
    QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(squares.get());
    const QAccessible::Id red = QAccessible::uniqueId(whole->child(0));
    ASSERT_NE(QAccessible::accessibleInterface(red), nullptr);
    squares.reset();
    EXPECT_EQ(QAccessible::accessibleInterface(red), nullptr);
}

}  // namespace
}  // namespace zq

#include "AccessiblePartsTest.moc"
