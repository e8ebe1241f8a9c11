#include "ControlAccessible.h"

#include "ImageBox.h"

#include <QAccessibleWidget>

namespace {

class ImageBoxAccessible : public QAccessibleWidget {
public:
    explicit ImageBoxAccessible(ImageBox* box)
        : QAccessibleWidget(box, box->isClickable() ? QAccessible::Button : QAccessible::Graphic) {
        if (box->isClickable())
            addControllingSignal(QStringLiteral("clicked()"));
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
    if (className == QLatin1String("ImageBox") && object && object->isWidgetType())
        return new ImageBoxAccessible(static_cast<ImageBox*>(object));
    return nullptr;
}

} // namespace

void installControlAccessibility() {
    QAccessible::installFactory(factory);
}
