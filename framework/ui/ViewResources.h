#pragma once

// View resources and view classes. A view resource is a layout (a compiled Qt Designer form)
// registered under a resource ID; a widget in it that carries the dynamic property "classID"
// (four characters, e.g. "Pict") is a placeholder that the class registered under that ID
// replaces, keeping its pane ID, geometry, size policy and place in the layout.

#include "FourCharCode.h"

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

class LCommander;

using ResIDT = std::int16_t;
using ClassIDT = FourCharCode;

// Fills an empty root widget with the layout (a uic form's setupUi).
using ViewResourceBuilder = std::function<void(QWidget* root)>;
// Makes a view of a registered class. The super commander is the window being built (for
// views that are commanders).
using ViewClassFactory =
    std::function<std::unique_ptr<QWidget>(QWidget* parent, LCommander* superCommander)>;

void RegisterViewResource(ResIDT id, ViewResourceBuilder builder);
bool HasViewResource(ResIDT id);
void UnregisterViewResource(ResIDT id);

// Registers a uic form class: RegisterUiViewResource<Ui::DocumentWindow>(1000).
template <typename Form> void RegisterUiViewResource(ResIDT id) {
    RegisterViewResource(id, [](QWidget* root) {
        Form form;
        form.setupUi(root);
    });
}

void RegisterClass(ClassIDT classID, ViewClassFactory factory);
bool IsClassRegistered(ClassIDT classID);
void UnregisterClass(ClassIDT classID);

// Registers a class whose constructor takes (QWidget* parent, LCommander* superCommander).
template <typename View> void RegisterCommanderViewClass(ClassIDT classID) {
    RegisterClass(classID, [](QWidget* parent, LCommander* super) -> std::unique_ptr<QWidget> {
        return std::make_unique<View>(parent, super);
    });
}
// Registers a class whose constructor takes (QWidget* parent).
template <typename View> void RegisterViewClass(ClassIDT classID) {
    RegisterClass(classID, [](QWidget* parent, LCommander*) -> std::unique_ptr<QWidget> {
        return std::make_unique<View>(parent);
    });
}

// The class ID a widget names in its "classID" property (text or number), or 0.
ClassIDT classIDOf(const QObject* object);

// Makes an object of a registered class; throws LException(kParamError) when none is.
std::unique_ptr<QWidget> MakeRegisteredObject(ClassIDT classID, QWidget* parent,
                                              LCommander* superCommander);

// Runs only the view resource's builder on root; throws LException(kParamError) when the
// resource is not registered.
void RunViewResourceBuilder(ResIDT id, QWidget* root);
// Runs the view resource's builder on root, then replaces every placeholder below root.
// Throws LException(kParamError) for an unknown resource or class.
void BuildViewResource(ResIDT id, QWidget* root, LCommander* superCommander);
// Replaces the placeholders below root (not root itself). Returns how many were replaced.
int ReplaceClassPlaceholders(QWidget* root, LCommander* superCommander);
// Calls FinishCreate on every LView at or below root, each once.
void FinishCreateViews(QWidget* root);
