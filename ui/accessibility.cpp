#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "hidden_label.h"
#include "panel3d.h"

namespace {

// A panel reads as static text named by its caption; one that holds controls reads as a group.
class Panel3DAccessible : public QAccessibleWidget {
  public:
    explicit Panel3DAccessible(Panel3D* panel)
        : QAccessibleWidget(panel, panel->children().isEmpty() ? QAccessible::StaticText
                                                               : QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<Panel3D*>(widget())->caption();
        return QAccessibleWidget::text(t);
    }
};

// The hidden labels only carry data: no name, no text, no role.
class HiddenLabelAccessible : public QAccessibleWidget {
  public:
    explicit HiddenLabelAccessible(QWidget* label)
        : QAccessibleWidget(label, QAccessible::NoRole) {}

    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("Panel3D")) {
        return new Panel3DAccessible(static_cast<Panel3D*>(object));
    }
    if (className == QLatin1String("HiddenLabel")) {
        return new HiddenLabelAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    QAccessible::installFactory(Factory);
}
