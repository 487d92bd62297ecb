#include "ViewResources.h"

#include "LException.h"
#include "LView.h"

#include <QLayout>
#include <QVariant>
#include <map>
#include <vector>

namespace {

// The registries are filled at start-up and read while windows are built.
std::map<ResIDT, ViewResourceBuilder>& viewResources() {
    static std::map<ResIDT, ViewResourceBuilder> registry;
    return registry;
}

std::map<ClassIDT, ViewClassFactory>& viewClasses() {
    static std::map<ClassIDT, ViewClassFactory> registry;
    return registry;
}

constexpr const char* kClassIDProperty = "classID";

// Moves what the placeholder said about itself onto the view that replaces it.
void takeOverPlaceholder(const QWidget& placeholder, QWidget& view) {
    view.setObjectName(placeholder.objectName());
    view.setGeometry(placeholder.geometry());
    view.setSizePolicy(placeholder.sizePolicy());
    view.setMinimumSize(placeholder.minimumSize());
    view.setMaximumSize(placeholder.maximumSize());
    for (const QByteArray& name : placeholder.dynamicPropertyNames()) {
        if (name != kClassIDProperty)
            view.setProperty(name.constData(), placeholder.property(name.constData()));
    }
}

bool isExplicitlyHidden(const QWidget& widget) {
    return widget.isHidden() && widget.testAttribute(Qt::WA_WState_ExplicitShowHide);
}

void replacePlaceholder(QWidget* placeholder, LCommander* superCommander) {
    QWidget* parent = placeholder->parentWidget();
    std::unique_ptr<QWidget> made =
        MakeRegisteredObject(classIDOf(placeholder), parent, superCommander);
    QWidget* view = made.get();
    takeOverPlaceholder(*placeholder, *view);
    // The parent owns the view from now on, as it owned the placeholder.
    view->setParent(parent);
    (void)made.release();
    std::unique_ptr<QLayoutItem> oldItem;
    if (parent != nullptr && parent->layout() != nullptr)
        oldItem.reset(parent->layout()->replaceWidget(placeholder, view));
    if (isExplicitlyHidden(*placeholder))
        view->hide();
    else if (parent != nullptr && parent->isVisible())
        view->show();
    std::unique_ptr<QWidget> gone(placeholder);
}

} // namespace

void RegisterViewResource(ResIDT id, ViewResourceBuilder builder) {
    viewResources()[id] = std::move(builder);
}

bool HasViewResource(ResIDT id) {
    return viewResources().contains(id);
}

void UnregisterViewResource(ResIDT id) {
    viewResources().erase(id);
}

void RegisterClass(ClassIDT classID, ViewClassFactory factory) {
    viewClasses()[classID] = std::move(factory);
}

bool IsClassRegistered(ClassIDT classID) {
    return viewClasses().contains(classID);
}

void UnregisterClass(ClassIDT classID) {
    viewClasses().erase(classID);
}

ClassIDT classIDOf(const QObject* object) {
    if (object == nullptr)
        return 0;
    const QVariant value = object->property(kClassIDProperty);
    if (!value.isValid())
        return 0;
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray) {
        const QByteArray text = value.toString().toUtf8();
        return ParseFourCharCode(std::string_view(text.constData(), text.size())).value_or(0);
    }
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    return ok && number > 0 && number <= 0xFFFFFFFFLL ? static_cast<ClassIDT>(number) : 0;
}

std::unique_ptr<QWidget> MakeRegisteredObject(ClassIDT classID, QWidget* parent,
                                              LCommander* superCommander) {
    const auto it = viewClasses().find(classID);
    if (classID == 0 || it == viewClasses().end())
        throw LException(kParamError);
    std::unique_ptr<QWidget> made = it->second(parent, superCommander);
    if (!made)
        throw LException(kMemoryFull);
    return made;
}

int ReplaceClassPlaceholders(QWidget* root, LCommander* superCommander) {
    // Collected first: replacing changes the tree. Placeholders inside a replaced one go with it.
    std::vector<QWidget*> placeholders;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->property(kClassIDProperty).isValid())
            placeholders.push_back(widget);
    }
    int replaced = 0;
    for (QWidget* placeholder : placeholders) {
        bool nested = false;
        for (QWidget* other : placeholders) {
            if (other != placeholder && other->isAncestorOf(placeholder))
                nested = true;
        }
        if (nested)
            continue;
        replacePlaceholder(placeholder, superCommander);
        ++replaced;
    }
    return replaced;
}

void RunViewResourceBuilder(ResIDT id, QWidget* root) {
    const auto it = viewResources().find(id);
    if (it == viewResources().end())
        throw LException(kParamError);
    it->second(root);
}

void BuildViewResource(ResIDT id, QWidget* root, LCommander* superCommander) {
    RunViewResourceBuilder(id, root);
    ReplaceClassPlaceholders(root, superCommander);
}

void FinishCreateViews(QWidget* root) {
    if (auto* view = qobject_cast<LView*>(root))
        view->FinishCreate();
    for (LView* view : root->findChildren<LView*>())
        view->FinishCreate();
}
