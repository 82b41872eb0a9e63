#include "kit/Accessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace kit {
namespace {

class ComboBoxReading : public QAccessibleWidget {
public:
    explicit ComboBoxReading(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            // without a label of its own, a box is read by what it shows, as Qt reads it
            return combo()->accessibleName().isEmpty() ? value() : combo()->accessibleName();
        case QAccessible::Value:
            return value();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view() && combo()->view()->isVisible();
        s.editable = combo()->isEditable();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QString value() const {
        return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new ComboBoxReading(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

} // namespace kit
