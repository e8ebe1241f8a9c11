#include "ControlAccessible.h"

#include "ImageBox.h"

#include <QAccessibleWidget>

namespace widgets {

namespace {

class ImageBoxAccessible : public QAccessibleWidget {
public:
    explicit ImageBoxAccessible(ImageBox* box) : QAccessibleWidget(box, QAccessible::Graphic) {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    // Asked each time: a box may become clickable after its interface exists.
    QAccessible::Role role() const override {
        return box()->isClickable() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override {
        if (box()->isClickable())
            return {pressAction()};
        return QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name == pressAction() && box()->isClickable())
            box()->click();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    ImageBox* box() const { return static_cast<ImageBox*>(widget()); }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("widgets::ImageBox"))
        return new ImageBoxAccessible(static_cast<ImageBox*>(object));
    // A screen is a window to assistive technology, named by its caption.
    if (className == QLatin1String("shell::FormWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void installControlAccessibility() {
    QAccessible::installFactory(factory);
}

} // namespace widgets
